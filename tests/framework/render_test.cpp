// The output renderers: exact text of every format, parameter handling and odd input.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <algorithm>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "parvik/MetaObj.h"
#include "render/Render.h"

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

TEST(AllFormats, NullRootAndUnknownFormatterPrintNothing) {
    for (const auto& name : Parvik::Render::FormatterNames()) EXPECT_EQ(Render(name, nullptr), "") << name;
    EXPECT_EQ(Render("yaml", NicList()), "");
}

TEST(AllFormats, ScalarRoots) {
    struct Case {
        const char* formatter;
        MetaObjectPtr root;
        const char* expected;
    };
    const Case cases[] = {
        // Success is silent in the text formats; machine formats always say.
        {"simple", MetaBool::New(true), ""},
        {"simple", MetaBool::New(false), "false\n"},
        {"simple", MetaBool::New(), ""},
        {"table", MetaBool::New(true), ""},
        {"table", MetaBool::New(false), "false\n"},
        {"simple", MetaInt::New(-42), "-42\n"},
        {"table", MetaInt::New(INT64_MIN), "-9223372036854775808\n"},
        {"simple", MetaString::New("up and running "), "up and running \n"},
        {"simple", MetaString::New(), "\n"},
        {"json", MetaBool::New(true), "true\n"},
        {"json", MetaBool::New(false), "false\n"},
        {"json", MetaBool::New(), "null\n"},
        {"json", MetaInt::New(-42), "-42\n"},
        {"json", MetaString::New("a\"b"), "\"a\\\"b\"\n"},
        {"csv", MetaBool::New(true), "true\n"},
        {"csv", MetaString::New("a,b"), "\"a,b\"\n"},
        {"keyvalue", MetaInt::New(7), "integer=7\n"},
        {"keyvalue", MetaBool::New(true), "boolean=true\n"},
        {"keyvalue", MetaString::New(), "string=\n"},
        {"xml", MetaInt::New(3),
         "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<output>\n   <root>\n      <integer>3</integer>\n"
         "   </root>\n</output>\n"},
    };
    for (const auto& c : cases) EXPECT_EQ(Render(c.formatter, c.root), c.expected) << c.formatter;
}

TEST(Simple, RecordRootShowsNestedValuesIndented) {
    EXPECT_EQ(Render("simple", Nic("lmx0", 1500, true), {{"units:Nic.MTU", "bytes"}}),
              "Name: lmx0\n"
              "MTU: 1500 bytes\n"
              "Up: true\n"
              "Driver:\n"
              "Tags: a, b\n"
              "Policy:\n"
              "   Mode: lb\n"
              "   Active: true\n"
              "Queues:\n"
              "   ID: 0\n"
              "\n"
              "   ID: 1\n");
}

TEST(Simple, ListRecordsUnderHeadingsBuiltFromAnyField) {
    // The heading may use a field that "fields:" hides; unknown references stay as written.
    EXPECT_EQ(Render("simple", NicList(),
                     {{"header:Nic", "NIC %Name% (%vf%)"},
                      {"fields:Nic", "MTU, Tags,Bogus"},
                      {"units:Nic.MTU", "bytes"},
                      {"units:Nic.Tags", "tags"}}),
              "NIC lmx0 (%vf%)\n"
              "   MTU: 1500 bytes\n"
              "   Tags: a, b tags\n"
              "\n"
              "NIC lmx12 (%vf%)\n"
              "   MTU: 9000 bytes\n"
              "   Tags:\n");
}

TEST(Simple, RecordRootTakesItsKindsHeadingToo) {
    EXPECT_EQ(
        Render("simple", Port("p1", 10, ""), {{"header:Port", "Port %Name% %Description%"}, {"fields:Port", "Speed"}}),
        "Port p1\n   Speed: 10\n");
}

TEST(Simple, WithoutHeadingRecordsAreSeparatedByBlankLines) {
    for (const OutputParameters& parameters : {OutputParameters{{"fields:Port", "Name"}},
                                               OutputParameters{{"fields:Port", "Name"}, {"header:Port", "<NONE>"}}}) {
        EXPECT_EQ(Render("simple", ListOf({Port("p1", 1, ""), Port("p2", 2, "")}), parameters),
                  "Name: p1\n\nName: p2\n");
    }
}

