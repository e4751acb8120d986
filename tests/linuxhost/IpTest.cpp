// The IP stack of the Linux host against the kernel: what talixcli lists
// and changes is compared with what `ip -j` and /proc show.
#include <arpa/inet.h>

#include <algorithm>
#include <map>
#include <sstream>

#include "LinuxHostHarness.h"

namespace LinuxHostTest {
namespace {

class IpStack : public OneInterface {
protected:
    // The kernel's routes of the main table, as "destination via gateway dev
    // device"; an IPv6 host route with its length, as the listing writes it,
    // and no gateway as the listing's "::".
    static std::vector<std::string> KernelRoutes(const std::string& family = "-4") {
        std::vector<std::string> routes;
        for (const auto& route : IpJson(family + " route show table main")) {
            std::string destination = route["dst"];
            const bool ipv6 = family == "-6";
            if (ipv6 && destination != "default" && destination.find('/') == std::string::npos) destination += "/128";
            routes.push_back(destination + " via " + route.value("gateway", ipv6 ? "::" : "") + " dev " +
                             route["dev"].get<std::string>());
        }
        std::sort(routes.begin(), routes.end());
        return routes;
    }

    std::vector<std::string> ListedRoutes() {
        std::vector<std::string> routes;
        for (const auto& route : TalixJson("network ip route ipv4 list")) {
            const std::string network = route["Network"];
            std::string destination = network == "default" ? "default" : network;
            if (network != "default") {
                // The kernel writes a /32 host route without its length.
                int length = 0;
                for (unsigned mask = Mask(route["Netmask"]); mask; mask <<= 1) ++length;
                if (length != 32) destination += "/" + std::to_string(length);
            }
            const std::string gateway = route["Gateway"] == "0.0.0.0" ? "" : route["Gateway"].get<std::string>();
            routes.push_back(destination + " via " + gateway + " dev " + Device(route["Interface"]));
        }
        std::sort(routes.begin(), routes.end());
        return routes;
    }

    static unsigned Mask(const std::string& dotted) {
        unsigned a, b, c, d;
        sscanf(dotted.c_str(), "%u.%u.%u.%u", &a, &b, &c, &d);
        return a << 24 | b << 16 | c << 8 | d;
    }
    static std::string Device(const std::string& shown) { return shown == "lmx1" ? "ip0" : shown; }

