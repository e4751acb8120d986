// The host's JSON codec: the same models and the same text as an independent
// JSON library's reading and writing of the same fields, and every broken
// document refused with its own message and place.
#include <gtest/gtest.h>

#include "core/Backends.h"
#include "core/Faults.h"
#include "core/ModelCodec.h"
#include "core/SimHostTesting.h"
#include "model/DatapathModel.h"
#include "model/PnicModel.h"
#include "model/VswitchModel.h"
#include "support/CliHarness.h"
#include "support/ModelJson.h"
#include "support/SectionCodec.h"

namespace {

using SimHost::ConnectionTable;
using SimHost::FirewallModel;
using SimHost::NeighborTables;

// Reads text both ways: both refuse it, or both give the same model.
template <typename Model>
void ExpectSameReading(const std::string& text) {
    SCOPED_TRACE(text);
    bool libraryRefuses = false;
    nlohmann::json library;
    try {
        library = nlohmann::json::parse(text).template get<Model>();
    } catch (const nlohmann::json::exception&) {
        libraryRefuses = true;
    }
    Model direct;
    bool directRefuses = false;
    try {
        SimHost::ReadDocument(text, direct);
    } catch (const SimHost::SectionFormatError&) {
        directRefuses = true;
    }
    ASSERT_EQ(directRefuses, libraryRefuses);
    if (!libraryRefuses) {
        EXPECT_EQ(nlohmann::json(direct), library);
    }
}

// Writes the model both ways: the same text.
template <typename Model>
void ExpectSameWriting(const Model& model) {
    EXPECT_EQ(SimHost::WriteDocument(model), nlohmann::json(model).dump(1) + "\n");
}

TEST(ModelCodec, EveryDemoSectionReadsAndWritesAsTheLibraryDoes) {
    std::map<std::string, std::string> files;
    for (const auto& file : SimHost::DemoHostFiles()) files[file.path] = file.content;
    ASSERT_GE(files.size(), 12u);
    TalixTest::ExpectEverySectionCodecAgrees(files);
}

// Every value of a stored file is written back under the same name: a field
// whose stored name changed would be skipped on reading, and missing here.
template <typename Model>
void ExpectEveryStoredValueKept(const std::map<std::string, std::string>& files) {
    const std::string path = SimHost::HostStore::SectionPath(Model::kSection);
    SCOPED_TRACE(path);
    ASSERT_EQ(files.count(path), 1u);
    Model model;
    SimHost::ReadDocument(files.at(path), model);
    const nlohmann::json written = nlohmann::json::parse(SimHost::WriteDocument(model)).flatten();
    const nlohmann::json stored = nlohmann::json::parse(files.at(path)).flatten();
    for (const auto& value : stored.items()) {
        ASSERT_TRUE(written.contains(value.key())) << value.key();
        EXPECT_EQ(written.at(value.key()), value.value()) << value.key();
    }
}

TEST(ModelCodec, DemoSectionsKeepEveryStoredNameAndValue) {
    std::map<std::string, std::string> files;
    for (const auto& file : SimHost::DemoHostFiles()) files[file.path] = file.content;
    ExpectEveryStoredValueKept<SimHost::PnicInventory>(files);
    ExpectEveryStoredValueKept<SimHost::SriovState>(files);
    ExpectEveryStoredValueKept<SimHost::VirtualSwitchInventory>(files);
    ExpectEveryStoredValueKept<SimHost::DVSwitchInventory>(files);
    ExpectEveryStoredValueKept<SimHost::FirewallModel>(files);
    ExpectEveryStoredValueKept<SimHost::LmxNicInventory>(files);
    ExpectEveryStoredValueKept<SimHost::DatapathState>(files);
}

TEST(ModelCodec, FieldsAreDefaultedSkippedAndConverted) {
    // Absent fields, unknown fields (nested too), a repeated field (the last wins).
    ExpectSameReading<FirewallModel>(R"({"enabled": false, "extra": {"a": [1, {"b": null}], "c": "x"},
                                         "rulesets": [{"id": "a"}, {"id": "b", "id": "c", "rules": [{}]}]})");
    // Numbers: negative, large unsigned, fractions and exponents into integer fields.
    ExpectSameReading<NeighborTables>(R"({"ipv4": [{"expiry": -5}, {"expiry": 2e3}, {"expiry": 7.0}]})");
    ExpectSameReading<ConnectionTable>(R"({"connections": [{"recvQ": 9223372036854775807, "localPort": -1}]})");
    // Plain digits are converted as they are scanned, up to 19 of them; longer
    // numbers and numbers with a fraction or an exponent take the full path.
    ExpectSameReading<ConnectionTable>(R"({"connections": [{"recvQ": 0}, {"recvQ": 10}, {"localPort": 65535},
                                           {"recvQ": 999999999999999999}, {"recvQ": 9223372036854775807},
                                           {"recvQ": 12e1}, {"recvQ": 120.0}, {"sendQ": 7}]})");
    // Escapes, non-ASCII text and surrogate pairs.
    ExpectSameReading<FirewallModel>(R"({"moduleName": "a\"b\\c\/d\n\t\u00e9\ud83d\ude00 \u0001 é"})");
    ExpectSameReading<FirewallModel>("\xEF\xBB\xBF{\"enabled\": false}");
    // Optional fields: absent and null are unset; nested lists.
    ExpectSameReading<SimHost::TeamingModel>(R"({"loadBalancing": null, "uplinkOrder": ["a", "b"], "maxActive": 1})");
    ExpectSameReading<SimHost::VirtualSwitchInventory>(
        R"({"vswitches": [{"name": "vs0", "shaping": {"enabled": true, "peakBps": 18446744073709551615},
                           "portgroups": [{"name": "pg", "security": {"allowPromiscuous": false}}]}]})");
    // A map of texts by name (the injected failures); a repeated name: the last wins.
    ExpectSameReading<SimHost::FaultTable>(R"({"B::b": "x", "A::a": "y\u00e9", "B::b": "z"})");
    // Platform structs stored by name, whatever their order in the struct.
    ExpectSameReading<SimHost::SriovState>(R"({"pfs": [{"pnic": "p0", "vfs": [{"id": 1, "stats":
                                               {"txTsoBytes": 5, "rxUnicastPkts": 6}}]}]})");
}

