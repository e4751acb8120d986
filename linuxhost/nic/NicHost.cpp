// Devices, links and ethtool requests of the Linux host's NICs.
#include "nic/NicHost.h"

#include <libmnl/libmnl.h>
#include <linux/rtnetlink.h>
#include <linux/sockios.h>
#include <net/if.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <sstream>

#include "FileIo.h"
#include "core/Changes.h"
#include "core/Netlink.h"
#include "kavrel/Lib.h"
#include "lmxctl/IpStack.h"

namespace LinuxHost {

using Kavrel::Lib::KavrelException;
using Talix::FileIo::UniqueFd;

namespace {

[[noreturn]] void NoSuchPnic(const std::string& name) { throw KavrelException("No such pnic: " + name); }

// The setting's names, read once per call: the environment does not change
// while a command runs, and a NIC lookup is rare.
bool NamedInSetting(const std::string& name) {
    const char* setting = std::getenv("TALIX_LINUX_NICS");
    if (!setting) return false;
    std::istringstream names(setting);
    for (std::string entry; std::getline(names, entry, ',');) {
        if (entry == name) return true;
    }
    return false;
}

void SendLink(const std::string& name, const std::function<void(NetlinkRequest&, ifinfomsg&)>& fill) {
    NetlinkRequest request(RTM_NEWLINK, NLM_F_REQUEST);
    auto* header = request.Put<ifinfomsg>();
    header->ifi_family = AF_UNSPEC;
    request.PutString(IFLA_IFNAME, name);
    fill(request, *header);
    NetlinkSocket(NETLINK_ROUTE).Ask(request);
}

// undoPlan and undoFill take the link back as it was (read first).
void ChangeLink(const std::string& name, const std::string& plan,
                const std::function<void(NetlinkRequest&, ifinfomsg&)>& fill, const std::string& undoPlan,
                std::function<void(NetlinkRequest&, ifinfomsg&)> undoFill) {
    Change("link set " + name + " " + plan, [&] { SendLink(name, fill); },
           {"link set " + name + " " + undoPlan, [name, undoFill] { SendLink(name, undoFill); }});
}

std::string AddressText(const std::vector<uint8_t>& address) {
    std::string text;
    for (uint8_t byte : address) {
        static const char kDigits[] = "0123456789abcdef";
        text += std::string(text.empty() ? "" : ":") + kDigits[byte >> 4] + kDigits[byte & 15];
    }
    return text;
}

}  // namespace

std::vector<Link> AllLinks() { return DumpLinks(LmxCtl::Network::kDefaultNetstackKey); }

Link ReadLink(const std::string& name) {
    if (name.empty() || name.size() >= IFNAMSIZ || name.find('/') != std::string::npos) NoSuchPnic(name);
    auto link = ReadLinkOfDevice(LmxCtl::Network::kDefaultNetstackKey, name);
    if (!link) NoSuchPnic(name);
    return std::move(*link);
}

bool IsNicDevice(const std::string& name) {
    if (name.empty() || name.size() >= IFNAMSIZ || name.find('/') != std::string::npos || name == "." || name == "..") {
        return false;
    }
    if (!if_nametoindex(name.c_str())) return false;
    return ::access(("/sys/class/net/" + name + "/device").c_str(), F_OK) == 0 || NamedInSetting(name);
}

void RequireNic(const std::string& name) {
    if (!IsNicDevice(name)) NoSuchPnic(name);
}

void SetLinkUp(const std::string& name, bool up) {
    const bool wasUp = Planning() ? up : IsUp(ReadLink(name));
    auto upOrDown = [](bool on) {
        return [on](NetlinkRequest&, ifinfomsg& header) {
            header.ifi_change = IFF_UP;
            header.ifi_flags = on ? IFF_UP : 0;
        };
    };
    ChangeLink(name, up ? "up" : "down", upOrDown(up), wasUp ? "up" : "down", upOrDown(wasUp));
}

void SetLinkAddress(const std::string& name, const std::vector<uint8_t>& address) {
    const std::vector<uint8_t> previous = Planning() ? address : ReadLink(name).address;
    auto put = [](std::vector<uint8_t> bytes) {
        return [bytes](NetlinkRequest& request, ifinfomsg&) {
            request.PutBytes(IFLA_ADDRESS, bytes.data(), bytes.size());
        };
    };
    ChangeLink(name, "address " + AddressText(address), put(address), "address " + AddressText(previous),
               put(previous));
}

void EthtoolRefusal(const std::string& name, const char* what, int error) {
    throw KavrelException(std::string("Cannot ") + what + " of " + name + ": " + std::strerror(error));
}

namespace {

// Sends one ethtool request; false when the driver does not have it.
bool SendEthtool(const std::string& name, void* request, const char* what) {
    UniqueFd socket(::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0));
    if (!socket) EthtoolRefusal(name, what, errno);
    ifreq ifr{};
    std::strncpy(ifr.ifr_name, name.c_str(), IFNAMSIZ - 1);
    ifr.ifr_data = static_cast<char*>(request);
    if (::ioctl(socket.Get(), SIOCETHTOOL, &ifr) == 0) return true;
    if (errno != EOPNOTSUPP) EthtoolRefusal(name, what, errno);
    return false;
}

// A setting's request and the one that reads it, with the size both take.
struct SettingPair {
    uint32_t set;
    uint32_t get;
    size_t size;
};
constexpr SettingPair kSettingPairs[] = {
    {ETHTOOL_SWOL, ETHTOOL_GWOL, sizeof(ethtool_wolinfo)},
    {ETHTOOL_SMSGLVL, ETHTOOL_GMSGLVL, sizeof(ethtool_value)},
    {ETHTOOL_SPAUSEPARAM, ETHTOOL_GPAUSEPARAM, sizeof(ethtool_pauseparam)},
    {ETHTOOL_SRINGPARAM, ETHTOOL_GRINGPARAM, sizeof(ethtool_ringparam)},
    {ETHTOOL_SCOALESCE, ETHTOOL_GCOALESCE, sizeof(ethtool_coalesce)},
    {ETHTOOL_SCHANNELS, ETHTOOL_GCHANNELS, sizeof(ethtool_channels)},
    {ETHTOOL_SRXCSUM, ETHTOOL_GRXCSUM, sizeof(ethtool_value)},
    {ETHTOOL_STXCSUM, ETHTOOL_GTXCSUM, sizeof(ethtool_value)},
    {ETHTOOL_SSG, ETHTOOL_GSG, sizeof(ethtool_value)},
    {ETHTOOL_STSO, ETHTOOL_GTSO, sizeof(ethtool_value)},
    // The masks follow the fixed part: the size is found from the request.
    {ETHTOOL_SLINKSETTINGS, ETHTOOL_GLINKSETTINGS, 0},
};

uint32_t CommandOf(const void* request) {
    uint32_t command;
    std::memcpy(&command, request, sizeof command);
    return command;
}

bool IsRead(const void* request, const char* what) {
    const uint32_t command = CommandOf(request);
    for (const auto& pair : kSettingPairs) {
        if (pair.get == command) return true;
    }
    return std::strncmp(what, "read", 4) == 0;
}

// How a request is taken back: the setting as it was, read just before and
// sent again. A self test or a negotiation restart leaves no setting behind;
// an EEPROM write cannot be taken back.
Undo WayBack(const std::string& name, const void* request, const char* what) {
    const uint32_t command = CommandOf(request);
    const std::string plan = "ethtool " + name + ": " + what;
    if (command == ETHTOOL_TEST || command == ETHTOOL_NWAY_RST) return {plan + ": nothing to take back", [] {}};
    for (const auto& pair : kSettingPairs) {
        if (pair.set != command) continue;
        size_t size = pair.size;
        std::vector<uint8_t> previous;
        if (size == 0) {
            const auto& settings = *static_cast<const ethtool_link_settings*>(request);
            size = sizeof(ethtool_link_settings) + 3 * static_cast<size_t>(settings.link_mode_masks_nwords) * 4;
            previous.assign(size, 0);
            std::memcpy(previous.data(), request, sizeof(ethtool_link_settings));
        } else {
            previous.assign(size, 0);
        }
        std::memcpy(previous.data(), &pair.get, sizeof pair.get);
        try {
            if (!SendEthtool(name, previous.data(), what)) return {plan + ": the previous setting cannot be read", {}};
        } catch (const KavrelException& failure) {
            return {plan + ": the previous setting cannot be read (" + failure.GetDescription() + ")", {}};
        }
        std::memcpy(previous.data(), &pair.set, sizeof pair.set);
        return {"ethtool " + name + ": restore the previous setting (" + what + ")",
                [name, previous, what = std::string(what)]() mutable {
                    if (!SendEthtool(name, previous.data(), what.c_str()))
                        EthtoolRefusal(name, what.c_str(), EOPNOTSUPP);
                }};
    }
    return {plan + ": the previous content is not kept, so it cannot be undone", {}};
}

}  // namespace