    // The listing's, with the netmask (written out as an address) as a prefix length.
    std::vector<std::string> ListedIpv6Routes() {
        std::vector<std::string> routes;
        for (const auto& route : TalixJson("network ip route ipv6 list")) {
            std::string destination = route["Network"];
            if (destination != "default") {
                in6_addr mask{};
                EXPECT_EQ(inet_pton(AF_INET6, route["Netmask"].get<std::string>().c_str(), &mask), 1) << route.dump();
                int length = 0;
                for (const uint8_t byte : mask.s6_addr) length += __builtin_popcount(byte);
                destination += "/" + std::to_string(length);
            }
            routes.push_back(destination + " via " + route["Gateway"].get<std::string>() + " dev " +
                             Device(route["Interface"]));
        }
        std::sort(routes.begin(), routes.end());
        return routes;
    }
};

TEST_F(IpStack, RoutesListedAreTheKernelsAndChangesReachIt) {
    EXPECT_EQ(ListedRoutes(), KernelRoutes());
    EXPECT_EQ(Talix("network ip route ipv4 add -n 10.77.0.0/16 -g 10.20.0.254").status, 0);
    EXPECT_EQ(Talix("network ip route ipv4 add -n default -g 10.20.0.253").status, 0);
    auto routes = KernelRoutes();
    EXPECT_NE(std::find(routes.begin(), routes.end(), "10.77.0.0/16 via 10.20.0.254 dev ip0"), routes.end());
    EXPECT_NE(std::find(routes.begin(), routes.end(), "default via 10.20.0.253 dev ip0"), routes.end());
    EXPECT_EQ(ListedRoutes(), routes);
    // The default route's source: set by hand here, by a DHCP client there.
    for (const auto& route : TalixJson("network ip route ipv4 list")) {
        EXPECT_EQ(route["Source"], route["Network"] == "default" ? "MANUAL" : "N/A") << route.dump();
    }
    MustSh("ip route replace default via 10.20.0.253 proto dhcp");
    for (const auto& route : TalixJson("network ip route ipv4 list")) {
        if (route["Network"] == "default") {
            EXPECT_EQ(route["Source"], "DHCP");
        }
    }
    EXPECT_EQ(Talix("network ip route ipv4 remove -n 10.77.0.0/16 -g 10.20.0.254").status, 0);
    routes = KernelRoutes();
    EXPECT_EQ(std::find(routes.begin(), routes.end(), "10.77.0.0/16 via 10.20.0.254 dev ip0"), routes.end());
}

TEST_F(IpStack, TheKernelDecidesWhatExistsAndSaysWhyItRefuses) {
    ASSERT_EQ(Talix("network ip route ipv4 add -n 10.77.0.0/16 -g 10.20.0.254").status, 0);
    // Another program's route counts as much as ours: the kernel is asked, not an earlier read.
    MustSh("ip route add 10.78.0.0/16 via 10.20.0.254");
    ExpectRefusals({
        {"network ip route ipv4 add -n 10.77.0.0/16 -g 10.20.0.254", "A route to 10.77.0.0/16 already exists"},
        {"network ip route ipv4 add -n 10.78.0.0/16 -g 10.20.0.254", "A route to 10.78.0.0/16 already exists"},
        {"network ip route ipv4 remove -n 10.79.0.0/16 -g 10.20.0.254", "No route to 10.79.0.0/16 via 10.20.0.254"},
        // No connected network holds the gateway: the kernel's own reason.
        {"network ip route ipv4 add -n 10.80.0.0/16 -g 10.99.0.1", "Network is unreachable"},
        {"network ip route ipv4 list -N nosuchstack", "Netstack instance nosuchstack does not exist"},
    });
    const auto before = KernelRoutes();
    TalixError("network ip route ipv4 add -n 10.80.0.0/16 -g 10.99.0.1");
    EXPECT_EQ(KernelRoutes(), before);
    // ... and another program's route can be removed as well as listed.
    EXPECT_EQ(Talix("network ip route ipv4 remove -n 10.78.0.0/16 -g 10.20.0.254").status, 0);
    EXPECT_EQ(MustSh("ip route show 10.78.0.0/16"), "");
}

// IPv6 routes: the same main table; "default" with another gateway than
// the default route's is refused by the command, the rest by the kernel.
TEST_F(IpStack, Ipv6RoutesAreTheKernelsAndChangesReachIt) {
    MustSh("ip -6 addr add 2001:db8:20::1/64 dev ip0 nodad");
    EXPECT_EQ(ListedIpv6Routes(), KernelRoutes("-6"));
    EXPECT_EQ(Talix("network ip route ipv6 add -n 2001:db8:77::/48 -g 2001:db8:20::fe").status, 0);
    EXPECT_EQ(Talix("network ip route ipv6 add -n default -g 2001:db8:20::fd").status, 0);
    auto routes = KernelRoutes("-6");
    for (const char* added : {"2001:db8:77::/48 via 2001:db8:20::fe dev ip0", "default via 2001:db8:20::fd dev ip0"}) {
        EXPECT_NE(std::find(routes.begin(), routes.end(), added), routes.end()) << added;
    }
    EXPECT_EQ(ListedIpv6Routes(), routes);

    ExpectRefusals({
        {"network ip route ipv6 add -n 2001:db8:77::/48 -g 2001:db8:20::fe",
         "A route to 2001:db8:77::/48 already exists"},
        {"network ip route ipv6 add -n 2001:db8:78::/48 -g 2001:db8:99::1",
         "Cannot add the route to 2001:db8:78::/48 via 2001:db8:99::1: No route to host"},
        {"network ip route ipv6 remove -n 2001:db8:79::/48 -g 2001:db8:20::fe",
         "No route to 2001:db8:79::/48 via 2001:db8:20::fe"},
        {"network ip route ipv6 remove -n default -g 2001:db8:20::fc", "2001:db8:20::fc is not a default route."},
    });
    EXPECT_EQ(KernelRoutes("-6"), routes);

    EXPECT_EQ(Talix("network ip route ipv6 remove -n 2001:db8:77::/48 -g 2001:db8:20::fe").status, 0);
    EXPECT_EQ(Talix("network ip route ipv6 remove -n default -g 2001:db8:20::fd").status, 0);
    EXPECT_EQ(MustSh("ip -6 route show 2001:db8:77::/48; ip -6 route show default"), "");
}

TEST_F(IpStack, NeighboursComeFromTheCacheWithTheirKindAndGoFromIt) {
    MustSh("ip neigh add 10.20.0.9 lladdr 02:00:00:00:00:09 dev ip0 nud permanent");
    MustSh("ip neigh add 10.20.0.8 lladdr 02:00:00:00:00:08 dev ip0 nud reachable");
    auto listed = TalixJson("network ip neighbor list -v 4");
    std::map<std::string, nlohmann::json> byAddress;
    for (const auto& entry : listed) byAddress[entry["Neighbor"]] = entry;
    ASSERT_EQ(byAddress.count("10.20.0.9"), 1u) << listed.dump();
    ASSERT_EQ(byAddress.count("10.20.0.8"), 1u) << listed.dump();
    EXPECT_EQ(byAddress["10.20.0.9"]["Mac Address"], "02:00:00:00:00:09");
    EXPECT_EQ(byAddress["10.20.0.9"]["Lmxnic"], "lmx1");
    EXPECT_EQ(byAddress["10.20.0.9"]["Type"], "Static");
    EXPECT_EQ(byAddress["10.20.0.8"]["Type"], "Dynamic");
    EXPECT_EQ(byAddress["10.20.0.9"]["State"], "");
    // A reachable entry expires when the device's reachable time has passed
    // since its confirmation (just now); a permanent one never does.
    int64_t reachable = 0;
    for (const auto& table : IpJson("-4 ntable show dev ip0")) reachable = table["reachable"].get<int64_t>() / 1000;
    EXPECT_LE(byAddress["10.20.0.8"]["Expiry"].get<int64_t>(), reachable);
    EXPECT_GE(byAddress["10.20.0.8"]["Expiry"].get<int64_t>(), reachable - 2);
    EXPECT_EQ(byAddress["10.20.0.9"]["Expiry"], 0);
    EXPECT_EQ(TalixError("network ip neighbor list -v 4 -i lmx2"),
              "Unable to find a Lumex interface with the name lmx2\n");

    EXPECT_EQ(Talix("network ip neighbor remove -v 4 -a 10.20.0.9 -i lmx1").status, 0);
    EXPECT_EQ(MustSh("ip neigh show 10.20.0.9 dev ip0"), "");
    EXPECT_NE(TalixError("network ip neighbor remove -v 4 -a 10.20.0.9").find("Neighbor 10.20.0.9 not found"),
              std::string::npos);
}

TEST_F(IpStack, NetstacksAreNamespacesWithTheirOwnSettings) {
    MustSh("ip netns add tstack && ip netns exec tstack sysctl -qw net.ipv4.tcp_ecn=2");
    // What a namespace left behind when it went (an empty file), or a folder, is no netstack.
    MustSh("touch /run/netns/gone && mkdir /run/netns/folder");
    ExpectRefusals({
        {"network ip netstack get -N gone", "Unable to find a Netstack instance gone"},
        {"network ip route ipv4 list -N gone", "Netstack instance gone does not exist"},
        {"network ip interface list -N folder", "Netstack instance folder does not exist"},
    });
    auto listed = TalixJson("network ip netstack list");
    MustSh("rm /run/netns/gone && rmdir /run/netns/folder");
    ASSERT_EQ(listed.size(), 2u) << listed.dump();
    EXPECT_EQ(listed[0]["Key"], "defaultTcpipStack");
    EXPECT_EQ(listed[1]["Key"], "tstack");
    auto instance = TalixJson("network ip netstack get -N tstack");
    ASSERT_EQ(instance.size(), 1u);
    EXPECT_EQ(instance[0]["ECN Status"], "echo-only");
    std::string algorithm = MustSh("ip netns exec tstack cat /proc/sys/net/ipv4/tcp_congestion_control");
    algorithm.erase(algorithm.find_last_not_of('\n') + 1);
    EXPECT_EQ(instance[0]["Congestion Control Algorithm"], algorithm);
    // A route read in another netstack is that namespace's.
    MustSh("ip -n tstack link set lo up && ip -n tstack route add 10.55.0.0/16 dev lo");
    auto routes = TalixJson("network ip route ipv4 list -N tstack");
    ASSERT_EQ(routes.size(), 1u) << routes.dump();
    EXPECT_EQ(routes[0]["Network"], "10.55.0.0");
    EXPECT_EQ(routes[0]["Interface"], "lo");
    MustSh("ip netns del tstack");
}

TEST_F(IpStack, InterfacesAreTheDevicesWithAnInterfaceName) {
    MustSh("ip addr add 2001:db8:20::1/64 dev ip0 nodad && ip route add default via 10.20.0.254");
    auto listed = TalixJson("network ip interface list");
    ASSERT_EQ(listed.size(), 1u) << listed.dump();  // ip1 and lo carry no lmxN name
    EXPECT_EQ(listed[0]["Name"], "lmx1");
    EXPECT_EQ(listed[0]["MTU"], std::stoi(SysNet("ip0", "mtu")));
    EXPECT_EQ(listed[0]["MAC Address"], SysNet("ip0", "address"));
    EXPECT_EQ(listed[0]["Enabled"], true);
    EXPECT_EQ(listed[0]["Netstack Instance"], "N/A");  // attached to no switch of the host
    EXPECT_EQ(listed[0]["TSO MSS"], 65535);
    EXPECT_EQ(listed[0]["RXDispQueue Size"], IpJson("-d link show dev ip0")[0]["num_rx_queues"]);

    auto ipv4 = TalixJson("network ip interface ipv4 get -i lmx1");
    ASSERT_EQ(ipv4.size(), 1u) << ipv4.dump();
    EXPECT_EQ(ipv4[0]["IPv4 Address"], "10.20.0.1");
    EXPECT_EQ(ipv4[0]["IPv4 Netmask"], "255.255.255.0");
    EXPECT_EQ(ipv4[0]["Gateway"], "10.20.0.254");
    EXPECT_EQ(ipv4[0]["DHCP DNS"], false);

    auto ipv6 = TalixJson("network ip interface ipv6 address list -i lmx1");
    ASSERT_EQ(ipv6.size(), 1u) << ipv6.dump();  // the link-local address is not listed
    EXPECT_EQ(ipv6[0]["Address"], "2001:db8:20::1");
    EXPECT_EQ(ipv6[0]["Netmask"], 64);
    EXPECT_EQ(ipv6[0]["Type"], "STATIC");
    EXPECT_EQ(ipv6[0]["Status"], "PREFERRED");

    EXPECT_EQ(Talix("network ip interface set -i lmx1 -m 1400 -e false").status, 0);
    EXPECT_EQ(SysNet("ip0", "mtu"), "1400");
    EXPECT_EQ(IpJson("link show dev ip0")[0]["flags"].dump().find("\"UP\""), std::string::npos);
    EXPECT_NE(TalixError("network ip interface set -i lmx7 -m 1400").find("lmx7"), std::string::npos);
}

// A device named lmxN is that interface; one carrying several such
// alternative names is the interface of the lowest, whatever their order.
TEST_F(IpStack, ADevicesOwnNameOrItsLowestInterfaceNameNamesIt) {
    Veth("lmx5", "ip5");
    Veth("ip2", "ip3");
    MustSh("ip link property add dev ip2 altname lmx9 && ip link property add dev ip2 altname lmx3");
    std::vector<std::string> names;
    for (const auto& interface : TalixJson("network ip interface list")) names.push_back(interface["Name"]);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"lmx1", "lmx3", "lmx5"}));
    EXPECT_EQ(Talix("network ip interface set -i lmx5 -m 1400").status, 0);
    EXPECT_EQ(SysNet("lmx5", "mtu"), "1400");
    EXPECT_EQ(Talix("network ip interface set -i lmx3 -m 1300").status, 0);
    EXPECT_EQ(SysNet("ip2", "mtu"), "1300");
    ExpectRefusals({{"network ip interface set -i lmx9 -m 1400", "lmx9"}});
    EXPECT_EQ(SysNet("ip2", "mtu"), "1300");
}

