// The human-readable formats: "simple" (field per line) and "table" (aligned columns).
#include <algorithm>
#include <cstdint>
#include <cstring>

#include "Utf8.h"
#include "render/ByteScan.h"
#include "render/RenderDetail.h"

namespace Parvik {
namespace Render {
namespace Detail {

namespace {

constexpr size_t kIndentStep = 3;
constexpr size_t kColumnGap = 2;
// A wrapped last column keeps at least this many columns, even on a narrow terminal.
constexpr size_t kMinWrapWidth = 10;

// Display columns of UTF-8 text: one per character, none for continuation bytes (10xxxxxx).
size_t DisplayWidth(std::string_view text) {
    if (!AnyByte(text, HasHighBit)) return text.size();
    size_t width = 0;
    for (unsigned char c : text) width += (c & 0xC0) != 0x80;
    return width;
}

// Whether the text may need escaping for a terminal: a control byte, DEL, or any byte
// that is not ASCII (which the exact test below then looks at).
bool MayNeedEscape(std::string_view text) {
    return AnyByte(text, [](uint64_t word) { return HasControlByte(word) || HasHighBit(word) || HasByte(word, 0x7f); });
}

using Text::Utf8SequenceLength;

}  // namespace

// Texts come from host files and users, so they may hold line breaks, escape
// sequences or bytes that are not UTF-8, which a terminal would act on. Those are
// shown as escapes: \t \n \r, \xHH for other control bytes, DEL and bytes that are
// not UTF-8, \u00HH for the C1 controls U+0080 to U+009F. Printable UTF-8 is left
// as it is, and so are backslashes unless escapeBackslash (a format that must be
// read back doubles them). Rewrites text from `from` on.
void EscapeControls(std::string& text, size_t from, bool escapeBackslash) {
    const std::string_view tail = std::string_view(text).substr(from);
    if (!MayNeedEscape(tail) && !(escapeBackslash && tail.find('\\') != std::string_view::npos)) return;
    std::string escaped;
    size_t pos = 0;
    while (pos < tail.size()) {
        const auto c = static_cast<unsigned char>(tail[pos]);
        if (c == '\\' && escapeBackslash) {
            escaped += "\\\\";
            ++pos;
        } else if (c >= 0x20 && c < 0x7f) {
            escaped.push_back(static_cast<char>(c));
            ++pos;
        } else if (c == '\t') {
            escaped += "\\t";
            ++pos;
        } else if (c == '\n') {
            escaped += "\\n";
            ++pos;
        } else if (c == '\r') {
            escaped += "\\r";
            ++pos;
        } else if (c < 0x80) {
            Text::AppendHexByte(escaped, "\\x", c);
            ++pos;
        } else if (size_t length = Utf8SequenceLength(tail, pos)) {
            const auto second = static_cast<unsigned char>(tail[pos + 1]);
            if (c == 0xC2 && second < 0xA0) {
                Text::AppendHexByte(escaped, "\\u00", second);
            } else {
                escaped.append(tail.substr(pos, length));
            }
            pos += length;
        } else {
            Text::AppendHexByte(escaped, "\\x", c);
            ++pos;
        }
    }
    text.replace(from, std::string::npos, escaped);
}

namespace {

void EscapeForTerminal(std::string& text, size_t from) { EscapeControls(text, from, false); }

// Booleans report success by exit status, so a true result prints nothing.
void RenderScalarRoot(const MetaObject* root, OutBuffer& out) {
    if (root->GetType() == MetaObj::META_BOOL) {
        if (root->IsSet() && !static_cast<const MetaBool*>(root)->GetValue()) {
            out.Put("false");
            out.EndLine();
        }
        return;
    }
    const size_t start = out.Text().size();
    AppendScalar(out.Text(), root);
    EscapeForTerminal(out.Text(), start);
    out.EndLine();
}

// "simple": a record is "Field: value" lines; nested records and lists of records go
// beneath their field's line, indented 3 blanks per level; string lists are one line
// joined by ", "; units follow their value after a blank. Records of a list are set apart
// by a blank line, each under its "header:<Record>" heading (its lines then indented)
// when its kind has one.
class SimpleWriter {
public:
    SimpleWriter(const RenderOptions& options, OutBuffer& out)
        : context_(options.parameters, false), out_(out), picked_(kMaxDepth + 1) {}