// A request that is not a read acts on the device (a setting, a self test,
// a negotiation restart): it goes through Change, so that a dry run only
// plans it, a missing privilege stops it first, and it has a way back.
bool TryEthtool(const std::string& name, void* request, const char* what) {
    if (IsRead(request, what)) return SendEthtool(name, request, what);
    Change(
        "ethtool " + name + ": " + what,
        [&] {
            if (!SendEthtool(name, request, what)) EthtoolRefusal(name, what, EOPNOTSUPP);
        },
        Planning() ? Undo{} : WayBack(name, request, what));
    return true;
}

void Ethtool(const std::string& name, void* request, const char* what) {
    if (!TryEthtool(name, request, what)) EthtoolRefusal(name, what, EOPNOTSUPP);
}

namespace {
// ethtool_link_settings and room for three masks of up to 127 words each.
struct LinkSettingsBuffer {
    alignas(8) uint8_t bytes[sizeof(ethtool_link_settings) + 3 * 127 * sizeof(uint32_t)] = {};
    ethtool_link_settings& Base() { return *reinterpret_cast<ethtool_link_settings*>(bytes); }
    uint32_t* Masks() { return reinterpret_cast<uint32_t*>(bytes + sizeof(ethtool_link_settings)); }
};
}  // namespace

bool ReadLinkSettings(const std::string& name, LinkSettings& settings) {
    LinkSettingsBuffer buffer;
    buffer.Base().cmd = ETHTOOL_GLINKSETTINGS;
    // The first answer only says how many words a mask has (negated).
    if (!TryEthtool(name, buffer.bytes, "read the link settings")) return false;
    const int words = -buffer.Base().link_mode_masks_nwords;
    if (words <= 0 || words > 127) return false;
    buffer = LinkSettingsBuffer{};
    buffer.Base().cmd = ETHTOOL_GLINKSETTINGS;
    buffer.Base().link_mode_masks_nwords = static_cast<int8_t>(words);
    if (!TryEthtool(name, buffer.bytes, "read the link settings")) return false;
    const ethtool_link_settings& base = buffer.Base();
    settings.base.speed = base.speed;
    settings.base.duplex = base.duplex;
    settings.base.port = base.port;
    settings.base.phyAddress = base.phy_address;
    settings.base.autoneg = base.autoneg;
    settings.base.transceiver = base.transceiver;
    settings.raw.assign(buffer.bytes, buffer.bytes + sizeof(ethtool_link_settings));
    const uint32_t* masks = buffer.Masks();
    settings.supported.assign(masks, masks + words);
    settings.advertising.assign(masks + words, masks + 2 * words);
    settings.partner.assign(masks + 2 * words, masks + 3 * words);
    return true;
}

void WriteLinkSettings(const std::string& name, LinkSettings& settings, const char* what) {
    LinkSettingsBuffer buffer;
    std::copy(settings.raw.begin(), settings.raw.end(), buffer.bytes);
    ethtool_link_settings& base = buffer.Base();
    base.cmd = ETHTOOL_SLINKSETTINGS;
    base.speed = settings.base.speed;
    base.duplex = settings.base.duplex;
    base.port = settings.base.port;
    base.phy_address = settings.base.phyAddress;
    base.autoneg = settings.base.autoneg;
    base.transceiver = settings.base.transceiver;
    const size_t words = settings.supported.size();
    uint32_t* masks = buffer.Masks();
    std::copy(settings.supported.begin(), settings.supported.end(), masks);
    std::copy(settings.advertising.begin(), settings.advertising.end(), masks + words);
    std::copy(settings.partner.begin(), settings.partner.end(), masks + 2 * words);
    Ethtool(name, buffer.bytes, what);
}

ethtool_drvinfo DriverInfo(const std::string& name) {
    ethtool_drvinfo info{};
    info.cmd = ETHTOOL_GDRVINFO;
    Ethtool(name, &info, "read the driver information");
    return info;
}

}  // namespace LinuxHost
