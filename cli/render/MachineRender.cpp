// The formats scripts read: json, xml, csv and keyvalue. They show raw values only:
// never units or headings.
#include "Utf8.h"
#include "render/RenderDetail.h"

namespace Parvik {
namespace Render {
namespace Detail {

namespace {

constexpr size_t kMachineIndentStep = 3;
const char kReplacementChar[] = "\xEF\xBF\xBD";  // U+FFFD

using Text::DecodeUtf8;
using Text::Utf8Char;

const char* TypeName(MetaObj::MetaType type) {
    switch (type) {
    case MetaObj::META_BOOL: return "boolean";
    case MetaObj::META_INT: return "integer";
    case MetaObj::META_STRING: return "string";
    case MetaObj::META_STRUCT: return "structure";
    case MetaObj::META_LIST: return "list";
    }
    return "unknown";
}

// ---------------------------------------------------------------- json
//
// Pretty-printed with 3 blanks per level, ": " after keys, empty arrays and objects as
// "[]" and "{}", and a newline at the end. Records keep their own field order; unset
// values are null. Strings escape '"', '\\' and control characters (\b \f \n \r \t, else
// \u00XX); other characters stay as they are, and each ill-formed UTF-8 sequence becomes
// U+FFFD, so the output is always valid JSON.

void AppendJsonString(std::string& out, std::string_view text) {
    out.push_back('"');
    size_t plain = 0;  // start of the bytes not yet copied
    size_t pos = 0;
    while (pos < text.size()) {
        const auto c = static_cast<unsigned char>(text[pos]);
        if (c >= 0x20 && c < 0x80 && c != '"' && c != '\\') {
            ++pos;
            continue;
        }
        if (c >= 0x80) {
            Utf8Char ch = DecodeUtf8(text, pos);
            if (ch.valid) {
                pos += ch.length;
                continue;
            }
            out.append(text.data() + plain, pos - plain);
            out += kReplacementChar;
            pos += ch.length;
            plain = pos;
            continue;
        }
        out.append(text.data() + plain, pos - plain);
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\b': out += "\\b"; break;
        case '\f': out += "\\f"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default: Text::AppendHexByte(out, "\\u00", c);
        }
        ++pos;
        plain = pos;
    }
    out.append(text.data() + plain, pos - plain);
    out.push_back('"');
}

class JsonWriter {
public:
    explicit JsonWriter(OutBuffer& out) : out_(out) {}

    void Value(const MetaObject* value, size_t indent) {
        if (value == nullptr || !value->IsSet() || !nesting_.CanEnter(value)) {
            out_.Put("null");
            return;
        }
        switch (value->GetType()) {
        case MetaObj::META_BOOL: out_.Put(static_cast<const MetaBool*>(value)->GetValue() ? "true" : "false"); return;
        case MetaObj::META_INT: out_.PutInt(static_cast<const MetaInt*>(value)->GetValue()); return;
        case MetaObj::META_STRING:
            AppendJsonString(out_.Text(), static_cast<const MetaString*>(value)->GetValue());
            return;
        case MetaObj::META_LIST: {
            NestingGuard::Scope scope(nesting_, value);
            List(static_cast<const MetaList&>(*value), indent);
            return;
        }
        case MetaObj::META_STRUCT: {
            NestingGuard::Scope scope(nesting_, value);
            Record(static_cast<const MetaStruct&>(*value), indent);
            return;
        }
        }
        out_.Put("null");
    }

private:
    void List(const MetaList& list, size_t indent) {
        const auto& elements = list.GetElements();
        if (elements.empty()) {
            out_.Put("[]");
            return;
        }
        out_.Put('[');
        out_.EndLine();
        for (size_t i = 0; i < elements.size(); ++i) {
            out_.PutSpaces(indent + kMachineIndentStep);
            Value(elements[i].get(), indent + kMachineIndentStep);
            if (i + 1 < elements.size()) out_.Put(',');
            out_.EndLine();
        }
        out_.PutSpaces(indent);
        out_.Put(']');
    }