    // A list or a record; the callers print a scalar root themselves.
    void Root(const MetaObject* root) {
        if (IsList(root)) {
            List(static_cast<const MetaList&>(*root), 0);
        } else {
            HeadedRecord(static_cast<const MetaStruct&>(*root), 0);
        }
    }

private:
    // A record under its heading when its kind has one, else at the indent itself.
    void HeadedRecord(const MetaStruct& record, size_t indent) {
        NestingGuard::Scope scope(context_.Nesting(), &record);
        if (!scope) return;
        const RecordStyle& style = context_.Style(record.GetName());
        if (!style.hasHeading) {
            Record(record, style, indent);
            return;
        }
        out_.PutSpaces(indent);
        const size_t start = out_.Text().size();
        AppendHeading(out_.Text(), style, record, context_);
        EscapeForTerminal(out_.Text(), start);
        out_.TrimLineEnd();
        out_.EndLine();
        Record(record, style, indent + kIndentStep);
    }

    // The record's lines; the caller has entered it in the nesting guard.
    void Record(const MetaStruct& record, const RecordStyle& style, size_t indent) {
        std::vector<const Field*>& fields = picked_[context_.Nesting().Depth()];
        style.Pick(record, fields);
        for (const Field* field : fields) {
            const MetaObject* value = field->value.get();
            out_.PutSpaces(indent);
            out_.Put(field->Name());
            out_.Put(':');
            const bool block =
                IsRecord(value) || (IsList(value) && HasNestedElements(static_cast<const MetaList&>(*value)));
            if (block) {
                out_.EndLine();
                NestingGuard::Scope scope(context_.Nesting(), value);
                if (!scope) continue;
                if (IsRecord(value)) {
                    const auto& nested = static_cast<const MetaStruct&>(*value);
                    Record(nested, context_.Style(nested.GetName()), indent + kIndentStep);
                } else {
                    List(static_cast<const MetaList&>(*value), indent + kIndentStep);
                }
                continue;
            }
            std::string& text = out_.Text();
            const size_t valueStart = text.size() + 1;
            text.push_back(' ');
            InlineValue(value);
            EscapeForTerminal(text, valueStart);
            if (text.size() == valueStart) {
                text.pop_back();  // empty value: no trailing blank
            } else if (const std::string* unit = style.UnitFor(field->Name())) {
                text.push_back(' ');
                text += *unit;
            }
            out_.EndLine();
        }
    }

    // Scalars and lists of scalars on one line.
    void InlineValue(const MetaObject* value) {
        if (!IsList(value)) {
            AppendScalar(out_.Text(), value);
            return;
        }
        bool first = true;
        for (const auto& element : static_cast<const MetaList*>(value)->GetElements()) {
            if (!first) out_.Put(", ");
            first = false;
            AppendScalar(out_.Text(), element.get());
        }
    }

    // One element per line; records separated by a blank line.
    void List(const MetaList& list, size_t indent) {
        bool previousWasRecord = false;
        bool first = true;
        for (const auto& element : list.GetElements()) {
            const MetaObject* value = element.get();
            const bool isRecord = IsRecord(value);
            if (!first && (isRecord || previousWasRecord)) out_.EndLine();
            first = false;
            previousWasRecord = isRecord;
            if (isRecord) {
                HeadedRecord(static_cast<const MetaStruct&>(*value), indent);
            } else if (IsList(value)) {
                NestingGuard::Scope scope(context_.Nesting(), value);
                if (scope) List(static_cast<const MetaList&>(*value), indent + kIndentStep);
            } else {
                out_.PutSpaces(indent);
                const size_t start = out_.Text().size();
                AppendScalar(out_.Text(), value);
                EscapeForTerminal(out_.Text(), start);
                out_.TrimLineEnd();
                out_.EndLine();
            }
        }
    }

