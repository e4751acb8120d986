// Pieces the renderers share: buffered output, output-parameter lookups and value text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "parvik/MetaObj.h"
#include "render/Render.h"

namespace Parvik {
namespace Render {
namespace Detail {

using MetaObj::MetaBool;
using MetaObj::MetaInt;
using MetaObj::MetaList;
using MetaObj::MetaObject;
using MetaObj::MetaString;
using MetaObj::MetaStruct;
using Field = MetaStruct::Field;

// Deeper nesting renders as unset, so that even a pathological object stays within the stack.
constexpr size_t kMaxDepth = 64;

// Output parameter keys and values, defined here once for the renderers and
// the check of the parameters a user gives.
inline constexpr char kFieldsPrefix[] = "fields:";
inline constexpr char kHeaderPrefix[] = "header:";
inline constexpr char kUnitsPrefix[] = "units:";
inline constexpr char kTableColumns[] = "table-columns";
inline constexpr char kTableColumnsPrefix[] = "table-columns:";
inline constexpr char kWrapLast[] = "wrap-last";
inline constexpr char kJsonCompact[] = "json-compact";
inline constexpr char kNoHeading[] = "<NONE>";

// Collects output in memory and hands it to the stream in large pieces; writing cell by
// cell through the ostream is several times slower. Only whole lines are flushed, so the
// line being built can still be trimmed.
class OutBuffer {
public:
    explicit OutBuffer(std::ostream& out) : out_(out) {}
    OutBuffer(const OutBuffer&) = delete;
    OutBuffer& operator=(const OutBuffer&) = delete;

    void Put(char c) { text_.push_back(c); }
    void Put(std::string_view s) { text_.append(s.data(), s.size()); }
    void PutSpaces(size_t count) { text_.append(count, ' '); }
    // A line break and the next line's indentation in one copy: nested
    // formats break a line before every member.
    void BreakAndIndent(size_t indent) {
        static constexpr char kBreak[] = "\n                                                                ";
        if (indent < sizeof kBreak - 1) {
            text_.append(kBreak, indent + 1);
        } else {
            text_.push_back('\n');
            PutSpaces(indent);
        }
        if (text_.size() >= kChunk) Flush();
    }
    void PutInt(int64_t value);
    void EndLine() {
        text_.push_back('\n');
        if (text_.size() >= kChunk) Flush();
    }
    // Drops blanks at the end of the line being built.
    void TrimLineEnd() {
        while (!text_.empty() && text_.back() == ' ') text_.pop_back();
    }
    std::string& Text() { return text_; }
    void Flush() {
        if (text_.empty()) return;
        out_.write(text_.data(), static_cast<std::streamsize>(text_.size()));
        text_.clear();
    }

private:
    static constexpr size_t kChunk = 1 << 16;
    std::ostream& out_;
    std::string text_;
};

void AppendInt(std::string& out, int64_t value);

// The parameter's value, or null when it is not set.
const std::string* FindParameter(const OutputParameters& parameters, const std::string& key);

// Names from a comma-separated list: blanks around each trimmed, empty and repeated
// names dropped.
std::vector<std::string> SplitNames(std::string_view text);

// Looks fields up by name. Records of one list share their layout, so the position
// found for a name last time is tried first and the search is usually one comparison
// (of name objects, not texts).
class FieldFinder {
public:
    FieldFinder() = default;
    explicit FieldFinder(const std::vector<std::string>& names);
    size_t Size() const { return keys_.size(); }
    const std::string& Name(size_t index) const { return *keys_[index]; }
    // The record's field called Name(index), or null.
    const Field* Find(const MetaStruct& record, size_t index) const;

private:
    std::vector<const std::string*> keys_;  // the names, as the objects records hold
    mutable std::vector<size_t> hints_;
};

// A heading template split into literal text and field references ("%Name%").
struct HeadingPart {
    bool isField;
    std::string text;
};

// What the output parameters say about one kind of record.
struct RecordStyle {
    bool restricted = false;  // a field list was given: show only those, in its order
    FieldFinder shown;
    bool hasHeading = false;
    std::vector<HeadingPart> heading;
    std::vector<std::pair<std::string, std::string>> units;  // field name, unit label