TEST(ModelCodec, WrittenTextIsTheLibrarysText) {
    FirewallModel firewall;
    firewall.moduleName =
        "quote\" backslash\\ slash/ newline\n tab\t cr\r ff\f bs\b bell\x07 us\x1f del\x7f é \xf0\x9f\x98\x80";
    firewall.rulesets.resize(2);
    firewall.rulesets[1].allowedIps = {"10.0.0.0/8", "fd00::/64"};
    ExpectSameWriting(firewall);

    // Unset optional fields are left out; set ones are written, empty lists too.
    SimHost::VirtualSwitchInventory switches;
    switches.vswitches.resize(1);
    switches.vswitches[0].teaming.uplinkOrder = std::vector<std::string>{};
    switches.vswitches[0].teaming.maxActive = 0;
    switches.vswitches[0].shaping.averageBps = 18446744073709551615u;
    switches.vswitches[0].portgroups.resize(1);
    ExpectSameWriting(switches);

    // Map keys are escaped like any text, and kept in their order.
    SimHost::FaultTable faults;
    faults.byOperation = {{"a\"b", "1"}, {"A::B", "line\nbreak"}, {"", ""}};
    ExpectSameWriting(faults);
    ExpectSameWriting(SimHost::FaultTable{});

    // A platform struct: its counters under their own names.
    SimHost::PnicInventory pnics;
    pnics.pnics.resize(1);
    pnics.pnics[0].stats.txWindowErrors = 7;
    pnics.pnics[0].dcb.apps.push_back({"ethertype", "0x8906", "3"});
    ExpectSameWriting(pnics);
    EXPECT_NE(SimHost::WriteDocument(pnics).find("\"txWindowErrors\": 7"), std::string::npos);
}

