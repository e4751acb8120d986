// The network devices of a netstack, as rtnetlink reports them, and the
// interface names the host gives them.
//
// An interface of this host (lmx0 to lmx255) is a Linux device that carries
// that name, as its own or as one of its alternative names (`ip link
// property add dev eth1 altname lmx3`), so that `ip` users see the same name
// and can use it; the host never gives a device such a name by itself. A
// device's own name comes first, then its lowest-numbered alternative one.
#pragma once

#include <linux/if_link.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "kavrel/Address.h"

namespace LinuxHost {

// One device as an RTM_GETLINK answer gives it; read afresh on every call.
struct Link {
    int index = 0;
    std::string device;                 // the kernel's name
    std::vector<std::string> altNames;  // in the kernel's order
    unsigned flags = 0;                 // IFF_*
    uint32_t mtu = 0;
    std::vector<uint8_t> address;           // the hardware address; empty without one
    std::vector<uint8_t> permanentAddress;  // empty when the kernel gives none
    uint32_t rxQueues = 0;
    uint32_t gsoMaxSize = 0;  // the largest segment the stack hands the device
    rtnl_link_stats64 stats{};
};

// Every device of the netstack, in index order.
std::vector<Link> DumpLinks(const std::string& netstack);
// The device of that kernel name, asked for alone; none when the kernel
// refuses the name (it knows no such device).
std::optional<Link> ReadLinkOfDevice(const std::string& netstack, const std::string& device);
// Whether the device is administratively up (IFF_UP).
bool IsUp(const Link& link);
// A hardware address as lower-case, colon-separated hex, whatever its length.
std::string HardwareAddressText(const std::vector<uint8_t>& bytes);
// The device's address as a MAC address; the zero address unless it is a
// 6-byte (Ethernet) one.
Kavrel::Network::MacAddress MacAddressOf(const Link& link);
// The interface name of a device: its own name when that is of the form
// lmxN, else its lowest-numbered alternative name of that form; empty for a
// device that has none.
std::string InterfaceNameOf(const Link& link);
// The name a listing shows for a device: its interface name, or else its own.
std::string ShownNameOf(const Link& link);
// The device whose interface name (or, failing that, own name) is `name`.
std::optional<Link> FindLink(const std::vector<Link>& links, const std::string& name);

// The interface `name` names (lmxN), looked for in the default netstack and
// then in every named one; throws "No such Lumex network interface: NAME".
struct LocatedLink {
    std::string netstack;
    Link link;
};
LocatedLink LocateInterface(const std::string& name);

// Changes of one device: administratively up or down, its MTU.
void SetLinkUp(const std::string& netstack, int index, bool up);
void SetLinkMtu(const std::string& netstack, int index, uint32_t mtu);

}  // namespace LinuxHost
