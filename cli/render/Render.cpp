// Formatter dispatch and the output-parameter lookups the renderers share.
#include "render/Render.h"

#include <algorithm>
#include <charconv>

#include "render/RenderDetail.h"

namespace Parvik {
namespace Render {

namespace Detail {

void AppendInt(std::string& out, int64_t value) {
    char digits[24];
    auto result = std::to_chars(digits, digits + sizeof(digits), value);
    out.append(digits, result.ptr);
}

void OutBuffer::PutInt(int64_t value) { AppendInt(text_, value); }

const std::string* FindParameter(const OutputParameters& parameters, const std::string& key) {
    auto found = parameters.find(key);
    return found == parameters.end() ? nullptr : &found->second;
}

std::vector<std::string> SplitNames(std::string_view text) {
    std::vector<std::string> names;
    size_t start = 0;
    while (start <= text.size()) {
        size_t comma = text.find(',', start);
        if (comma == std::string_view::npos) comma = text.size();
        std::string_view name = text.substr(start, comma - start);
        while (!name.empty() && (name.front() == ' ' || name.front() == '\t')) name.remove_prefix(1);
        while (!name.empty() && (name.back() == ' ' || name.back() == '\t')) name.remove_suffix(1);
        if (!name.empty() && std::find(names.begin(), names.end(), name) == names.end()) {
            names.emplace_back(name);
        }
        start = comma + 1;
    }
    return names;
}

FieldFinder::FieldFinder(const std::vector<std::string>& names) : hints_(names.size(), 0) {
    keys_.reserve(names.size());
    for (const auto& name : names) keys_.push_back(MetaStruct::NameOf(name));
}

const Field* FieldFinder::Find(const MetaStruct& record, size_t index) const {
    const auto& fields = record.GetFields();
    const std::string* key = keys_[index];
    size_t hint = hints_[index];
    if (hint < fields.size() && fields[hint].name == key) return &fields[hint];
    for (size_t i = 0; i < fields.size(); ++i) {
        if (fields[i].name == key) {
            hints_[index] = i;
            return &fields[i];
        }
    }
    return nullptr;
}

const std::string* RecordStyle::UnitFor(const std::string& field) const {
    for (const auto& unit : units) {
        if (unit.first == field) return &unit.second;
    }
    return nullptr;
}

void RecordStyle::Pick(const MetaStruct& record, std::vector<const Field*>& out) const {
    out.clear();
    if (!restricted) {
        for (const auto& field : record.GetFields()) out.push_back(&field);
        return;
    }
    for (size_t i = 0; i < shown.Size(); ++i) {
        if (const Field* field = shown.Find(record, i)) out.push_back(field);
    }
}

namespace {

std::vector<HeadingPart> ParseHeading(const std::string& pattern) {
    std::vector<HeadingPart> parts;
    std::string literal;
    size_t pos = 0;
    while (pos < pattern.size()) {
        size_t open = pattern.find('%', pos);
        size_t close = open == std::string::npos ? std::string::npos : pattern.find('%', open + 1);
        if (close == std::string::npos) {
            literal.append(pattern, pos, std::string::npos);
            break;
        }
        literal.append(pattern, pos, open - pos);
        if (close == open + 1) {  // "%%" names no field: keep one '%' and rescan the second
            literal.push_back('%');
            pos = open + 1;
            continue;
        }
        if (!literal.empty()) parts.push_back({false, std::move(literal)});
        literal.clear();
        parts.push_back({true, pattern.substr(open + 1, close - open - 1)});
        pos = close + 1;
    }
    if (!literal.empty()) parts.push_back({false, std::move(literal)});
    return parts;
}

}  // namespace

bool NestingGuard::CanEnter(const MetaObject* value) const {
    return open_.size() < kMaxDepth && std::find(open_.begin(), open_.end(), value) == open_.end();
}

RenderContext::RenderContext(const OutputParameters& parameters, bool forTable)
    : parameters_(parameters), forTable_(forTable) {}

const RecordStyle& RenderContext::Style(const std::string& recordName) {
    if (lastName_ != nullptr && *lastName_ == recordName) return *last_;
    auto found = styles_.find(recordName);
    if (found == styles_.end()) {
        RecordStyle style;
        const std::string* fields = nullptr;
        if (forTable_) fields = FindParameter(parameters_, kTableColumnsPrefix + recordName);
        if (fields == nullptr) fields = FindParameter(parameters_, kFieldsPrefix + recordName);
        if (fields != nullptr) {
            style.restricted = true;
            style.shown = FieldFinder(SplitNames(*fields));
        }
        const std::string* heading = FindParameter(parameters_, kHeaderPrefix + recordName);
        if (heading != nullptr && *heading != kNoHeading) {
            style.hasHeading = true;
            style.heading = ParseHeading(*heading);
        }
        const std::string unitsKey = kUnitsPrefix + recordName + ".";
        for (auto it = parameters_.lower_bound(unitsKey);
             it != parameters_.end() && it->first.compare(0, unitsKey.size(), unitsKey) == 0; ++it) {
            style.units.emplace_back(it->first.substr(unitsKey.size()), it->second);
        }
        found = styles_.emplace(recordName, std::move(style)).first;
    }
    lastName_ = &found->first;
    last_ = &found->second;
    return *last_;
}

bool HasNestedElements(const MetaList& list) {
    for (const auto& element : list.GetElements()) {
        if (!IsScalar(element.get())) return true;
    }
    return false;
}

const MetaStruct* ElementTemplate(const MetaList& list) {
    const auto& elementTemplate = list.GetElementTemplate();
    if (elementTemplate && !elementTemplate->GetFields().empty()) return elementTemplate.get();
    for (const auto& element : list.GetElements()) {
        if (IsRecord(element.get())) return static_cast<const MetaStruct*>(element.get());
    }
    return elementTemplate.get();
}

std::vector<std::string> ColumnsFor(const MetaStruct& layout, const std::string* given) {
    const auto& fields = layout.GetFields();
    std::vector<std::string> columns;
    if (given == nullptr) {
        for (const auto& field : fields) columns.push_back(field.Name());
        return columns;
    }
    for (auto& column : SplitNames(*given)) {
        bool present =
            std::any_of(fields.begin(), fields.end(), [&](const Field& field) { return field.Name() == column; });
        if (present) columns.push_back(std::move(column));
    }
    return columns;
}

void AppendScalar(std::string& out, const MetaObject* value) {
    if (value == nullptr || !value->IsSet()) return;
    switch (value->GetType()) {
    case MetaObj::META_BOOL: out += static_cast<const MetaBool*>(value)->GetValue() ? "true" : "false"; return;
    case MetaObj::META_INT: AppendInt(out, static_cast<const MetaInt*>(value)->GetValue()); return;
    case MetaObj::META_STRING: out += static_cast<const MetaString*>(value)->GetValue(); return;
    default: return;
    }
}

namespace {

// Lists inside a cell's value are bracketed so their separators stay apart from the
// record's own.
void AppendCompactValue(std::string& out, const MetaObject* value, std::string_view listSeparator,
                        RenderContext& context, bool withUnits, bool nested) {
    if (IsScalar(value)) {
        AppendScalar(out, value);
        return;
    }
    NestingGuard::Scope scope(context.Nesting(), value);
    if (!scope) return;
    if (IsList(value)) {
        const auto& list = static_cast<const MetaList&>(*value);
        bool bracketed = nested || HasNestedElements(list);
        std::string_view separator = bracketed ? std::string_view(", ") : listSeparator;
        if (bracketed) out.push_back('[');
        bool first = true;
        for (const auto& element : list.GetElements()) {
            if (!first) out.append(separator.data(), separator.size());
            first = false;
            AppendCompactValue(out, element.get(), listSeparator, context, withUnits, true);
        }
        if (bracketed) out.push_back(']');
        return;
    }
    const auto& record = static_cast<const MetaStruct&>(*value);
    const RecordStyle& style = context.Style(record.GetName());
    std::vector<const Field*> fields;
    style.Pick(record, fields);
    out.push_back('{');
    bool first = true;
    for (const Field* field : fields) {
        if (!first) out += ", ";
        first = false;
        out += field->Name();
        out += ": ";
        size_t valueStart = out.size();
        AppendCompactValue(out, field->value.get(), listSeparator, context, withUnits, true);
        if (!withUnits || out.size() == valueStart) continue;
        if (const std::string* unit = style.UnitFor(field->Name())) {
            out.push_back(' ');
            out += *unit;
        }
    }
    out.push_back('}');
}

}  // namespace

void AppendCompact(std::string& out, const MetaObject* value, std::string_view listSeparator, RenderContext& context,
                   bool withUnits) {
    AppendCompactValue(out, value, listSeparator, context, withUnits, false);
}

void AppendHeading(std::string& out, const RecordStyle& style, const MetaStruct& record, RenderContext& context) {
    for (const auto& part : style.heading) {
        if (!part.isField) {
            out += part.text;
            continue;
        }
        MetaObj::MetaObjectPtr value = record.GetField(part.text);
        if (value) {
            AppendCompact(out, value.get(), ", ", context, false);
        } else {  // not a field of this record: show the reference as written
            out.push_back('%');
            out += part.text;
            out.push_back('%');
        }
    }
}

}  // namespace Detail

namespace {

using Renderer = void (*)(const MetaObj::MetaObject*, const RenderOptions&, Detail::OutBuffer&);

struct Formatter {
    const char* name;
    Renderer render;
};

// In the order help lists them.
const Formatter kFormatters[] = {
    {"simple", Detail::RenderSimple}, {"table", Detail::RenderTable}, {"json", Detail::RenderJson},
    {"xml", Detail::RenderXml},       {"csv", Detail::RenderCsv},     {"keyvalue", Detail::RenderKeyValue},
};

const Formatter* FindFormatter(const std::string& name) {
    for (const auto& formatter : kFormatters) {
        if (name == formatter.name) return &formatter;
    }
    return nullptr;
}

}  // namespace

const std::vector<std::string>& FormatterNames() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> list;
        for (const auto& formatter : kFormatters) list.emplace_back(formatter.name);
        return list;
    }();
    return names;
}

bool IsKnownFormatter(const std::string& name) { return FindFormatter(name) != nullptr; }

void RenderOutput(const std::string& formatter, const MetaObj::MetaObjectPtr& root, const RenderOptions& options,
                  std::ostream& out) {
    if (!root) return;
    const Formatter* chosen = FindFormatter(formatter);
    if (chosen == nullptr) return;  // the caller checks names; an unknown one prints nothing
    Detail::OutBuffer buffer(out);
    chosen->render(root.get(), options, buffer);
    buffer.Flush();
}

}  // namespace Render
}  // namespace Parvik
