// Standard switches: creation limits, removal, MTU and CDP, uplinks and the listing.
#include <string>

#include "VswitchFixture.h"

namespace VswitchTest {
namespace {

using TalixTest::Errors;
using TalixTest::RootJson;

class StandardSwitchTest : public VswitchHostTest {};

TEST_F(StandardSwitchTest, AddUsesDefaultPortCountAndDefaultPolicies) {
    UseHost(Host(json::array()));
    Change("network vswitch standard add -v vs-new");
    json stored = StoredSwitch("vs-new");
    ASSERT_FALSE(stored.is_null());
    EXPECT_EQ(stored["numPorts"], 128);

    auto list = RootJson(Run("network vswitch standard list -v vs-new"));
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0], json::parse(R"({"Beacon Enabled": false, "Beacon Interval": 1,
        "Beacon Required By": [], "Beacon Threshold": 3,
        "CDP Status": "listen", "Class": "etherswitch",
        "Configured Ports": 128, "MTU": 1500, "Name": "vs-new",
        "Num Ports": 128, "Portgroups": [], "Uplinks": [], "Used Ports": 0})"));
    auto security = RootJson(Run("network vswitch standard policy security get -v vs-new"));
    EXPECT_EQ(
        security,
        json({{"Allow Promiscuous", false}, {"Allow MAC Address Change", true}, {"Allow Forged Transmits", true}}));
}

TEST_F(StandardSwitchTest, AddChecksNameLengthBeforeTheHost) {
    UseHost(Host(json::array()));
    Change("network vswitch standard add -v " + std::string(127, 'a'));
    ExpectRefused("network vswitch standard add -v " + std::string(128, 'b'),
                  "The virtual switch name exceeds the maximum allowed length. ");
}

TEST_F(StandardSwitchTest, PortCountIsRangeCheckedAndTheHostWideLimitHolds) {
    UseHost(Host(json::array({{{"name", "big"}, {"numPorts", 4096}}})));
    EXPECT_EQ(Run("network vswitch standard add -v a -P 0").status, Parvik::AutoCli::EXIT_USAGE);
    EXPECT_EQ(Run("network vswitch standard add -v a -P 4097").status, Parvik::AutoCli::EXIT_USAGE);
    Change("network vswitch standard add -v fits -P 512");  // exactly 4608
    ExpectRefused("network vswitch standard add -v over -P 1",
                  "Unable to add virtual switch over: the host would have 4609 ports, more than its limit of 4608");
}

TEST_F(StandardSwitchTest, DuplicateNamesAreRefused) {
    UseHost(Host(json::array({{{"name", "vs0"}}})));
    ExpectRefused("network vswitch standard add -v vs0",
                  "Unable to add virtual switch vs0: a switch with this name already exists");
}

TEST_F(StandardSwitchTest, RemoveRefusesUnknownSwitchesAndSwitchesWithClients) {
    json busy = {{"name", "busy"},
                 {"portgroups", {{{"name", "VMs"}}}},
                 {"ports", {{{"portId", 7}, {"clientName", "vm1.eth0"}, {"portgroup", "VMs"}}}}};
    UseHost(Host(json::array({busy, {{"name", "idle"}, {"uplinks", {"pnic3"}}}})));

    ExpectRefused("network vswitch standard remove -v nope", "Unable to find virtual switch with the name nope");
    ExpectRefused("network vswitch standard remove -v busy",
                  "Cannot remove virtual switch busy: port group VMs has 1 active clients");

    Change("network vswitch standard remove -v idle");
    EXPECT_TRUE(StoredSwitch("idle").is_null());
    // Its uplink is free again.
    Change("network vswitch standard uplink add -v busy -u pnic3");
}

