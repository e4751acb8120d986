// The simulated NIC object itself: cached link state and per-VLAN uplink counters,
// which switch code reads directly.
#include "lmxctl/PnicImpl.h"
#include "nic/NicTestSupport.h"

namespace NicTest {
namespace {

using LmxCtl::Network::PnicImpl;

using PnicHostTest = NicCommandTest;

TEST_F(PnicHostTest, LinkStateIsCachedUntilRefresh) {
    UseNics({{{"name", "pnic0"}}});
    PnicImpl watcher("pnic0");
    EXPECT_TRUE(watcher.IsLinkUp());
    PnicImpl("pnic0").SetAdminStatus(false);
    EXPECT_TRUE(watcher.IsLinkUp());  // still the state read first
    watcher.Refresh();
    EXPECT_FALSE(watcher.IsLinkUp());
    EXPECT_FALSE(PnicImpl("pnic0").IsLinkUp());  // a new object reads the host
}

}  // namespace
}  // namespace NicTest
