// The json format's writer: whole values for the json formatter, and
// documents built member by member for the framework's own results (batch
// and dry-run), in the same layout.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "render/MachineDetail.h"
#include "render/RenderDetail.h"

namespace Parvik {
namespace Render {
namespace Detail {

// Appends text as a JSON string literal.
void AppendJsonString(std::string& out, std::string_view text);

class JsonWriter {
public:
    JsonWriter(OutBuffer& out, bool compact) : out_(out), compact_(compact) {}

    // A whole value, its lines indented for a value at `indent` blanks.
    void Value(const MetaObject* value, size_t indent);

    // A document built piece by piece: each value goes into the innermost
    // open array, or under the key given last in the innermost open object.
    void BeginObject() { Open('{', '}'); }
    void BeginArray() { Open('[', ']'); }
    void Key(std::string_view name);
    // Closes the innermost open object or array.
    void End();
    void String(std::string_view text);
    void Int(int64_t value);
    void Value(const MetaObject* value);
    // A value rendered before by the json formatter ("null" when empty),
    // moved in to its place: every line but the first gets the depth's indent.
    void Rendered(std::string_view json);

private:
    struct Container {
        char close;
        size_t members;
    };
    void List(const MetaList& list, size_t indent);
    void Record(const MetaStruct& record, size_t indent);
    // A new line indented to the level, unless compact.
    void Break(size_t indent);
    void Open(char open, char close);
    // Where the next value goes: after a comma and on a line of its own in an array.
    void NextValue();
    void NextMember();
    size_t Depth() const { return open_.size() * kMachineIndentStep; }
    // A record field's name as written before its value ("\"Name\": "),
    // kept per place in the record: the rows of a listing repeat their names
    // in the same order, and each is escaped once.
    const std::string& MemberName(size_t place, const std::string& name);

    OutBuffer& out_;
    bool compact_;
    NestingGuard nesting_;
    std::vector<Container> open_;
    std::vector<std::pair<const std::string*, std::string>> memberNames_;
};

}  // namespace Detail
}  // namespace Render
}  // namespace Parvik
