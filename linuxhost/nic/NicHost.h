// What every NIC operation of the Linux host starts from: which devices are
// NICs, a device's link record (core/Links.h), and ethtool requests (the
// SIOCETHTOOL ioctl) whose refusals carry the kernel's reason.
#pragma once

#include <linux/ethtool.h>
#include <linux/if_link.h>

#include <cstdint>
#include <string>
#include <vector>

#include "core/Links.h"

namespace LinuxHost {

// IFF_LOWER_UP, which <net/if.h> lacks: the carrier is detected.
constexpr unsigned kLinkLowerUp = 1u << 16;

// Every device of the default netstack (the NICs' namespace), in the
// kernel's (ifindex) order.
std::vector<Link> AllLinks();
// The device of that name; throws "No such pnic: NAME" when there is none.
Link ReadLink(const std::string& name);

// Devices backed by hardware (/sys/class/net/NAME/device), and those named in
// TALIX_LINUX_NICS, which makes chosen virtual devices NICs for tests.
bool IsNicDevice(const std::string& name);
// Throws "No such pnic: NAME" unless the device exists and is a NIC.
void RequireNic(const std::string& name);

// Changes of a device over rtnetlink.
void SetLinkUp(const std::string& name, bool up);
void SetLinkAddress(const std::string& name, const std::vector<uint8_t>& address);

// One ethtool request on the device; false when the driver does not support
// it (EOPNOTSUPP), any other refusal throws "Cannot WHAT of NAME: REASON".
// A change the driver does not support throws too: nothing was changed, so
// nothing joins the list of changes to take back.
bool TryEthtool(const std::string& name, void* request, const char* what);
// The same where "not supported" is a refusal too.
void Ethtool(const std::string& name, void* request, const char* what);
// "Cannot WHAT of NAME: " and the reason for errno value error.
[[noreturn]] void EthtoolRefusal(const std::string& name, const char* what, int error);

// Link settings with the three link-mode masks that follow them.
struct LinkSettings {
    // The fixed part, kept apart from the masks it ends in (a flexible array).
    struct Base {
        uint32_t speed = 0;
        uint8_t duplex = 0, port = 0, phyAddress = 0, autoneg = 0, transceiver = 0;
    } base;
    std::vector<uint8_t> raw;  // the fixed part as the kernel gave it
    std::vector<uint32_t> supported, advertising, partner;
    bool Has(const std::vector<uint32_t>& mask, unsigned bit) const {
        return bit / 32 < mask.size() && (mask[bit / 32] >> (bit % 32)) & 1;
    }
};
// False when the driver reports no link settings.
bool ReadLinkSettings(const std::string& name, LinkSettings& settings);
void WriteLinkSettings(const std::string& name, LinkSettings& settings, const char* what);

ethtool_drvinfo DriverInfo(const std::string& name);

}  // namespace LinuxHost
