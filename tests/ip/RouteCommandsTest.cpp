// IPv4 and IPv6 route commands: host failures, and the order of the steps they
// show (routes, the default gateway and the listings are in the ip-routes
// transcript).
#include "IpStackFixtures.h"

namespace {

using IpStackTest::IpStackHostTest;
using IpStackTest::Nic;
using nlohmann::json;

class RouteCommands : public IpStackHostTest {
protected:
    void SetUp() override {
        IpStackHostTest::SetUp();
        json lmx0 = Nic("lmx0", "defaultTcpipStack", "10.0.0.11");
        lmx0["ipConfig"]["ipv6Addresses"] = {{{"address", "2001:db8::11/64"}}};
        UseHost({{"netstacks", IpStackTest::Netstacks({"travex"})},
                 {"lmxnics",
                  {{"lmxnics",
                    {lmx0, Nic("lmx1", "travex", "10.1.0.11"),
                     Nic("lmx9", "defaultTcpipStack", "169.254.0.1", "255.255.0.0", true)}}}},
                 {"routes",
                  {{"tables",
                    {{{"netstack", "defaultTcpipStack"},
                      {"ipv4Gateway", "10.0.0.1"},
                      {"ipv4ConfiguredGateway", "10.0.0.2"}}}}}}});
    }
};

TEST_F(RouteCommands, HostControlFailureBecomesTheMessage) {
    InjectFault("RoutingInfoImpl::AddLumexRoute", "routing table is locked");
    ExpectRefused("network ip route ipv4 add -n 10.2.0.0/16 -g 10.0.0.254", "routing table is locked");
    InjectFault("RoutingInfoImpl::GetCurrentIpv6LumexRoutes", "no routes today");
    ExpectRefused("network ip route ipv6 list", "no routes today");
}

// The two removes differ in one step: IPv4 switches the netstack before it
// reads gateway and network, IPv6 after. A failing switch with a bad gateway
// shows which came first.
TEST_F(RouteCommands, RemoveSwitchesTheNetstackBeforeReadingForIpv4AfterForIpv6) {
    InjectFault("RoutingInfoImpl::SetNetstackInstanceKey", "netstack is busy");
    ExpectRefused("network ip route ipv4 remove -n default -g gateway -N travex", "netstack is busy");
    ExpectRefused("network ip route ipv6 remove -n default -g gateway -N travex", "Invalid IPv6 address: 'gateway'");
    ExpectRefused("network ip route ipv6 remove -n default -g fe80::1 -N travex", "netstack is busy");
}

}  // namespace