TEST(Simple, NestedRecordsFollowTheirOwnKindsParameters) {
    auto nic = Nic("lmx0", 1500, true);
    EXPECT_EQ(
        Render("simple", nic,
               {{"fields:Nic", "Name,Queues,Policy"}, {"fields:Policy", "Active"}, {"header:Queue", "Queue %ID%"}}),
        "Name: lmx0\n"
        "Queues:\n"
        "   Queue 0\n"
        "      ID: 0\n"
        "\n"
        "   Queue 1\n"
        "      ID: 1\n"
        "Policy:\n"
        "   Active: true\n");
}

TEST(Simple, StringListRootIsOneValuePerLine) {
    EXPECT_EQ(Render("simple", Strings({"8.8.8.8", "1.1.1.1"})), "8.8.8.8\n1.1.1.1\n");
    EXPECT_EQ(Render("simple", Strings({})), "");
    EXPECT_EQ(Render("simple", ListOf({})), "");
}

TEST(Table, AlignsColumnsUnderHeaderAndRule) {
    EXPECT_EQ(Render("table", NicList(), {{"units:Nic.MTU", "B"}, {"units:Queue.ID", "q"}}),
              "Name   MTU     Up     Driver  Tags  Policy                    Queues\n"
              "-----  ------  -----  ------  ----  ------------------------  ----------------------\n"
              "lmx0   1500 B  true           a, b  {Mode: lb, Active: true}  [{ID: 0 q}, {ID: 1 q}]\n"
              "lmx12  9000 B  false                {Mode: lb, Active: true}  [{ID: 0 q}, {ID: 1 q}]\n");
}

TEST(Table, ColumnChoicePrecedence) {
    struct Case {
        OutputParameters parameters;
        const char* header;
    };
    const Case cases[] = {
        {{}, "Name  Speed  Description"},
        {{{"fields:Port", "Description,Name,Nope"}}, "Description  Name"},
        {{{"fields:Port", "Name"}, {"table-columns", "Speed,Name"}}, "Speed  Name"},
        {{{"table-columns", "Speed"}, {"table-columns:Port", "Description"}}, "Description"},
        {{{"table-columns:Other", "Speed"}, {"fields:Port", "Speed"}}, "Speed"},
    };
    for (const auto& c : cases) {
        std::string text = Render("table", ListOf({Port("p1", 10, "x")}), c.parameters);
        EXPECT_EQ(text.substr(0, text.find('\n')), c.header);
    }
}

TEST(Table, SingleRecordIsOneRowAndBlankCellsAreTrimmed) {
    EXPECT_EQ(Render("table", Port("lmx0", 100, "")),
              "Name  Speed  Description\n----  -----  -----------\nlmx0  100\n");
}

TEST(Table, EmptyListPrintsNothingAndStringListsAreLines) {
    EXPECT_EQ(Render("table", MetaList::New(META_STRUCT, MetaStruct::New("Port"))), "");
    EXPECT_EQ(Render("table", Strings({"x", "y"})), "x\ny\n");
}

TEST(Table, WidthCountsCharactersAndCellsStayOnOneLineWithControlsEscaped) {
    EXPECT_EQ(Render("table", ListOf({Port("\xC3\xA9t\xC3\xA9", 1, "a\nb\tc"), Port("x", 22, "")})),
              "Name  Speed  Description\n"
              "----  -----  -----------\n"
              "\xC3\xA9t\xC3\xA9   1      a\\nb\\tc\n"
              "x     22\n");
    // Longer texts are measured and checked word by word: the same results across word boundaries.
    const std::string accents = "\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9";  // 10 bytes, 5 characters
    EXPECT_EQ(Render("table", ListOf({Port(accents, 1, "abcdefghij\x01k"), Port("x", 2, "abcdefg\x7f"),
                                      Port("a\tb", 3, "\xC3\xA9z")})),
              "Name   Speed  Description\n"
              "-----  -----  ---------------\n" +
                  accents + "  1      abcdefghij\\x01k\n" +
                  "x      2      abcdefg\\x7f\n"
                  "a\\tb   3      \xC3\xA9z\n");
}

