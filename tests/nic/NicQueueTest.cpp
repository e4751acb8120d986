// NetQueue commands through the framework on an in-memory host: changes that
// must not reach the host, and host failures (counts, filter classes, load
// balancer settings, plugins and state are in the nic-queues transcript).
#include "nic/NicTestSupport.h"

namespace NicTest {
namespace {

json QueueNic(const std::string& name, const json& netqueue) { return {{"name", name}, {"netqueue", netqueue}}; }

using NicQueueCountTest = NicCommandTest;

TEST_F(NicQueueCountTest, NeitherDirectionMakesNoChangeCall) {
    UseNics({QueueNic("pnic0", json::object())});
    InjectFault("Pnic::SetNetqueueInfo", "must not be called");
    EXPECT_EQ(Root("network nic queue count set -n pnic0 -q 4"), true);
}

TEST_F(NicQueueCountTest, HostFailureChangesNothing) {
    UseNics({QueueNic("pnic0", {{"txQueues", 2}, {"rxQueues", 2}, {"maxTxQueues", 4}, {"maxRxQueues", 4}})});
    InjectFault("Pnic::SetNetqueueInfo", "queue reallocation failed");
    ExpectRefused("network nic queue count set -n pnic0 -t true -q 1", "queue reallocation failed");
}

using NicQueueSettingsTest = NicCommandTest;

TEST_F(NicQueueSettingsTest, SetWithoutOptionsMakesNoChangeCall) {
    UseNics({QueueNic("pnic0", json::object())});
    InjectFault("Pnic::SetNetqueueInfo", "must not be called");
    EXPECT_EQ(Root("network nic queue loadbalancer set -n pnic0"), true);
    EXPECT_EQ(OnlyError("network nic queue loadbalancer set -n pnic0 --lrolb false"), "must not be called");
}

using NicQueuePluginTest = NicCommandTest;

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
