// A large simulated host for benchmarks: every section written in the host-root
// format, with sizes chosen by the caller (the defaults are a big production host).
#pragma once

#include <cstddef>
#include <map>
#include <string>

namespace TalixBench {

struct LargeHostSize {
    size_t pnics = 64;            // physical NICs, shared out as uplinks of the standard switches
    size_t switches = 16;         // standard switches
    size_t portsPerSwitch = 256;  // configured ports of each standard switch
    size_t lmxnics = 256;         // host interfaces (at most 4096: lmx0..lmx4095)
    size_t vms = 1000;            // VMs, each a world with its ports on the standard switches
    size_t portsPerVm = 4;
    size_t filtersPerPort = 2;  // datapath filters on each VM port
    size_t ipv4Routes = 10000;  // static routes of the default netstack
    size_t ipv6Routes = 10000;
    size_t neighbors = 10000;        // IPv4 neighbour entries of the default netstack
    size_t connections = 50000;      // sockets of the default netstack
    size_t hostsEntries = 1000;      // user entries of etc/hosts
    size_t ipsecSas = 500;           // security associations, and as many policies
    size_t rulesets = 32;            // firewall rulesets
    size_t portgroupsPerSwitch = 2;  // a host group and a VM group, then empty groups
    // A real host refuses more ports than kHostPortLimit on all switches
    // together; a host scaled past it still loads and lists, which is what
    // the growth benchmarks need.
    bool withinHostPortLimit = true;
};

// The default sizes with every total (NICs, switches, interfaces, VMs, routes,
// neighbours, connections, hosts entries, IPsec entries, rulesets) times
// factor; the per-switch, per-VM and per-port densities stay. Beyond the
// factor 1 the host exceeds its port limit (see withinHostPortLimit).
LargeHostSize ScaledSize(size_t factor);

// The sizes are consistent: throws std::invalid_argument with a message otherwise.
void CheckSize(const LargeHostSize& size);

// Every file of the host root: relative path -> content.
std::map<std::string, std::string> LargeHostFiles(const LargeHostSize& size);

// Writes the files under root (created when missing; existing files are replaced).
void WriteLargeHost(const std::string& root, const LargeHostSize& size);

// The same interfaces (as bridges), IPv4 addresses, IPv4 routes and IPv4
// neighbours as commands for `ip -batch`, to fill a network namespace that
// serves as the reference for the listings.
std::string LargeHostIpBatch(const LargeHostSize& size);

// Names and addresses the generated host uses, for checks and benchmarks.
std::string LmxName(size_t index);
std::string LmxIpv4Address(size_t index);                  // "10.200.<index>.11" (10.201.0.11 for lmx256 and so on)
std::string Ipv4RouteNetwork(size_t index);                // "100.64.0.0/24" onwards
std::string Ipv6RouteNetwork(size_t index);                // "2001:db8:1::/64" onwards
std::string SwitchName(size_t index);                      // "vs-scale-00" onwards
std::string SpareGroupName(size_t vswitch, size_t group);  // the empty port groups: "Spare Network 00-0002"
long VmWorldId(size_t index);

}  // namespace TalixBench
