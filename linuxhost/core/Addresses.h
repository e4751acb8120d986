// The addresses and IP settings of one device, read from its netstack.
#pragma once

#include <string>

#include "core/Links.h"
#include "kavrel/IpConfig.h"

namespace LinuxHost {

// The device's IP configuration as the kernel holds it: its first IPv4
// address and netmask, the namespace's default IPv4 and IPv6 gateways when
// they leave through it, and every IPv6 address but the link-local ones with
// its type (static, router-advertised, DHCP) and status (tentative, DAD
// failed, deprecated). DHCP on or off is a client's business, not the
// kernel's: it reads as off.
Kavrel::Network::IpConfig ReadIpConfig(const std::string& netstack, const Link& link);

}  // namespace LinuxHost