    void Record(const MetaStruct& record, size_t indent) {
        const auto& fields = record.GetFields();
        if (fields.empty()) {
            out_.Put("{}");
            return;
        }
        out_.Put('{');
        out_.EndLine();
        for (size_t i = 0; i < fields.size(); ++i) {
            out_.PutSpaces(indent + kMachineIndentStep);
            AppendJsonString(out_.Text(), fields[i].Name());
            out_.Put(": ");
            Value(fields[i].value.get(), indent + kMachineIndentStep);
            if (i + 1 < fields.size()) out_.Put(',');
            out_.EndLine();
        }
        out_.PutSpaces(indent);
        out_.Put('}');
    }

    OutBuffer& out_;
    NestingGuard nesting_;
};

// ---------------------------------------------------------------- xml
//
//   <?xml version="1.0" encoding="utf-8"?>
//   <output>
//      <root>
//         <structure typeName="Nic">
//            <field name="Name"><string>lmx0</string></field>
//            <field name="MTU"><integer>1500</integer></field>
//            <field name="Up"><boolean>true</boolean></field>
//            <field name="Unset"/>
//            <field name="Tags">
//               <list type="string">
//                  <string>a</string>
//               </list>
//            </field>
//         </structure>
//      </root>
//   </output>
//
// A list's type is its element kind ("string" or "structure"); an empty list is
// <list type="..."/>; an unset scalar outside a field is its empty element (<integer/>).
// Text escapes & < > " ' and writes tab, LF and CR as character references so parsers
// keep them; characters XML cannot hold and ill-formed UTF-8 become U+FFFD.

void AppendXmlText(std::string& out, std::string_view text) {
    size_t plain = 0;
    size_t pos = 0;
    while (pos < text.size()) {
        const auto c = static_cast<unsigned char>(text[pos]);
        const char* replacement = nullptr;
        size_t length = 1;
        if (c >= 0x80) {
            Utf8Char ch = DecodeUtf8(text, pos);
            length = ch.length;
            if (ch.valid && ch.codePoint != 0xFFFE && ch.codePoint != 0xFFFF) {
                pos += length;
                continue;
            }
            replacement = kReplacementChar;
        } else {
            switch (c) {
            case '&': replacement = "&amp;"; break;
            case '<': replacement = "&lt;"; break;
            case '>': replacement = "&gt;"; break;
            case '"': replacement = "&quot;"; break;
            case '\'': replacement = "&apos;"; break;
            case '\t': replacement = "&#9;"; break;
            case '\n': replacement = "&#10;"; break;
            case '\r': replacement = "&#13;"; break;
            default:
                if (c < 0x20) replacement = kReplacementChar;
            }
            if (replacement == nullptr) {
                ++pos;
                continue;
            }
        }
        out.append(text.data() + plain, pos - plain);
        out += replacement;
        pos += length;
        plain = pos;
    }
    out.append(text.data() + plain, pos - plain);
}

class XmlWriter {
public:
    explicit XmlWriter(OutBuffer& out) : out_(out) {}

    void Document(const MetaObject* root) {
        out_.Put("<?xml version=\"1.0\" encoding=\"utf-8\"?>");
        out_.EndLine();
        out_.Put("<output>");
        out_.EndLine();
        out_.PutSpaces(kMachineIndentStep);
        out_.Put("<root>");
        out_.EndLine();
        Value(root, 2 * kMachineIndentStep);
        out_.PutSpaces(kMachineIndentStep);
        out_.Put("</root>");
        out_.EndLine();
        out_.Put("</output>");
        out_.EndLine();
    }

private:
    // Writes value on lines of its own at indent; a null value writes nothing.
    void Value(const MetaObject* value, size_t indent) {
        if (value == nullptr) return;
        NestingGuard::Scope scope(nesting_, value);
        if (!scope) return;
        out_.PutSpaces(indent);
        if (IsScalar(value)) {
            Scalar(*value);
        } else if (IsList(value)) {
            List(static_cast<const MetaList&>(*value), indent);
        } else {
            Record(static_cast<const MetaStruct&>(*value), indent);
        }
        out_.EndLine();
    }

    void Scalar(const MetaObject& value) {
        const char* type = TypeName(value.GetType());
        out_.Put('<');
        out_.Put(type);
        if (!value.IsSet()) {
            out_.Put("/>");
            return;
        }
        out_.Put('>');
        if (value.GetType() == MetaObj::META_STRING) {
            AppendXmlText(out_.Text(), static_cast<const MetaString&>(value).GetValue());
        } else {
            AppendScalar(out_.Text(), &value);
        }
        out_.Put("</");
        out_.Put(type);
        out_.Put('>');
    }