// A command is all or nothing across its host operations: an MTU the host
// refuses takes back the device's state change before it. A negative MTU is
// the command's own check, after which that change stays.
TEST_F(IpStack, AFailedLaterOperationTakesBackTheCommandsEarlierOnes) {
    auto isUp = [this] { return IpJson("link show dev ip0")[0]["flags"].dump().find("\"UP\"") != std::string::npos; };
    ASSERT_TRUE(isUp());
    const Outcome refused = Talix("network ip interface set -i lmx1 -e false -m 100");
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find("MTU 100 is out of range"), std::string::npos) << refused.err;
    EXPECT_TRUE(isUp());

    EXPECT_EQ(TalixError("network ip interface set -i lmx1 -e false -m -5"), "MTU size should be a positive value\n");
    EXPECT_FALSE(isUp());
}

// Interfaces and NICs read a device's link through one parser, and an
// interface object keeps the device it located: two devices set apart from
// the defaults and from each other show a field read from the wrong
// attribute, or one device's values shown for another.
TEST_F(IpStack, InterfacesAndNicsShowEachDevicesOwnLink) {
    Veth("ip2", "ip3");
    MustSh("ip link property add dev ip2 altname lmx2");
    MustSh("ip link set dev ip0 mtu 1400 gso_max_size 30000 address 02:00:00:00:01:01");
    MustSh("ip link set dev ip2 mtu 1300 gso_max_size 20000 address 02:00:00:00:01:02");
    Nics({"ip0", "ip2"});
    auto kernel = [](const std::string& device) {
        auto link = IpJson("-d link show dev " + device)[0];
        link["up"] = link["flags"].dump().find("\"UP\"") != std::string::npos;
        return link;
    };

    const std::map<std::string, std::string> devices{{"lmx1", "ip0"}, {"lmx2", "ip2"}};
    const auto interfaces = TalixJson("network ip interface list");
    ASSERT_EQ(interfaces.size(), 2u) << interfaces.dump();
    for (const auto& listed : interfaces) {
        const std::string device = devices.at(listed["Name"]);
        const auto link = kernel(device);
        EXPECT_EQ(listed["MTU"], link["mtu"]) << device;
        EXPECT_EQ(listed["MAC Address"], link["address"]) << device;
        EXPECT_EQ(listed["TSO MSS"], link["gso_max_size"]) << device;
        EXPECT_EQ(listed["RXDispQueue Size"], link["num_rx_queues"]) << device;
        EXPECT_EQ(listed["Enabled"], link["up"]) << device;
    }

    const auto nics = TalixJson("network nic list");
    ASSERT_EQ(nics.size(), 2u) << nics.dump();
    for (const auto& nic : nics) {
        const auto link = kernel(nic["Name"]);
        EXPECT_EQ(nic["MTU"], link["mtu"]) << nic["Name"];
        EXPECT_EQ(nic["MAC Address"], link["address"]) << nic["Name"];
        EXPECT_EQ(nic["Admin Status"], link["up"] ? "Up" : "Down") << nic["Name"];
    }
}