// Texts from host files reach the human formats; what a terminal would act on is shown
// escaped, everything printable (UTF-8 included) exactly as it is.
TEST(TextFormats, EscapeWhatATerminalWouldActOnAndNothingElse) {
    const std::pair<std::string, std::string> cases[] = {
        {"plain text, with back\\slash and % signs", "plain text, with back\\slash and % signs"},
        {"caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80 \xEF\xBF\xBD",
         "caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80 \xEF\xBF\xBD"},
        {"a\x1b[31mred\x1b]0;title\x07", "a\\x1b[31mred\\x1b]0;title\\x07"},
        {"line1\nline2\r\tend", "line1\\nline2\\r\\tend"},
        {std::string("nul\0del\x7f", 8), "nul\\x00del\\x7f"},
        {"c1 \xC2\x9b"
         "2J and \xC2\x85 but \xC2\xA0 stays",
         "c1 \\u009b2J and \\u0085 but \xC2\xA0 stays"},
        {"\x01\x02\xff", "\\x01\\x02\\xff"},
        {"cut \xC3", "cut \\xc3"},
        {"overlong \xE0\x80\xAF surrogate \xED\xA0\x80", "overlong \\xe0\\x80\\xaf surrogate \\xed\\xa0\\x80"},
        {"beyond \xF4\x90\x80\x80 stray \x80", "beyond \\xf4\\x90\\x80\\x80 stray \\x80"},
    };
    for (const auto& [raw, shown] : cases) {
        EXPECT_EQ(Render("simple", Port("p", 1, raw), {{"fields:Port", "Description"}}), "Description: " + shown + "\n")
            << shown;
        size_t columns = 0;  // what the shown text takes on screen: one per character
        for (unsigned char c : shown) columns += (c & 0xC0) != 0x80;
        EXPECT_EQ(Render("table", Port("p", 1, raw), {{"fields:Port", "Description"}}),
                  "Description\n" + std::string(std::max<size_t>(11, columns), '-') + "\n" + shown + "\n")
            << shown;
        EXPECT_EQ(Render("simple", Strings({raw})), shown + "\n") << shown;
        EXPECT_EQ(Render("simple", MetaString::New(raw)), shown + "\n") << shown;
        // keyvalue shows the same, with its own backslashes doubled so that values read back.
        if (raw.find('\\') == std::string::npos) {
            EXPECT_EQ(Render("keyvalue", Port(raw, 1, ""), {{"fields:Port", "Name"}}),
                      "Port.Name.string=" + shown + "\n")
                << shown;
        }
    }
    EXPECT_EQ(Render("keyvalue", MetaString::New("a\\x1b\x1b[0m\\")), "string=a\\\\x1b\\x1b[0m\\\\\n");
    // Headings and string lists inside a record are escaped too; machine formats keep the text.
    EXPECT_EQ(Render("simple", ListOf({Nic("e\x1b[0m", 1, true, {"t\n"})}),
                     {{"header:Nic", "%Name%"}, {"fields:Nic", "Tags"}}),
              "e\\x1b[0m\n   Tags: t\\n\n");
    EXPECT_EQ(Render("json", MetaString::New("\x1b")), "\"\\u001b\"\n");
}

TEST(Table, WrapLastBreaksAtBlanksAndIndentsContinuations) {
    auto list = ListOf({Port("p1", 10, "the quick brown fox jumps over"), Port("p2", 5, "averyveryverylongword ok")});
    EXPECT_EQ(Render("table", list, {{"wrap-last", "true"}}, 32),
              "Name  Speed  Description\n"
              "----  -----  -------------------\n"
              "p1    10     the quick brown fox\n"
              "             jumps over\n"
              "p2    5      averyveryverylongwo\n"
              "             rd ok\n");
    // Without the parameter, or without a known width, the column keeps its full width.
    EXPECT_NE(Render("table", list, {}, 32).find("the quick brown fox jumps over\n"), std::string::npos);
    EXPECT_NE(Render("table", list, {{"wrap-last", "true"}}, 0).find("the quick brown fox jumps over\n"),
              std::string::npos);
    // A terminal too narrow for the other columns still leaves the last one some room.
    EXPECT_EQ(Render("table", ListOf({Port("p1", 10, "aaaa bbbb cccc")}), {{"wrap-last", "true"}}, 5),
              "Name  Speed  Description\n"
              "----  -----  -----------\n"
              "p1    10     aaaa bbbb\n"
              "             cccc\n");
}

