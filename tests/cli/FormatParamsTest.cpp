// Format parameters the user gives: the records a command renders, and the
// refusal of every key, record or field that fits none of them.
#include <gtest/gtest.h>

#include "FormatParams.h"
#include "support/CaseTable.h"
#include "support/CliHarness.h"

namespace {

using Parvik::AutoCli::CheckFormatParameter;
using Parvik::AutoCli::RecordFields;
using Parvik::AutoCli::RenderedRecords;
using namespace Parvik::MetaObj;

// A list of Port records, each holding a Queue record and a list of Vlan records.
MetaObjectPtr PortListSpec() {
    auto queue = MetaStruct::New("Queue");
    queue->SetField("ID", MetaInt::New());
    auto vlan = MetaStruct::New("Vlan");
    vlan->SetField("ID", MetaInt::New());
    vlan->SetField("Name", MetaString::New());
    auto port = MetaStruct::New("Port");
    port->SetField("Name", MetaString::New());
    port->SetField("Speed", MetaInt::New());
    port->SetField("Queue", queue);
    port->SetField("Vlans", MetaList::New(META_STRUCT, vlan));
    // A kind met twice is listed once (a second template of the same record,
    // not the first one itself: that would make a cycle no one frees).
    auto again = MetaStruct::New("Port");
    again->SetField("Name", MetaString::New());
    port->SetField("Again", MetaList::New(META_STRUCT, again));
    return MetaList::New(META_STRUCT, port);
}

TEST(RenderedRecords, EveryKindOnceOutermostFirstWithFieldsInDisplayOrder) {
    auto records = RenderedRecords(PortListSpec().get());
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[0].name, "Port");
    EXPECT_EQ(records[0].fields, (std::vector<std::string>{"Name", "Speed", "Queue", "Vlans", "Again"}));
    EXPECT_EQ(records[1].name, "Queue");
    EXPECT_EQ(records[2].name, "Vlan");
    EXPECT_EQ(records[2].fields, (std::vector<std::string>{"ID", "Name"}));

    EXPECT_TRUE(RenderedRecords(MetaBool::New().get()).empty());
    EXPECT_TRUE(RenderedRecords(MetaList::New(META_STRING).get()).empty());
    EXPECT_TRUE(RenderedRecords(nullptr).empty());
}

TEST(CheckFormatParameter, AcceptsWhatFitsTheRecordsAndRefusesTheRestNamingTheChoices) {
    const auto records = RenderedRecords(PortListSpec().get());
    for (const auto& row : TalixTest::ReadCaseTable("cli/format_param_checks.tsv", 3)) {
        SCOPED_TRACE(row.where);
        EXPECT_EQ(CheckFormatParameter(row.fields[0], row.fields[1], records), row.fields[2]);
    }
    EXPECT_EQ(CheckFormatParameter("fields:Port", "Name", {}),
              "Unknown record \"Port\" in --format-param key \"fields:Port\": this command renders no records.");
    EXPECT_EQ(CheckFormatParameter("table-columns", "Name", {}),
              "--format-param \"table-columns\" has no effect: this command renders no records.");
}

TEST(CheckFormatParameter, ARecordFilledOnlyAtRunTimeTakesAnyFieldName) {
    const std::vector<RecordFields> records = {{"Dynamic", {}}};
    EXPECT_EQ(CheckFormatParameter("fields:Dynamic", "Anything", records), "");
    EXPECT_EQ(CheckFormatParameter("units:Dynamic.Anything", "s", records), "");
    EXPECT_NE(CheckFormatParameter("fields:Dynamic", "", records), "");
    EXPECT_NE(CheckFormatParameter("fields:Other", "A", records), "");
}

}  // namespace