TEST_F(IpStack, ADryRunSendsNothingAndShowsThePlan) {
    MustSh("ip neigh add 10.20.0.9 lladdr 02:00:00:00:00:09 dev ip0 nud permanent");
    const std::string before = MustSh("ip -j route show table all; ip -j neigh show; ip -j link show");
    const Outcome outcome = Talix("--dry-run network ip route ipv4 add -n 10.77.0.0/16 -g 10.20.0.254");
    EXPECT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_EQ(outcome.out, "route add 10.77.0.0/16 via 10.20.0.254 table main netstack defaultTcpipStack\n");
    EXPECT_EQ(Talix("--dry-run network ip neighbor remove -v 4 -a 10.20.0.9").status, 0);
    const auto plan = TalixJson("--dry-run network ip interface set -i lmx1 -m 1400 -e false");
    EXPECT_EQ(plan["plan"], nlohmann::json::array({"link set ip0 down netstack defaultTcpipStack",
                                                   "link set ip0 mtu 1400 netstack defaultTcpipStack"}))
        << plan.dump();
    EXPECT_EQ(plan["changes"], nlohmann::json::array());
    EXPECT_EQ(MustSh("ip -j route show table all; ip -j neigh show; ip -j link show"), before);
    // What the kernel would refuse is refused in the dry run too.
    ASSERT_EQ(Talix("network ip route ipv4 add -n 10.77.0.0/16 -g 10.20.0.254").status, 0);
    const Outcome refused = Talix("--dry-run network ip route ipv4 add -n 10.77.0.0/16 -g 10.20.0.254");
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find("A route to 10.77.0.0/16 already exists"), std::string::npos) << refused.err;
}