    RenderContext context_;
    OutBuffer& out_;
    // Per nesting depth, reused across records; sized once so references stay valid.
    std::vector<std::vector<const Field*>> picked_;
};

// Byte offset after `columns` characters of text (or its end).
size_t AdvanceColumns(std::string_view text, size_t start, size_t columns) {
    size_t pos = start;
    while (pos < text.size()) {
        if ((static_cast<unsigned char>(text[pos]) & 0xC0) != 0x80) {
            if (columns == 0) break;
            --columns;
        }
        ++pos;
    }
    return pos;
}

// Splits text into lines of at most width columns, breaking at blanks where it can.
void WrapText(std::string_view text, size_t width, std::vector<std::string_view>& lines) {
    lines.clear();
    width = std::max<size_t>(width, 1);  // every line must take at least one character
    size_t pos = 0;
    while (true) {
        size_t limit = AdvanceColumns(text, pos, width);
        if (limit >= text.size()) {
            lines.push_back(text.substr(pos));
            return;
        }
        size_t end = limit;
        size_t next = limit;
        if (text[limit] != ' ') {
            size_t blank = text.rfind(' ', limit);
            if (blank != std::string_view::npos && blank > pos) end = next = blank;
        }
        while (end > pos && text[end - 1] == ' ') --end;
        lines.push_back(text.substr(pos, end - pos));
        while (next < text.size() && text[next] == ' ') ++next;
        if (next >= text.size()) return;
        pos = next;
    }
}

// The columns of a table: "table-columns:<Record>", else "table-columns", else
// "fields:<Record>", else every field of the record.
std::vector<std::string> TableColumns(const MetaStruct* layout, const OutputParameters& parameters) {
    if (layout == nullptr) return {};
    const std::string& name = layout->GetName();
    const std::string* given = FindParameter(parameters, kTableColumnsPrefix + name);
    if (given == nullptr) given = FindParameter(parameters, kTableColumns);
    if (given == nullptr) given = FindParameter(parameters, kFieldsPrefix + name);
    return ColumnsFor(*layout, given);
}

// "table": a header row, a rule of dashes as wide as each column, then one row per
// record; columns are two blanks apart and as wide as their widest cell. Trailing
// blanks are trimmed.
class TableWriter {
public:
    TableWriter(const RenderOptions& options, OutBuffer& out)
        : options_(options), context_(options.parameters, true), out_(out) {}

    // Two passes over the rows (widths, then output) rebuild each cell's text in a reused
    // buffer; that is faster than keeping every cell, whose memory costs more than the
    // text does to rebuild.
    void Write(const std::vector<const MetaStruct*>& rows, const MetaStruct* layout) {
        columns_ = FieldFinder(TableColumns(layout, options_.parameters));
        const size_t count = columns_.Size();
        if (count == 0 || rows.empty()) return;

        const RecordStyle& style = context_.Style(layout->GetName());
        units_.assign(count, nullptr);
        last_.assign(count, LastCell());
        std::vector<size_t> widths(count);
        for (size_t c = 0; c < count; ++c) {
            units_[c] = style.UnitFor(columns_.Name(c));
            widths[c] = DisplayWidth(columns_.Name(c));
        }
        for (const MetaStruct* row : rows) {
            // Rows are entered so that a record holding itself stops at once.
            NestingGuard::Scope scope(context_.Nesting(), row);
            for (size_t c = 0; c < count; ++c) widths[c] = std::max(widths[c], Measured(*row, c).width);
        }

        size_t lastStart = 0;
        for (size_t c = 0; c + 1 < count; ++c) lastStart += widths[c] + kColumnGap;
        const std::string* wrap = FindParameter(options_.parameters, kWrapLast);
        size_t wrapWidth = 0;
        // Without a known terminal width (output not to a terminal) nothing wraps.
        if (wrap != nullptr && *wrap == "true" && options_.terminalWidth > 0) {
            size_t room = static_cast<size_t>(options_.terminalWidth);
            room = room > lastStart ? room - lastStart : 0;
            wrapWidth = std::max({room, kMinWrapWidth, DisplayWidth(columns_.Name(count - 1))});
            widths[count - 1] = std::min(widths[count - 1], wrapWidth);
        }

        for (size_t c = 0; c < count; ++c) {
            out_.Put(columns_.Name(c));
            if (c + 1 < count) out_.PutSpaces(widths[c] - DisplayWidth(columns_.Name(c)) + kColumnGap);
        }
        out_.TrimLineEnd();
        out_.EndLine();
        for (size_t c = 0; c < count; ++c) {
            out_.Text().append(widths[c], '-');
            if (c + 1 < count) out_.PutSpaces(kColumnGap);
        }
        out_.EndLine();

        std::vector<std::string_view> lines;
        for (const MetaStruct* row : rows) {
            NestingGuard::Scope scope(context_.Nesting(), row);
            for (size_t c = 0; c < count; ++c) {
                const MeasuredCell cell = Measured(*row, c);
                const std::string_view text = cell.text;
                if (c + 1 < count) {
                    out_.Put(text);
                    out_.PutSpaces(widths[c] - cell.width + kColumnGap);
                    continue;
                }
                if (wrapWidth == 0 || cell.width <= wrapWidth) {
                    out_.Put(text);
                    continue;
                }
                WrapText(text, wrapWidth, lines);
                for (size_t l = 0; l < lines.size(); ++l) {
                    if (l > 0) {
                        out_.TrimLineEnd();
                        out_.EndLine();
                        out_.PutSpaces(lastStart);
                    }
                    out_.Put(lines[l]);
                }
            }
            out_.TrimLineEnd();
            out_.EndLine();
        }
    }

private:
    struct MeasuredCell {
        std::string_view text;  // valid until the next call
        size_t width;
    };
    // The column's last value, its text and width: rows of a long listing
    // share value objects down a column (the same netmask, device or state),
    // and each is then escaped and measured once per run of equal cells.
    struct LastCell {
        const MetaObject* value = nullptr;
        std::string_view text;  // into the value's own text, or into owned
        std::string owned;
        size_t width = 0;
    };

