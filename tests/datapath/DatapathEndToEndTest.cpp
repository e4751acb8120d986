// The VM, port and datapath commands end to end: talixcli with the JSON formatter on a temporary host root.
#include "DatapathFixture.h"

namespace DatapathTest {
namespace {

using TalixTest::RunOnHost;
using TalixTest::TempHostRoot;

json Out(const TalixTest::ProcessResult& result) { return json::parse(result.out); }

TEST(DatapathEndToEnd, DemoVmPortsAndTheirUplinkPortsHaveStatistics) {
    TempHostRoot root;
    auto vms = RunOnHost(root, "--formatter=json network vm list");
    ASSERT_EQ(vms.status, 0) << vms.err;
    ASSERT_GE(Out(vms).size(), 2u);
    for (const auto& vm : Out(vms)) {
        std::string world = std::to_string(vm["World ID"].get<int64_t>());
        auto ports = RunOnHost(root, "--formatter=json network vm port list -w " + world);
        ASSERT_EQ(ports.status, 0) << ports.err;
        EXPECT_EQ(Out(ports).size(), vm["Num Ports"].get<size_t>()) << world;
        for (const auto& port : Out(ports)) {
            std::string id = std::to_string(port["Port ID"].get<int64_t>());
            auto stats = RunOnHost(root, "--formatter=json network port stats get -p " + id);
            ASSERT_EQ(stats.status, 0) << stats.err;
            EXPECT_EQ(Out(stats)[0]["Port ID"], port["Port ID"]);
            auto filters = RunOnHost(root, "--formatter=json network port filter stats get -p " + id);
            ASSERT_EQ(filters.status, 0) << filters.err;
            EXPECT_EQ(Out(filters).size(), port["Active Filters"].size()) << id;
            // The uplink port the VM port is scheduled on is a port like any other.
            if (port["Uplink Port ID"] != 0) {
                std::string uplink = std::to_string(port["Uplink Port ID"].get<int64_t>());
                auto uplinkStats = RunOnHost(root, "--formatter=json network port stats get -p " + uplink);
                ASSERT_EQ(uplinkStats.status, 0) << uplink << ": " << uplinkStats.err;
                EXPECT_EQ(Out(uplinkStats)[0]["Port ID"], port["Uplink Port ID"]);
            }
        }
    }
}

// One consistent host: the port of every host interface is a port of its switch.
TEST(DatapathEndToEnd, DemoInterfacePortIdsAreSwitchPorts) {
    TempHostRoot root;
    auto interfaces = RunOnHost(root, "--formatter=json network ip interface list");
    ASSERT_EQ(interfaces.status, 0) << interfaces.err;
    ASSERT_GE(Out(interfaces).size(), 4u);
    for (const auto& nic : Out(interfaces)) {
        std::string id = std::to_string(nic["Port ID"].get<int64_t>());
        auto stats = RunOnHost(root, "--formatter=json network port stats get -p " + id);
        EXPECT_EQ(stats.status, 0) << nic["Name"] << " port " << id << ": " << stats.err;
    }
}

TEST(DatapathEndToEnd, EnsChangesPersistInTheHostRoot) {
    TempHostRoot root;
    root.WriteSection("vswitches", {{"vswitches", json::array({StandardSwitch("vs-ens", json::array())})}});
    for (const char* command : {"network ens maxLcores set -n 4", "network ens lcore add -l 2",
                                "network ens lcore switch add -l 2 -s vs-ens", "network ens lcore affinity set -l 2 -a 1"}) {
        auto result = RunOnHost(root, std::string("--formatter=json ") + command);
        ASSERT_EQ(result.status, 0) << command << ": " << result.err;
        EXPECT_EQ(Out(result), json(true)) << command;
    }
    auto list = RunOnHost(root, "--formatter=json network ens lcore list");
    ASSERT_EQ(list.status, 0) << list.err;
    EXPECT_EQ(Out(list), json::array({{{"Lcore ID", 2}, {"Switch", "vs-ens"}, {"Affinity", 1}}}));
    EXPECT_EQ(root.ReadSection("datapath")["maxLcores"], 4);

    auto refused = RunOnHost(root, "--formatter=json network ens lcore add -l 2");
    EXPECT_NE(refused.status, 0);
    EXPECT_EQ(refused.err, "ENS lcore 2 already exists\n");
    EXPECT_EQ(root.ReadSection("datapath")["lcores"].size(), 1u);
}

}  // namespace
}  // namespace DatapathTest
