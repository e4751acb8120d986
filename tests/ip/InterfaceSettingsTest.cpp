// Interface IPv4 and IPv6 settings through the framework on an in-memory host:
// host failures.
#include <gtest/gtest.h>

#include "IpifFixture.h"

namespace {

using IpifTest::Host;
using IpifTest::Nic;

class InterfaceSettings : public IpifTest::IpifHostTest {
protected:
    void SetUp() override {
        IpifHostTest::SetUp();
        UseHost(Host({Nic("lmx0")}));
    }
};

// Checks, refusals, gets and defaults are in the ipif-settings transcript.
TEST_F(InterfaceSettings, HostFailuresCarryTheCommandsPrefix) {
    InjectFault("LmxNicImpl::SetIpConfig", "read-only");
    ExpectRefused("network ip interface ipv4 set -i lmx0 -t dhcp",
                  "Error changing IPv4 configuration for the interface lmx0. Error was : read-only");
    InjectFault("LmxNic::GetIpConfig", "no answer");
    ExpectRefused("network ip interface ipv4 get", "Error getting IPv4 configuration. . Error was : no answer");
    ExpectRefused("network ip interface ipv6 get", "Error getting IPv6 configuration. . Error was : no answer");
}

}  // namespace
