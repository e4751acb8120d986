// The switch commands end to end: the talixcli binary with the JSON formatter
// on a temporary host root.
#include <string>

#include "VswitchFixture.h"

namespace VswitchTest {
namespace {

using TalixTest::RunOnHost;
using TalixTest::TempHostRoot;

void WriteHost(TempHostRoot& root, const json& vswitches, const json& dvswitches = json::array()) {
    json host = Host(vswitches, dvswitches);
    for (const auto& section : host.items()) root.WriteSection(section.key(), section.value());
}

json Out(const TalixTest::ProcessResult& result) { return json::parse(result.out); }

TEST(VswitchEndToEnd, DemoHostListsItsSwitchesWithPhysicalUplinksOnly) {
    TempHostRoot root;
    auto standard = RunOnHost(root, "--formatter=json network vswitch standard list");
    ASSERT_EQ(standard.status, 0) << standard.err;
    ASSERT_GE(Out(standard).size(), 1u);
    for (const auto& vswitch : Out(standard)) EXPECT_FALSE(vswitch["Uplinks"].empty()) << vswitch["Name"];

    auto distributed = RunOnHost(root, "--formatter=json network vswitch dvs norvale list");
    ASSERT_EQ(distributed.status, 0) << distributed.err;
    ASSERT_EQ(Out(distributed).size(), 1u);
    // The demo switch names an uplink that is no physical NIC of the host.
    EXPECT_EQ(Out(distributed)[0]["Uplinks"], json({"pnic4", "pnic3"}));

    auto status = RunOnHost(root, "--formatter=json network vswitch dvs norvale lacp status get");
    ASSERT_EQ(status.status, 0) << status.err;
    EXPECT_EQ(Out(status)[0]["Nic List"][0]["Partner Information"]["Age"], "01:02:05");
}

TEST(VswitchEndToEnd, SwitchLifecycleIsKeptInTheHostRoot) {
    TempHostRoot root;
    WriteHost(root, json::array());
    for (const char* command : {"network vswitch standard add -v vs-e2e -P 64",
                                "network vswitch standard uplink add -v vs-e2e -u pnic0",
                                "network vswitch standard uplink add -v vs-e2e -u pnic1",
                                "network vswitch standard policy failover set -v vs-e2e -a pnic1 -s pnic0 -b false",
                                "network vswitch standard portgroup add -p Guests -v vs-e2e",
                                "network vswitch standard portgroup set -p Guests -v 42"}) {
        auto result = RunOnHost(root, std::string("--formatter=json ") + command);
        ASSERT_EQ(result.status, 0) << command << ": " << result.err;
        EXPECT_EQ(Out(result), json(true)) << command;
    }
    json stored = root.ReadSection("vswitches")["vswitches"][0];
    EXPECT_EQ(stored["name"], "vs-e2e");
    EXPECT_EQ(stored["numPorts"], 64);
    EXPECT_EQ(stored["teaming"]["uplinkOrder"], json({"pnic1", "pnic0"}));
    EXPECT_EQ(stored["teaming"]["rollingRestoration"], true);

    auto failover = RunOnHost(root, "--formatter=json network vswitch standard portgroup policy failover get -p Guests");
    ASSERT_EQ(failover.status, 0) << failover.err;
    EXPECT_EQ(Out(failover)["Active Adapters"], json({"pnic1"}));
    EXPECT_EQ(Out(failover)["Standby Adapters"], json({"pnic0"}));
    EXPECT_EQ(Out(failover)["Override Vswitch Uplinks"], false);

    auto list = RunOnHost(root, "--formatter=json network vswitch standard portgroup list");
    EXPECT_EQ(Out(list), json::parse(R"([{"Name":"Guests","Virtual Switch":"vs-e2e","Active Clients":0,"VLAN ID":42}])"));
}

TEST(VswitchEndToEnd, ValidationMessagesComeWithTrueAndChangeNothing) {
    TempHostRoot root;
    WriteHost(root, json::array({{{"name", "vs0"}, {"uplinks", {"pnic0", "pnic1"}}}}));
    json before = root.ReadSection("vswitches");
    auto result = RunOnHost(root, "--formatter=json network vswitch standard policy failover set -v vs0 "
                                  "--active-uplinks=pnic0,,eth9");
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, "Unknown NIC name in active uplinks : \nUnknown NIC name in active uplinks : eth9\n");
    EXPECT_EQ(Out(result), json(true));
    EXPECT_EQ(root.ReadSection("vswitches"), before);
}

TEST(VswitchEndToEnd, PortGroupOverridesFollowAndResetToTheSwitch) {
    TempHostRoot root;
    json vs0 = {{"name", "vs0"}, {"portgroups", {{{"name", "pg"}, {"security", {{"allowPromiscuous", true}}}}}}};
    WriteHost(root, json::array({vs0}));
    auto before = Out(RunOnHost(root, "--formatter=json network vswitch standard portgroup policy security get -p pg"));
    EXPECT_EQ(before["Allow Promiscuous"], true);
    EXPECT_EQ(before["Override Vswitch Allow Promiscuous"], true);

    auto reset = RunOnHost(root, "--formatter=json network vswitch standard portgroup policy security set -p pg "
                                 "--use-vswitch");
    ASSERT_EQ(reset.status, 0) << reset.err;
    auto after = Out(RunOnHost(root, "--formatter=json network vswitch standard portgroup policy security get -p pg"));
    EXPECT_EQ(after["Allow Promiscuous"], false);
    EXPECT_EQ(after["Override Vswitch Allow Promiscuous"], false);
}

TEST(VswitchEndToEnd, InjectedHostFailuresAndOwnMessagesReachStandardError) {
    TempHostRoot root;
    WriteHost(root, json::array({{{"name", "vs0"}}}));
    root.WriteSection("faults", {{"Portset::AddPortGroup", "Out of port group slots"}});
    auto failed = RunOnHost(root, "--formatter=json network vswitch standard portgroup add -p pg -v vs0");
    EXPECT_EQ(failed.status, 1);
    EXPECT_EQ(failed.err, "Out of port group slots\n");
    EXPECT_EQ(failed.out, "");

    auto unknown = RunOnHost(root, "--formatter=json network vswitch standard remove -v gone");
    EXPECT_EQ(unknown.status, 1);
    EXPECT_EQ(unknown.err, "Unable to find virtual switch with the name gone\n");

    auto lacp = RunOnHost(root, "--formatter=json network vswitch dvs norvale lacp config get");
    EXPECT_EQ(lacp.status, 1);
    EXPECT_EQ(lacp.err, "LACP is supported on Norvale DVSwitch only, and there is no DVSwitch configured on host.\n");
}

TEST(VswitchEndToEnd, ShapingSetAndGetInUserUnits) {
    TempHostRoot root;
    WriteHost(root, json::array({{{"name", "vs0"}}}));
    auto set = RunOnHost(root, "--formatter=json network vswitch standard policy shaping set -v vs0 --enabled=true "
                               "--avg-bandwidth=100000 --peak-bandwidth=150000 --burst-size=1024");
    ASSERT_EQ(set.status, 0) << set.err;
    auto get = RunOnHost(root, "--formatter=json network vswitch standard policy shaping get -v vs0");
    EXPECT_EQ(Out(get), json({{"Enabled", true}, {"Average Bandwidth", 100000}, {"Peak Bandwidth", 150000},
                              {"Burst Size", 1024}}));
    EXPECT_EQ(root.ReadSection("vswitches")["vswitches"][0]["shaping"]["burstBytes"], 131072);
}

}  // namespace
}  // namespace VswitchTest