    const std::string* UnitFor(const std::string& field) const;
    // The record's fields to show, in display order.
    void Pick(const MetaStruct& record, std::vector<const Field*>& out) const;
};

// The records and lists being rendered, outermost first. Meeting one of them again
// means a record contains itself; that value, like anything nested deeper than
// kMaxDepth, renders as unset instead of recursing without end.
class NestingGuard {
public:
    bool CanEnter(const MetaObject* value) const;
    bool Enter(const MetaObject* value) {
        if (!CanEnter(value)) return false;
        open_.push_back(value);
        return true;
    }
    void Leave() { open_.pop_back(); }
    size_t Depth() const { return open_.size(); }

    // Enters for the lifetime of the scope when it can; test with operator bool.
    class Scope {
    public:
        Scope(NestingGuard& guard, const MetaObject* value) : guard_(guard), entered_(guard.Enter(value)) {}
        ~Scope() {
            if (entered_) guard_.Leave();
        }
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;
        explicit operator bool() const { return entered_; }

    private:
        NestingGuard& guard_;
        bool entered_;
    };

private:
    std::vector<const MetaObject*> open_;
};

// State of one rendering: the parsed style of each record kind and the nesting guard.
class RenderContext {
public:
    // With forTable, "table-columns:<Record>" takes precedence over "fields:<Record>".
    RenderContext(const OutputParameters& parameters, bool forTable);
    const RecordStyle& Style(const std::string& recordName);
    NestingGuard& Nesting() { return nesting_; }

private:
    const OutputParameters& parameters_;
    bool forTable_;
    std::map<std::string, RecordStyle> styles_;
    const std::string* lastName_ = nullptr;
    const RecordStyle* last_ = nullptr;
    NestingGuard nesting_;
};

inline bool IsRecord(const MetaObject* value) { return value != nullptr && value->GetType() == MetaObj::META_STRUCT; }
inline bool IsList(const MetaObject* value) { return value != nullptr && value->GetType() == MetaObj::META_LIST; }
inline bool IsScalar(const MetaObject* value) { return !IsRecord(value) && !IsList(value); }

// True when the list holds records or lists, i.e. cannot be shown on one line.
bool HasNestedElements(const MetaList& list);

// The record kind of a list's elements: its template, else its first record.
const MetaStruct* ElementTemplate(const MetaList& list);

// The columns of a tabular rendering of records like layout: the given names the layout
// has, in the given order, or (given null) all of its fields.
std::vector<std::string> ColumnsFor(const MetaStruct& layout, const std::string* given);

// Text of a scalar ("true"/"false", decimal, the string); empty when null or unset.
void AppendScalar(std::string& out, const MetaObject* value);

// One-line text of any value, for table and csv cells and headings: top-level string
// lists joined by listSeparator, records as "{Field: v, ...}" and lists inside them as
// "[a, b]".
void AppendCompact(std::string& out, const MetaObject* value, std::string_view listSeparator, RenderContext& context,
                   bool withUnits);

// The heading of a record from its style's template.
void AppendHeading(std::string& out, const RecordStyle& style, const MetaStruct& record, RenderContext& context);

// Shows what a terminal would act on in the text from `from` on as escapes (\t \n
// \r, \xHH, \u00HH for C1 controls); with escapeBackslash, a backslash as \\ too.
void EscapeControls(std::string& text, size_t from, bool escapeBackslash);

// Entry points, one per format.
void RenderSimple(const MetaObject* root, const RenderOptions& options, OutBuffer& out);
void RenderTable(const MetaObject* root, const RenderOptions& options, OutBuffer& out);
void RenderJson(const MetaObject* root, const RenderOptions& options, OutBuffer& out);
void RenderXml(const MetaObject* root, const RenderOptions& options, OutBuffer& out);
void RenderCsv(const MetaObject* root, const RenderOptions& options, OutBuffer& out);
void RenderKeyValue(const MetaObject* root, const RenderOptions& options, OutBuffer& out);

}  // namespace Detail
}  // namespace Render
}  // namespace Parvik
