// IPv4 and IPv6 route commands: routes, the default gateway and the system listing.
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
    json Table() { return Section("routes")["tables"][0]; }
};

TEST_F(RouteCommands, Ipv4ListShowsDefaultConnectedAndStaticRoutes) {
    EXPECT_EQ(Run("network ip route ipv4 add -n 10.2.0.0/16 -g 10.0.0.254").root, true);
    auto routes = Run("network ip route ipv4 list").root;
    EXPECT_EQ(routes, json::parse(R"([
        {"Network": "default", "Netmask": "0.0.0.0", "Gateway": "10.0.0.1", "Interface": "lmx0", "Source": "MANUAL"},
        {"Network": "10.0.0.0", "Netmask": "255.255.255.0", "Gateway": "0.0.0.0", "Interface": "lmx0", "Source": "N/A"},
        {"Network": "10.2.0.0", "Netmask": "255.255.0.0", "Gateway": "10.0.0.254", "Interface": "lmx0", "Source": "N/A"}
    ])"));
    EXPECT_EQ(Table()["ipv4Routes"],
              json::parse(R"([{"network": "10.2.0.0/16", "gateway": "10.0.0.254", "interfaceName": "lmx0"}])"));
}

TEST_F(RouteCommands, HostRefusesWhatItCannotRoute) {
    for (const auto& [command, message] : std::vector<std::pair<const char*, const char*>>{
             {"network ip route ipv4 add -n 10.2.0.0 -g 10.0.0.254", "Invalid IPv4 network: '10.2.0.0'"},
             {"network ip route ipv4 add -n 10.2.0.0/16 -g 10.9.0.1",
              "Gateway 10.9.0.1 is not reachable from netstack defaultTcpipStack"},
             {"network ip route ipv4 add -n 10.2.0.0/16 -g gateway", "Invalid IPv4 address: 'gateway'"},
             {"network ip route ipv4 add -n default -g 10.0.0.3", "A default route already exists via 10.0.0.1"},
             {"network ip route ipv4 remove -n 10.7.0.0/16 -g 10.0.0.254", "No route to 10.7.0.0/16 via 10.0.0.254"},
             {"network ip route ipv4 add -n 10.2.0.0/16 -g 10.0.0.254 -N nowhere",
              "Netstack instance nowhere does not exist"},
             {"network ip route ipv6 add -n 2001:db8:5::/48 -g 2001:db8:9::1",
              "Gateway 2001:db8:9::1 is not reachable from netstack defaultTcpipStack"},
             // gateways that are no router, whatever network they fall in
             {"network ip route ipv4 add -n 10.2.0.0/16 -g 224.0.0.1", "Gateway 224.0.0.1 is a multicast address"},
             {"network ip route ipv4 add -n 10.2.0.0/16 -g 255.255.255.255",
              "Gateway 255.255.255.255 is the broadcast address"},
             {"network ip route ipv4 add -n 10.2.0.0/16 -g 0.0.0.0", "Gateway 0.0.0.0 is the unspecified address"},
             {"network ip route ipv6 add -n 2001:db8:5::/48 -g ff02::2", "Gateway ff02::2 is a multicast address"},
             {"network ip route ipv6 add -n 2001:db8:5::/48 -g ::1", "Gateway ::1 is the loopback address"}}) {
        ExpectRefused(command, message);
    }
}

TEST_F(RouteCommands, RemovingTheDefaultRouteClearsTheGatewayLiveOrConfigured) {
    for (const char* command : {"network ip route ipv4 remove -n default -g 10.0.0.1",
                                "network ip route ipv4 remove -n 0.0.0.0/0 -g 10.0.0.2"}) {
        UseHost({{"netstacks", IpStackTest::Netstacks()},
                 {"lmxnics", {{"lmxnics", {Nic("lmx0", "defaultTcpipStack", "10.0.0.11")}}}},
                 {"routes",
                  {{"tables",
                    {{{"netstack", "defaultTcpipStack"},
                      {"ipv4Gateway", "10.0.0.1"},
                      {"ipv4ConfiguredGateway", "10.0.0.2"}}}}}}});
        EXPECT_EQ(Run(command).root, true) << command;
        EXPECT_EQ(Table()["ipv4Gateway"], "0.0.0.0");
        EXPECT_EQ(Table()["ipv4ConfiguredGateway"], "0.0.0.0");
        EXPECT_EQ(Run("network ip route ipv4 list").root.size(), 1u);
    }
}

TEST_F(RouteCommands, DefaultRouteRemovalWithAnotherGatewayIsRefused) {
    ExpectRefused("network ip route ipv4 remove -n default -g 10.0.0.9", "10.0.0.9 is not a default route.");
    EXPECT_EQ(Table()["ipv4Gateway"], "10.0.0.1");
}

TEST_F(RouteCommands, TypeSelectsSystemRoutesOfTheDefaultNetstackOnly) {
    for (const char* family : {"ipv4", "ipv6"}) {
        std::string list = std::string("network ip route ") + family + " list";
        ExpectRefused(list + " -t user", "Invalid type value, should be 'system'.");
        ExpectRefused(list + " -t system -N travex", "Invalid netstack value, should be 'defaultTcpipStack'.");
    }
    auto system = Run("network ip route ipv4 list -t system").root;
    ASSERT_EQ(system.size(), 1u);
    EXPECT_EQ(system[0]["Network"], "169.254.0.0");
    EXPECT_EQ(system[0]["Interface"], "lmx9");
}

