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
#include "support/CaseTable.h"
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

TEST(ModelCodec, TheDemoHostIsInTheFormTheStoreWrites) {
    std::map<std::string, std::string> files;
    for (const auto& file : SimHost::DemoHostFiles()) files[file.path] = file.content;
    TalixTest::ExpectEverySectionInStoredForm(files, TALIX_SOURCE_DIR "/demo");
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

// Calls use with an empty model of the type a data row names.
template <typename Use>
void WithModel(const std::string& name, Use use) {
    if (name == "FirewallModel") return use(FirewallModel{});
    if (name == "TeamingModel") return use(SimHost::TeamingModel{});
    if (name == "FaultTable") return use(SimHost::FaultTable{});
    if (name == "SriovState") return use(SimHost::SriovState{});
    if (name == "IntegerFields") return use(IntegerFields{});
    if (name == "NeighborTables") return use(NeighborTables{});
    if (name == "ConnectionTable") return use(ConnectionTable{});
    if (name == "VirtualSwitchInventory") return use(SimHost::VirtualSwitchInventory{});
    ADD_FAILURE() << "unknown model " << name;
}

// Fields are defaulted, skipped and converted as the library does.
TEST(ModelCodec, FieldsAreDefaultedSkippedAndConverted) {
    for (const auto& row : TalixTest::ReadCaseTable("simhost/codec_agreement.tsv", 2)) {
        SCOPED_TRACE(row.where);
        WithModel(row.fields[0], [&](auto model) { ExpectSameReading<decltype(model)>(row.fields[1]); });
    }
}

// "accepted", or the message the model's reading of text is refused with.
std::string ReadAs(const std::string& name, const std::string& text) {
    std::string result;
    WithModel(name, [&](auto model) {
        try {
            SimHost::ReadDocument(text, model);
            result = "accepted";
        } catch (const SimHost::SectionFormatError& refusal) {
            result = refusal.what();
        }
    });
    return result;
}

// Every way a section document can be broken, with the message its loader
// reports after the file's name, and integers at their fields' limits.
TEST(ModelCodec, BrokenDocumentsAreRefusedWithWhatAndWhere) {
    for (const auto& row : TalixTest::ReadCaseTable("simhost/codec_documents.tsv", 3)) {
        SCOPED_TRACE(row.where);
        EXPECT_EQ(ReadAs(row.fields[0], row.fields[1]), row.fields[2]);
    }
}

}  // namespace