TEST(ModelCodec, IllFormedTextIsRefusedOnWriting) {
    const std::pair<const char*, const char*> cases[] = {
        {"\xC3", "a text to be written is not UTF-8 text (byte 0xc3 at position 0)"},
        {"ab\xff", "a text to be written is not UTF-8 text (byte 0xff at position 2)"},
        {"\xed\xa0\x80", "a text to be written is not UTF-8 text (byte 0xed at position 0)"},  // a surrogate
    };
    for (const auto& [text, message] : cases) {
        FirewallModel firewall;
        firewall.moduleName = text;
        try {
            SimHost::WriteDocument(firewall);
            ADD_FAILURE() << "written: " << message;
        } catch (const SimHost::SectionFormatError& refusal) {
            EXPECT_STREQ(refusal.what(), message);
        }
    }
}

// The first and last character of each UTF-8 length and range is written as
// it is, and read back the same.
TEST(ModelCodec, EveryRangeOfUtf8IsWrittenAndReadAtItsBounds) {
    for (const char* text : {"\xc2\x80", "\xdf\xbf", "\xe0\xa0\x80", "\xec\xbf\xbf", "\xed\x9f\xbf", "\xee\x80\x80",
                             "\xef\xbf\xbf", "\xf0\x90\x80\x80", "\xf3\xbf\xbf\xbf", "\xf4\x8f\xbf\xbf"}) {
        FirewallModel firewall;
        firewall.moduleName = text;
        std::string written;
        ASSERT_NO_THROW(written = SimHost::WriteDocument(firewall)) << text;
        EXPECT_NE(written.find(text), std::string::npos) << text;
        FirewallModel read;
        SimHost::ReadDocument(written, read);
        EXPECT_EQ(read.moduleName, text);
    }
}

struct IntegerFields {
    int32_t i32 = 0;
    uint32_t u32 = 0;
    int64_t i64 = 0;
    uint64_t u64 = 0;
    uint8_t u8 = 0;
    std::optional<uint16_t> u16;
};
TALIX_MODEL(IntegerFields, i32, u32, i64, u64, u8, u16)

struct Refusal {
    const char* text;
    const char* message;  // nullptr: accepted
};

template <typename Model>
void ExpectRefusals(const std::vector<Refusal>& cases) {
    for (const Refusal& c : cases) {
        SCOPED_TRACE(c.text);
        Model model;
        if (!c.message) {
            EXPECT_NO_THROW(SimHost::ReadDocument(c.text, model));
            continue;
        }
        try {
            SimHost::ReadDocument(c.text, model);
            ADD_FAILURE() << "accepted";
        } catch (const SimHost::SectionFormatError& refusal) {
            EXPECT_STREQ(refusal.what(), c.message);
        }
    }
}