// NicList() as JSON: every field in record order, unset ones as null. The
// layout (three blanks per level) is an ordered dump's, which the golden
// transcripts pin byte for byte.
const char kNicListJson[] = R"([
    {"Name": "lmx0", "MTU": 1500, "Up": true, "Driver": null, "Tags": ["a", "b"],
     "Policy": {"Mode": "lb", "Active": true}, "Queues": [{"ID": 0}, {"ID": 1}]},
    {"Name": "lmx12", "MTU": 9000, "Up": false, "Driver": null, "Tags": [],
     "Policy": {"Mode": "lb", "Active": true}, "Queues": [{"ID": 0}, {"ID": 1}]}])";

TEST(Json, ShowsEveryFieldInRecordOrderIgnoringDisplayParameters) {
    EXPECT_EQ(
        Render("json", NicList(),
               {{"fields:Nic", "Name"}, {"header:Nic", "%Name%"}, {"units:Nic.MTU", "B"}, {"table-columns", "MTU"}}),
        nlohmann::ordered_json::parse(kNicListJson).dump(3) + "\n");
}

TEST(Json, EmptyContainers) {
    EXPECT_EQ(Render("json", ListOf({})), "[]\n");
    EXPECT_EQ(Render("json", MetaStruct::New("Empty")), "{}\n");
}

// A text a record holds, and how a format writes it.
struct TextCase {
    std::string input;
    std::string expected;
};

TEST(Json, StringsAreAlwaysValidJson) {
    const TextCase cases[] = {
        {"plain", "\"plain\""},
        {"q\"b\\s/", "\"q\\\"b\\\\s/\""},
        {"\b\f\n\r\t", "\"\\b\\f\\n\\r\\t\""},
        {std::string("\x01\x1f\x00", 3), "\"\\u0001\\u001f\\u0000\""},
        {"\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80", "\"\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80\""},  // kept as is
        {"a\xFF"
         "b",
         "\"a\xEF\xBF\xBD"
         "b\""},                                                       // stray byte
        {"\xC0\xAF", "\"\xEF\xBF\xBD\xEF\xBF\xBD\""},                  // overlong
        {"\xED\xA0\x80", "\"\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\""},  // surrogate
        {"\xE2\x82", "\"\xEF\xBF\xBD\""},                              // truncated at end
        {"\xF0\x9F\x98"
         "x",
         "\"\xEF\xBF\xBD"
         "x\""},  // truncated before ASCII
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Render("json", MetaString::New(c.input)), c.expected + "\n");
    }
    std::string everyByte;
    for (int b = 0; b < 256; ++b) everyByte.push_back(static_cast<char>(b));
    auto record = MetaStruct::New("R");
    record->SetField(everyByte, everyByte);
    EXPECT_NO_THROW(nlohmann::json::parse(Render("json", record)));
}

TEST(Xml, DocumentLayout) {
    auto nic = Nic("lmx0", 1500, true, {"x"});
    nic->SetField("Queues", MetaList::New(META_STRUCT, MetaStruct::New("Queue")));
    EXPECT_EQ(Render("xml", nic, {{"fields:Nic", "Name"}, {"units:Nic.MTU", "B"}}),
              "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
              "<output>\n"
              "   <root>\n"
              "      <structure typeName=\"Nic\">\n"
              "         <field name=\"Name\"><string>lmx0</string></field>\n"
              "         <field name=\"MTU\"><integer>1500</integer></field>\n"
              "         <field name=\"Up\"><boolean>true</boolean></field>\n"
              "         <field name=\"Driver\"/>\n"
              "         <field name=\"Tags\">\n"
              "            <list type=\"string\">\n"
              "               <string>x</string>\n"
              "            </list>\n"
              "         </field>\n"
              "         <field name=\"Policy\">\n"
              "            <structure typeName=\"Policy\">\n"
              "               <field name=\"Mode\"><string>lb</string></field>\n"
              "               <field name=\"Active\"><boolean>true</boolean></field>\n"
              "            </structure>\n"
              "         </field>\n"
              "         <field name=\"Queues\">\n"
              "            <list type=\"structure\"/>\n"
              "         </field>\n"
              "      </structure>\n"
              "   </root>\n"
              "</output>\n");
}

