// The switch commands end to end: the talixcli binary with the JSON formatter
// on a temporary host root.
#include <string>

#include "VswitchFixture.h"

namespace VswitchTest {
namespace {

using TalixTest::ChangeOnHost;
using TalixTest::JsonOnHost;
using TalixTest::RunOnHost;
using TalixTest::TempHostRoot;

void WriteHost(TempHostRoot& root, const json& vswitches, const json& dvswitches = json::array()) {
    json host = Host(vswitches, dvswitches);
    for (const auto& section : host.items()) root.WriteSection(section.key(), section.value());
}

TEST(VswitchEndToEnd, SwitchLifecycleIsKeptInTheHostRoot) {
    TempHostRoot root;
    WriteHost(root, json::array());
    for (const char* command :
         {"network vswitch standard add -v vs-e2e -P 64", "network vswitch standard uplink add -v vs-e2e -u pnic0",
          "network vswitch standard uplink add -v vs-e2e -u pnic1",
          "network vswitch standard policy failover set -v vs-e2e -a pnic1 -s pnic0 -b false",
          "network vswitch standard portgroup add -p Guests -v vs-e2e",
          "network vswitch standard portgroup set -p Guests -v 42"}) {
        ChangeOnHost(root, command);
    }
    json stored = root.ReadSection("vswitches")["vswitches"][0];
    EXPECT_EQ(json::array({stored["name"], stored["numPorts"], stored["teaming"]["uplinkOrder"],
                           stored["teaming"]["rollingRestoration"]}),
              json::array({"vs-e2e", 64, {"pnic1", "pnic0"}, true}));

    auto failover = JsonOnHost(root, "network vswitch standard portgroup policy failover get -p Guests");
    EXPECT_EQ(
        json::array({failover["Active Adapters"], failover["Standby Adapters"], failover["Override Vswitch Uplinks"]}),
        json::parse(R"([["pnic1"], ["pnic0"], false])"));
    EXPECT_EQ(JsonOnHost(root, "network vswitch standard portgroup list"), json::parse(R"([
        {"Name": "Guests", "Virtual Switch": "vs-e2e", "Active Clients": 0, "VLAN ID": 42}])"));
}

TEST(VswitchEndToEnd, ValidationMessagesComeWithTrueAndChangeNothing) {
    TempHostRoot root;
    WriteHost(root, json::array({{{"name", "vs0"}, {"uplinks", {"pnic0", "pnic1"}}}}));
    json before = root.ReadSection("vswitches");
    auto result = RunOnHost(root,
                            "--formatter=json network vswitch standard policy failover set -v vs0 "
                            "--active-uplinks=pnic0,,eth9");
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, "Unknown NIC name in active uplinks : \nUnknown NIC name in active uplinks : eth9\n");
    EXPECT_EQ(result.out, "true\n");
    EXPECT_EQ(root.ReadSection("vswitches"), before);
}

}  // namespace
}  // namespace VswitchTest