// However a number is written, an integer field takes only what its type holds.
TEST(ModelCodec, IntegersOutsideTheirFieldsRangeAreRefusedWithTheirPlace) {
    ExpectRefusals<IntegerFields>({
        {R"({"u32": 4294967295, "i32": -2147483648, "i64": -9223372036854775808, "u64": 18446744073709551615})",
         nullptr},
        {R"({"u32": 4.294967295e9, "i32": -2.147483648e9, "i64": -9e15, "u64": 9e15, "u8": 255, "u16": 65535})",
         nullptr},
    });
    // The field, the number written, and whether it is whole (then out of the
    // field's range) or not a whole number in range at all.
    const struct {
        std::string field, number;
        bool whole;
    } rows[] = {
        {"u32", "33159e9", true},
        {"u32", "4294967296", true},
        {"u32", "-1", true},
        {"u32", "-1e0", true},
        {"i32", "2147483648", true},
        {"i32", "-2147483649", true},
        {"u64", "-5", true},
        {"i64", "9223372036854775808", true},
        {"u64", "18446744073709551616", false},
        {"u32", "1e99", false},
        {"u32", "1500.5", false},
        {"i64", "1e16", false},
        {"u8", "256", true},
        {"u16", "65536", true},
        {"u16", "1.5", false},
    };
    for (const auto& row : rows) {
        const std::string text = "{\"" + row.field + "\": " + row.number + "}";
        // The number starts after the opening brace, the quoted name, the colon and a blank.
        const std::string message = "the number " + row.number +
                                    (row.whole ? " is out of range for its field" : " is not a whole number in range") +
                                    " (at byte " + std::to_string(row.field.size() + 6) + ")";
        ExpectRefusals<IntegerFields>({{text.c_str(), message.c_str()}});
    }
}

