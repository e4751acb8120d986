// An interface's IP configuration and tags on the Linux host: changes are
// compared with what `ip -j` and /proc/sys show, tags with the host root.
#include "LinuxHostHarness.h"

namespace LinuxHostTest {
namespace {

class Interface : public OneInterface {
protected:
    // The device's global addresses of a family ("-4" or "-6") as "address/length".
    static std::vector<std::string> Addresses(const std::string& family) {
        std::vector<std::string> addresses;
        for (const auto& device : IpJson(family + " addr show dev ip0")) {
            for (const auto& address : device["addr_info"]) {
                if (address["scope"] == "global") {
                    addresses.push_back(address["local"].get<std::string>() + "/" +
                                        std::to_string(address["prefixlen"].get<int>()));
                }
            }
        }
        return addresses;
    }

    // The gateways of the family's default routes through ip0.
    static std::vector<std::string> Gateways(const std::string& family) {
        std::vector<std::string> gateways;
        for (const auto& route : IpJson(family + " route show default dev ip0")) {
            gateways.push_back(route.value("gateway", ""));
        }
        return gateways;
    }

    static std::string Setting(const std::string& name) {
        std::string value = MustSh("cat /proc/sys/net/ipv6/conf/ip0/" + name);
        value.erase(value.find_last_not_of('\n') + 1);
        return value;
    }

    // Every file under the host root with its content.
    std::string HostRootFiles() { return MustSh("cd " + HostRoot() + " && find . -type f | sort | xargs -r cat"); }

