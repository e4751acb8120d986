// The addresses and IP settings of one device, read from its netstack.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "core/Links.h"
#include "kavrel/IpConfig.h"

namespace LinuxHost {

// The device's IP configuration as the kernel holds it: its first IPv4
// address and netmask (DHCP when the address has a lifetime, as a client's
// lease has), the namespace's default IPv4 and IPv6 gateways when
// they leave through it (an IPv6 one learnt from a router advertisement is
// the kernel's, not a setting, and does not count), every IPv6 address but
// the link-local ones with its type (static, router-advertised, DHCP) and
// status (tentative, DAD failed, deprecated), and the device's IPv6 switches
// (disable_ipv6; router advertisements on when accept_ra and autoconf both
// are).
Kavrel::Network::IpConfig ReadIpConfig(const std::string& netstack, const Link& link);

// Every IPv4 address of the device with its prefix length, in the kernel's
// order (a secondary address after the primary one of its network).
std::vector<std::pair<Kavrel::Network::Ipv4Address, int>> Ipv4AddressesOf(const std::string& netstack, int index);

// Adds (create-exclusive: the kernel decides what exists) or removes one
// address of the device. family: AF_INET (4 bytes) or AF_INET6 (16 bytes).
// Throws with the kernel's reason.
void ChangeAddress(const std::string& netstack, int index, bool adding, int family, const void* address,
                   int prefixLength);

// Adds or removes the main table's default route of the family through the
// device via gateway. Throws with the kernel's reason.
void ChangeDeviceDefaultRoute(const std::string& netstack, int index, bool adding, int family, const void* gateway);

}  // namespace LinuxHost
