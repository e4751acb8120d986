// Direct reading and writing of host sections: the same models and the same
// text as the JSON library's conversions, and the same refusals.
#include <gtest/gtest.h>

#include "core/Backends.h"
#include "core/ModelCodec.h"
#include "core/SimHostTesting.h"
#include "model/VswitchModel.h"
#include "support/CliHarness.h"
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
    } catch (const nlohmann::json::exception&) {
        directRefuses = true;
    }
    ASSERT_EQ(directRefuses, libraryRefuses);
    if (!libraryRefuses) {
        EXPECT_EQ(nlohmann::json(direct), library);
    }
}

TEST(ModelCodec, EveryDemoSectionReadsAndWritesAsTheLibraryDoes) {
    std::map<std::string, std::string> files;
    for (const auto& file : SimHost::DemoHostFiles()) files[file.path] = file.content;
    ASSERT_GE(files.size(), 12u);
    TalixTest::ExpectEverySectionCodecAgrees(files);
}

TEST(ModelCodec, FieldsAreDefaultedSkippedAndConverted) {
    // Absent fields, unknown fields (nested too), a repeated field (the last wins).
    ExpectSameReading<FirewallModel>(R"({"enabled": false, "extra": {"a": [1, {"b": null}], "c": "x"},
                                         "rulesets": [{"id": "a"}, {"id": "b", "id": "c", "rules": [{}]}]})");
    // Numbers: negative, large unsigned, fractions and exponents into integer fields.
    ExpectSameReading<NeighborTables>(R"({"ipv4": [{"expiry": -5}, {"expiry": 2e3}, {"expiry": 7.0}]})");
    // Stricter than the library, which truncates: an integer field refuses a
    // number that is not whole or beyond exact doubles.
    for (const char* text : {R"({"ipv4": [{"expiry": 1.9}]})", R"({"ipv4": [{"expiry": 1e99}]})"}) {
        NeighborTables tables;
        EXPECT_THROW(SimHost::ReadDocument(text, tables), SimHost::SectionFormatError) << text;
    }
    ExpectSameReading<ConnectionTable>(R"({"connections": [{"recvQ": 9223372036854775807, "localPort": -1}]})");
    // Plain digits are converted as they are scanned, up to 19 of them; longer
    // numbers and numbers with a fraction or an exponent take the full path.
    ExpectSameReading<ConnectionTable>(R"({"connections": [{"recvQ": 0}, {"recvQ": 10}, {"localPort": 65535},
                                           {"recvQ": 999999999999999999}, {"recvQ": 9223372036854775807},
                                           {"recvQ": 12e1}, {"recvQ": 120.0}, {"sendQ": 7}]})");
    // Escapes, non-ASCII text and surrogate pairs.
    ExpectSameReading<FirewallModel>(R"({"moduleName": "a\"b\\c\/d\n\t\u00e9\ud83d\ude00 \u0001 é"})");
    ExpectSameReading<FirewallModel>("\xEF\xBB\xBF{\"enabled\": false}");
}

TEST(ModelCodec, BrokenDocumentsAndWrongTypesAreRefused) {
    for (const char* text : {"", "{", "{\"enabled\": false,}", "{\"enabled\": false} x", "[]", "{\"enabled\": 1}",
                             "{\"enabled\": null}", "{\"moduleName\": 5}", "{\"rulesets\": {}}",
                             "{\"rulesets\": [1]}", "{\"rulesets\": [{\"id\": \"a\"},]}", "{\"moduleName\": \"a\\x\"}",
                             "{\"moduleName\": \"\\ud83d\"}", "{\"moduleName\": \"a\nb\"}", "{\"moduleName\": \"\xC3\"}",
                             "{\"enabled\": tru}", "{\"rulesets\": [{\"clients\": 01}]}", "{\"rulesets\": [{\"clients\": -}]}",
                             "{\"rulesets\": [{\"clients\": 1.}]}", "{enabled: true}", "{\"enabled\" true}"}) {
        ExpectSameReading<FirewallModel>(text);
    }
}

// Each fault of a broken document has its own words and the byte where the
// reading stopped, counted from 1.
TEST(ModelCodec, BrokenDocumentsNameTheirFaultAndItsByte) {
    const std::pair<const char*, const char*> cases[] = {
        {"", "at byte 1: unexpected end of the document"},
        {"  ", "at byte 3: unexpected end of the document"},
        {"{\"enabled\": ", "at byte 13: unexpected end of the document"},
        {"{", "at byte 2: expected a member name"},
        {"{enabled: true}", "at byte 2: expected a member name"},
        {"{\"enabled\": false,}", "at byte 19: expected a member name"},
        {"{\"enabled\" true}", "at byte 12: expected ':', found 't'"},
        {"{\"enabled\": false", "at byte 18: expected ',', found the end of the document"},
        {"{\"enabled\": false} x", "at byte 20: unexpected text after the document"},
        {"{\"enabled\": tru}", "at byte 13: expected 'true'"},
        {"{\"enabled\": 1}", "at byte 13: type must be boolean, but is number"},
        {"[]", "at byte 1: type must be object, but is array"},
        {"{\"enabled\": *}", "at byte 13: unexpected character '*'"},
        {"{\"moduleName\": \"ab", "at byte 19: unterminated string"},
        {"{\"moduleName\": \"a\nb\"}", "at byte 18: control character in a string"},
        {"{\"moduleName\": \"\xC3\"}", "at byte 17: ill-formed UTF-8 in a string"},
        {"{\"moduleName\": \"\\u12", "at byte 19: incomplete \\u escape"},
        {"{\"moduleName\": \"\\u12g4\"}", "at byte 19: invalid \\u escape"},
        {"{\"moduleName\": \"\\ud83d\"}", "at byte 23: unpaired surrogate escape"},
        {"{\"rulesets\": [{\"clients\": -}]}", "at byte 27: invalid number"},
        {"{\"rulesets\": [{\"clients\": 1.}]}", "at byte 27: invalid number"},
    };
    for (const auto& [text, refusal] : cases) {
        SCOPED_TRACE(text);
        FirewallModel firewall;
        try {
            SimHost::ReadDocument(text, firewall);
            ADD_FAILURE() << "accepted";
        } catch (const SimHost::SectionFormatError& failure) {
            EXPECT_STREQ(failure.what(), refusal);
        }
    }
}

