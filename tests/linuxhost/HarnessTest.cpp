// The isolation every Linux host test relies on: were it missing, the tests
// would change the machine's own network and files.
#include <filesystem>
#include <fstream>

#include "LinuxHostHarness.h"

namespace LinuxHostTest {
namespace {

using Harness = LinuxHost;

TEST_F(Harness, DevicesLiveInAFreshNetworkNamespaceThatSysfsShows) {
    auto links = IpJson("link show");
    ASSERT_EQ(links.size(), 1u) << links.dump();
    EXPECT_EQ(links[0]["ifname"], "lo");
    Veth("hv0", "hv1");
    EXPECT_TRUE(std::filesystem::exists("/sys/class/net/hv1"));
    EXPECT_EQ(SysNet("hv0", "mtu"), "1500");
}

TEST_F(Harness, EtcAndRunArePrivate) {
    std::ofstream("/etc/talix-harness-probe") << "x";
    std::ofstream("/run/talix-harness-probe") << "x";
    EXPECT_TRUE(std::filesystem::exists("/etc/talix-harness-probe"));
    // pid 1 stays in the machine's own mount namespace.
    EXPECT_FALSE(std::filesystem::exists("/proc/1/root/etc/talix-harness-probe"));
    EXPECT_FALSE(std::filesystem::exists("/proc/1/root/run/talix-harness-probe"));
    std::filesystem::remove("/etc/talix-harness-probe");
}

TEST_F(Harness, TalixcliRunsOnTheLinuxHost) {
    Outcome outcome = Talix("--help");
    EXPECT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_NE(outcome.out, "");
}

}  // namespace
}  // namespace LinuxHostTest