    void List(const MetaList& list, size_t indent) {
        out_.Put("<list type=\"");
        out_.Put(TypeName(list.GetElementType()));
        if (list.GetElements().empty()) {
            out_.Put("\"/>");
            return;
        }
        out_.Put("\">");
        out_.EndLine();
        for (const auto& element : list.GetElements()) Value(element.get(), indent + kMachineIndentStep);
        out_.PutSpaces(indent);
        out_.Put("</list>");
    }

    void Record(const MetaStruct& record, size_t indent) {
        out_.Put("<structure typeName=\"");
        AppendXmlText(out_.Text(), record.GetName());
        if (record.GetFields().empty()) {
            out_.Put("\"/>");
            return;
        }
        out_.Put("\">");
        out_.EndLine();
        const size_t fieldIndent = indent + kMachineIndentStep;
        for (const auto& field : record.GetFields()) {
            const MetaObject* value = field.value.get();
            out_.PutSpaces(fieldIndent);
            out_.Put("<field name=\"");
            AppendXmlText(out_.Text(), field.Name());
            if (value == nullptr || !value->IsSet() || !nesting_.CanEnter(value)) {
                out_.Put("\"/>");
            } else if (IsScalar(value)) {
                out_.Put("\">");
                Scalar(*value);
                out_.Put("</field>");
            } else {
                out_.Put("\">");
                out_.EndLine();
                Value(value, fieldIndent + kMachineIndentStep);
                out_.PutSpaces(fieldIndent);
                out_.Put("</field>");
            }
            out_.EndLine();
        }
        out_.PutSpaces(indent);
        out_.Put("</structure>");
    }

    OutBuffer& out_;
    NestingGuard nesting_;
};

// ---------------------------------------------------------------- csv
//
// RFC 4180 with LF line ends: a header row of the shown field names ("fields:<Record>"),
// then one row per record. A cell holding a comma, quote, CR or LF is quoted, quotes
// doubled. A string list is one cell joined by ","; a nested record is one cell
// "{Field: v, ...}". A root that is not a record or a list of records writes one value
// per line.

void AppendCsvCell(std::string& out, std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
        out.append(text.data(), text.size());
        return;
    }
    out.push_back('"');
    for (char c : text) {
        if (c == '"') out.push_back('"');
        out.push_back(c);
    }
    out.push_back('"');
}

class CsvWriter {
public:
    CsvWriter(const RenderOptions& options, OutBuffer& out)
        : options_(options), context_(options.parameters, false), out_(out) {}

    void Root(const MetaObject* root) {
        if (IsRecord(root)) {
            const auto* record = static_cast<const MetaStruct*>(root);
            Table({record}, *record);
            return;
        }
        if (!IsList(root)) {
            Line(root);
            return;
        }
        const auto& list = static_cast<const MetaList&>(*root);
        std::vector<const MetaStruct*> rows;
        rows.reserve(list.GetCount());
        for (const auto& element : list.GetElements()) {
            if (IsRecord(element.get())) rows.push_back(static_cast<const MetaStruct*>(element.get()));
        }
        if (!rows.empty()) {
            Table(rows, *ElementTemplate(list));
            return;
        }
        for (const auto& element : list.GetElements()) Line(element.get());
    }

private:
    void Line(const MetaObject* value) {
        cell_.clear();
        AppendCompact(cell_, value, ",", context_, false);
        AppendCsvCell(out_.Text(), cell_);
        out_.EndLine();
    }

    void Table(const std::vector<const MetaStruct*>& rows, const MetaStruct& layout) {
        FieldFinder columns(ColumnsFor(layout, FindParameter(options_.parameters, kFieldsPrefix + layout.GetName())));
        if (columns.Size() == 0) return;
        for (size_t c = 0; c < columns.Size(); ++c) {
            if (c > 0) out_.Put(',');
            AppendCsvCell(out_.Text(), columns.Name(c));
        }
        out_.EndLine();
        for (const MetaStruct* row : rows) {
            NestingGuard::Scope scope(context_.Nesting(), row);
            for (size_t c = 0; c < columns.Size(); ++c) {
                if (c > 0) out_.Put(',');
                const Field* field = columns.Find(*row, c);
                if (field == nullptr) continue;
                cell_.clear();
                AppendCompact(cell_, field->value.get(), ",", context_, false);
                AppendCsvCell(out_.Text(), cell_);
            }
            out_.EndLine();
        }
    }