struct IntegerFields {
    int32_t i32 = 0;
    uint32_t u32 = 0;
    int64_t i64 = 0;
    uint64_t u64 = 0;
};
TALIX_MODEL(IntegerFields, i32, u32, i64, u64)

// However a number is written, an integer field takes only what its type holds.
TEST(ModelCodec, IntegersOutsideTheirFieldsRangeAreRefusedWithTheirPlace) {
    struct Case {
        const char* text;
        const char* refusal;  // nullptr: accepted
    };
    const Case cases[] = {
        {R"({"u32": 4294967295, "i32": -2147483648, "i64": -9223372036854775808, "u64": 18446744073709551615})",
         nullptr},
        {R"({"u32": 4.294967295e9, "i32": -2.147483648e9, "i64": -9e15, "u64": 9e15})", nullptr},
        {R"({"u32": 33159e9})", "the number 33159e9 is out of range for its field (at byte 9)"},
        {R"({"u32": 4294967296})", "the number 4294967296 is out of range for its field (at byte 9)"},
        {R"({"u32": -1})", "the number -1 is out of range for its field (at byte 9)"},
        {R"({"u32": -1e0})", "the number -1e0 is out of range for its field (at byte 9)"},
        {R"({"i32": 2147483648})", "the number 2147483648 is out of range for its field (at byte 9)"},
        {R"({"i32": -2147483649})", "the number -2147483649 is out of range for its field (at byte 9)"},
        {R"({"i64": 9223372036854775808})", "the number 9223372036854775808 is out of range for its field (at byte 9)"},
        {R"({"u64": -5})", "the number -5 is out of range for its field (at byte 9)"},
        {R"({"u64": 18446744073709551616})", "the number 18446744073709551616 is not a whole number in range (at byte 9)"},
        {R"({"u32": 1e99})", "the number 1e99 is not a whole number in range (at byte 9)"},
        {R"({"u32": 1500.5})", "the number 1500.5 is not a whole number in range (at byte 9)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        IntegerFields fields;
        if (!c.refusal) {
            EXPECT_NO_THROW(SimHost::ReadDocument(c.text, fields));
            continue;
        }
        try {
            SimHost::ReadDocument(c.text, fields);
            ADD_FAILURE() << "accepted";
        } catch (const SimHost::SectionFormatError& refusal) {
            EXPECT_STREQ(refusal.what(), c.refusal);
        }
    }
    // Optional fields, read without a JSON value in between, are checked alike.
    SimHost::TeamingModel teaming;
    EXPECT_THROW(SimHost::ReadDocument(R"({"maxActive": 33159e9})", teaming), SimHost::SectionFormatError);
    SimHost::ReadDocument(R"({"maxActive": 2e0, "loadBalancing": null, "uplinkOrder": ["a"]})", teaming);
    EXPECT_EQ(teaming.maxActive, std::optional<uint32_t>(2));
    EXPECT_FALSE(teaming.loadBalancing.has_value());
    EXPECT_EQ(teaming.uplinkOrder, std::optional<std::vector<std::string>>({"a"}));
}

// Like [] or 5, a document that is only null is no section: the file is corrupt.
TEST(ModelCodec, ANullDocumentIsRefused) {
    FirewallModel firewall;
    EXPECT_THROW(SimHost::ReadDocument(" null ", firewall), SimHost::SectionFormatError);
}

TEST(ModelCodec, WrittenTextIsTheLibrarysText) {
    FirewallModel firewall;
    firewall.moduleName = "quote\" backslash\\ newline\n tab\t bell\x07 é";
    firewall.rulesets.resize(2);
    firewall.rulesets[1].allowedIps = {"10.0.0.0/8", "fd00::/64"};
    nlohmann::json library = firewall;
    EXPECT_EQ(SimHost::WriteDocument(firewall), library.dump(1) + "\n");
    // Ill-formed UTF-8 is refused on writing as the library refuses it.
    firewall.moduleName = "\xC3";
    EXPECT_THROW(SimHost::WriteDocument(firewall), nlohmann::json::exception);
}

TEST(ModelCodec, ABrokenSectionFileNamesItsPlace) {
    TalixTest::TempHostRoot root;
    root.WriteFile("state/neighbors.json", "{\"ipv4\": [{\"address\": 10}]}");
    SimHost::UseHostRoot(root.Path());
    try {
        SimHost::HostStore::Instance().Read<NeighborTables>();
        FAIL() << "a neighbour address of the wrong type was accepted";
    } catch (const Kavrel::Lib::KavrelException& failure) {
        EXPECT_EQ(failure.GetDescription().rfind("Host state file " + root.Path() + "/state/neighbors.json is not valid: ", 0),
                  0u)
            << failure.GetDescription();
    }
}

}  // namespace