TEST_F(StandardSwitchTest, SetAppliesMtuBeforeCdpAndStopsOnNegativeMtu) {
    UseHost(Host(json::array({{{"name", "vs0"}, {"mtu", 1500}, {"cdpStatus", 1}}})));
    Change("network vswitch standard set -v vs0 -m 9000 -c both");
    EXPECT_EQ(json::array({StoredSwitch("vs0")["mtu"], StoredSwitch("vs0")["cdpStatus"]}), json::array({9000, 3}));

    ExpectRefused("network vswitch standard set -v vs0 -m -1 -c down", "MTU size should be a positive value");

    // 0 reaches the host, which refuses it.
    ExpectRefused("network vswitch standard set -v vs0 -m 0", "Invalid MTU 0: it must be between 1280 and 9000");

    ExpectRefused("network vswitch standard set -v ghost -m 1500", "ghost is not a valid name for a virtual switch");
    Change("network vswitch standard set -v vs0");
}

TEST_F(StandardSwitchTest, SystemSwitchesAreNeitherChangedNorRemoved) {
    UseHost(Host(json::array({{{"name", "sys"}, {"system", true}}})));
    ExpectRefused("network vswitch standard set -v sys -m 9000", "Unable to find a virtual switch with name sys");
    ExpectRefused("network vswitch standard remove -v sys", "Cannot remove virtual switch sys: it is a system switch");
}

TEST_F(StandardSwitchTest, CdpWordsMapBothWays) {
    const std::vector<std::string> words = {"down", "listen", "advertise", "both"};
    UseHost(Host(json::array({{{"name", "vs0"}}})));
    for (size_t value = 0; value < words.size(); ++value) {
        Change("network vswitch standard set -v vs0 -c " + words[value]);
        EXPECT_EQ(StoredSwitch("vs0")["cdpStatus"], value) << words[value];
        EXPECT_EQ(RootJson(Run("network vswitch standard list -v vs0"))[0]["CDP Status"], words[value]);
    }
    EXPECT_EQ(Run("network vswitch standard set -v vs0 -c Both").status, Parvik::AutoCli::EXIT_USAGE);
}

TEST_F(StandardSwitchTest, UplinksBelongToOneSwitchAndLeaveTheTeamingOrderOnRemoval) {
    json vs0 = {{"name", "vs0"},
                {"uplinks", {"pnic0", "pnic1", "pnic2"}},
                {"teaming", {{"uplinkOrder", {"pnic0", "pnic1", "pnic2"}}, {"maxActive", 2}}}};
    json dvs = {{"name", "cds-a"}, {"uplinks", {"pnic4"}}};
    UseHost(Host(json::array({vs0, {{"name", "vs1"}}}), json::array({dvs})));

    ExpectRefused("network vswitch standard uplink add -v vs1 -u pnic0",
                  "Uplink pnic0 is already in use by virtual switch vs0");
    ExpectRefused("network vswitch standard uplink add -v vs1 -u pnic4",
                  "Uplink pnic4 is already in use by virtual switch cds-a");
    ExpectRefused("network vswitch standard uplink add -v vs0 -u pnic1",
                  "Uplink pnic1 is already connected to virtual switch vs0");
    ExpectRefused("network vswitch standard uplink add -v vs1 -u pnic77",
                  "Unable to add uplink pnic77: no such physical NIC");
    ExpectRefused("network vswitch standard uplink remove -v vs1 -u pnic3",
                  "Uplink pnic3 is not connected to virtual switch vs1");

    Change("network vswitch standard uplink remove -v vs0 -u pnic0");
    auto failover = RootJson(Run("network vswitch standard policy failover get -v vs0"));
    EXPECT_EQ(failover, json::parse(R"({"Active Adapters": ["pnic1"], "Failback": true,
        "Load Balancing": "srcport", "Network Failure Detection": "link",
        "Notify Switches": true, "Standby Adapters": ["pnic2"],
        "Unused Adapters": []})"));
    Change("network vswitch standard uplink add -v vs1 -u pnic0");
    EXPECT_EQ(StoredSwitch("vs1")["uplinks"], json({"pnic0"}));
}

TEST_F(StandardSwitchTest, UplinkCommandsSucceedQuietlyWithoutASwitch) {
    UseHost(Host(json::array()));
    json before = Section("vswitches");
    Change("network vswitch standard uplink add -v none -u pnic0");
    Change("network vswitch standard uplink remove -v none -u pnic0");
    EXPECT_EQ(Section("vswitches"), before);
}