// A failing batch line takes back what the lines before it did, newest
// first, and says so: the kernel ends as it was.
TEST_F(IpStack, AFailingBatchLineTakesBackTheLinesBeforeIt) {
    const std::string before = MustSh("ip -j route show table all");
    const Outcome outcome = TalixBatch({"network ip route ipv4 add -n 10.77.0.0/16 -g 10.20.0.254",
                                        "network ip route ipv4 add -n 10.79.0.0/16 -g 10.20.0.254",
                                        "network ip route ipv4 add -n 10.78.0.0/16 -g 10.99.0.1"});
    EXPECT_EQ(outcome.status, 1);
    EXPECT_NE(outcome.err.find("Error: the batch stopped at line 3; lines 1 and 2 were taken back (undone: route del "
                               "10.79.0.0/16 via 10.20.0.254 table main netstack "
                               "defaultTcpipStack; route del 10.77.0.0/16 via 10.20.0.254 table main netstack "
                               "defaultTcpipStack).\n"),
              std::string::npos)
        << outcome.err;
    EXPECT_EQ(MustSh("ip -j route show table all"), before);
}

// Each device's name, MTU, administrative state, address and altnames: its
// carrier comes back a moment after it is up again, so it is left out.
std::string Links() {
    std::string links;
    for (const auto& link : IpJson("link show")) {
        const std::string flags = link["flags"].dump();
        links += link["ifname"].get<std::string>() + " mtu " + std::to_string(link["mtu"].get<int>()) +
                 (flags.find("\"UP\"") != std::string::npos ? " up " : " down ") + link.value("address", "") + " " +
                 link.value("altnames", nlohmann::json::array()).dump() + "\n";
    }
    return links;
}

// Every kind of change a line can make, taken back when the fifth line
// fails: a route removed (with its metric and protocol), a permanent
// neighbour removed, a device's MTU and state, a file that did not exist.
TEST_F(IpStack, ABatchThatStopsLeavesTheKernelAsItWas) {
    Veth("up0", "up1");
    MustSh("sysctl -qw net.ipv6.conf.up0.disable_ipv6=1 net.ipv6.conf.up1.disable_ipv6=1");
    MustSh("ip link property add dev up0 altname lmx2 && ip link set up0 up && ip link set up1 up");
    MustSh("ip route add 10.60.0.0/16 via 10.20.0.254 dev ip0 proto static metric 7");
    MustSh("ip neigh add 10.20.0.9 lladdr 02:00:00:00:00:09 dev ip0 nud permanent");
    MustSh("rm -f /etc/resolv.conf");
    const std::string dumps = "ip -j route show table all; ip -j neigh show; ls /etc; cat /etc/hosts";
    const std::string before = MustSh(dumps), linksBefore = Links();
    const Outcome outcome = TalixBatch({
        "network ip route ipv4 remove -n 10.60.0.0/16 -g 10.20.0.254",
        "network ip neighbor remove -v 4 -a 10.20.0.9 -i lmx1",
        "network ip interface set -i lmx2 -m 1400 -e false",
        "network ip dns server add -s 10.20.0.54",
        "network ip route ipv4 add -n 10.78.0.0/16 -g 10.99.0.1",
    });
    EXPECT_EQ(outcome.status, 1);
    EXPECT_NE(outcome.err.find("Error: the batch stopped at line 5; lines 1 to 4 were taken back (undone: remove "
                               "/etc/resolv.conf; link set up0 mtu 1500 netstack defaultTcpipStack; link set up0 up "
                               "netstack defaultTcpipStack; neighbor add 10.20.0.9 lladdr 02:00:00:00:00:09 dev lmx1 "
                               "nud permanent netstack defaultTcpipStack; route add 10.60.0.0/16 via 10.20.0.254 dev "
                               "lmx1 protocol static metric 7 scope global table main netstack defaultTcpipStack).\n"),
              std::string::npos)
        << outcome.err;
    EXPECT_EQ(MustSh(dumps), before);
    EXPECT_EQ(Links(), linksBefore);

    // A file that existed gets its content back; lines count as the file does.
    const std::string hosts = MustSh("cat /etc/hosts");
    const Outcome second =
        TalixBatch({"network ip hosts add -I 10.20.0.7 -H store.lab", "# a comment", "network ip nosuch"});
    EXPECT_NE(second.err.find("Error: the batch stopped at line 3; line 1 was taken back (undone: write /etc/hosts: "
                              "its previous content).\n"),
              std::string::npos)
        << second.err;
    EXPECT_EQ(MustSh("cat /etc/hosts"), hosts);
}

