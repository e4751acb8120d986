// Builds a large host root section by section. Names and addresses follow
// simple patterns so that benchmarks and checks can name any object:
//   host interface i: lmx<i>, 10.200.<i>.11/24 and 2001:db8:200:<i hex>::11/64;
//   standard switch s: vs-scale-<ss> with uplinks, VM ports and the first host interfaces;
//   the other host interfaces: ports of the distributed switch cds-scale;
//   VM v: world 2100000 + 16 v, named "lead:vm<vvvv>", ports vm<vvvv>.eth<p>.
#include "LargeHost.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <vector>

#include <nlohmann/json.hpp>

namespace TalixBench {

namespace {

using Json = nlohmann::ordered_json;

constexpr size_t kMaxLmxnics = 4096;  // their networks are 10.200.0.0/24 to 10.215.255.0/24
constexpr size_t kHostPortLimit = 4608;
constexpr size_t kNeighborsPerInterface = 230;  // 10.200.<i>.20 .. .249
constexpr long kStandardPortBase = 0x4000000;
constexpr long kStandardPortStride = 0x1000000;
constexpr long kDistributedPortBase = 50331649;
const char* const kDefaultStack = "defaultTcpipStack";

std::string Format(const char* format, unsigned long a, unsigned long b = 0, unsigned long c = 0) {
    char text[96];
    std::snprintf(text, sizeof text, format, a, b, c);
    return text;
}

std::string Ipv6Interface(size_t index, const char* host) {
    // 2001:db8:200:<i>::<host>, with the zero group of lmx0 compressed.
    if (index == 0) return std::string("2001:db8:200::") + host;
    return Format("2001:db8:200:%lx::", index) + host;
}

std::string Mac(unsigned long prefix, size_t index) {
    return Format("02:%02lx:%02lx", prefix >> 8, prefix & 0xff) +
           Format(":%02lx:%02lx:%02lx", (index >> 16) & 0xff, (index >> 8) & 0xff, index & 0xff);
}

// The first three bytes of host interface i's IPv4 network, with the dot: "10.200.<i>." up to lmx255.
std::string LmxIpv4Prefix(size_t index) { return Format("10.%lu.%lu.", 200 + index / 256, index % 256); }

std::string Dump(const Json& document) { return document.dump(1) + "\n"; }

// How the host interfaces and VM ports are spread over the switches.
struct Layout {
    explicit Layout(const LargeHostSize& size)
        : standardLmx(std::min(size.lmxnics, 2 * size.switches)),
          vmPorts(size.vms * size.portsPerVm),
          vmPortsPerSwitch(size.switches == 0 ? 0 : (vmPorts + size.switches - 1) / size.switches),
          uplinksPerSwitch(size.switches == 0 ? 0 : size.pnics / size.switches),
          distributedLmx(size.lmxnics - standardLmx) {}

    size_t SwitchOfVmPort(size_t port) const { return port / vmPortsPerSwitch; }
    size_t SwitchOfLmx(size_t lmx, size_t switches) const { return lmx % switches; }