TEST(Xml, EscapesMarkupAndReplacesCharactersXmlCannotHold) {
    const TextCase cases[] = {
        {"a&b<c>d\"e'f", "a&amp;b&lt;c&gt;d&quot;e&apos;f"},
        {"t\tn\nr\r", "t&#9;n&#10;r&#13;"},
        {std::string("\x00\x01\x1f", 3), "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},
        {"\xEF\xBF\xBE", "\xEF\xBF\xBD"},  // U+FFFE is not an XML character
        {"\xC3\xA9\xFE", "\xC3\xA9\xEF\xBF\xBD"},
    };
    for (const auto& c : cases) {
        auto record = MetaStruct::New("R");
        record->SetField(c.input, c.input);
        EXPECT_NE(Render("xml", record).find("<field name=\"" + c.expected + "\"><string>" + c.expected + "</string>"),
                  std::string::npos)
            << c.expected;
    }
}

TEST(Csv, HeaderThenOneRowPerRecordWithoutUnits) {
    EXPECT_EQ(Render("csv", NicList(), {{"fields:Nic", "Name,Tags,Driver,MTU,Policy"}, {"units:Nic.MTU", "B"}}),
              "Name,Tags,Driver,MTU,Policy\n"
              "lmx0,\"a,b\",,1500,\"{Mode: lb, Active: true}\"\n"
              "lmx12,,,9000,\"{Mode: lb, Active: true}\"\n");
    EXPECT_EQ(Render("csv", Port("p", 1, "d")), "Name,Speed,Description\np,1,d\n");
    EXPECT_EQ(Render("csv", Strings({"a", "b,c"})), "a\n\"b,c\"\n");
    EXPECT_EQ(Render("csv", ListOf({})), "");
}

TEST(Csv, QuotesOnlyCellsThatNeedIt) {
    struct Case {
        const char* input;
        const char* cell;
    };
    const Case cases[] = {
        {"plain text", "plain text"},     {"a,b", "\"a,b\""},   {"say \"hi\"", "\"say \"\"hi\"\"\""},
        {"two\nlines", "\"two\nlines\""}, {"cr\r", "\"cr\r\""}, {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Render("csv", Port(c.input, 1, "")), std::string("Name,Speed,Description\n") + c.cell + ",1,\n");
    }
}

TEST(KeyValue, OneLinePerValueWithPathAndType) {
    auto nic = Nic("lmx0", 1500, true);
    EXPECT_EQ(Render("keyvalue", ListOf({nic}),
                     {{"fields:Nic", "Name,Driver,Tags,Policy,Queues,Up"}, {"units:Nic.MTU", "B"}}),
              "Nic[0].Name.string=lmx0\n"
              "Nic[0].Driver.string=\n"
              "Nic[0].Tags[0].string=a\n"
              "Nic[0].Tags[1].string=b\n"
              "Nic[0].Policy.Mode.string=lb\n"
              "Nic[0].Policy.Active.boolean=true\n"
              "Nic[0].Queues[0].ID.integer=0\n"
              "Nic[0].Queues[1].ID.integer=1\n"
              "Nic[0].Up.boolean=true\n");
    EXPECT_EQ(Render("keyvalue", Port("a\\b\nc\r", 1, "")),
              "Port.Name.string=a\\\\b\\nc\\r\nPort.Speed.integer=1\nPort.Description.string=\n");
    EXPECT_EQ(Render("keyvalue", Strings({"x", "y"})), "[0].string=x\n[1].string=y\n");
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