// A way back that fails is named with the kernel's reason: taking a device
// down drops the routes through it, so the route a line added is gone when
// its removal is tried.
TEST_F(IpStack, AWayBackThatFailsIsReported) {
    const Outcome outcome = TalixBatch({"network ip route ipv4 add -n 10.77.0.0/16 -g 10.20.0.254",
                                        "network ip interface set -i lmx1 -e false", "network ip nosuch"});
    EXPECT_EQ(outcome.status, 2);
    EXPECT_NE(outcome.err.find("Error: the batch stopped at line 3; line 2 was taken back, line 1 could not be in full "
                               "(undone: link set ip0 up netstack defaultTcpipStack; could not be undone: route del "
                               "10.77.0.0/16 via 10.20.0.254 table main netstack defaultTcpipStack (No such process"),
              std::string::npos)
        << outcome.err;
    EXPECT_NE(IpJson("link show dev ip0")[0]["flags"].dump().find("\"UP\""), std::string::npos);
}

// Every kind of change asks for the capability before its first step: a
// change that went around the check would show here as a changed kernel or file.
TEST_F(IpStack, WithoutTheNetworkCapabilityNothingIsChanged) {
    MustSh("ip neigh add 10.20.0.9 lladdr 02:00:00:00:00:09 dev ip0 nud permanent");
    MustSh("ip -6 addr add 2001:db8:20::1/64 dev ip0 nodad");
    MustSh("printf 'nameserver 10.20.0.53\\n' > /etc/resolv.conf");
    const std::string state =
        "ip -j route show table all; ip -j link show; ip -j addr show; ip -j neigh show; "
        "cat /etc/resolv.conf /etc/hosts /proc/sys/net/ipv6/conf/ip0/accept_ra "
        "/proc/sys/net/ipv6/conf/all/disable_ipv6";
    const std::string before = MustSh(state);
    const std::map<std::string, std::string> environment = {{"TALIX_HOST", "linux"}, {"TALIX_HOST_ROOT", HostRoot()}};
    for (const char* change : {
             "network ip route ipv4 add -n 10.77.0.0/16 -g 10.20.0.254",
             "network ip route ipv6 add -n 2001:db8:77::/48 -g 2001:db8:20::fe",
             "network ip interface set -i lmx1 -m 1400",
             "network ip interface ipv4 set -i lmx1 -t static -I 10.20.0.5 -N 255.255.255.0",
             "network ip interface ipv6 set -i lmx1 -r false",
             "network ip interface ipv6 address add -i lmx1 -I 2001:db8:20::5/64",
             "network ip neighbor remove -a 10.20.0.9 -v 4",
             "network ip set -e false",
             "network ip dns server add -s 10.20.0.54",
             "network ip hosts add -I 10.20.0.7 -H store.lab",
         }) {
        std::vector<std::string> argv = {"setpriv", "--bounding-set=-net_admin", TALIXCLI_BINARY};
        std::istringstream words(change);
        for (std::string word; words >> word;) argv.push_back(word);
        const Outcome outcome = LinuxHostTest::Run(argv, environment);
        EXPECT_EQ(outcome.status, 1) << change << ": " << outcome.err;
        EXPECT_NE(outcome.err.find("needs the CAP_NET_ADMIN capability"), std::string::npos) << outcome.err;
    }
    EXPECT_EQ(MustSh(state), before);
}