    size_t standardLmx;
    size_t vmPorts;
    size_t vmPortsPerSwitch;
    size_t uplinksPerSwitch;
    size_t distributedLmx;
};

const char* const kDaemons[] = {"shelld", "talixd", "agentd", "ntpd",  "snmpd",   "cimd",
                                "proxyd", "nfcd",   "dcbd",   "lacpd", "iosched", "syslogd"};
constexpr size_t kDaemonCount = sizeof kDaemons / sizeof kDaemons[0];
long DaemonWorldId(size_t index) { return 2101 + static_cast<long>(index) * 101; }

// Two functions per bus from bus 0x10 on; buses past 0xff go on to the next domain.
std::string PciAddress(size_t pnic) {
    unsigned long bus = 0x10 + pnic / 2;
    return Format("%04lx:%02lx:00.", bus >> 8, bus & 0xff) + std::to_string(pnic % 2);
}

Json Pnics(const LargeHostSize& size) {
    Json pnics = Json::array();
    for (size_t p = 0; p < size.pnics; ++p) {
        uint64_t seed = 1000003ull * (p + 1);
        pnics.push_back(
            {{"name", "pnic" + std::to_string(p)},
             {"driver", "cvx10"},
             {"pciAddress", PciAddress(p)},
             {"macAddress", Mac(0x4c71, 0x100000 + p * 16)},
             {"speed", 10000},
             {"duplex", 1},
             {"vendorName", "Corvane Networks"},
             {"deviceName", "CX-4200 10GbE SFP+ Adapter"},
             {"driverVersion", "2.4.1"},
             {"firmwareVersion", "7.10 0x80009f1c"},
             {"supportedPorts", {4}},
             {"port", 4},
             {"linkModes",
              {{{"speed", 1000}, {"duplex", 1}, {"media", 3}}, {{"speed", 10000}, {"duplex", 1}, {"media", 9}}}},
             {"ring", {{"rx", 1024}, {"tx", 1024}}},
             {"stats",
              {{"rxPackets", seed * 917},
               {"txPackets", seed * 713},
               {"rxBytes", seed * 917 * 1100},
               {"txBytes", seed * 713 * 900},
               {"rxDropped", p * 3},
               {"rxMulticast", seed},
               {"rxBroadcast", seed / 2}}},
             {"netqueue", {{"txQueues", 8}, {"rxQueues", 8}, {"maxTxQueues", 16}, {"maxRxQueues", 16}}}});
    }
    return {{"pnics", pnics}};
}

struct SwitchSections {
    Json vswitches;
    Json dvswitches;
    Json datapath;
    std::vector<long> lmxPortIds;  // by interface
};

Json PortDatapath(size_t port, const std::string& uplink, size_t filters) {
    static const char* const kFilters[] = {"guestfw", "flowmon", "ids", "dlp"};
    uint64_t seed = 7919ull * (port + 1);
    Json datapath = {{"clientIpv4", Format("172.20.%lu.%lu", (port / 250) % 256, port % 250 + 1)},
                     {"teamUplink", uplink},
                     {"stats",
                      {{"rxPackets", seed * 31},
                       {"txPackets", seed * 29},
                       {"rxBytes", seed * 31 * 800},
                       {"txBytes", seed * 29 * 700},
                       {"rxBroadcast", seed / 10},
                       {"rxMulticast", seed / 5},
                       {"rxDropped", port % 17}}},
                     {"filters", Json::array()}};
    for (size_t f = 0; f < filters; ++f) {
        std::string agent = kFilters[f % 4];
        if (f >= 4) agent += std::to_string(f / 4);
        datapath["filters"].push_back({{"name", "dvfilter-" + agent},
                                       {"sortKey", "agent-" + agent},
                                       {"extended", f == 0},
                                       {"reverse", f % 2 == 1},
                                       {"in", seed * 29},
                                       {"out", seed * 29 - port % 5},
                                       {"dropped", port % 5}});
    }
    return datapath;
}

Json Portgroups(const LargeHostSize& size, size_t s, const std::string& hostGroup, const std::string& vmGroup) {
    Json groups = {{{"name", hostGroup}, {"vlanId", 0}},
                   {{"name", vmGroup}, {"vlanId", 100 + s}, {"security", {{"allowPromiscuous", false}}}}};
    for (size_t g = 2; g < size.portgroupsPerSwitch; ++g) {
        groups.push_back({{"name", SpareGroupName(s, g)}, {"vlanId", 1000 + g % 3000}});
    }
    return groups;
}

SwitchSections Switches(const LargeHostSize& size, const Layout& layout) {
    SwitchSections sections;
    sections.lmxPortIds.assign(size.lmxnics, -1);
    Json vswitches = Json::array();
    Json uplinkPorts = Json::array();
    for (size_t s = 0; s < size.switches; ++s) {
        long nextPort = kStandardPortBase + static_cast<long>(s) * kStandardPortStride + 1;
        Json uplinks = Json::array();
        for (size_t u = 0; u < layout.uplinksPerSwitch; ++u) {
            std::string pnic = "pnic" + std::to_string(s * layout.uplinksPerSwitch + u);
            uplinks.push_back(pnic);
            uplinkPorts.push_back({{"pnic", pnic}, {"portId", nextPort++}});
        }
        std::string hostGroup = Format("Host Network %02lu", s);
        std::string vmGroup = Format("VM Network %02lu", s);
        Json ports = Json::array();
        for (size_t lmx = 0; lmx < layout.standardLmx; ++lmx) {
            if (layout.SwitchOfLmx(lmx, size.switches) != s) continue;
            sections.lmxPortIds[lmx] = nextPort;
            ports.push_back({{"portId", nextPort++},
                             {"clientName", LmxName(lmx)},
                             {"clientType", "lmxnic"},
                             {"portgroup", hostGroup},
                             {"macAddresses", {Mac(0x5a10, lmx)}}});
        }
        for (size_t port = s * layout.vmPortsPerSwitch;
             port < std::min(layout.vmPorts, (s + 1) * layout.vmPortsPerSwitch); ++port) {
            size_t vm = port / size.portsPerVm;
            std::string uplink = uplinks.empty() ? "" : uplinks[port % uplinks.size()].get<std::string>();
            ports.push_back(
                {{"portId", nextPort++},
                 {"clientName", Format("vm%04lu.eth%lu", vm, port % size.portsPerVm)},
                 {"clientType", "vm"},
                 {"portgroup", vmGroup},
                 {"worldId", VmWorldId(vm)},
                 {"macAddresses",
                  {Format("00:50:7a:%02lx:%02lx:%02lx", (port >> 16) & 0xff, (port >> 8) & 0xff, port & 0xff)}},
                 {"datapath", PortDatapath(port, uplink, size.filtersPerPort)}});
        }
        Json counters = Json::array();
        for (const auto& uplink : uplinks) {
            counters.push_back({{"uplink", uplink},
                                {"vlanId", 100 + s},
                                {"rxPackets", 918273 + s},
                                {"txPackets", 712004 + s},
                                {"rxBytes", 601928374 + s},
                                {"txBytes", 402918233 + s}});
        }
        vswitches.push_back(
            {{"name", SwitchName(s)},
             {"numPorts", size.portsPerSwitch},
             {"mtu", s % 2 == 0 ? 1500 : 9000},
             {"cdpStatus", 1},
             {"uplinks", uplinks},
             {"teaming", {{"loadBalancing", 3}, {"failureDetection", "link"}, {"notifySwitches", true}}},
             {"portgroups", Portgroups(size, s, hostGroup, vmGroup)},
             {"ports", ports},
             {"vlanCounters", counters},
             {"vlanCounting", uplinks}});
    }
    sections.vswitches = {{"vswitches", vswitches}};

    Json dvswitches = Json::array();
    if (layout.distributedLmx > 0) {
        Json dvports = Json::array();
        for (size_t k = 0; k < layout.distributedLmx; ++k) {
            size_t lmx = layout.standardLmx + k;
            long portId = kDistributedPortBase + static_cast<long>(k);
            sections.lmxPortIds[lmx] = portId;
            dvports.push_back({{"id", std::to_string(k)},
                               {"portgroupId", "dvportgroup-100"},
                               {"connectionId", 1800000 + k},
                               {"clients",
                                {{{"connectionId", 1800000 + k},
                                  {"clientName", LmxName(lmx)},
                                  {"portId", portId},
                                  {"macAddresses", {Mac(0x5a10, lmx)}}}}}});
        }
        dvswitches.push_back({{"name", "cds-scale"},
                              {"id", "50 2c 71 9e 5c a1 00 01-8d 33 0a 44 10 20 30 40"},
                              {"numPorts", layout.distributedLmx},
                              {"mtu", 9000},
                              {"cdpStatus", 3},
                              {"dvports", dvports}});
    }
    sections.dvswitches = {{"dvswitches", dvswitches}};
    sections.datapath = {{"uplinkPorts", uplinkPorts},
                         {"numaNodes", 2},
                         {"maxLcores", 8},
                         {"lcores",
                          {{{"id", 0}, {"switchName", SwitchName(0)}, {"affinity", 0}},
                           {{"id", 1}, {"switchName", "null"}, {"affinity", 1}}}}};
    if (size.switches == 0) sections.datapath["lcores"] = Json::array();
    return sections;
}

Json Lmxnics(const LargeHostSize& size, const Layout& layout, const std::vector<long>& portIds) {
    Json nics = Json::array();
    for (size_t i = 0; i < size.lmxnics; ++i) {
        Json point;
        std::string portset;
        if (i < layout.standardLmx) {
            portset = SwitchName(layout.SwitchOfLmx(i, size.switches));
            point = {{"type", 1}, {"portgroup", Format("Host Network %02lu", layout.SwitchOfLmx(i, size.switches))}};
        } else {
            size_t k = i - layout.standardLmx;
            portset = "cds-scale";
            point = {{"type", 2},
                     {"dvsUuid", "50 2c 71 9e 5c a1 00 01-8d 33 0a 44 10 20 30 40"},
                     {"dvPortId", std::to_string(k)},
                     {"connectionId", 1800000 + k}};
        }
        Json ipConfig = {{"ipv4Address", LmxIpv4Address(i)},
                         {"ipv4Netmask", "255.255.255.0"},
                         {"ipv4UseNone", false},
                         {"ipv6Addresses", {{{"address", Ipv6Interface(i, "11/64")}, {"type", 0}}}}};
        Json nic = {{"name", LmxName(i)},
                    {"macAddress", Mac(0x5a10, i)},
                    {"netstack", kDefaultStack},
                    {"mtu", i % 2 == 0 ? 1500 : 9000},
                    {"portset", portset},
                    {"portId", portIds[i]},
                    {"connectionPoint", point},
                    {"ipConfig", ipConfig},
                    {"configuredIpConfig", ipConfig}};
        if (i == 0) nic["tags"] = {1};
        if (i % 16 == 1) nic["tags"] = {2 + (i / 16) % 11};
        nics.push_back(nic);
    }
    return {{"lmxnics", nics}};
}

Json Netstacks(const LargeHostSize& size) {
    long limit = static_cast<long>(std::max<size_t>(11000, std::min<size_t>(64000, size.connections + 1000)));
    return {{"ipv6Enabled", true},
            {"instances",
             {{{"key", kDefaultStack},
               {"name", kDefaultStack},
               {"state", 4660},
               {"maxConnections", limit},
               {"currentMaxConnections", limit},
               {"type", 1}}}}};
}

Json Routes(const LargeHostSize& size) {
    Json ipv4 = Json::array();
    Json ipv6 = Json::array();
    for (size_t k = 0; k < size.ipv4Routes; ++k) {
        size_t lmx = k % size.lmxnics;
        ipv4.push_back({{"network", Ipv4RouteNetwork(k)},
                        {"gateway", LmxIpv4Prefix(lmx) + "254"},
                        {"interfaceName", LmxName(lmx)}});
    }
    for (size_t k = 0; k < size.ipv6Routes; ++k) {
        size_t lmx = k % size.lmxnics;
        ipv6.push_back(
            {{"network", Ipv6RouteNetwork(k)}, {"gateway", Ipv6Interface(lmx, "fe")}, {"interfaceName", LmxName(lmx)}});
    }
    Json table = {{"netstack", kDefaultStack}};
    if (size.lmxnics > 0) {
        table["ipv4Gateway"] = "10.200.0.1";
        table["ipv4ConfiguredGateway"] = "10.200.0.1";
        table["ipv4GatewaySource"] = "MANUAL";
        table["ipv6Gateway"] = "2001:db8:200::1";
        table["ipv6ConfiguredGateway"] = "2001:db8:200::1";
    }
    table["ipv4Routes"] = ipv4;
    table["ipv6Routes"] = ipv6;
    return {{"tables", {table}}};
}

Json Neighbors(const LargeHostSize& size) {
    Json ipv4 = Json::array();
    for (size_t k = 0; k < size.neighbors; ++k) {
        size_t lmx = k % size.lmxnics;
        ipv4.push_back({{"netstack", kDefaultStack},
                        {"address", LmxIpv4Prefix(lmx) + std::to_string(20 + k / size.lmxnics)},
                        {"macAddress", Mac(0x5a20, k)},
                        {"interfaceName", LmxName(lmx)},
                        {"expiry", k % 10 == 0 ? 0 : 1200 - static_cast<long>(k % 1200)},
                        {"type", k % 10 == 0 ? "Static" : "Dynamic"}});
    }
    return {{"ipv4", ipv4}, {"ipv6", Json::array()}};
}

Json Connections(const LargeHostSize& size) {
    Json sockets = Json::array();
    for (size_t k = 0; k < size.connections; ++k) {
        size_t kind = k % 20;
        bool ipv6 = kind == 14 || kind == 15 || kind == 19;
        bool tcp = kind < 16;
        bool listening = tcp && k % 50 == 0;
        size_t lmx = size.lmxnics == 0 ? 0 : k % size.lmxnics;
        std::string local =
            size.lmxnics == 0 ? (ipv6 ? "::" : "0.0.0.0") : (ipv6 ? Ipv6Interface(lmx, "11") : LmxIpv4Address(lmx));
        std::string foreign = listening ? (ipv6 ? "::" : "0.0.0.0")
                                        : (ipv6 ? Format("2001:db8:500:%lx::%lx", k / 4096, k % 4096 + 1)
                                                : Format("172.20.%lu.%lu", (k / 250) % 256, k % 250 + 1));
        long world = k % 3 == 0 || size.vms == 0 ? DaemonWorldId(k % kDaemonCount) : VmWorldId(k % size.vms);
        Json socket = {{"netstack", kDefaultStack},
                       {"protocol", std::string(tcp ? "tcp" : "udp") + (ipv6 ? "6" : "")},
                       {"recvQ", k % 11 == 0 ? 1024 : 0},
                       {"sendQ", k % 7 == 0 ? 517 : 0},
                       {"localAddress", local},
                       {"localPort", listening || k % 4 == 0 ? 443 : 1024 + static_cast<long>(k % 60000)},
                       {"foreignAddress", foreign},
                       {"foreignPort", listening ? 0 : 1024 + static_cast<long>((k * 7) % 64000)},
                       {"worldId", world}};
        if (tcp) {
            socket["state"] = listening ? 1 : 4;
            socket["ccAlgorithm"] = k % 5 == 0 ? "cubic" : "newreno";
        }
        sockets.push_back(socket);
    }
    Json worlds = Json::array();
    for (size_t d = 0; d < kDaemonCount; ++d) worlds.push_back({{"id", DaemonWorldId(d)}, {"name", kDaemons[d]}});
    for (size_t v = 0; v < size.vms; ++v) {
        worlds.push_back({{"id", VmWorldId(v)}, {"name", Format("lead:vm%04lu", v)}});
    }
    return {{"connections", sockets}, {"worlds", worlds}};
}

Json Ipsec(const LargeHostSize& size) {
    Json sas = Json::array();
    Json sps = Json::array();
    for (size_t k = 0; k < size.ipsecSas; ++k) {
        std::string name = Format("sa-%04lu", k);
        std::string peer = Format("2001:db8:70::%lx", k + 1);
        sas.push_back({{"name", name},
                       {"source", "2001:db8:200::11"},
                       {"destination", peer},
                       {"spi", 4096 + k},
                       {"mode", "transport"},
                       {"encryptionAlgorithm", "aes128-cbc"},
                       {"encryptionKey", "0x00112233445566778899aabbcc" + Format("%06lx", k)},
                       {"integrityAlgorithm", "hmac-sha1"},
                       {"integrityKey", "0x0102030405060708090a0b0c0d0e0f1011" + Format("%06lx", k)},
                       {"state", "mature"},
                       {"lifetime", k % 2 == 0 ? 0 : 28800}});
        sps.push_back({{"name", Format("sp-%04lu", k)},
                       {"saName", name},
                       {"source", "2001:db8:200::11/128"},
                       {"destination", peer + "/128"},
                       {"sourcePort", 0},
                       {"destinationPort", 1000 + k},
                       {"protocol", "tcp"},
                       {"direction", k % 2 == 0 ? "out" : "in"},
                       {"action", "ipsec"},
                       {"mode", "transport"}});
    }
    return {{"sas", sas}, {"sps", sps}};
}

Json Firewall(const LargeHostSize& size) {
    Json rulesets = Json::array();
    for (size_t r = 0; r < size.rulesets; ++r) {
        Json ruleset = {{"id", Format("scaleService%02lu", r)},
                        {"enabled", r % 3 != 0},
                        {"allowedAll", r % 2 == 0},
                        {"rules",
                         {{{"portType", 1}, {"portBegin", 2000 + r}, {"portEnd", 2000 + r}},
                          {{"portType", 1}, {"portBegin", 3000 + r}, {"portEnd", 3010 + r}, {"protocol", 1}}}}};
        if (r % 2 == 1) {
            ruleset["allowedIps"] = {Format("10.%lu.%lu.0/", r % 256, r / 256) + (r < 256 ? "16" : "24"),
                                     Format("10.%lu.%lu.5", 201 + r / 256, r % 256)};
        }
        rulesets.push_back(ruleset);
    }
    return {{"enabled", true}, {"defaultActionPass", false}, {"rulesets", rulesets}};
}

std::string HostsFile(const LargeHostSize& size) {
    std::string text =
        "# Host name table. Entries above the marker line are kept by the host itself.\n"
        "127.0.0.1\tlocalhost.localdomain localhost\n"
        "::1\tlocalhost.localdomain localhost\n"
        "10.200.0.11\ttalix-scale01.scale.internal talix-scale01\n"
        "# --- user specified entries ---\n";
    for (size_t k = 0; k < size.hostsEntries; ++k) {
        text += Format("10.210.%lu.%lu\t", k / 250, k % 250 + 1) + Format("host%04lu.scale.internal host%04lu", k, k);
        if (k % 10 == 0) text += Format("\t# rack %lu", k / 10);
        text += "\n";
    }
    return text;
}

}  // namespace

std::string LmxName(size_t index) { return "lmx" + std::to_string(index); }
std::string LmxIpv4Address(size_t index) { return LmxIpv4Prefix(index) + "11"; }
std::string SwitchName(size_t index) { return Format("vs-scale-%02lu", index); }
std::string SpareGroupName(size_t vswitch, size_t group) { return Format("Spare Network %02lu-%04lu", vswitch, group); }

LargeHostSize ScaledSize(size_t factor) {
    LargeHostSize size;
    for (size_t LargeHostSize::*total :
         {&LargeHostSize::pnics, &LargeHostSize::switches, &LargeHostSize::lmxnics, &LargeHostSize::vms,
          &LargeHostSize::ipv4Routes, &LargeHostSize::ipv6Routes, &LargeHostSize::neighbors,
          &LargeHostSize::connections, &LargeHostSize::hostsEntries, &LargeHostSize::ipsecSas,
          &LargeHostSize::rulesets}) {
        size.*total *= factor;
    }
    size.withinHostPortLimit = factor <= 1;
    return size;
}

long VmWorldId(size_t index) { return 2100000 + 16 * static_cast<long>(index); }

std::string Ipv4RouteNetwork(size_t index) {
    unsigned long base = (100ul << 24) + (64ul << 16) + 256ul * index;
    return Format("%lu.%lu.", base >> 24, (base >> 16) & 0xff) + Format("%lu.0/24", (base >> 8) & 0xff);
}

std::string Ipv6RouteNetwork(size_t index) {
    unsigned long high = 1 + index / 65536;
    unsigned long low = index % 65536;
    if (low == 0) return Format("2001:db8:%lx::/64", high);
    return Format("2001:db8:%lx:%lx::/64", high, low);
}

void CheckSize(const LargeHostSize& size) {
    auto refuse = [](const std::string& why) { throw std::invalid_argument(why); };
    if (size.lmxnics > kMaxLmxnics) refuse("at most 256 host interfaces (lmx0..lmx255)");
    if (size.lmxnics == 0 && (size.ipv4Routes || size.ipv6Routes || size.neighbors)) {
        refuse("routes and neighbours need at least one host interface");
    }
    if (size.neighbors > kNeighborsPerInterface * size.lmxnics) {
        refuse("at most " + std::to_string(kNeighborsPerInterface) + " neighbours per host interface");
    }
    if (size.ipv4Routes > 4 * 65536) refuse("at most 262144 IPv4 routes");
    if (size.switches == 0 && (size.vms > 0 || size.lmxnics > 0)) refuse("VMs and host interfaces need a switch");
    if (size.portsPerSwitch < 1 || size.portsPerSwitch > 4096) refuse("ports per switch must be 1 to 4096");
    if (size.vms > 0 && size.portsPerVm == 0) refuse("a VM needs at least one port");
    Layout layout(size);
    if (size.withinHostPortLimit && size.switches * size.portsPerSwitch + layout.distributedLmx > kHostPortLimit) {
        refuse("the switches' ports together exceed the host's limit of 4608");
    }
    for (size_t s = 0; s < size.switches; ++s) {
        size_t vmPorts = 0;
        if (layout.vmPortsPerSwitch > 0 && s * layout.vmPortsPerSwitch < layout.vmPorts) {
            vmPorts = std::min(layout.vmPorts, (s + 1) * layout.vmPortsPerSwitch) - s * layout.vmPortsPerSwitch;
        }
        size_t lmxPorts = layout.standardLmx / size.switches + (s < layout.standardLmx % size.switches ? 1 : 0);
        if (vmPorts + lmxPorts + layout.uplinksPerSwitch > size.portsPerSwitch) {
            refuse("switch " + SwitchName(s) + " would need " +
                   std::to_string(vmPorts + lmxPorts + layout.uplinksPerSwitch) + " ports but has " +
                   std::to_string(size.portsPerSwitch));
        }
    }
}

std::map<std::string, std::string> LargeHostFiles(const LargeHostSize& size) {
    CheckSize(size);
    Layout layout(size);
    SwitchSections switches = Switches(size, layout);
    std::map<std::string, std::string> files;
    files["state/pnics.json"] = Dump(Pnics(size));
    files["state/vswitches.json"] = Dump(switches.vswitches);
    files["state/dvswitches.json"] = Dump(switches.dvswitches);
    files["state/datapath.json"] = Dump(switches.datapath);
    files["state/sriov.json"] = Dump(Json{{"pfs", Json::array()}});
    files["state/lmxnics.json"] = Dump(Lmxnics(size, layout, switches.lmxPortIds));
    files["state/netstacks.json"] = Dump(Netstacks(size));
    files["state/routes.json"] = Dump(Routes(size));
    files["state/neighbors.json"] = Dump(Neighbors(size));
    files["state/connections.json"] = Dump(Connections(size));
    files["state/ipsec.json"] = Dump(Ipsec(size));
    files["state/firewall.json"] = Dump(Firewall(size));
    files["etc/hosts"] = HostsFile(size);
    files["etc/resolv.conf"] = "nameserver 10.200.0.53\nnameserver 10.200.1.53\nsearch scale.internal lab.internal\n";
    return files;
}

std::string LargeHostIpBatch(const LargeHostSize& size) {
    CheckSize(size);
    std::string batch;
    for (size_t i = 0; i < size.lmxnics; ++i) {
        batch += "link add " + LmxName(i) + " type bridge\n";
        batch += "link set " + LmxName(i) + " up\n";
        batch += "addr add " + LmxIpv4Address(i) + "/24 dev " + LmxName(i) + "\n";
    }
    if (size.lmxnics > 0) batch += "route add default via 10.200.0.1 dev lmx0\n";
    for (size_t k = 0; k < size.ipv4Routes; ++k) {
        size_t lmx = k % size.lmxnics;
        batch += "route add " + Ipv4RouteNetwork(k) + " via " + LmxIpv4Prefix(lmx) + "254 dev " + LmxName(lmx) + "\n";
    }
    for (size_t k = 0; k < size.neighbors; ++k) {
        size_t lmx = k % size.lmxnics;
        batch += "neigh add " + LmxIpv4Prefix(lmx) + std::to_string(20 + k / size.lmxnics) + " lladdr " +
                 Mac(0x5a20, k) + " dev " + LmxName(lmx) + " nud permanent\n";
    }
    return batch;
}

void WriteLargeHost(const std::string& root, const LargeHostSize& size) {
    for (const auto& file : LargeHostFiles(size)) {
        std::filesystem::path path = std::filesystem::path(root) / file.first;
        std::filesystem::create_directories(path.parent_path());
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out << file.second;
        if (!out.flush()) throw std::runtime_error("cannot write " + path.string());
    }
}

}  // namespace TalixBench