    using Strings = std::vector<std::string>;
};

// The interface's IPv4 address is the device's only one: other addresses
// (another network's, a secondary one) go, so that reading the interface
// shows what was set.
TEST_F(Interface, Ipv4SettingsReachTheKernel) {
    MustSh("ip addr add 10.21.0.1/16 dev ip0 && ip addr add 10.20.0.9/24 dev ip0");
    EXPECT_EQ(
        Talix("network ip interface ipv4 set -i lmx1 -t static -I 10.30.0.5 -N 255.255.0.0 -g 10.30.0.254").status, 0);
    EXPECT_EQ(Addresses("-4"), Strings{"10.30.0.5/16"});
    EXPECT_EQ(Gateways("-4"), Strings{"10.30.0.254"});
    auto listed = TalixJson("network ip interface ipv4 get -i lmx1");
    ASSERT_EQ(listed.size(), 1u);
    EXPECT_EQ(listed[0]["IPv4 Netmask"], "255.255.0.0");
    EXPECT_EQ(TalixJson("network ip interface ipv4 address list -i lmx1"), listed);

    // Only the gateway differs: the address stays (its route too).
    EXPECT_EQ(Talix("network ip interface ipv4 set -i lmx1 -t static -I 10.30.0.5 -N 255.255.0.0").status, 0);
    EXPECT_EQ(Addresses("-4"), Strings{"10.30.0.5/16"});
    EXPECT_EQ(Gateways("-4"), Strings{});

    // Set as it is, or an IPv6 change (which writes the whole configuration
    // too): the device's other IPv4 addresses stay.
    MustSh("ip addr add 10.22.0.1/24 dev ip0");
    EXPECT_EQ(Talix("network ip interface ipv4 set -i lmx1 -t static -I 10.30.0.5 -N 255.255.0.0").status, 0);
    EXPECT_EQ(Talix("network ip interface ipv6 set -i lmx1 -r false").status, 0);
    EXPECT_EQ(Addresses("-4"), (Strings{"10.30.0.5/16", "10.22.0.1/24"}));

    EXPECT_EQ(Talix("network ip interface ipv4 set -i lmx1 -t none").status, 0);
    EXPECT_EQ(Addresses("-4"), Strings{});
}

TEST_F(Interface, Ipv6SettingsAndAddressesReachTheKernel) {
    EXPECT_EQ(Talix("network ip interface ipv6 set -i lmx1 -r false").status, 0);
    EXPECT_EQ(Setting("accept_ra"), "0");
    EXPECT_EQ(Setting("autoconf"), "0");
    EXPECT_EQ(Talix("network ip interface ipv6 address add -i lmx1 -I 2001:db8:20::5/64").status, 0);
    EXPECT_EQ(Addresses("-6"), Strings{"2001:db8:20::5/64"});
    EXPECT_EQ(Talix("network ip interface ipv6 set -i lmx1 -g 2001:db8:20::1").status, 0);
    EXPECT_EQ(Gateways("-6"), Strings{"2001:db8:20::1"});
    auto listed = TalixJson("network ip interface ipv6 get");
    ASSERT_EQ(listed.size(), 1u);
    EXPECT_EQ(listed[0]["Name"], "lmx1");
    EXPECT_EQ(listed[0]["Router Adv Enabled"], false);
    EXPECT_EQ(listed[0]["Gateway"], "2001:db8:20::1");

    EXPECT_EQ(Talix("network ip interface ipv6 address remove -i lmx1 -I 2001:db8:20::5/64").status, 0);
    EXPECT_EQ(Addresses("-6"), Strings{});
    EXPECT_EQ(Talix("network ip interface ipv6 set -i lmx1 -e false").status, 0);
    EXPECT_EQ(Setting("disable_ipv6"), "1");
    EXPECT_EQ(Talix("network ip interface ipv6 set -i lmx1 -e true -r true").status, 0);
    EXPECT_EQ(Setting("disable_ipv6"), "0");
    EXPECT_EQ(Setting("accept_ra"), "1");
    EXPECT_EQ(Setting("autoconf"), "1");
}

TEST_F(Interface, RefusalsSayWhyAndChangeNothing) {
    MustSh("sysctl -qw net.ipv6.conf.ip0.disable_ipv6=1");
    const std::string before = MustSh("ip -j addr show; ip -j route show table all");
    ExpectRefusals({
        // The kernel's own reason.
        {"network ip interface ipv6 address add -i lmx1 -I 2001:db8:20::5/64",
         "Error adding IPv6 address for the interface lmx1. Error was : Cannot add address 2001:db8:20::5/64 to ip0: "
         "Permission denied"},
        {"network ip interface ipv4 set -i lmx1 -t dhcp",
         "DHCP and the DNS servers it hands out are run by a DHCP client, not by the Linux kernel"},
        {"network ip interface ipv6 set -i lmx1 -d true", "run by a DHCP client"},
    });
    EXPECT_EQ(MustSh("ip -j addr show; ip -j route show table all"), before);
}

// A driver that refuses an MTU gives no words of its own: the refusal names
// the change, and the device's state change before it is taken back.
TEST_F(Interface, ADriversRefusalNamesTheChangeAndTakesBackTheOneBefore) {
    if (Sh("ip link add mv0 link ip0 type macvlan").status != 0) GTEST_SKIP() << "this kernel lacks macvlan devices";
    MustSh("ip link property add dev mv0 altname lmx3 && ip link set mv0 up");
    const std::string before = MustSh("ip -j link show dev mv0");
    const Outcome refused = Talix("network ip interface set -i lmx3 -e false -m 9000");
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find("Cannot set the MTU of mv0 to 9000: Invalid argument"), std::string::npos)
        << refused.err;
    EXPECT_EQ(MustSh("ip -j link show dev mv0"), before);
}

// An address with a lifetime is a DHCP client's lease: the interface shows
// DHCP, and turning it static or off is left to the client; changes that
// leave IPv4 as it is still go through.
TEST_F(Interface, ALeaseIsDhcpAndTheClientsToChange) {
    MustSh("ip addr flush dev ip0 && ip addr add 10.20.0.7/24 dev ip0 valid_lft 3600 preferred_lft 3600");
    auto listed = TalixJson("network ip interface ipv4 get -i lmx1");
    ASSERT_EQ(listed.size(), 1u);
    EXPECT_EQ(listed[0]["IPv4 Address"], "10.20.0.7");
    EXPECT_EQ(listed[0]["Address Type"], "DHCP");
    ExpectRefusals({
        {"network ip interface ipv4 set -i lmx1 -t static -I 10.20.0.5 -N 255.255.255.0", "run by a DHCP client"},
        {"network ip interface ipv4 set -i lmx1 -t none", "run by a DHCP client"},
    });
    EXPECT_EQ(Addresses("-4"), Strings{"10.20.0.7/24"});
    EXPECT_EQ(Talix("network ip interface ipv4 set -i lmx1 -t dhcp").status, 0);  // as it is
    EXPECT_EQ(Talix("network ip interface ipv6 set -i lmx1 -r false").status, 0);
    EXPECT_EQ(Addresses("-4"), Strings{"10.20.0.7/24"});
    EXPECT_EQ(Setting("accept_ra"), "0");
}

// Another device's default route makes the kernel refuse the last step;
// the address steps before it are taken back.
TEST_F(Interface, ARefusedLaterStepLeavesTheKernelAsItWas) {
    Veth("ip2", "ip3");
    MustSh("ip addr add 10.40.0.1/24 dev ip2 && ip link set ip2 up && ip route add default via 10.40.0.254");
    MustSh("ip addr add 10.20.0.9/24 dev ip0 && ip addr add 10.21.0.1/16 dev ip0");  // they come back too
    const std::string before = MustSh("ip -j addr show; ip -j route show table all");
    const std::string error =
        TalixError("network ip interface ipv4 set -i lmx1 -t static -I 10.50.0.5 -N 255.255.255.0 -g 10.50.0.254");
    EXPECT_NE(error.find("Cannot add the default route via 10.50.0.254 dev ip0: File exists"), std::string::npos)
        << error;
    EXPECT_EQ(MustSh("ip -j addr show; ip -j route show table all"), before);
}

TEST_F(Interface, ADryRunSendsNothingAndShowsThePlan) {
    const std::string kKernelState =
        "ip -j addr show; ip -j route show table all; cd /proc/sys/net/ipv6/conf/ip0 && cat disable_ipv6 accept_ra "
        "autoconf";
    const std::string before = MustSh(kKernelState);
    const Outcome outcome =
        Talix("--dry-run network ip interface ipv4 set -i lmx1 -t static -I 10.30.0.5 -N 255.255.255.0 -g 10.30.0.254");
    EXPECT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_NE(outcome.out.find("address del 10.20.0.1/24 dev ip0 netstack defaultTcpipStack\n"
                               "address add 10.30.0.5/24 dev ip0 netstack defaultTcpipStack\n"
                               "route add default via 10.30.0.254 dev ip0 table main netstack defaultTcpipStack\n"),
              std::string::npos)
        << outcome.out;
    EXPECT_NE(Talix("--dry-run network ip interface ipv6 set -i lmx1 -r false")
                  .out.find("sysctl net.ipv6.conf.ip0.accept_ra=0 netstack defaultTcpipStack\n"),
              std::string::npos);
    EXPECT_EQ(MustSh(kKernelState), before);
}

TEST_F(Interface, TagsAreKeptInTheHostRootAcrossRuns) {
    EXPECT_EQ(Talix("network ip interface tag add -i lmx1 -t Backup").status, 0);
    EXPECT_EQ(Talix("network ip interface tag add -i lmx1 -t HostControl").status, 0);
    EXPECT_EQ(TalixJson("network ip interface tag get -i lmx1")["Tags"], nlohmann::json({"Backup", "HostControl"}));
    EXPECT_NE(HostRootFiles().find("\"interface\": \"lmx1\""), std::string::npos);

    EXPECT_EQ(Talix("network ip interface tag remove -i lmx1 -t Backup").status, 0);
    EXPECT_EQ(TalixJson("network ip interface tag get -i lmx1")["Tags"], nlohmann::json({"HostControl"}));
    EXPECT_NE(
        TalixError("network ip interface tag remove -i lmx1 -t Backup").find("Tag Backup is not set on interface lmx1"),
        std::string::npos);

    // A batch that fails drops the tags its lines added.
    EXPECT_EQ(TalixBatch({"network ip interface tag add -i lmx1 -t Telemetry",
                          "network ip interface tag remove -i lmx1 -t Backup"})
                  .status,
              1);
    EXPECT_EQ(TalixJson("network ip interface tag get -i lmx1")["Tags"], nlohmann::json({"HostControl"}));
}

TEST_F(Interface, ADryRunOfATagChangeWritesNothing) {
    ASSERT_EQ(Talix("network ip interface tag add -i lmx1 -t HostControl").status, 0);
    const std::string before = HostRootFiles();
    const Outcome outcome = Talix("--dry-run network ip interface tag add -i lmx1 -t Backup");
    EXPECT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_NE(outcome.out.find("+    11\n"), std::string::npos) << outcome.out;  // Backup's number
    EXPECT_EQ(HostRootFiles(), before);
    EXPECT_EQ(TalixJson("network ip interface tag get -i lmx1")["Tags"], nlohmann::json({"HostControl"}));
}

// Without TALIX_HOST_ROOT the tags go to a default root of their own, so that
// the simulated host's default root stays unused (and gets its demo host).
TEST_F(Interface, WithoutAHostRootTagsGoBesideTheSimulatedHostsDefault) {
    const std::string state = HostRoot() + "/xdg";
    MustSh("mkdir " + state);
    const std::map<std::string, std::string> environment = {{"TALIX_HOST_ROOT", ""}, {"XDG_STATE_HOME", state}};
    EXPECT_EQ(Talix("network ip interface tag add -i lmx1 -t Backup", environment).status, 0);
    EXPECT_EQ(MustSh("cd " + state + " && find . -name '*.json'"),
              "./talix/linux-host/state/linux-interface-tags.json\n");
}

}  // namespace
}  // namespace LinuxHostTest