// The resolver file keeps what it holds besides servers and search domains;
// one that a daemon manages through a link is read but not changed; one
// mounted over /etc/resolv.conf (as containers do) is rewritten in place.
TEST_F(IpStack, ResolverSettingsAreTheResolverFile) {
    MustSh("printf '# kept\\noptions edns0\\nnameserver 10.20.0.53\\nsearch example.org\\n' > /etc/resolv.conf");
    auto servers = TalixJson("network ip dns server list");
    ASSERT_EQ(servers.size(), 1u) << servers.dump();
    EXPECT_EQ(Talix("network ip dns server add -s 10.20.0.54").status, 0);
    EXPECT_EQ(Talix("network ip dns search add -d lab.example.org").status, 0);
    EXPECT_EQ(
        MustSh("cat /etc/resolv.conf"),
        "# kept\noptions edns0\nnameserver 10.20.0.53\nnameserver 10.20.0.54\nsearch example.org lab.example.org\n");
    EXPECT_NE(TalixError("network ip dns server add -s 10.20.0.54").find("DNS server 10.20.0.54 is already configured"),
              std::string::npos);

    // A dry run shows the write and does not make it.
    const Outcome planned = Talix("--dry-run network ip dns server remove -s 10.20.0.53");
    EXPECT_NE(planned.out.find("write /etc/resolv.conf: nameserver 10.20.0.54, search example.org lab.example.org"),
              std::string::npos)
        << planned.out;
    EXPECT_NE(MustSh("cat /etc/resolv.conf").find("10.20.0.53"), std::string::npos);

    MustSh(
        "mkdir -p /run/resolver && printf 'nameserver 10.9.9.9\\n' > /run/resolver/stub.conf && "
        "ln -sf /run/resolver/stub.conf /etc/resolv.conf");
    EXPECT_EQ(TalixJson("network ip dns server list").size(), 1u);
    EXPECT_NE(TalixError("network ip dns server add -s 10.20.0.55").find("is a symbolic link"), std::string::npos);
    EXPECT_EQ(MustSh("cat /run/resolver/stub.conf"), "nameserver 10.9.9.9\n");

    MustSh("rm /etc/resolv.conf && touch /etc/resolv.conf && mount --bind /run/resolver/stub.conf /etc/resolv.conf");
    EXPECT_EQ(Talix("network ip dns server add -s 10.20.0.55").status, 0);
    EXPECT_EQ(MustSh("cat /run/resolver/stub.conf"), "nameserver 10.9.9.9\nnameserver 10.20.0.55\n");
    MustSh("umount /etc/resolv.conf");

    // Another netstack's file, below the folder that stands for /etc.
    const std::string prefix = HostRoot() + "/etc";
    MustSh("ip netns add dnsstack && mkdir -p " + prefix + "/netns/dnsstack");
    EXPECT_EQ(Talix("network ip dns server add -N dnsstack -s 10.30.0.53", {{"TALIX_LINUX_ETC", prefix}}).status, 0);
    EXPECT_EQ(MustSh("cat " + prefix + "/netns/dnsstack/resolv.conf"), "nameserver 10.30.0.53\n");
    MustSh("ip netns del dnsstack");
}

// A netstack that `ip netns add` made has no resolver file of its own: its
// programs resolve through the system's, which is what it shows, and its
// first change makes it a file (and the folders) of its own from the
// system's. A batch that fails takes the folders back too.
TEST_F(IpStack, ANetstacksFirstResolverChangeStartsFromTheSystemsFile) {
    const std::string system = "# system\noptions edns0\nnameserver 10.20.0.53\nsearch example.org\n";
    MustSh("printf '" + system + "' > /etc/resolv.conf && rm -rf /etc/netns && ip netns add dnsown");
    EXPECT_EQ(TalixJson("network ip dns server list -N dnsown")["DNS Servers"], nlohmann::json::array({"10.20.0.53"}));

    const std::string plan = Talix("--dry-run network ip dns server add -N dnsown -s 10.30.0.53").out;
    EXPECT_NE(
        plan.find("create folder /etc/netns\ncreate folder /etc/netns/dnsown\nwrite /etc/netns/dnsown/resolv.conf"),
        std::string::npos)
        << plan;
    EXPECT_EQ(Sh("test -e /etc/netns").status, 1);

    const Outcome stopped = TalixBatch({"network ip dns server add -N dnsown -s 10.30.0.53", "network ip nosuch"});
    EXPECT_NE(stopped.err.find("line 1 was taken back (undone: remove /etc/netns/dnsown/resolv.conf; remove folder "
                               "/etc/netns/dnsown; remove folder /etc/netns)"),
              std::string::npos)
        << stopped.err;
    EXPECT_EQ(Sh("test -e /etc/netns").status, 1);

    EXPECT_EQ(Talix("network ip dns server add -N dnsown -s 10.30.0.53").status, 0);
    EXPECT_EQ(MustSh("cat /etc/netns/dnsown/resolv.conf"),
              "# system\noptions edns0\nnameserver 10.20.0.53\nnameserver 10.30.0.53\nsearch example.org\n");
    EXPECT_EQ(MustSh("cat /etc/resolv.conf"), system);
    MustSh("ip netns del dnsown && rm -rf /etc/netns");
}

// Search domains and servers are listed and removed in the resolver file,
// whose other lines stay; what it does not hold is refused by name.
TEST_F(IpStack, ResolverEntriesAreListedAndRemovedInTheFile) {
    MustSh(
        "printf '# kept\\nnameserver 10.20.0.53\\nnameserver 10.20.0.54\\nsearch example.org lab.example.org\\n' "
        "> /etc/resolv.conf");
    EXPECT_EQ(TalixJson("network ip dns search list")["DNS Search Domains"],
              nlohmann::json::array({"example.org", "lab.example.org"}));
    EXPECT_EQ(Talix("network ip dns search remove -d example.org").status, 0);
    EXPECT_EQ(Talix("network ip dns server remove -s 10.20.0.53").status, 0);
    EXPECT_EQ(MustSh("cat /etc/resolv.conf"), "# kept\nnameserver 10.20.0.54\nsearch lab.example.org\n");
    EXPECT_NE(
        TalixError("network ip dns search remove -d example.org").find("Search domain example.org is not configured"),
        std::string::npos);
    EXPECT_NE(TalixError("network ip dns server remove -s 10.20.0.53").find("DNS server 10.20.0.53 is not configured"),
              std::string::npos);
    EXPECT_EQ(Talix("network ip dns server remove -a").status, 0);
    EXPECT_EQ(MustSh("cat /etc/resolv.conf"), "# kept\nsearch lab.example.org\n");
    EXPECT_EQ(TalixJson("network ip dns server list")["DNS Servers"], nlohmann::json::array());
}

