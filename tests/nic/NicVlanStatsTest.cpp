// VLAN statistics of NICs that are switch uplinks: in memory and end to end.
#include <nlohmann/json.hpp>

#include "support/CliHarness.h"

namespace {

using nlohmann::json;

json Switches() {
    json counters = {{{"uplink", "pnic0"}, {"vlanId", 20}, {"rxPackets", 5000000000LL}, {"txPackets", 7}},
                     {{"uplink", "pnic0"}, {"vlanId", 10}, {"rxPackets", 1}, {"txPackets", 2}},
                     {{"uplink", "pnic1"}, {"vlanId", 30}, {"rxPackets", 3}, {"txPackets", 4}}};
    return {{"vswitches",
             {{{"name", "vSwitchA"},
               {"uplinks", {"pnic0", "pnic1"}},
               {"vlanCounting", {"pnic0"}},
               {"vlanCounters", counters}},
              // A second switch naming pnic0 again: only the first one in the host's order serves.
              {{"name", "vSwitchB"}, {"uplinks", {"pnic0"}}, {"vlanCounting", json::array()}}}}};
}

class NicVlanStats : public TalixTest::MemoryHostTest {
protected:
    void SetUp() override {
        UseHost({{"vswitches", Switches()},
                 {"pnics", {{"pnics", {{{"name", "pnic0"}}, {{"name", "pnic1"}}, {{"name", "pnic2"}}}}}}});
    }
};

TEST_F(NicVlanStats, ListsTheCountersOfTheFirstSwitchThatHasTheUplink) {
    EXPECT_EQ(Root("network nic vlan stats get -n pnic0"),
              json::parse(R"([{"VLAN ID": 20, "Packets received": 5000000000, "Packets sent": 7},
                              {"VLAN ID": 10, "Packets received": 1, "Packets sent": 2}])"));
}

TEST_F(NicVlanStats, ReportsCountingSwitchedOffAndNicsOnNoSwitch) {
    ExpectRefused("network nic vlan stats get --nic-name pnic1",
                  "VLAN stats are disabled for pnic1 please enable them first.");
    ExpectRefused("network nic vlan stats get -n pnic2", "pnic2 is not a valid NIC connected to any virtual switch.");
}

TEST_F(NicVlanStats, SetSwitchesCountingOnTheUplinkAndAnswersTrueEvenForANicOnNoSwitch) {
    Change("network nic vlan stats set -n pnic1 -e true");
    EXPECT_EQ(Root("network nic vlan stats get -n pnic1")[0]["VLAN ID"], 30);
    Change("network nic vlan stats set -n pnic0 -e false");
    EXPECT_EQ(Section("vswitches")["vswitches"][0]["vlanCounting"], json::array({"pnic1"}));
    ExpectRefused("network nic vlan stats set -n pnic2 -e true",
                  {"pnic2 is not a valid NIC connected to any virtual switch."}, true);
}

TEST_F(NicVlanStats, HostFailuresCarryTheCommandsPrefix) {
    InjectFault("Portset::GetUplinkVlanCounters", "counters unavailable");
    ExpectRefused("network nic vlan stats get -n pnic0", "Unable to get VLAN stats: counters unavailable");
    InjectFault("Portset::SetUplinkVlanCounting", "switch busy");
    ExpectRefused("network nic vlan stats set -n pnic0 -e true", "Unable to set VLAN stats: switch busy");
}

TEST(NicVlanStatsEndToEnd, EnablingCountingPersistsBetweenRuns) {
    TalixTest::TempHostRoot root;
    root.WriteSection("vswitches", Switches());
    auto before = TalixTest::RunOnHost(root, "--formatter=json network nic vlan stats get -n pnic1");
    EXPECT_EQ(before.status, 1);
    EXPECT_EQ(before.out, "");
    EXPECT_EQ(before.err, "VLAN stats are disabled for pnic1 please enable them first.\n");
    TalixTest::ChangeOnHost(root, "network nic vlan stats set -n pnic1 -e yes");
    EXPECT_EQ(TalixTest::JsonOnHost(root, "network nic vlan stats get -n pnic1"),
              json::parse(R"([{"VLAN ID": 30, "Packets received": 3, "Packets sent": 4}])"));
}

}  // namespace
