// The output renderers: exact text of every format, parameter handling and odd input.
#include <gtest/gtest.h>

#include <algorithm>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "parvik/MetaObj.h"
#include "render/Render.h"
#include "support/CaseTable.h"

namespace {

using namespace Parvik::MetaObj;
using Parvik::Render::OutputParameters;
using Parvik::Render::RenderOptions;
using Parvik::Render::RenderOutput;

std::string Render(const std::string& formatter, const MetaObjectPtr& root, const OutputParameters& parameters = {},
                   int terminalWidth = 80) {
    RenderOptions options;
    options.parameters = parameters;
    options.terminalWidth = terminalWidth;
    std::ostringstream out;
    RenderOutput(formatter, root, options, out);
    return out.str();
}

std::shared_ptr<MetaStruct> Queue(int id) {
    auto queue = MetaStruct::New("Queue");
    queue->SetField("ID", id);
    return queue;
}

// A "Nic" record holding every kind of value; "Driver" stays unset.
std::shared_ptr<MetaStruct> Nic(const std::string& name, int mtu, bool up,
                                const std::vector<std::string>& tags = {"a", "b"}) {
    auto nic = MetaStruct::New("Nic");
    nic->SetField("Name", name);
    nic->SetField("MTU", mtu);
    nic->SetField("Up", up);
    nic->SetField("Driver", MetaString::New());
    nic->SetField("Tags", tags);
    auto policy = MetaStruct::New("Policy");
    policy->SetField("Mode", "lb");
    policy->SetField("Active", true);
    nic->SetField("Policy", policy);
    auto queues = MetaList::New(META_STRUCT, MetaStruct::New("Queue"));
    queues->Add(Queue(0));
    queues->Add(Queue(1));
    nic->SetField("Queues", queues);
    return nic;
}

std::shared_ptr<MetaList> NicList() {
    auto list = MetaList::New(META_STRUCT, MetaStruct::New("Nic"));
    list->Add(Nic("lmx0", 1500, true));
    list->Add(Nic("lmx12", 9000, false, {}));
    return list;
}

// A flat record for tables: name, speed and description.
std::shared_ptr<MetaStruct> Port(const std::string& name, int speed, const std::string& description) {
    auto port = MetaStruct::New("Port");
    port->SetField("Name", name);
    port->SetField("Speed", speed);
    port->SetField("Description", description);
    return port;
}

std::shared_ptr<MetaList> ListOf(const std::vector<MetaObjectPtr>& elements) {
    auto list = MetaList::New(META_STRUCT);
    list->AddAll(elements);
    return list;
}

std::shared_ptr<MetaList> Strings(const std::vector<std::string>& values) {
    auto list = MetaList::New(META_STRING);
    list->AddAll(values);
    return list;
}

TEST(Formatters, OnlyExactNamesAreKnown) {
    for (const auto& name : Parvik::Render::FormatterNames()) EXPECT_TRUE(Parvik::Render::IsKnownFormatter(name));
    for (const char* name : {"", "JSON", "tables", "key-value", "simple "}) {
        EXPECT_FALSE(Parvik::Render::IsKnownFormatter(name)) << name;
    }
}

TEST(AllFormats, NullRootPrintsNothing) {
    for (const auto& name : Parvik::Render::FormatterNames()) EXPECT_EQ(Render(name, nullptr), "") << name;
}

// The root a data row names (see render_cases.tsv).
MetaObjectPtr RootNamed(const std::string& row) {
    const std::string kind = row.substr(0, row.find(':'));
    const std::string arg = row.find(':') == std::string::npos ? "" : row.substr(row.find(':') + 1);
    auto split = [](const std::string& text, char by) {
        std::vector<std::string> parts;
        for (size_t start = 0, end = 0; end != std::string::npos; start = end + 1) {
            end = text.find(by, start);
            parts.push_back(text.substr(start, end == std::string::npos ? end : end - start));
        }
        return parts;
    };
    auto port = [&](const std::string& text) {
        auto f = split(text, '|');
        return Port(f.at(0), std::stoi(f.at(1)), f.at(2));
    };
    if (kind == "nic") return Nic("lmx0", 1500, true);
    if (kind == "niclist") return NicList();
    if (kind == "nicx") {  // tags x alone, no queues
        auto nic = Nic("lmx0", 1500, true, {"x"});
        nic->SetField("Queues", MetaList::New(META_STRUCT, MetaStruct::New("Queue")));
        return nic;
    }
    if (kind == "record") {  // a record "R" whose one field is named and valued arg
        auto record = MetaStruct::New("R");
        record->SetField(arg, arg);
        return record;
    }
    if (kind == "niclist1") return ListOf({Nic("lmx0", 1500, true)});
    if (kind == "port") return port(arg);
    if (kind == "ports") {
        std::vector<MetaObjectPtr> ports;
        for (const auto& text : split(arg, ';')) ports.push_back(port(text));
        return ListOf(ports);
    }
    if (kind == "strings") return Strings(arg.empty() ? std::vector<std::string>{} : split(arg, '|'));
    if (kind == "string") return MetaString::New(arg);
    if (kind == "string-unset") return MetaString::New();
    if (kind == "int") return MetaInt::New(std::stoll(arg));
    if (kind == "bool") return arg == "unset" ? MetaBool::New() : MetaBool::New(arg == "true");
    if (kind == "list") return ListOf({});
    if (kind == "empty") return MetaList::New(META_STRUCT, MetaStruct::New(arg));
    if (kind == "struct") return MetaStruct::New(arg);
    ADD_FAILURE() << "unknown root " << row;
    return nullptr;
}

TEST(AllFormats, ExactTextOfEachCase) {
    for (const auto& row : TalixTest::ReadCaseTable("cli/render_cases.tsv", 5)) {
        SCOPED_TRACE(row.where);
        OutputParameters parameters;
        if (!row.fields[2].empty()) {
            for (size_t start = 0, end = 0; end != std::string::npos; start = end + 1) {
                end = row.fields[2].find(';', start);
                const std::string pair = row.fields[2].substr(start, end == std::string::npos ? end : end - start);
                parameters.emplace(pair.substr(0, pair.find('=')), pair.substr(pair.find('=') + 1));
            }
        }
        EXPECT_EQ(Render(row.fields[0], RootNamed(row.fields[1]), parameters, std::stoi(row.fields[3])), row.fields[4]);
    }
}

// Texts from host files reach the human formats; what a terminal would act on is shown
// escaped, everything printable (UTF-8 included) exactly as it is.
TEST(TextFormats, EscapeWhatATerminalWouldActOnAndNothingElse) {
    for (const auto& row : TalixTest::ReadCaseTable("cli/render_escapes.tsv", 2)) {
        SCOPED_TRACE(row.where);
        const std::string& raw = row.fields[0];
        const std::string& shown = row.fields[1];
        EXPECT_EQ(Render("simple", Port("p", 1, raw), {{"fields:Port", "Description"}}),
                  "Description: " + shown + "\n");
        size_t columns = 0;  // what the shown text takes on screen: one per character
        for (unsigned char c : shown) columns += (c & 0xC0) != 0x80;
        EXPECT_EQ(Render("table", Port("p", 1, raw), {{"fields:Port", "Description"}}),
                  "Description\n" + std::string(std::max<size_t>(11, columns), '-') + "\n" + shown + "\n");
        EXPECT_EQ(Render("simple", Strings({raw})), shown + "\n");
        EXPECT_EQ(Render("simple", MetaString::New(raw)), shown + "\n");
        // keyvalue shows the same, with its own backslashes doubled so that values read back.
        if (raw.find('\\') == std::string::npos) {
            EXPECT_EQ(Render("keyvalue", Port(raw, 1, ""), {{"fields:Port", "Name"}}),
                      "Port.Name.string=" + shown + "\n");
        }
    }
    // Headings and string lists inside a record are escaped too.
    EXPECT_EQ(Render("simple", ListOf({Nic("e\x1b[0m", 1, true, {"t\n"})}),
                     {{"header:Nic", "%Name%"}, {"fields:Nic", "Tags"}}),
              "e\\x1b[0m\n   Tags: t\\n\n");
}

TEST(Json, StringsAreAlwaysValidJson) {
    std::string everyByte;
    for (int b = 0; b < 256; ++b) everyByte.push_back(static_cast<char>(b));
    auto record = MetaStruct::New("R");
    record->SetField(everyByte, everyByte);
    EXPECT_NO_THROW(nlohmann::json::parse(Render("json", record)));
}

// Plain strings are copied whole after a check eight bytes at a time; a byte
// that needs escaping must be found at every place of every length.
TEST(Json, EveryByteThatNeedsEscapingIsFoundWhereverItStands) {
    std::vector<char> special = {'"', '\\'};
    for (char c = 0; c < 0x20; ++c) special.push_back(c);
    for (size_t length = 1; length <= 19; ++length) {
        for (size_t at = 0; at < length; ++at) {
            for (char c : special) {
                std::string text(length, 'a');
                text[at] = c;
                EXPECT_EQ(nlohmann::json::parse(Render("json", MetaString::New(text))).get<std::string>(), text)
                    << "length " << length << ", byte " << int(c) << " at " << at;
            }
            std::string text(length, 'a');
            text[at] = '\xff';
            EXPECT_NE(Render("json", MetaString::New(text)).find("\xef\xbf\xbd"), std::string::npos)
                << "length " << length << ", 0xff at " << at;
        }
    }
}

// Commands never build these, but a renderer must survive them in every format.
TEST(AllFormats, SurviveMissingValuesCyclesAndDeepNesting) {
    auto holes = MetaStruct::New("Holes");
    holes->SetField("Missing", MetaObjectPtr());
    auto list = MetaList::New(META_STRING);
    list->Add(MetaObjectPtr());
    holes->SetField("List", list);

    auto cycle = MetaStruct::New("Cycle");
    cycle->SetField("Name", "c");
    cycle->SetField("Left", cycle);
    cycle->SetField("Right", cycle);
    auto cycleList = MetaList::New(META_STRUCT);
    cycleList->Add(cycle);
    cycle->SetField("Back", cycleList);

    MetaObjectPtr deep = MetaString::New("bottom");
    for (int i = 0; i < 10000; ++i) {
        auto outer = MetaStruct::New("Deep");
        outer->SetField("Inner", deep);
        deep = outer;
    }

    for (const auto& name : Parvik::Render::FormatterNames()) {
        for (const MetaObjectPtr& root : {MetaObjectPtr(holes), MetaObjectPtr(cycle), MetaObjectPtr(cycleList), deep}) {
            std::string text = Render(name, root, {{"header:Cycle", "%Left%"}});
            if (name == "json") {
                EXPECT_NO_THROW(nlohmann::json::parse(text));
            }
        }
    }
    EXPECT_EQ(Render("json", holes), "{\n   \"Missing\": null,\n   \"List\": [\n      null\n   ]\n}\n");
    EXPECT_EQ(Render("simple", cycle, {{"fields:Cycle", "Name,Left"}}), "Name: c\nLeft:\n");

    for (const char* field : {"Left", "Right", "Back"}) cycle->SetField(field, MetaObjectPtr());  // for leak checkers
}

}  // namespace