// A file the system will not let change (here /etc read-only) fails each
// resolver and hosts change with the system's reason, and none is written.
TEST_F(IpStack, EtcChangesTheSystemRefusesSayWhy) {
    MustSh("printf 'nameserver 10.20.0.53\\nsearch example.org\\n' > /etc/resolv.conf");
    MustSh("printf '127.0.0.1 localhost\\n# --- user specified entries ---\\n10.20.0.7\\tstore.lab\\n' > /etc/hosts");
    const std::string before = MustSh("cat /etc/resolv.conf /etc/hosts");
    MustSh("mount -o remount,bind,ro /etc");
    ExpectRefusals({
        {"network ip dns server add -s 10.20.0.54", "Cannot write /etc/resolv.conf: Read-only file system"},
        {"network ip dns server remove -s 10.20.0.53", "Cannot write /etc/resolv.conf: Read-only file system"},
        {"network ip dns search add -d lab.org", "Cannot write /etc/resolv.conf: Read-only file system"},
        {"network ip dns search remove -d example.org", "Cannot write /etc/resolv.conf: Read-only file system"},
        {"network ip hosts add -I 10.20.0.8 -H web.lab", "Cannot write /etc/hosts: Read-only file system"},
        {"network ip hosts remove -I 10.20.0.7 -H store.lab", "Cannot write /etc/hosts: Read-only file system"},
    });
    MustSh("mount -o remount,bind,rw /etc");
    EXPECT_EQ(MustSh("cat /etc/resolv.conf /etc/hosts"), before);
}

// The hosts file's own lines stay byte for byte; only user entries, below
// the marker, are listed, added and removed.
TEST_F(IpStack, HostsEntriesAreTheHostsFile) {
    const std::string system = "127.0.0.1\tlocalhost\n::1 localhost ip6-localhost\n# a comment\n";
    MustSh("printf '" + system + "' > /etc/hosts");
    EXPECT_EQ(TalixJson("network ip hosts list").size(), 0u);
    EXPECT_EQ(Talix("network ip hosts add -I 10.20.0.7 -H store.lab -A store -C rack").status, 0);
    EXPECT_EQ(MustSh("cat /etc/hosts"),
              system + "# --- user specified entries ---\n10.20.0.7\tstore.lab store\t# rack\n");
    auto listed = TalixJson("network ip hosts list");
    ASSERT_EQ(listed.size(), 1u) << listed.dump();
    EXPECT_NE(TalixError("network ip hosts remove -I 127.0.0.1 -H localhost").find("is a system entry"),
              std::string::npos);
    EXPECT_NE(Talix("--dry-run network ip hosts remove -I 10.20.0.7 -H store.lab")
                  .out.find("write /etc/hosts: remove 10.20.0.7 store.lab"),
              std::string::npos);
    EXPECT_EQ(Talix("network ip hosts remove -I 10.20.0.7 -H store.lab").status, 0);
    EXPECT_EQ(MustSh("cat /etc/hosts"), system + "# --- user specified entries ---\n");
}

// A read of a device or a netstack that is not there names what is missing.
TEST_F(IpStack, ReadsOfWhatIsNotThereNameIt) {
    ExpectRefusals({
        {"network ip interface ipv4 address list -i lmx9", "Unable to find a Lumex interface with the name lmx9"},
        {"network ip interface ipv6 address list -i lmx9", "Unable to find a Lumex interface with the name lmx9"},
        {"network ip interface ipv6 get -n lmx9", "Unable to find a Lumex interface with the name lmx9"},
        {"network ip netstack get -N nosuch", "Unable to find a Netstack instance nosuch"},
        {"network ip interface list -N nosuch", "Netstack instance nosuch does not exist"},
        {"network ip route ipv6 list -N nosuch", "Netstack instance nosuch does not exist"},
        {"network ip neighbor list -N nosuch", "Netstack instance nosuch does not exist"},
        {"network ip dns search list -N nosuch", "Netstack instance nosuch does not exist"},
    });
}

TEST_F(IpStack, WhatIsNotMappedRefusesInOneSentence) {
    const std::string error = TalixError("network ip ipsec sa list");
    EXPECT_NE(error.find("IPsec security associations cannot be managed on a Linux host yet"), std::string::npos)
        << error;
    EXPECT_EQ(Talix("network ip ipsec sa list").status, 1);
}

TEST_F(IpStack, VersionNamesTheLinuxHost) {
    const Outcome outcome = Talix("--version");
    EXPECT_NE(outcome.out.find("/plugins/linux/libnetwork.so: network (Linux kernel host)"), std::string::npos)
        << outcome.out;
}

}  // namespace
}  // namespace LinuxHostTest