    MeasuredCell Measured(const MetaStruct& row, size_t column) {
        const Field* field = columns_.Find(row, column);
        const MetaObject* value = field == nullptr ? nullptr : field->value.get();
        LastCell& last = last_[column];
        if (value != nullptr && value == last.value) return {last.text, last.width};
        const std::string_view text = field == nullptr ? std::string_view() : Cell(value, column);
        const size_t width = DisplayWidth(text);
        last.value = value;
        last.width = width;
        last.text = text;
        if (text.data() == cell_.data()) {  // built in the shared buffer: keep a copy
            last.owned.assign(text.data(), text.size());
            last.text = last.owned;
        }
        return {text, width};
    }

    // The text of one cell, valid until the next call.
    std::string_view Cell(const MetaObject* value, size_t column) {
        // Plain strings, the usual cell, are shown without a copy.
        if (value != nullptr && value->GetType() == MetaObj::META_STRING && units_[column] == nullptr) {
            if (!value->IsSet()) return {};
            const std::string& text = static_cast<const MetaString*>(value)->GetValue();
            if (!MayNeedEscape(text)) return text;
        }
        cell_.clear();
        AppendCompact(cell_, value, ", ", context_, true);
        if (units_[column] != nullptr && !cell_.empty()) {
            cell_.push_back(' ');
            cell_ += *units_[column];
        }
        EscapeForTerminal(cell_, 0);
        return cell_;
    }

    const RenderOptions& options_;
    RenderContext context_;
    OutBuffer& out_;
    FieldFinder columns_;
    std::vector<const std::string*> units_;
    std::string cell_;
    std::vector<LastCell> last_;
};

}  // namespace

void RenderSimple(const MetaObject* root, const RenderOptions& options, OutBuffer& out) {
    if (IsScalar(root)) {
        RenderScalarRoot(root, out);
        return;
    }
    SimpleWriter(options, out).Root(root);
}

// Records become rows; anything that is not a record or a list of records renders as
// in "simple".
void RenderTable(const MetaObject* root, const RenderOptions& options, OutBuffer& out) {
    if (IsScalar(root)) {
        RenderScalarRoot(root, out);
        return;
    }
    std::vector<const MetaStruct*> rows;
    const MetaStruct* layout = nullptr;
    if (IsRecord(root)) {
        layout = static_cast<const MetaStruct*>(root);
        rows.push_back(layout);
    } else {
        const auto& list = static_cast<const MetaList&>(*root);
        rows.reserve(list.GetCount());
        for (const auto& element : list.GetElements()) {
            if (IsRecord(element.get())) rows.push_back(static_cast<const MetaStruct*>(element.get()));
        }
        if (rows.empty()) {
            SimpleWriter(options, out).Root(root);
            return;
        }
        layout = ElementTemplate(list);
    }
    TableWriter(options, out).Write(rows, layout);
}

}  // namespace Detail
}  // namespace Render
}  // namespace Parvik
