// SR-IOV NICs and VFs, and multicast memberships, through the framework on an
// in-memory host: host failures (listings, counters and refusals are in the
// datapath-hosts transcript).
#include "DatapathFixture.h"

namespace DatapathTest {
namespace {

class SriovTest : public DatapathHostTest {
protected:
    void SetUp() override {
        DatapathHostTest::SetUp();
        json pnics = json::array({{{"name", "pnic0"}, {"maxVfs", 4}}});
        json sriov = {{"pfs", json::array({{{"pnic", "pnic0"}, {"vfs", json::array({{{"id", 0}}})}}})}};
        UseHost({{"pnics", {{"pnics", pnics}}}, {"sriov", sriov}});
    }
};

TEST_F(SriovTest, HostFailuresBecomeMessages) {
    InjectFault("NetworkInfo::GetSriovNics", "PF table unavailable");
    ExpectRefused("network sriovnic list", "PF table unavailable");
    InjectFault("NetworkInfo::GetSriovNicVFInfo", "VF table unavailable");
    ExpectRefused("network sriovnic vf list -n pnic0", "VF table unavailable");
}

class MulticastTest : public DatapathHostTest {};

TEST_F(MulticastTest, HostFailureBecomesTheMessage) {
    UseHost({{"lmxnics", {{"lmxnics", json::array({{{"name", "lmx0"}}})}}}});
    InjectFault("NetInterface::GetMulticastMemberships", "membership table busy");
    ExpectRefused("network multicast group list", "membership table busy");
}

}  // namespace
}  // namespace DatapathTest