TEST_F(StandardSwitchTest, ListShowsOnlyPhysicalUplinksAndPortGroupsInOrder) {
    json vs0 = {{"name", "vs0"},
                {"numPorts", 64},
                {"uplinks", {"pnic1", "stale7", "pnic0"}},
                {"portgroups", {{{"name", "B"}}, {{"name", "A"}}}},
                {"ports", {{{"portId", 1}, {"portgroup", "A"}}}}};
    UseHost(Host(json::array({vs0, {{"name", "sys"}, {"system", true}}})));
    auto list = RootJson(Run("network vswitch standard list"));
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0], json::parse(R"({"Beacon Enabled": false, "Beacon Interval": 1,
        "Beacon Required By": [], "Beacon Threshold": 3,
        "CDP Status": "listen", "Class": "etherswitch",
        "Configured Ports": 64, "MTU": 1500, "Name": "vs0", "Num Ports": 64,
        "Portgroups": ["B", "A"], "Uplinks": ["pnic1", "pnic0"],
        "Used Ports": 4})"));

    auto system = RootJson(Run("network vswitch standard list -t system"));
    ASSERT_EQ(system.size(), 1u);
    EXPECT_EQ(system[0]["Name"], "sys");
    for (const char* type : {"System", "default", ""}) {
        ExpectRefused(std::string("network vswitch standard list -t \"") + type + "\"",
                      "Invalid type value, should be 'system'.");
    }
}

TEST_F(StandardSwitchTest, ListOfAnUnknownNameReportsTheNullPortset) {
    UseHost(Host(json::array({{{"name", "vs0"}}})));
    auto result = Run("network vswitch standard list -v nosuch");
    EXPECT_EQ(Errors(result), std::vector<std::string>{"Unable to access null portset."});
    EXPECT_EQ(RootJson(result), json::array());
}

TEST_F(StandardSwitchTest, BeaconingIsReportedForTheSwitchAndOverridingPortGroups) {
    json vs0 = {
        {"name", "vs0"},
        {"beaconInterval", 2},
        {"portgroups", {{{"name", "plain"}}, {{"name", "probing"}, {"teaming", {{"failureDetection", "beacon"}}}}}}};
    UseHost(Host(json::array({vs0})));
    auto record = RootJson(Run("network vswitch standard list"))[0];
    EXPECT_EQ(record, json::parse(R"({"Beacon Enabled": true, "Beacon Interval": 2,
        "Beacon Required By": ["probing"], "Beacon Threshold": 3,
        "CDP Status": "listen", "Class": "etherswitch",
        "Configured Ports": 128, "MTU": 1500, "Name": "vs0",
        "Num Ports": 128, "Portgroups": ["plain", "probing"], "Uplinks": [],
        "Used Ports": 0})"));
}

TEST_F(StandardSwitchTest, HostFailuresBecomeTheirDescriptionAndChangeNothing) {
    struct Case {
        std::string operation;
        std::string command;
    };
    const std::vector<Case> cases = {
        {"VirtualSwitchInfoImpl::AddVirtualSwitchWithPolicy", "network vswitch standard add -v vs9"},
        {"VirtualSwitchInfoImpl::RemoveVirtualSwitch", "network vswitch standard remove -v vs0"},
        {"Portset::SetMTU", "network vswitch standard set -v vs0 -m 9000"},
        {"Portset::SetCdpStatus", "network vswitch standard set -v vs0 -c down"},
        {"Portset::AddUplink", "network vswitch standard uplink add -v vs0 -u pnic3"},
        {"Portset::RemoveUplink", "network vswitch standard uplink remove -v vs0 -u pnic0"},
        {"VirtualSwitchInfoImpl::GetVirtualSwitches", "network vswitch standard list"},
        {"NetworkInfo::GetPnics", "network vswitch standard list"},
    };
    for (const auto& entry : cases) {
        UseHost(Host(json::array({{{"name", "vs0"}, {"uplinks", {"pnic0"}}}})));
        InjectFault(entry.operation, "host says no");
        ExpectRefused(entry.command, "host says no");
    }
}

}  // namespace
}  // namespace VswitchTest
