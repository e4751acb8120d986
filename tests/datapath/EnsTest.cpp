// ENS logical cores through the framework on an in-memory host: round trips and refusals.
#include "DatapathFixture.h"

namespace DatapathTest {
namespace {

class EnsTest : public DatapathHostTest {
protected:
    void SetUp() override {
        DatapathHostTest::SetUp();
        UseHost({{"vswitches", {{"vswitches", json::array({StandardSwitch("vs0", json::array())})}}},
                 {"dvswitches", {{"dvswitches", json::array({{{"name", "dvs0"}, {"id", "aa"}}})}}},
                 {"datapath", {{"numaNodes", 2}, {"maxLcores", 4}, {"lcores", json::array({{{"id", 1}}})}}}});
    }
};

TEST_F(EnsTest, LcoreLifecycleRoundTrips) {
    Change("network ens lcore add -l 3");
    Change("network ens lcore affinity set -l 3 -a 1");
    Change("network ens lcore switch add -l 3 -s dvs0");
    EXPECT_EQ(Root("network ens lcore affinity get -l 3"), json(1));
    EXPECT_EQ(Root("network ens lcore switch get -l 3"), json("dvs0"));
    EXPECT_EQ(Root("network ens lcore list"), json::array({{{"Lcore ID", 1}, {"Switch", "null"}, {"Affinity", 0}},
                                                           {{"Lcore ID", 3}, {"Switch", "dvs0"}, {"Affinity", 1}}}));
    Change("network ens lcore switch remove -l 3");
    EXPECT_EQ(Root("network ens lcore switch get -l 3"), json("null"));
    Change("network ens lcore remove -l 3");
    EXPECT_EQ(Section("datapath")["lcores"].size(), 1u);
}

TEST_F(EnsTest, MaxLcoresRoundTrips) {
    EXPECT_EQ(Root("network ens maxLcores get"), json(4));
    Change("network ens maxLcores set -n 16");
    EXPECT_EQ(Root("network ens maxLcores get"), json(16));
}

TEST_F(EnsTest, HostRefusalsLeaveTheTableUnchanged) {
    const std::pair<const char*, const char*> cases[] = {
        {"network ens lcore add -l 1", "ENS lcore 1 already exists"},
        {"network ens lcore add -l 4", "Invalid ENS lcore 4: IDs range from 0 to 3"},
        {"network ens lcore add -l -1", "Invalid ENS lcore -1: IDs range from 0 to 3"},
        {"network ens lcore remove -l 2", "ENS lcore 2 does not exist"},
        {"network ens lcore affinity get -l 2", "ENS lcore 2 does not exist"},
        {"network ens lcore switch get -l 2", "ENS lcore 2 does not exist"},
        {"network ens lcore affinity set -l 1 -a 2", "Invalid affinity 2: the host has NUMA nodes 0 to 1"},
        {"network ens lcore affinity set -l 1 -a -1", "Invalid affinity -1: the host has NUMA nodes 0 to 1"},
        {"network ens lcore switch add -l 1 -s nowhere", "Virtual switch nowhere does not exist"},
        {"network ens lcore switch add -l 2 -s vs0", "ENS lcore 2 does not exist"},
        {"network ens maxLcores set -n 1", "Cannot lower the maximum to 1: ENS lcore 1 exists"},
        {"network ens maxLcores set -n 0", "Invalid maximum of 0 lcores: it must be between 1 and 64"},
        {"network ens maxLcores set -n 65", "Invalid maximum of 65 lcores: it must be between 1 and 64"},
    };
    for (const auto& [command, message] : cases) ExpectRefused(command, message);
}

TEST_F(EnsTest, TheMaximumBoundsHowManyLcoresExist) {
    for (const char* id : {"0", "2", "3"}) Change(std::string("network ens lcore add -l ") + id);
    EXPECT_EQ(Root("network ens lcore list").size(), 4u);
    ExpectRefused("network ens lcore add -l 4", "Invalid ENS lcore 4: IDs range from 0 to 3");
}

TEST_F(EnsTest, HostWithoutLcoresListsNothing) {
    UseHost({{"datapath", {{"lcores", json::array()}}}});
    EXPECT_EQ(Root("network ens lcore list"), json::array());
}

TEST_F(EnsTest, HostFailuresBecomeMessages) {
    InjectFault("NetworkInfo::CreateEnsLcore", "datapath busy");
    ExpectRefused("network ens lcore add -l 2", "datapath busy");
    InjectFault("NetworkInfo::GetEnsLcoreSwitch", "lcore table busy");
    ExpectRefused("network ens lcore list", "lcore table busy");
    EXPECT_EQ(Section("datapath")["lcores"].size(), 1u);
}

}  // namespace
}  // namespace DatapathTest
