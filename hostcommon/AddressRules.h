// What the host's IP stack refuses to configure: the address checks shared by the
// interface, route, gateway and resolver operations. Each throws a KavrelException
// naming the value and why it cannot be used.
#pragma once

#include <string>

#include "kavrel/Address.h"
#include "kavrel/IpConfig.h"

namespace HostRules {

// The prefix length of a dotted netmask, or -1 when its one bits are not contiguous.
int Ipv4PrefixLength(const Kavrel::Network::Ipv4Address& netmask);

// A unicast host address: not 0.0.0.0, not 255.255.255.255, not multicast (224/4),
// not reserved (240/4), not loopback (127/8). `role` names it in the message.
void CheckIpv4Unicast(const Kavrel::Network::Ipv4Address& address, const std::string& role);

// A unicast IPv6 address: not ::, not ::1, not multicast (ff00::/8), not IPv4-mapped.
void CheckIpv6Unicast(const Kavrel::Network::Ipv6Address& address, const std::string& role);

// The IPv4 part of an interface configuration that is neither DHCP nor "none":
// a unicast address, a contiguous netmask of /1 to /32, the address not the
// network's own nor its broadcast address (below /31), and a gateway that is
// none (0.0.0.0) or a unicast address of the interface's network other than its own.
void CheckStaticIpv4(const Kavrel::Network::IpConfig& config);

// An address added to an interface: unicast, prefix length 1 to 128.
void CheckInterfaceIpv6(const Kavrel::Network::Ipv6Network& network);

// What a changed configuration adds to `before`: the IPv4 part when it changed, each
// new IPv6 address and a new IPv6 gateway. Values already held are not checked again,
// so that a configuration can always be repaired.
void CheckIpConfigChange(const Kavrel::Network::IpConfig& before, const Kavrel::Network::IpConfig& after);

// A name server: any address a resolver can send queries to (loopback included),
// but not an unspecified, broadcast or multicast one.
void CheckNameServer(const Kavrel::Network::IpAddress& address);

// An interface MTU: LmxNic::MIN_MTU to LmxNic::MAX_MTU.
void CheckMtu(int mtu);

}  // namespace HostRules