TEST_F(RouteCommands, RoutesBelongToTheirNetstack) {
    EXPECT_EQ(Run("network ip route ipv4 add -n default -g 10.1.0.1 -N travex").root, true);
    auto travex = Run("network ip route ipv4 list -N travex").root;
    ASSERT_EQ(travex.size(), 2u);
    EXPECT_EQ(travex[0]["Gateway"], "10.1.0.1");
    EXPECT_EQ(travex[0]["Interface"], "lmx1");
    EXPECT_EQ(Run("network ip route ipv4 list").root[0]["Gateway"], "10.0.0.1");
}

TEST_F(RouteCommands, Ipv6RoutesAndDefaultGatewayRoundTrip) {
    EXPECT_EQ(Run("network ip route ipv6 add -n default -g fe80::1").root, true);
    EXPECT_EQ(Run("network ip route ipv6 add -n 2001:db8:5::/48 -g 2001:db8::fe").root, true);
    EXPECT_EQ(Run("network ip route ipv6 list").root, json::parse(R"([
        {"Network": "default", "Netmask": "::", "Gateway": "fe80::1", "Interface": "lmx0"},
        {"Network": "2001:db8::", "Netmask": "ffff:ffff:ffff:ffff::", "Gateway": "::", "Interface": "lmx0"},
        {"Network": "2001:db8:5::", "Netmask": "ffff:ffff:ffff::", "Gateway": "2001:db8::fe", "Interface": "lmx0"}
    ])"));
    ExpectRefused("network ip route ipv6 remove -n default -g fe80::2", "fe80::2 is not a default route.");
    EXPECT_EQ(Run("network ip route ipv6 remove -n default -g fe80::1").root, true);
    EXPECT_EQ(Table()["ipv6Gateway"], "::");
    EXPECT_EQ(Run("network ip route ipv6 remove -n 2001:db8:5::/48 -g 2001:db8::fe").root, true);
    EXPECT_EQ(Run("network ip route ipv6 list").root.size(), 1u);
}

// Stored routes are compared as networks, whatever their text; a change edits the
// instance's first table, while an added route is checked against all of them.
TEST_F(RouteCommands, ChangesFindStoredRoutesByNetworkNotByText) {
    auto routes = Section("routes");
    routes["tables"][0]["ipv4Routes"] = {{{"network", "10.5.0.0/16"}, {"gateway", "10.0.0.254"}},
                                         {{"network", "10.7.0.0/16"}, {"gateway", "10.0.0.253"}},
                                         {{"network", "10.7.0.0/16"}, {"gateway", "10.0.0.254"}}};
    routes["tables"][0]["ipv6Routes"] = {{{"network", "2001:DB8:7:0::/48"}, {"gateway", "2001:db8::fe"}}};
    routes["tables"].push_back(
        {{"netstack", "defaultTcpipStack"}, {"ipv4Routes", {{{"network", "10.6.0.0/16"}, {"gateway", "10.0.0.254"}}}}});
    UseHost({{"netstacks", Section("netstacks")}, {"lmxnics", Section("lmxnics")}, {"routes", routes}});
    struct Case {
        const char* command;
        const char* message;  // null: succeeds
    };
    for (const auto& c : std::vector<Case>{
             {"network ip route ipv4 add -n 10.5.0.0/16 -g 10.0.0.9", "A route to 10.5.0.0/16 already exists"},
             {"network ip route ipv4 add -n 10.6.0.0/16 -g 10.0.0.9", "A route to 10.6.0.0/16 already exists"},
             {"network ip route ipv4 remove -n 10.6.0.0/16 -g 10.0.0.254", "No route to 10.6.0.0/16 via 10.0.0.254"},
             {"network ip route ipv6 add -n 2001:db8:7::/48 -g 2001:db8::fe",
              "A route to 2001:db8:7::/48 already exists"},
             {"network ip route ipv4 remove -n 10.7.0.0/16 -g 10.0.0.9", "No route to 10.7.0.0/16 via 10.0.0.9"},
             {"network ip route ipv4 remove -n 10.7.0.0/16 -g 10.0.0.254", nullptr},
             {"network ip route ipv4 remove -n 10.7.0.0/16 -g 10.0.0.254", "No route to 10.7.0.0/16 via 10.0.0.254"},
             {"network ip route ipv4 remove -n 10.5.0.0/16 -g 10.0.0.254", nullptr},
             {"network ip route ipv4 add -n 10.5.0.0/16 -g 10.0.0.9", nullptr},
             {"network ip route ipv6 remove -n 2001:db8:7:1::/48 -g 2001:db8::fe", nullptr},
             {"network ip route ipv6 add -n 2001:db8:7::/48 -g 2001:db8::fe", nullptr},
             {"network ip route ipv6 add -n 2001:db8:7::/48 -g 2001:db8::fe",
              "A route to 2001:db8:7::/48 already exists"}}) {
        auto result = Run(c.command);
        if (c.message) {
            EXPECT_EQ(result.errors, std::vector<std::string>{c.message}) << c.command;
        } else {
            EXPECT_EQ(result.root, true) << c.command << ": " << ::testing::PrintToString(result.errors);
        }
    }
    EXPECT_EQ(Table()["ipv4Routes"],
              json::parse(R"([{"network": "10.7.0.0/16", "gateway": "10.0.0.253", "interfaceName": ""},
        {"network": "10.5.0.0/16", "gateway": "10.0.0.9", "interfaceName": "lmx0"}])"));
    EXPECT_EQ(Table()["ipv6Routes"], json::parse(R"([
        {"network": "2001:db8:7::/48", "gateway": "2001:db8::fe", "interfaceName": "lmx0"}])"));
    EXPECT_EQ(Section("routes")["tables"][1]["ipv4Routes"].size(), 1u);
}

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
