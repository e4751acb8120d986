// The VM, port and datapath commands end to end: talixcli with the JSON formatter on a temporary host root.
#include "DatapathFixture.h"

namespace DatapathTest {
namespace {

using TalixTest::ChangeOnHost;
using TalixTest::JsonOnHost;
using TalixTest::RunOnHost;
using TalixTest::TempHostRoot;

TEST(DatapathEndToEnd, DemoVmPortsAndTheirUplinkPortsHaveStatistics) {
    TempHostRoot root;
    json vms = JsonOnHost(root, "network vm list");
    ASSERT_GE(vms.size(), 2u);
    for (const auto& vm : vms) {
        std::string world = std::to_string(vm["World ID"].get<int64_t>());
        json ports = JsonOnHost(root, "network vm port list -w " + world);
        EXPECT_EQ(ports.size(), vm["Num Ports"].get<size_t>()) << world;
        for (const auto& port : ports) {
            std::string id = std::to_string(port["Port ID"].get<int64_t>());
            EXPECT_EQ(JsonOnHost(root, "network port stats get -p " + id)[0]["Port ID"], port["Port ID"]);
            EXPECT_EQ(JsonOnHost(root, "network port filter stats get -p " + id).size(), port["Active Filters"].size())
                << id;
            // The uplink port the VM port is scheduled on is a port like any other.
            if (port["Uplink Port ID"] != 0) {
                std::string uplink = std::to_string(port["Uplink Port ID"].get<int64_t>());
                EXPECT_EQ(JsonOnHost(root, "network port stats get -p " + uplink)[0]["Port ID"],
                          port["Uplink Port ID"]);
            }
        }
    }
}

// One consistent host: the port of every host interface is a port of its switch.
TEST(DatapathEndToEnd, DemoInterfacePortIdsAreSwitchPorts) {
    TempHostRoot root;
    json interfaces = JsonOnHost(root, "network ip interface list");
    ASSERT_GE(interfaces.size(), 4u);
    for (const auto& nic : interfaces) {
        std::string id = std::to_string(nic["Port ID"].get<int64_t>());
        EXPECT_EQ(RunOnHost(root, "network port stats get -p " + id).status, 0) << nic["Name"] << " port " << id;
    }
}

TEST(DatapathEndToEnd, EnsChangesPersistInTheHostRoot) {
    TempHostRoot root;
    root.WriteSection("vswitches", {{"vswitches", json::array({StandardSwitch("vs-ens", json::array())})}});
    for (const char* command :
         {"network ens maxLcores set -n 4", "network ens lcore add -l 2", "network ens lcore switch add -l 2 -s vs-ens",
          "network ens lcore affinity set -l 2 -a 1"}) {
        ChangeOnHost(root, command);
    }
    EXPECT_EQ(JsonOnHost(root, "network ens lcore list"),
              json::array({{{"Lcore ID", 2}, {"Switch", "vs-ens"}, {"Affinity", 1}}}));
    EXPECT_EQ(root.ReadSection("datapath")["maxLcores"], 4);

    auto refused = RunOnHost(root, "--formatter=json network ens lcore add -l 2");
    EXPECT_NE(refused.status, 0);
    EXPECT_EQ(refused.err, "ENS lcore 2 already exists\n");
    EXPECT_EQ(root.ReadSection("datapath")["lcores"].size(), 1u);
}

}  // namespace
}  // namespace DatapathTest
