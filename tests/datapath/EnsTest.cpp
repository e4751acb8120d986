// ENS logical cores through the framework on an in-memory host: host failures
// (round trips and refusals are in the datapath-hosts transcript).
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

TEST_F(EnsTest, HostFailuresBecomeMessages) {
    InjectFault("NetworkInfo::CreateEnsLcore", "datapath busy");
    ExpectRefused("network ens lcore add -l 2", "datapath busy");
    InjectFault("NetworkInfo::GetEnsLcoreSwitch", "lcore table busy");
    ExpectRefused("network ens lcore list", "lcore table busy");
    EXPECT_EQ(Section("datapath")["lcores"].size(), 1u);
}

}  // namespace
}  // namespace DatapathTest