// Every way a section document can be broken, with the message its loader
// reports after the file's name: what is wrong, and the byte it was found at
// (counted from 1, a byte order mark included).
TEST(ModelCodec, BrokenDocumentsAreRefusedWithWhatAndWhere) {
    ExpectRefusals<FirewallModel>({
        // Not JSON.
        {"", "at byte 1: unexpected end of the document"},
        {"   ", "at byte 4: unexpected end of the document"},
        {"{", "at byte 2: expected a member name"},
        {"{\"enabled\": false", "at byte 18: expected ',' or '}', found the end of the document"},
        {"{\"enabled\": false,}", "at byte 19: expected a member name"},
        {"{\"enabled\": false \"x\": 1}", "at byte 19: expected ',' or '}', found '\"'"},
        {"{\"enabled\": false} x", "at byte 20: unexpected text after the document"},
        {"{\"enabled\": false}{}", "at byte 19: unexpected text after the document"},
        {"{enabled: true}", "at byte 2: expected a member name"},
        {"{\"enabled\" true}", "at byte 12: expected ':', found 't'"},
        {"{\"enabled\": tru}", "at byte 13: expected 'true'"},
        {"{\"enabled\": nul}", "at byte 13: type must be boolean, but is null"},
        {"{\"x\": nul}", "at byte 7: expected 'null'"},
        {"{\"x\": fals}", "at byte 7: expected 'false'"},
        {"{\"x\": +1}", "at byte 7: unexpected character '+'"},
        {"{\"x\": 'a'}", "at byte 7: unexpected character '''"},
        {"{\"rulesets\": [{\"clients\": 01}]}", "at byte 28: expected ',' or '}', found '1'"},
        {"{\"rulesets\": [{\"clients\": -}]}", "at byte 27: invalid number"},
        {"{\"rulesets\": [{\"clients\": 1.}]}", "at byte 27: invalid number"},
        {"{\"rulesets\": [{\"clients\": 1e}]}", "at byte 27: invalid number"},
        {"{\"rulesets\": [{\"id\": \"a\"},]}", "at byte 27: unexpected character ']'"},
        {"{\"rulesets\": [{\"id\": \"a\"} {}]}", "at byte 27: expected ',' or ']', found '{'"},
        {"{\"rulesets\": [", "at byte 15: unexpected end of the document"},
        {"{\"x\": [[[[1]]]}", "at byte 15: expected ',' or ']', found '}'"},
        // Strings.
        {"{\"moduleName\": \"abc", "at byte 20: unterminated string"},
        {"{\"moduleName\": \"abc\\", "at byte 20: unterminated string"},
        {"{\"moduleName\": \"a\\x\"}", "at byte 18: invalid escape in a string"},
        {"{\"moduleName\": \"\\u12\"}", "at byte 19: invalid \\u escape"},
        {"{\"moduleName\": \"\\u12", "at byte 19: incomplete \\u escape"},
        {"{\"moduleName\": \"\\ud83d\"}", "at byte 23: unpaired surrogate escape"},
        {"{\"moduleName\": \"\\ud83d\\u0041\"}", "at byte 29: unpaired surrogate escape"},
        {"{\"moduleName\": \"\\ude00\"}", "at byte 23: unpaired surrogate escape"},
        {"{\"moduleName\": \"a\nb\"}", "at byte 18: control character in a string"},
        {"{\"moduleName\": \"\xC3\"}", "at byte 17: ill-formed UTF-8 in a string"},
        {"{\"mod\xff\": 1}", "at byte 6: ill-formed UTF-8 in a string"},
        {"{\"x\": \"\xed\xa0\x80\"}", "at byte 8: ill-formed UTF-8 in a string"},
        {"\xEF\xBB\xBF[]", "at byte 4: type must be object, but is array"},
        // The wrong type for a field.
        {"[]", "at byte 1: type must be object, but is array"},
        {" null ", "at byte 2: type must be object, but is null"},
        {"5", "at byte 1: type must be object, but is number"},
        {"{\"enabled\": 1}", "at byte 13: type must be boolean, but is number"},
        {"{\"enabled\": null}", "at byte 13: type must be boolean, but is null"},
        {"{\"moduleName\": 5}", "at byte 16: type must be string, but is number"},
        {"{\"rulesets\": {}}", "at byte 14: type must be array, but is object"},
        {"{\"rulesets\": [1]}", "at byte 15: type must be object, but is number"},
        {"{\"rulesets\": [{\"allowedIps\": [\"a\", true]}]}", "at byte 36: type must be string, but is boolean"},
        {"{\"rulesets\": [{\"clients\": \"1\"}]}", "at byte 27: type must be number, but is string"},
    });
    // Unknown fields may nest, but not without end.
    ExpectRefusals<FirewallModel>({
        {("{\"x\": " + std::string(512, '[') + std::string(512, ']') + "}").c_str(), nullptr},
    });
    const std::string deep = "{\"x\": " + std::string(513, '[') + std::string(513, ']') + "}";
    ExpectRefusals<FirewallModel>({{deep.c_str(), "at byte 519: values nest deeper than 512 levels"}});
    // Optional fields, maps and platform structs are read by the same rules.
    ExpectRefusals<SimHost::TeamingModel>({
        {"{\"notifySwitches\": \"yes\"}", "at byte 20: type must be boolean, but is string"},
        {"{\"uplinkOrder\": [\"a\", 1]}", "at byte 23: type must be string, but is number"},
        {"{\"maxActive\": -1}", "the number -1 is out of range for its field (at byte 15)"},
    });
    ExpectRefusals<SimHost::FaultTable>({
        {"{\"A::b\": 5}", "at byte 10: type must be string, but is number"},
        {"[]", "at byte 1: type must be object, but is array"},
        {"{\"A::b\": \"x\",}", "at byte 14: expected a member name"},
    });
    ExpectRefusals<SimHost::SriovState>({
        {"{\"pfs\": [{\"vfs\": [{\"stats\": {\"txErrors\": -3}}]}]}",
         "the number -3 is out of range for its field (at byte 42)"},
    });
}

// The loader's message: the file, then what is wrong and where.
TEST(ModelCodec, ABrokenSectionFileNamesItsPlace) {
    TalixTest::TempHostRoot root;
    root.WriteFile("state/neighbors.json", "{\"ipv4\": [{\"address\": 10}]}");
    SimHost::UseHostRoot(root.Path());
    try {
        SimHost::HostStore::Instance().Read<NeighborTables>();
        FAIL() << "a neighbour address of the wrong type was accepted";
    } catch (const Kavrel::Lib::KavrelException& failure) {
        EXPECT_EQ(failure.GetDescription(), "Host state file " + root.Path() +
                                                "/state/neighbors.json is not valid: at byte 23: type must be "
                                                "string, but is number");
    }
}

}  // namespace
