// NetQueue commands through the framework on an in-memory host: counts, filter
// classes, load balancer settings, plugins and state.
#include "nic/NicTestSupport.h"

namespace NicTest {
namespace {

json QueueNic(const std::string& name, const json& netqueue) { return {{"name", name}, {"netqueue", netqueue}}; }

using NicQueueCountTest = NicCommandTest;

TEST_F(NicQueueCountTest, ListsEveryLoadedNicOrTheOneNamed) {
    UseNics({QueueNic("pnic0", {{"txQueues", 4}, {"rxQueues", 6}}),
             {{"name", "pnic1"}, {"driverLoaded", false}},
             QueueNic("pnic2", {{"txQueues", 2}, {"rxQueues", 3}})});
    EXPECT_EQ(Root("network nic queue count get"),
              json::parse(R"([{"NIC":"pnic0","Tx netqueue count":4,"Rx netqueue count":6},
                              {"NIC":"pnic2","Tx netqueue count":2,"Rx netqueue count":3}])"));
    EXPECT_EQ(Root("network nic queue count get -n pnic1"),
              json::parse(R"([{"NIC":"pnic1","Tx netqueue count":1,"Rx netqueue count":1}])"));
    EXPECT_EQ(OnlyError("network nic queue count get -n pnic9"), "Pnic with name pnic9 not found");
}

TEST_F(NicQueueCountTest, DirectionIsChosenByPresenceNotValue) {
    UseNics({QueueNic("pnic0", {{"txQueues", 1}, {"rxQueues", 1}, {"maxTxQueues", 8}, {"maxRxQueues", 8}})});
    EXPECT_EQ(Root("network nic queue count set -n pnic0 --tx false -q 3"), true);
    EXPECT_EQ(StoredNic("pnic0")["netqueue"]["txQueues"], 3);
    EXPECT_EQ(StoredNic("pnic0")["netqueue"]["rxQueues"], 1);
    EXPECT_EQ(Root("network nic queue count set -n pnic0 -t true -r true -q 5"), true);
    EXPECT_EQ(StoredNic("pnic0")["netqueue"]["txQueues"], 5);
    EXPECT_EQ(StoredNic("pnic0")["netqueue"]["rxQueues"], 5);
}

TEST_F(NicQueueCountTest, NeitherDirectionMakesNoChangeCall) {
    UseNics({QueueNic("pnic0", json::object())});
    InjectFault("Pnic::SetNetqueueInfo", "must not be called");
    EXPECT_EQ(Root("network nic queue count set -n pnic0 -q 4"), true);
}

TEST_F(NicQueueCountTest, RefusalsChangeNothing) {
    UseNics({QueueNic("pnic0", {{"txQueues", 2}, {"rxQueues", 2}, {"maxTxQueues", 4}, {"maxRxQueues", 4}})});
    EXPECT_EQ(OnlyError("network nic queue count set -n pnic0 -t true -r true -q 5"),
              "TX netqueue count 5 is outside the range 1 to 4 on pnic0");
    EXPECT_EQ(OnlyError("network nic queue count set -n pnic0 -r true -q 0"),
              "RX netqueue count 0 is outside the range 1 to 4 on pnic0");
    EXPECT_EQ(StoredNic("pnic0")["netqueue"]["txQueues"], 2);
    EXPECT_EQ(StoredNic("pnic0")["netqueue"]["rxQueues"], 2);
    EXPECT_EQ(OnlyError("network nic queue count set -n nope -t true -q 1"), "Pnic with name nope not found");
    InjectFault("Pnic::SetNetqueueInfo", "queue reallocation failed");
    EXPECT_EQ(OnlyError("network nic queue count set -n pnic0 -t true -q 1"), "queue reallocation failed");
}

using NicQueueSettingsTest = NicCommandTest;

TEST_F(NicQueueSettingsTest, FilterClassesInColumnOrder) {
    UseNics({QueueNic("pnic0", {{"macOnly", false}, {"vlanMac", true}, {"genericEncap", true}})});
    EXPECT_EQ(Root("network nic queue filterclass list"),
              json::parse(R"([{"NIC":"pnic0","MacOnly":false,"VlanOnly":false,"VlanMac":true,"Vxlan":false,
                               "Geneve":false,"GenericEncap":true}])"));
}

TEST_F(NicQueueSettingsTest, LoadBalancerLettersCombineSupportAndPermission) {
    // RSS (0x80) supported but not allowed; LRO (0x100) allowed but not supported.
    UseNics({QueueNic("pnic0", {{"settingsSupported", 0x481}, {"settingsAllowed", 0x501}})});
    auto row = Root("network nic queue loadbalancer list")[0];
    EXPECT_EQ(row, json::parse(R"({"DynamicQPool": "UD", "GeneveOAM": "UD", "LRO": "UA",
        "MacLearnLB": "UD", "NIC": "pnic0", "PreEmptibleQ": "UD", "RSS": "SD",
        "RSSLRO": "SA", "RxDynamicLB": "UD", "RxQLatency": "UD",
        "RxQNoFeature": "UD", "RxQPair": "SA"})"));
    EXPECT_EQ(row.size(), 12u);
}

TEST_F(NicQueueSettingsTest, SetAppliesOnlyTheOptionsGiven) {
    UseNics({QueueNic("pnic0", {{"settingsSupported", 0x7ff}, {"settingsAllowed", 0x401}})});
    EXPECT_EQ(Root("network nic queue loadbalancer set -n pnic0 --rsslrolb false"), true);
    EXPECT_EQ(StoredNic("pnic0")["netqueue"]["settingsAllowed"], 0x001);
    EXPECT_EQ(Root("network nic queue loadbalancer set -n pnic0 --rxqpair false --rsslb true --geneveoamlb true"),
              true);
    EXPECT_EQ(StoredNic("pnic0")["netqueue"]["settingsAllowed"], 0x280);
}

TEST_F(NicQueueSettingsTest, SetWithoutOptionsMakesNoChangeCall) {
    UseNics({QueueNic("pnic0", json::object())});
    InjectFault("Pnic::SetNetqueueInfo", "must not be called");
    EXPECT_EQ(Root("network nic queue loadbalancer set -n pnic0"), true);
    EXPECT_EQ(OnlyError("network nic queue loadbalancer set -n pnic0 --lrolb false"), "must not be called");
}

TEST_F(NicQueueSettingsTest, AllowingAnUnsupportedSettingIsRefused) {
    UseNics({QueueNic("pnic0", {{"settingsSupported", 0x1}, {"settingsAllowed", 0x1}})});
    EXPECT_EQ(OnlyError("network nic queue loadbalancer set -n pnic0 --rxqpair false --lrolb true"),
              "pnic0 does not support the netqueue load balancer setting LRO");
    EXPECT_EQ(StoredNic("pnic0")["netqueue"]["settingsAllowed"], 0x1);
    EXPECT_EQ(Root("network nic queue loadbalancer set -n pnic0 --lrolb false"), true);
    EXPECT_EQ(OnlyError("network nic queue loadbalancer set -n pnic7 --lrolb false"), "Pnic with name pnic7 not found");
}

using NicQueuePluginTest = NicCommandTest;

TEST_F(NicQueuePluginTest, EnabledNeedsBothModuleAndPluginToMatch) {
    UseNics({QueueNic("pnic0", {{"plugins",
                                 {{{"module", "qbal"}, {"plugin", "pack"}, {"description", "d1"}, {"enabled", true}},
                                  {{"module", "other"}, {"plugin", "pack"}, {"description", "d2"}},
                                  {{"module", "qbal"}, {"plugin", "spread"}, {"description", "d3"}}}}}),
             QueueNic("pnic1", json::object())});
    EXPECT_EQ(Root("network nic queue loadbalancer plugin list"), json::parse(R"([
                {"NIC":"pnic0","Module Name":"qbal","Plugin Name":"pack","Enabled":true,"Description":"d1"},
                {"NIC":"pnic0","Module Name":"other","Plugin Name":"pack","Enabled":false,"Description":"d2"},
                {"NIC":"pnic0","Module Name":"qbal","Plugin Name":"spread","Enabled":false,"Description":"d3"}])"));
    EXPECT_EQ(Root("network nic queue loadbalancer plugin list -n pnic1"), json::array());
    EXPECT_EQ(OnlyError("network nic queue loadbalancer plugin list -n pnic9"), "Invalid PNIC name pnic9");
}

TEST_F(NicQueuePluginTest, SetEnablesAndDisablesOnePlugin) {
    UseNics({QueueNic("pnic0", {{"plugins",
                                 {{{"module", "qbal"}, {"plugin", "pack"}},
                                  {{"module", "qbal"}, {"plugin", "spread"}, {"enabled", true}}}}})});
    EXPECT_EQ(Root("network nic queue loadbalancer plugin set -n pnic0 -e true -m qbal -p pack"), true);
    EXPECT_EQ(Root("network nic queue loadbalancer plugin set -n pnic0 -e false -m qbal -p spread"), true);
    auto plugins = StoredNic("pnic0")["netqueue"]["plugins"];
    EXPECT_EQ(plugins[0]["enabled"], true);
    EXPECT_EQ(plugins[1]["enabled"], false);
    EXPECT_EQ(OnlyError("network nic queue loadbalancer plugin set -n pnic0 -e true -m other -p pack"),
              "No netqueue balancer plugin pack in module other on pnic0");
    EXPECT_EQ(OnlyError("network nic queue loadbalancer plugin set -n x -e true -m qbal -p pack"),
              "Invalid PNIC name x");
}

TEST_F(NicQueuePluginTest, BalancerStateRoundTrip) {
    UseNics({QueueNic("pnic0", json::object()), QueueNic("pnic1", {{"balancerEnabled", false}})});
    EXPECT_EQ(Root("network nic queue loadbalancer state list"),
              json::parse(R"([{"NIC":"pnic0","Enabled":true},{"NIC":"pnic1","Enabled":false}])"));
    EXPECT_EQ(Root("network nic queue loadbalancer state set -n pnic0 -e false"), true);
    EXPECT_EQ(Root("network nic queue loadbalancer state list -n pnic0"),
              json::parse(R"([{"NIC":"pnic0","Enabled":false}])"));
    EXPECT_EQ(OnlyError("network nic queue loadbalancer state set -n pnic5 -e true"), "Invalid PNIC name pnic5");
    EXPECT_EQ(OnlyError("network nic queue loadbalancer state list -n pnic5"), "Invalid PNIC name pnic5");
}

TEST_F(NicQueuePluginTest, ListFailuresDropTheWholeList) {
    UseNics({QueueNic("pnic0", json::object()), QueueNic("pnic1", json::object())});
    InjectFault("Pnic::GetNetqueueInfo", "netqueue query failed");
    for (const char* command :
         {"network nic queue count get", "network nic queue filterclass list", "network nic queue loadbalancer list",
          "network nic queue loadbalancer plugin list", "network nic queue loadbalancer state list"}) {
        EXPECT_EQ(OnlyError(command), "netqueue query failed") << command;
    }
}

}  // namespace
}  // namespace NicTest
