// Interface IPv4 and IPv6 settings through the framework on an in-memory host.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "IpifFixture.h"

namespace {

using IpifTest::Host;
using IpifTest::Nic;
using nlohmann::json;

class InterfaceSettings : public IpifTest::IpifHostTest {
protected:
    void SetUp() override {
        IpifHostTest::SetUp();
        auto dhcp = Nic("lmx1");
        dhcp["ipConfig"] = {{"ipv4Address", "10.1.0.9"}, {"ipv4Netmask", "255.255.0.0"}, {"useDhcp", true},
                            {"ipv4UseNone", false},      {"useIpv6Dhcp", true},          {"ipv6DhcpDns", false}};
        dhcp["configuredIpConfig"] = {
            {"useDhcp", true}, {"ipv4UseNone", false}, {"dhcpDns", true}, {"useIpv6Dhcp", true}, {"ipv6DhcpDns", true}};
        auto host = Host({Nic("lmx0"), dhcp});
        host["routes"] = {{"tables", {{{"netstack", "defaultTcpipStack"}, {"ipv4Gateway", "10.0.0.1"}}}}};
        UseHost(host);
    }
    json Live(const std::string& name) { return FindNic(name)["ipConfig"]; }
};

TEST_F(InterfaceSettings, Ipv4SetChecksInOrderAndChangesNothingWhenRefused) {
    const std::pair<const char*, const char*> cases[] = {
        {"-i lmx9 -t dhcp", "Unable to find a Lumex interface with the name lmx9"},
        {"-i lmx0 -I 10.0.0.7", "-I|--ipv4 or -g|--gateway can be specified only if type is specified"},
        {"-i lmx0 -g 10.0.0.1 -N 255.0.0.0", "-I|--ipv4 or -g|--gateway can be specified only if type is specified"},
        {"-i lmx0 -t static -I 10.0.0.7", "The --type=static requires the --ipv4 and --netmask options."},
        {"-i lmx0 -t static -I 10.0.0.300 -N bad",
         "Invalid --ipv4 option provided. This address is not a valid IPv4 address"},
        {"-i lmx0 -t static -I 10.0.0.7 -N bad",
         "Invalid --netmask option provided. This address is not a valid IPv4 address"},
        {"-i lmx0 -t static -I 10.0.0.7 -N 255.0.0.0 -g x",
         "Invalid --gateway option provided. This address is not a valid IPv4 address"},
        {"-i lmx0 -t dhcp -I 10.0.0.7", "-I|--ipv4 or -g|--gateway can be specified only if type is static"},
        {"-i lmx0 -t none -g 10.0.0.1", "-I|--ipv4 or -g|--gateway can be specified only if type is static"},
        {"-i lmx0 -t none -P true", "-P|--peer-dns can be specified only if DHCP is enabled"},
        {"-i lmx0 -P true", "-P|--peer-dns can be specified only if DHCP is enabled"},
    };
    for (const auto& [arguments, message] : cases) {
        ExpectRefused(std::string("network ip interface ipv4 set ") + arguments, message);
    }
    InjectFault("LmxNicImpl::SetIpConfig", "read-only");
    ExpectRefused("network ip interface ipv4 set -i lmx0 -t dhcp",
                  "Error changing IPv4 configuration for the interface lmx0. Error was : read-only");
}

TEST_F(InterfaceSettings, Ipv4SetWritesTheWholeConfigurationOnce) {
    EXPECT_EQ(Run("network ip interface ipv4 set -i lmx0 -N 255.0.0.0").root, true);  // a lone netmask is ignored
    EXPECT_EQ(Live("lmx0")["ipv4Netmask"], "255.255.255.0");

    ASSERT_EQ(Run("network ip interface ipv4 set -i lmx0 -t static -I 10.9.0.2 -N 255.255.0.0").root, true);
    EXPECT_EQ(Live("lmx0")["ipv4Address"], "10.9.0.2");
    EXPECT_EQ(Live("lmx0")["ipv4Gateway"], "0.0.0.0");

    ASSERT_EQ(Run("network ip interface ipv4 set -i lmx0 -t dhcp -P true").root, true);
    EXPECT_EQ(Live("lmx0")["useDhcp"], true);
    EXPECT_EQ(Live("lmx0")["dhcpDns"], true);
    EXPECT_EQ(Run("network ip interface ipv4 set -i lmx0 -t none -P false").root, true);
    EXPECT_EQ(Live("lmx0")["ipv4UseNone"], true);

    // the configured IPv6 DNS flag is carried into what is written
    ASSERT_EQ(Run("network ip interface ipv4 set -i lmx1 -P false").root, true);
    EXPECT_EQ(Live("lmx1")["ipv6DhcpDns"], true);
    EXPECT_EQ(Live("lmx1")["dhcpDns"], false);
}

// Values the command's own checks let through (they parse as addresses) but no
// interface can use: the host refuses them, and the command reports its prefix.
TEST_F(InterfaceSettings, Ipv4SetStaticRefusesWhatNoInterfaceCanUse) {
    const std::pair<const char*, const char*> refused[] = {
        {"-I 10.0.0.7 -N 255.0.255.0", "Netmask 255.0.255.0 is not a contiguous netmask"},
        {"-I 10.0.0.7 -N 255.255.255.1", "Netmask 255.255.255.1 is not a contiguous netmask"},
        {"-I 10.0.0.7 -N 0.0.0.0", "Netmask 0.0.0.0 leaves no network for the address"},
        {"-I 0.0.0.0 -N 255.255.255.0", "IPv4 address 0.0.0.0 is the unspecified address"},
        {"-I 224.0.0.1 -N 255.255.255.0", "IPv4 address 224.0.0.1 is a multicast address"},
        {"-I 255.255.255.255 -N 255.255.255.0", "IPv4 address 255.255.255.255 is the broadcast address"},
        {"-I 240.0.0.1 -N 255.255.255.0", "IPv4 address 240.0.0.1 is a reserved address"},
        {"-I 127.0.0.2 -N 255.0.0.0", "IPv4 address 127.0.0.2 is a loopback address"},
        {"-I 10.0.0.0 -N 255.255.255.0", "IPv4 address 10.0.0.0 is the network address of /24"},
        {"-I 10.0.0.255 -N 255.255.255.0", "IPv4 address 10.0.0.255 is the broadcast address of /24"},
        {"-I 10.0.0.7 -N 255.255.255.0 -g 10.0.1.1", "Gateway 10.0.1.1 is not in the interface's network 10.0.0.0/24"},
        {"-I 10.0.0.7 -N 255.255.255.0 -g 10.0.0.7", "Gateway 10.0.0.7 is the interface's own address"},
        {"-I 10.0.0.7 -N 255.255.255.0 -g 10.0.0.255", "Gateway 10.0.0.255 is the broadcast address of /24"},
        {"-I 10.0.0.7 -N 255.255.255.0 -g 224.0.0.9", "Gateway 224.0.0.9 is a multicast address"},
    };
    const auto routes = Run("network ip route ipv4 list").root;
    for (const auto& [arguments, reason] : refused) {
        ExpectRefused(std::string("network ip interface ipv4 set -i lmx0 -t static ") + arguments,
                      std::string("Error changing IPv4 configuration for the interface lmx0. Error was : ") + reason);
    }
    // The route listing never gains a second "default" row from a netmask of 0.
    EXPECT_EQ(Run("network ip route ipv4 list").root, routes);
    for (const char* accepted : {"-I 10.0.0.7 -N 255.255.255.254", "-I 10.0.0.7 -N 255.255.255.255",
                                 "-I 10.0.0.7 -N 128.0.0.0 -g 10.0.0.1", "-I 10.0.0.7 -N 255.255.255.0 -g 0.0.0.0"}) {
        EXPECT_EQ(Run(std::string("network ip interface ipv4 set -i lmx0 -t static ") + accepted).root, true)
            << accepted;
    }
}

TEST_F(InterfaceSettings, Ipv6SetRefusesGatewaysThatAreNoRouter) {
    for (const auto& [gateway, reason] : std::vector<std::pair<std::string, std::string>>{
             {"ff02::2", "Gateway ff02::2 is a multicast address"},
             {"::1", "Gateway ::1 is the loopback address"},
             {"::ffff:10.0.0.1", "Gateway ::ffff:10.0.0.1 is an IPv4-mapped address"}}) {
        ExpectRefused("network ip interface ipv6 set -i lmx0 -g " + gateway,
                      "Error changing IPv6 configuration for the interface lmx0. Error was : " + reason);
    }
    EXPECT_EQ(Run("network ip interface ipv6 set -i lmx0 -g fe80::1").root, true);
}

TEST_F(InterfaceSettings, Ipv6SetChecksSeeEarlierSteps) {
    const std::pair<const char*, const char*> cases[] = {
        {"-i lmx9 -e true", "Unable to find a Lumex interface with the name lmx9"},
        {"-i lmx0 -P true", "-P|--peer-dns can be specified only if DHCPv6 or RA is enabled"},
        {"-i lmx1 -d false -P true", "-P|--peer-dns can be specified only if DHCPv6 or RA is enabled"},
        {"-i lmx0 -r true -g fe80::1", "Cannot set an interface gateway when Router Advertisement is enabled."},
        {"-i lmx0 -g 2001:db8::zz", "Invalid --gateway option provided.This address is not a valid IPv6 address"},
    };
    for (const auto& [arguments, message] : cases) {
        ExpectRefused(std::string("network ip interface ipv6 set ") + arguments, message);
    }
    EXPECT_EQ(Run("network ip interface ipv6 set -i lmx0 -P false").root, true);  // ignored
    ASSERT_EQ(Run("network ip interface ipv6 set -i lmx0 -r true -P true -e false").root, true);
    EXPECT_EQ(Live("lmx0")["ipv6DhcpDns"], true);
    EXPECT_EQ(Live("lmx0")["useIpv6"], false);

    ASSERT_EQ(Run("network ip interface ipv6 set -i lmx1 -g 2001:db8::1").root, true);
    EXPECT_EQ(Live("lmx1")["ipv6Gateway"], "2001:db8::1");
    EXPECT_EQ(Live("lmx1")["dhcpDns"], true);                            // the configured IPv4 DNS flag is carried over
    ASSERT_EQ(Run("network ip interface ipv6 set -i lmx1").root, true);  // no gateway clears it
    EXPECT_EQ(Live("lmx1")["ipv6Gateway"], "::");
}

TEST_F(InterfaceSettings, Ipv4GetShowsTypesAndTheNetstackGateway) {
    auto list = Run("network ip interface ipv4 get").root;
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0], json({{"Name", "lmx0"},
                             {"IPv4 Address", "10.0.0.5"},
                             {"IPv4 Netmask", "255.255.255.0"},
                             {"IPv4 Broadcast", "10.0.0.255"},
                             {"Address Type", "STATIC"},
                             {"Gateway", "10.0.0.1"},
                             {"DHCP DNS", false}}));
    EXPECT_EQ(list[1]["Address Type"], "DHCP");
    EXPECT_EQ(list[1]["DHCP DNS"], true);  // from the configured configuration
    ASSERT_EQ(Run("network ip interface ipv4 set -i lmx0 -t none").root, true);
    EXPECT_EQ(Run("network ip interface ipv4 get -i lmx0").root[0]["Address Type"], "NONE");
    EXPECT_EQ(Run("network ip interface ipv4 address list -N travex").root, json::array());
}

