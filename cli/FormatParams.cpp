// Checks the output parameters a user gives against the records a command renders.
#include "FormatParams.h"

#include <algorithm>

#include "Parser.h"
#include "render/RenderDetail.h"

namespace Parvik {
namespace AutoCli {

namespace {

using MetaObj::MetaList;
using MetaObj::MetaObject;
using MetaObj::MetaStruct;
using Render::Detail::SplitNames;
// The parameter keys, and the depth where the walk stops, are the renderers'.
namespace Renderers = Render::Detail;

const char kKnownKeys[] =
    "fields:<Record>, header:<Record>, units:<Record>.<Field>, table-columns, table-columns:<Record>, wrap-last or "
    "json-compact";

void CollectRecords(const MetaObject* value, size_t depth, std::vector<RecordFields>& records) {
    if (value == nullptr || depth > Renderers::kMaxDepth) return;
    if (value->GetType() == MetaObj::META_LIST) {
        CollectRecords(static_cast<const MetaList*>(value)->GetElementTemplate().get(), depth + 1, records);
        return;
    }
    if (value->GetType() != MetaObj::META_STRUCT) return;
    const auto& record = static_cast<const MetaStruct&>(*value);
    for (const auto& known : records) {
        if (known.name == record.GetName()) return;
    }
    records.push_back({record.GetName(), {}});
    const size_t at = records.size() - 1;
    for (const auto& field : record.GetFields()) records[at].fields.push_back(field.Name());
    for (const auto& field : record.GetFields()) CollectRecords(field.value.get(), depth + 1, records);
}

std::string Join(const std::vector<std::string>& names) {
    std::string text;
    for (const auto& name : names) text += (text.empty() ? "" : ", ") + name;
    return text;
}

std::vector<std::string> RecordNames(const std::vector<RecordFields>& records) {
    std::vector<std::string> names;
    for (const auto& record : records) names.push_back(record.name);
    return names;
}

std::string RenderedText(const std::vector<RecordFields>& records) {
    if (records.empty()) return "this command renders no records.";
    return "this command renders " + Join(RecordNames(records)) + ".";
}

const RecordFields* FindRecord(const std::vector<RecordFields>& records, const std::string& name) {
    for (const auto& record : records) {
        if (record.name == name) return &record;
    }
    return nullptr;
}

bool HasField(const RecordFields& record, const std::string& name) {
    return std::find(record.fields.begin(), record.fields.end(), name) != record.fields.end();
}

std::string UnknownRecord(const std::string& name, const std::string& key, const std::vector<RecordFields>& records) {
    return "Unknown record " + ShowInput(name) + " in --format-param key " + ShowInput(key) + ": " +
           RenderedText(records) + SuggestionText(name, RecordNames(records));
}

std::string UnknownField(const std::string& name, const RecordFields& record, const std::string& key) {
    return "Unknown field " + ShowInput(name) + " of record " + record.name + " in --format-param " + ShowInput(key) +
           "." + SuggestionText(name, record.fields) + " Fields of " + record.name + ": " + Join(record.fields) + ".";
}

// A record template without fields (filled at run time) cannot say which names are wrong.
bool FieldsUnknown(const RecordFields& record) { return record.fields.empty(); }

// A comma-separated field list for one record: at least one name, each a field of it.
std::string CheckFieldList(const std::string& key, const std::string& value, const RecordFields& record) {
    std::vector<std::string> names = SplitNames(value);
    if (names.empty()) {
        return "--format-param " + ShowInput(key + "=" + value) + " names no field: give one or more of " +
               (FieldsUnknown(record) ? std::string("the fields of ") + record.name : Join(record.fields)) + ".";
    }
    if (FieldsUnknown(record)) return "";
    for (const auto& name : names) {
        if (!HasField(record, name)) return UnknownField(name, record, key);
    }
    return "";
}

// The field references ("%Field%") of a heading template.
std::string CheckHeading(const std::string& key, const std::string& value, const RecordFields& record) {
    if (value == Renderers::kNoHeading || FieldsUnknown(record)) return "";
    size_t pos = 0;
    for (;;) {
        size_t open = value.find('%', pos);
        if (open == std::string::npos) return "";
        size_t close = value.find('%', open + 1);
        if (close == std::string::npos) return "";
        if (close == open + 1) {  // "%%" is a literal percent sign
            pos = open + 1;
            continue;
        }
        std::string name = value.substr(open + 1, close - open - 1);
        if (!HasField(record, name)) return UnknownField(name, record, key);
        pos = close + 1;
    }
}

// "table-columns" applies to whichever record a table shows: each name must
// be a field of one of them.
std::string CheckAnyRecordColumns(const std::string& key, const std::string& value,
                                  const std::vector<RecordFields>& records) {
    std::vector<std::string> names = SplitNames(value);
    std::vector<std::string> all;
    bool anyUnknown = false;
    for (const auto& record : records) {
        anyUnknown = anyUnknown || FieldsUnknown(record);
        for (const auto& field : record.fields) {
            if (std::find(all.begin(), all.end(), field) == all.end()) all.push_back(field);
        }
    }
    if (records.empty()) return "--format-param " + ShowInput(key) + " has no effect: " + RenderedText(records);
    if (names.empty()) {
        return "--format-param " + ShowInput(key + "=" + value) + " names no field: give one or more of " + Join(all) +
               ".";
    }
    if (anyUnknown) return "";
    for (const auto& name : names) {
        if (std::find(all.begin(), all.end(), name) == all.end()) {
            return "Unknown field " + ShowInput(name) + " in --format-param " + ShowInput(key) + "." +
                   SuggestionText(name, all) + " Fields: " + Join(all) + ".";
        }
    }
    return "";
}

bool StartsWith(const std::string& text, const char* prefix, size_t& length) {
    length = std::char_traits<char>::length(prefix);
    return text.compare(0, length, prefix) == 0;
}

}  // namespace

std::vector<RecordFields> RenderedRecords(const MetaObj::MetaObject* root) {
    std::vector<RecordFields> records;
    CollectRecords(root, 0, records);
    return records;
}

std::string CheckFormatParameter(const std::string& key, const std::string& value,
                                 const std::vector<RecordFields>& records) {
    size_t length = 0;
    if (key == Renderers::kWrapLast || key == Renderers::kJsonCompact) {
        if (value == "true" || value == "false") return "";
        return "Invalid value " + ShowInput(value) + " for --format-param " + key + ": must be true or false.";
    }
    if (key == Renderers::kTableColumns) return CheckAnyRecordColumns(key, value, records);
    const bool isFields = StartsWith(key, Renderers::kFieldsPrefix, length);
    if (isFields || StartsWith(key, Renderers::kTableColumnsPrefix, length)) {
        const RecordFields* record = FindRecord(records, key.substr(length));
        if (record == nullptr) return UnknownRecord(key.substr(length), key, records);
        return CheckFieldList(key, value, *record);
    }
    if (StartsWith(key, Renderers::kHeaderPrefix, length)) {
        const RecordFields* record = FindRecord(records, key.substr(length));
        if (record == nullptr) return UnknownRecord(key.substr(length), key, records);
        return CheckHeading(key, value, *record);
    }
    if (StartsWith(key, Renderers::kUnitsPrefix, length)) {
        // "units:<Record>.<Field>": the longest record name followed by a dot.
        const RecordFields* record = nullptr;
        for (const auto& candidate : records) {
            const std::string& name = candidate.name;
            if (key.size() > length + name.size() && key.compare(length, name.size(), name) == 0 &&
                key[length + name.size()] == '.' && (record == nullptr || name.size() > record->name.size())) {
                record = &candidate;
            }
        }
        if (record == nullptr) return UnknownRecord(key.substr(length, key.find('.', length) - length), key, records);
        std::string field = key.substr(length + record->name.size() + 1);
        if (FieldsUnknown(*record) || HasField(*record, field)) return "";
        return UnknownField(field, *record, key);
    }
    std::string text =
        "Unknown --format-param key " + ShowInput(key) + ": use " + kKnownKeys + "; " + RenderedText(records);
    return text;
}

}  // namespace AutoCli
}  // namespace Parvik
