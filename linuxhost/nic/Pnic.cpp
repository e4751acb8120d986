// A NIC's identity, link and generic settings on a Linux host: rtnetlink for
// the device's state, ethtool for the driver's settings. A setting the driver
// does not report is left out of a query; changing it is refused.
#include <dirent.h>
#include <net/if.h>
#include <unistd.h>

#include <cstdio>
#include <sstream>

#include "core/Changes.h"
#include "core/KernelFiles.h"
#include "kavrel/Lib.h"
#include "kavrel/Pnic.h"
#include "nic/NicHost.h"

namespace Kavrel {
namespace Network {

using Lib::KavrelException;
using LinuxHost::LinkSettings;

namespace {

bool LinkDetected(const LinuxHost::Link& link) {
    return (link.flags & IFF_UP) && (link.flags & LinuxHost::kLinkLowerUp);
}

// Ethtool's link-mode bits as speed, duplex (1 full, 2 half) and an index
// into the media names the commands show.
struct LinkModeBit {
    unsigned bit;
    int32_t speed;
    int32_t duplex;
    int32_t media;
};
constexpr int32_t kBaseT = 2, kBaseX = 3, kBaseKX = 4, kBaseKR = 7, kBaseLR = 8, kBaseSR = 9, kBaseER = 10,
                  kBaseLRM = 13, kBaseCR1 = 14, kBaseKR2 = 15, kBaseKR4 = 17, kBaseKX4 = 18, kBaseCR4 = 19,
                  kBaseSR4 = 20, kBaseLR4 = 21, kBaseCR2 = 38;
constexpr LinkModeBit kLinkModes[] = {
    {ETHTOOL_LINK_MODE_10baseT_Half_BIT, 10, 2, kBaseT},
    {ETHTOOL_LINK_MODE_10baseT_Full_BIT, 10, 1, kBaseT},
    {ETHTOOL_LINK_MODE_100baseT_Half_BIT, 100, 2, kBaseT},
    {ETHTOOL_LINK_MODE_100baseT_Full_BIT, 100, 1, kBaseT},
    {ETHTOOL_LINK_MODE_1000baseT_Half_BIT, 1000, 2, kBaseT},
    {ETHTOOL_LINK_MODE_1000baseT_Full_BIT, 1000, 1, kBaseT},
    {ETHTOOL_LINK_MODE_1000baseKX_Full_BIT, 1000, 1, kBaseKX},
    {ETHTOOL_LINK_MODE_1000baseX_Full_BIT, 1000, 1, kBaseX},
    {ETHTOOL_LINK_MODE_2500baseT_Full_BIT, 2500, 1, kBaseT},
    {ETHTOOL_LINK_MODE_2500baseX_Full_BIT, 2500, 1, kBaseX},
    {ETHTOOL_LINK_MODE_5000baseT_Full_BIT, 5000, 1, kBaseT},
    {ETHTOOL_LINK_MODE_10000baseT_Full_BIT, 10000, 1, kBaseT},
    {ETHTOOL_LINK_MODE_10000baseKX4_Full_BIT, 10000, 1, kBaseKX4},
    {ETHTOOL_LINK_MODE_10000baseKR_Full_BIT, 10000, 1, kBaseKR},
    {ETHTOOL_LINK_MODE_10000baseCR_Full_BIT, 10000, 1, kBaseCR1},
    {ETHTOOL_LINK_MODE_10000baseSR_Full_BIT, 10000, 1, kBaseSR},
    {ETHTOOL_LINK_MODE_10000baseLR_Full_BIT, 10000, 1, kBaseLR},
    {ETHTOOL_LINK_MODE_10000baseLRM_Full_BIT, 10000, 1, kBaseLRM},
    {ETHTOOL_LINK_MODE_10000baseER_Full_BIT, 10000, 1, kBaseER},
    {ETHTOOL_LINK_MODE_25000baseCR_Full_BIT, 25000, 1, kBaseCR1},
    {ETHTOOL_LINK_MODE_25000baseKR_Full_BIT, 25000, 1, kBaseKR},
    {ETHTOOL_LINK_MODE_25000baseSR_Full_BIT, 25000, 1, kBaseSR},
    {ETHTOOL_LINK_MODE_40000baseKR4_Full_BIT, 40000, 1, kBaseKR4},
    {ETHTOOL_LINK_MODE_40000baseCR4_Full_BIT, 40000, 1, kBaseCR4},
    {ETHTOOL_LINK_MODE_40000baseSR4_Full_BIT, 40000, 1, kBaseSR4},
    {ETHTOOL_LINK_MODE_40000baseLR4_Full_BIT, 40000, 1, kBaseLR4},
    {ETHTOOL_LINK_MODE_50000baseCR2_Full_BIT, 50000, 1, kBaseCR2},
    {ETHTOOL_LINK_MODE_50000baseKR2_Full_BIT, 50000, 1, kBaseKR2},
    {ETHTOOL_LINK_MODE_100000baseKR4_Full_BIT, 100000, 1, kBaseKR4},
    {ETHTOOL_LINK_MODE_100000baseSR4_Full_BIT, 100000, 1, kBaseSR4},
    {ETHTOOL_LINK_MODE_100000baseCR4_Full_BIT, 100000, 1, kBaseCR4},
    {ETHTOOL_LINK_MODE_100000baseLR4_ER4_Full_BIT, 100000, 1, kBaseLR4},
};

// Port kinds a NIC supports, as link-mode bits, in the port-type order.
constexpr struct {
    unsigned bit;
    uint32_t port;
} kPortBits[] = {
    {ETHTOOL_LINK_MODE_TP_BIT, PNIC_PORT_TP},       {ETHTOOL_LINK_MODE_AUI_BIT, PNIC_PORT_AUI},
    {ETHTOOL_LINK_MODE_BNC_BIT, PNIC_PORT_BNC},     {ETHTOOL_LINK_MODE_MII_BIT, PNIC_PORT_MII},
    {ETHTOOL_LINK_MODE_FIBRE_BIT, PNIC_PORT_FIBRE}, {ETHTOOL_LINK_MODE_Backplane_BIT, PNIC_PORT_BACKPLANE},
};

// The kernel's port values 0 to 5 are the same as ours; it has no backplane value.
uint32_t PortFromKernel(uint8_t port) { return port <= PORT_DA ? port : 0xff; }
uint8_t PortToKernel(uint32_t port) { return port <= PNIC_PORT_DA ? static_cast<uint8_t>(port) : PORT_OTHER; }

// Wake-on types by their WAKE_* bit (the type is the bit's index).
constexpr uint32_t kWakeBits[] = {WAKE_PHY, WAKE_UCAST, WAKE_MCAST, WAKE_BCAST, WAKE_ARP, WAKE_MAGIC, WAKE_MAGICSECURE};

std::string ReadLine(const std::string& path) {
    const std::string content = LinuxHost::ReadKernelFile(path);
    return content.substr(0, content.find('\n'));
}

// The device folder's subsystem ("pci", "usb", ...), empty for a virtual device.
std::string Subsystem(const std::string& name) {
    char target[4096];
    const std::string link = "/sys/class/net/" + name + "/device/subsystem";
    const ssize_t length = ::readlink(link.c_str(), target, sizeof target - 1);
    if (length <= 0) return "";
    target[length] = '\0';
    const std::string path = target;
    return path.substr(path.rfind('/') + 1);
}

// A PCI vendor or device name from the system's ID list when it has one,
// else the number as the kernel gives it ("0x8086").
std::string PciName(const std::string& vendorId, const std::string& deviceId) {
    const std::string vendor = vendorId.size() > 2 ? vendorId.substr(2) : vendorId;
    const std::string device = deviceId.size() > 2 ? deviceId.substr(2) : deviceId;
    for (const char* file : {"/usr/share/misc/pci.ids", "/usr/share/hwdata/pci.ids"}) {
        // The list is some 1.5 MB; 16 MiB is more than any system ships.
        std::istringstream in(LinuxHost::ReadKernelFile(file, 16 << 20));
        bool inVendor = false;
        for (std::string line; std::getline(in, line);) {
            if (line.empty() || line[0] == '#') continue;
            if (line[0] != '\t') {
                if (inVendor) break;
                inVendor = line.compare(0, 4, vendor) == 0;
                if (inVendor && device.empty()) return line.size() > 6 ? line.substr(6) : vendorId;
            } else if (inVendor && line.size() > 7 && line[1] != '\t' && line.compare(1, 4, device) == 0) {
                return line.substr(7);
            }
        }
    }
    return device.empty() ? vendorId : deviceId;
}

}  // namespace

std::string Pnic::GetDriverName() const { return LinuxHost::DriverInfo(name_).driver; }

MacAddress Pnic::GetMacAddress() const { return LinuxHost::MacAddressOf(LinuxHost::ReadLink(name_)); }

uint32_t Pnic::GetMtu() const { return LinuxHost::ReadLink(name_).mtu; }

bool Pnic::IsLinkUp() { return LinkDetected(LinuxHost::ReadLink(name_)); }

bool Pnic::GetLinkStatus() const { return LinkDetected(LinuxHost::ReadLink(name_)); }

bool Pnic::GetAdminStatus() const { return (LinuxHost::ReadLink(name_).flags & IFF_UP) != 0; }

uint32_t Pnic::GetSpeed() const {
    if (!LinkDetected(LinuxHost::ReadLink(name_))) return 0;
    LinkSettings settings;
    if (!LinuxHost::ReadLinkSettings(name_, settings) || settings.base.speed == static_cast<uint32_t>(SPEED_UNKNOWN)) {
        return 0;
    }
    return settings.base.speed;
}

uint32_t Pnic::GetDuplex() const {
    LinkSettings settings;
    if (!LinuxHost::ReadLinkSettings(name_, settings)) return 0;
    return settings.base.duplex == DUPLEX_FULL ? 1 : settings.base.duplex == DUPLEX_HALF ? 2 : 0;
}

std::unique_ptr<PciDevice> Pnic::GetPciDevice() const {
    if (Subsystem(name_) != "pci") return nullptr;
    const std::string device = "/sys/class/net/" + name_ + "/device";
    char target[4096];
    const ssize_t length = ::readlink(device.c_str(), target, sizeof target - 1);
    if (length <= 0) return nullptr;
    target[length] = '\0';
    std::string address = target;
    address = address.substr(address.rfind('/') + 1);
    const std::string vendorId = ReadLine(device + "/vendor");
    return std::make_unique<PciDevice>(address, PciName(vendorId, ""), PciName(vendorId, ReadLine(device + "/device")));
}

std::string Pnic::GetDeviceDescription() const {
    const std::string subsystem = Subsystem(name_);
    if (subsystem == "usb") {
        // The interface's device folder; its parent is the USB device with the names.
        const std::string usb = "/sys/class/net/" + name_ + "/device/../";
        return "USB-NIC:" + ReadLine(usb + "manufacturer") + ":" + ReadLine(usb + "product");
    }
    if (subsystem.empty()) return "Virtual:" + GetDriverName() + ":" + name_;
    return subsystem + ":" + GetDriverName() + ":" + name_;
}

void Pnic::GetPnicInfo(PnicInfo& info) const {
    const auto link = LinuxHost::ReadLink(name_);
    LinkSettings settings;
    if (LinuxHost::ReadLinkSettings(name_, settings)) {
        for (const auto& port : kPortBits) {
            if (settings.Has(settings.supported, port.bit)) info.supportedPorts.push_back(port.port);
        }
        info.supportsAutoNegotiation = settings.Has(settings.supported, ETHTOOL_LINK_MODE_Autoneg_BIT);
        info.advertisedAutoNegotiation = settings.Has(settings.advertising, ETHTOOL_LINK_MODE_Autoneg_BIT);
        for (const auto& mode : kLinkModes) {
            if (settings.Has(settings.advertising, mode.bit)) {
                info.advertisedLinkModes.push_back({mode.speed, mode.duplex, mode.media});
            }
        }
        info.port = PortFromKernel(settings.base.port);
        info.phyAddress = settings.base.phyAddress;
        info.transceiver = settings.base.transceiver == XCVR_EXTERNAL ? 1 : 0;
        info.autoNegotiation = settings.base.autoneg == AUTONEG_ENABLE;
    }
    ethtool_wolinfo wol{};
    wol.cmd = ETHTOOL_GWOL;
    info.supportsWakeOn = LinuxHost::TryEthtool(name_, &wol, "read the wake-on settings") && wol.supported != 0;
    info.wakeOnModes.clear();
    if (info.supportsWakeOn) {
        for (uint32_t type = 0; type < sizeof kWakeBits / sizeof kWakeBits[0]; ++type) {
            if (wol.wolopts & kWakeBits[type]) info.wakeOnModes.push_back(type);
        }
        if (info.wakeOnModes.empty()) info.wakeOnModes.push_back(PNIC_WAKE_DISABLED);
    }
    ethtool_value level{};
    level.cmd = ETHTOOL_GMSGLVL;
    info.supportsMessageLevel = LinuxHost::TryEthtool(name_, &level, "read the message level");
    info.messageLevel = info.supportsMessageLevel ? level.data : 0;
    // The virtual address: the one in use when it differs from the burnt-in one.
    if (!link.permanentAddress.empty() && link.permanentAddress != link.address) {
        info.virtualAddress = LinuxHost::HardwareAddressText(link.address);
    }
    info.linkStatus = LinkDetected(link) ? "Up" : "Down";
}

void Pnic::SetPnicInfo(const PnicInfo& info) {
    if (info.virtualAddressChanged && !info.virtualAddress.empty() && !MacAddress::IsValid(info.virtualAddress)) {
        throw KavrelException("Invalid virtual address: " + info.virtualAddress);
    }
    if (info.phyAddressChanged && (info.phyAddress < 0 || info.phyAddress > 31)) {
        throw KavrelException("PHY address " + std::to_string(info.phyAddress) + " is outside the range 0 to 31");
    }
    if (info.transceiverChanged && info.transceiver > 1) throw KavrelException("Invalid transceiver type");
    // Several settings, each its own request: one the kernel refuses takes
    // back those sent before it.
    LinuxHost::AllOrNothing([&] {
        if (info.portChanged || info.phyAddressChanged || info.transceiverChanged) {
            LinkSettings settings;
            if (!LinuxHost::ReadLinkSettings(name_, settings)) {
                LinuxHost::EthtoolRefusal(name_, "change the port settings", EOPNOTSUPP);
            }
            if (info.portChanged) settings.base.port = PortToKernel(info.port);
            if (info.phyAddressChanged) settings.base.phyAddress = static_cast<uint8_t>(info.phyAddress);
            if (info.transceiverChanged) settings.base.transceiver = info.transceiver ? XCVR_EXTERNAL : XCVR_INTERNAL;
            LinuxHost::WriteLinkSettings(name_, settings, "change the port settings");
        }
        if (info.wakeOnChanged) {
            ethtool_wolinfo wol{};
            wol.cmd = ETHTOOL_SWOL;
            for (uint32_t type : info.wakeOnModes) {
                if (type < sizeof kWakeBits / sizeof kWakeBits[0]) wol.wolopts |= kWakeBits[type];
            }
            LinuxHost::Ethtool(name_, &wol, "change the wake-on settings");
        }
        if (info.messageLevelChanged) {
            ethtool_value level{};
            level.cmd = ETHTOOL_SMSGLVL;
            level.data = info.messageLevel;
            LinuxHost::Ethtool(name_, &level, "change the message level");
        }
        if (info.virtualAddressChanged) {
            const auto link = LinuxHost::ReadLink(name_);
            std::vector<uint8_t> address = link.permanentAddress;
            if (!info.virtualAddress.empty()) {
                unsigned parts[6];
                std::sscanf(info.virtualAddress.c_str(), "%x:%x:%x:%x:%x:%x", &parts[0], &parts[1], &parts[2],
                            &parts[3], &parts[4], &parts[5]);
                address.assign(parts, parts + 6);
            }
            if (address.empty()) throw KavrelException(name_ + " has no burnt-in address to return to");
            LinuxHost::SetLinkAddress(name_, address);
        }
    });
}

void Pnic::GetDriverInfo(PnicDriverInfo& info) const {
    const auto driver = LinuxHost::DriverInfo(name_);
    info.driver = driver.driver;
    info.version = driver.version;
    info.firmwareVersion = driver.fw_version;
    info.busInfo = driver.bus_info[0] ? driver.bus_info : "N/A";
}

// Follows the other settings' change in `nic set`.
void Pnic::SetSpeedDuplex(uint32_t speed, uint32_t duplex) {
    const LinuxHost::CommandStep step;
    LinkSettings settings;
    const char* what = speed == 0 && duplex == 0 ? "turn on auto-negotiation" : "force the speed and duplex";
    if (!LinuxHost::ReadLinkSettings(name_, settings)) LinuxHost::EthtoolRefusal(name_, what, EOPNOTSUPP);
    if (speed == 0 && duplex == 0) {
        settings.base.autoneg = AUTONEG_ENABLE;
        settings.advertising = settings.supported;  // every mode the NIC has
    } else {
        if (duplex != 1 && duplex != 2) throw KavrelException("Invalid duplex value " + std::to_string(duplex));
        settings.base.autoneg = AUTONEG_DISABLE;
        settings.base.speed = speed;
        settings.base.duplex = duplex == 1 ? DUPLEX_FULL : DUPLEX_HALF;
    }
    LinuxHost::WriteLinkSettings(name_, settings, what);
}

void Pnic::SetAdminStatus(bool up) { LinuxHost::SetLinkUp(name_, up); }

}  // namespace Network
}  // namespace Kavrel
