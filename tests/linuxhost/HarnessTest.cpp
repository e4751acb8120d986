// The isolation every Linux host test relies on: were it missing, the tests
// would change the machine's own network and files.
#include <filesystem>
#include <fstream>
#include <sstream>

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

TEST_F(Harness, EtcAndRunAreMountsOfTheirOwn) {
    std::ifstream in("/proc/self/mountinfo");
    bool etc = false, run = false;
    for (std::string line; std::getline(in, line);) {
        // Field 5 is the mount point.
        std::istringstream fields(line);
        std::string id, parent, device, root, point;
        fields >> id >> parent >> device >> root >> point;
        etc = etc || (point == "/etc" && root != "/etc");
        run = run || (point == "/run" && line.find(" - tmpfs ") != std::string::npos);
    }
    EXPECT_TRUE(etc);
    EXPECT_TRUE(run);
}

TEST_F(Harness, TalixcliRunsOnTheLinuxHost) {
    Outcome outcome = Talix("--help");
    EXPECT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_NE(outcome.out, "");
}

}  // namespace
}  // namespace LinuxHostTest
