// The json format, for scripts: raw values only, never units or headings.
//
// Pretty-printed with 3 blanks per level, ": " after keys, empty arrays and objects as
// "[]" and "{}", and a newline at the end. Records keep their own field order; unset
// values are null. Strings escape '"', '\\' and control characters (\b \f \n \r \t, else
// \u00XX); other characters stay as they are, and each ill-formed UTF-8 sequence becomes
// U+FFFD, so the output is always valid JSON. With json-compact=true the whole value is
// one line, without blanks, for tools that read a line at a time.
#include "render/ByteScan.h"
#include "render/JsonWriter.h"

namespace Parvik {
namespace Render {
namespace Detail {

void AppendJsonString(std::string& out, std::string_view text) {
    out.push_back('"');
    // Nearly every string is plain ASCII with nothing to escape: copied whole.
    if (!AnyByte(text, [](uint64_t word) {
            return HasControlByte(word) || HasHighBit(word) || HasByte(word, '"') || HasByte(word, '\\');
        })) {
        out.append(text.data(), text.size());
        out.push_back('"');
        return;
    }
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

void JsonWriter::Value(const MetaObject* value, size_t indent) {
    if (value == nullptr || !value->IsSet() || !nesting_.CanEnter(value)) {
        out_.Put("null");
        return;
    }
    switch (value->GetType()) {
    case MetaObj::META_BOOL: out_.Put(static_cast<const MetaBool*>(value)->GetValue() ? "true" : "false"); return;
    case MetaObj::META_INT: out_.PutInt(static_cast<const MetaInt*>(value)->GetValue()); return;
    case MetaObj::META_STRING: AppendJsonString(out_.Text(), static_cast<const MetaString*>(value)->GetValue()); return;
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

void JsonWriter::List(const MetaList& list, size_t indent) {
    const auto& elements = list.GetElements();
    if (elements.empty()) {
        out_.Put("[]");
        return;
    }
    out_.Put('[');
    for (size_t i = 0; i < elements.size(); ++i) {
        Break(indent + kMachineIndentStep);
        Value(elements[i].get(), indent + kMachineIndentStep);
        if (i + 1 < elements.size()) out_.Put(',');
    }
    Break(indent);
    out_.Put(']');
}

void JsonWriter::Record(const MetaStruct& record, size_t indent) {
    const auto& fields = record.GetFields();
    if (fields.empty()) {
        out_.Put("{}");
        return;
    }
    out_.Put('{');
    for (size_t i = 0; i < fields.size(); ++i) {
        Break(indent + kMachineIndentStep);
        out_.Put(MemberName(i, fields[i].Name()));
        Value(fields[i].value.get(), indent + kMachineIndentStep);
        if (i + 1 < fields.size()) out_.Put(',');
    }
    Break(indent);
    out_.Put('}');
}

// Field names are one object per name for the whole process, so the same
// object means the same text.
const std::string& JsonWriter::MemberName(size_t place, const std::string& name) {
    if (place >= memberNames_.size()) memberNames_.resize(place + 1);
    auto& [kept, text] = memberNames_[place];
    if (kept != &name) {
        kept = &name;
        text.clear();
        AppendJsonString(text, name);
        text += compact_ ? ":" : ": ";
    }
    return text;
}

void JsonWriter::Break(size_t indent) {
    if (compact_) return;
    out_.BreakAndIndent(indent);
}

void JsonWriter::Open(char open, char close) {
    NextValue();
    out_.Put(open);
    open_.push_back({close, 0});
}

void JsonWriter::NextMember() {
    if (open_.back().members++ > 0) out_.Put(',');
    Break(Depth());
}

void JsonWriter::NextValue() {
    if (!open_.empty() && open_.back().close == ']') NextMember();
}

void JsonWriter::Key(std::string_view name) {
    NextMember();
    AppendJsonString(out_.Text(), name);
    out_.Put(compact_ ? ":" : ": ");
}

void JsonWriter::End() {
    const Container closed = open_.back();
    open_.pop_back();
    if (closed.members > 0) Break(Depth());
    out_.Put(closed.close);
}

void JsonWriter::String(std::string_view text) {
    NextValue();
    AppendJsonString(out_.Text(), text);
}

void JsonWriter::Int(int64_t value) {
    NextValue();
    out_.PutInt(value);
}

void JsonWriter::Value(const MetaObject* value) {
    NextValue();
    Value(value, Depth());
}

void JsonWriter::Rendered(std::string_view json) {
    NextValue();
    while (!json.empty() && json.back() == '\n') json.remove_suffix(1);
    if (json.empty()) json = "null";
    for (size_t start = 0;;) {
        const size_t end = json.find('\n', start);
        out_.Put(json.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
        if (end == std::string_view::npos) return;
        out_.EndLine();
        out_.PutSpaces(Depth());
        start = end + 1;
    }
}

void RenderJson(const MetaObject* root, const RenderOptions& options, OutBuffer& out) {
    const std::string* compact = FindParameter(options.parameters, kJsonCompact);
    JsonWriter(out, compact != nullptr && *compact == "true").Value(root, 0);
    out.EndLine();
}

}  // namespace Detail
}  // namespace Render
}  // namespace Parvik