TEST_F(InterfaceSettings, GetSelectionMessagesAndFailures) {
    for (const char* get : {"ipv4 get", "ipv6 get", "ipv6 address list"}) {
        std::string command = std::string("network ip interface ") + get;
        ExpectRefused(command + " --interface-name lmx9", "Unable to find a Lumex interface with the name lmx9");
        ExpectRefused(command + " -t user", "Invalid type value, should be 'system'.");
        EXPECT_EQ(Run(command + " -t system").root, json::array());
    }
    ExpectRefused("network ip interface ipv4 get -t system -N travex",
                  "Invalid netstack value, should be 'defaultTcpipStack'.");
    InjectFault("LmxNic::GetIpConfig", "no answer");
    ExpectRefused("network ip interface ipv4 get", "Error getting IPv4 configuration. . Error was : no answer");
    ExpectRefused("network ip interface ipv6 get", "Error getting IPv6 configuration. . Error was : no answer");
}

TEST_F(InterfaceSettings, Ipv6GetHidesPeerDnsWithoutDhcpv6OrRouterAdvertisement) {
    auto stored = Nic("lmx0");
    stored["configuredIpConfig"]["ipv6DhcpDns"] = true;
    stored["ipConfig"]["ipv6Gateway"] = "fe80::1";
    UseHost(Host({stored}));
    auto list = Run("network ip interface ipv6 get -n lmx0").root;
    EXPECT_EQ(list, json::array({{{"Name", "lmx0"},
                                  {"IPv6 Enabled", true},
                                  {"DHCPv6 Enabled", false},
                                  {"Router Adv Enabled", false},
                                  {"DHCP DNS", false},
                                  {"Gateway", "fe80::1"}}}));
}

// Settings a stored interface leaves out read as the host's defaults: no
// peer DNS from DHCP or DHCPv6, IPv6 on, no router advertisements, no gateway.
TEST_F(InterfaceSettings, GetsReadMissingSettingsAsTheirDefaults) {
    auto stored = Nic("lmx0");
    stored["ipConfig"] = {{"useDhcp", true}, {"ipv4UseNone", false}, {"useIpv6Dhcp", true}};
    stored["configuredIpConfig"] = stored["ipConfig"];
    UseHost(Host({stored}));
    EXPECT_EQ(Run("network ip interface ipv6 get -n lmx0").root, json::array({{{"Name", "lmx0"},
                                                                               {"IPv6 Enabled", true},
                                                                               {"DHCPv6 Enabled", true},
                                                                               {"Router Adv Enabled", false},
                                                                               {"DHCP DNS", false},
                                                                               {"Gateway", "::"}}}));
    auto ipv4 = Run("network ip interface ipv4 get").root;
    ASSERT_EQ(ipv4.size(), 1u);
    EXPECT_EQ(ipv4[0]["Address Type"], "DHCP");
    EXPECT_EQ(ipv4[0]["DHCP DNS"], false);
}

}  // namespace