    const RenderOptions& options_;
    RenderContext context_;
    OutBuffer& out_;
    std::string cell_;
};

// ---------------------------------------------------------------- keyvalue
//
// One line per scalar: "<path>.<type>=<value>", type "string", "integer" or "boolean".
// The path starts with the root record's name; a field adds ".<Field>" and a list element
// "[<index>]": "Nic.Name.string=lmx0", "Nic[1].Tags[0].string=a",
// "Nic.Policy.Active.boolean=true". A root string list starts with "[<index>]" and a
// root scalar is "<type>=<value>". Fields follow "fields:<Record>". Unset values have an
// empty value; a missing (null) value drops ".<type>". Empty lists and records write no
// line. Values escape backslash as \\ and, as the human formats do, what a terminal would
// act on (\t \n \r, \xHH for other control bytes, DEL and bytes that are not UTF-8,
// \u00HH for C1 controls), so each value stays on its line and shows as it is.

void AppendKeyValueText(std::string& out, std::string_view text) {
    const size_t start = out.size();
    out.append(text);
    EscapeControls(out, start, true);
}

class KeyValueWriter {
public:
    KeyValueWriter(const RenderOptions& options, OutBuffer& out)
        : context_(options.parameters, false), out_(out), picked_(kMaxDepth + 1) {}

    void Root(const MetaObject* root) {
        if (IsRecord(root)) path_ = static_cast<const MetaStruct*>(root)->GetName();
        Value(root);
    }

private:
    void Value(const MetaObject* value) {
        if (IsScalar(value)) {
            Scalar(value);
            return;
        }
        NestingGuard::Scope scope(context_.Nesting(), value);
        if (!scope) return;
        if (IsRecord(value)) {
            Record(static_cast<const MetaStruct&>(*value));
        } else {
            List(static_cast<const MetaList&>(*value));
        }
    }

    void Scalar(const MetaObject* value) {
        std::string& text = out_.Text();
        text += path_;
        if (value != nullptr) {
            if (!path_.empty()) text.push_back('.');
            text += TypeName(value->GetType());
        }
        text.push_back('=');
        if (value != nullptr && value->GetType() == MetaObj::META_STRING) {
            if (value->IsSet()) AppendKeyValueText(text, static_cast<const MetaString*>(value)->GetValue());
        } else {
            AppendScalar(text, value);
        }
        out_.EndLine();
    }

    void Record(const MetaStruct& record) {
        std::vector<const Field*>& fields = picked_[context_.Nesting().Depth()];
        context_.Style(record.GetName()).Pick(record, fields);
        const size_t base = path_.size();
        for (const Field* field : fields) {
            path_.push_back('.');
            path_ += field->Name();
            Value(field->value.get());
            path_.resize(base);
        }
    }

    void List(const MetaList& list) {
        const bool isRoot = context_.Nesting().Depth() == 1;
        const size_t base = path_.size();
        const auto& elements = list.GetElements();
        for (size_t i = 0; i < elements.size(); ++i) {
            // Each record of a root list is named after its kind.
            if (isRoot && IsRecord(elements[i].get())) {
                path_ = static_cast<const MetaStruct*>(elements[i].get())->GetName();
            }
            path_.push_back('[');
            AppendInt(path_, static_cast<int64_t>(i));
            path_.push_back(']');
            Value(elements[i].get());
            path_.resize(base);
        }
    }

    RenderContext context_;
    OutBuffer& out_;
    std::string path_;
    // Per nesting depth, reused across records; sized once so references stay valid.
    std::vector<std::vector<const Field*>> picked_;
};

}  // namespace

void RenderJson(const MetaObject* root, const RenderOptions&, OutBuffer& out) {
    JsonWriter(out).Value(root, 0);
    out.EndLine();
}

void RenderXml(const MetaObject* root, const RenderOptions&, OutBuffer& out) { XmlWriter(out).Document(root); }

void RenderCsv(const MetaObject* root, const RenderOptions& options, OutBuffer& out) {
    CsvWriter(options, out).Root(root);
}

void RenderKeyValue(const MetaObject* root, const RenderOptions& options, OutBuffer& out) {
    KeyValueWriter(options, out).Root(root);
}

}  // namespace Detail
}  // namespace Render
}  // namespace Parvik
