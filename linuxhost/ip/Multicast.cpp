// The multicast groups each device of the default netstack has joined: IPv4
// groups from /proc/net/igmp, IPv6 groups from /proc/net/igmp6, and the
// link-layer addresses the device receives from /proc/net/dev_mcast.
#include <arpa/inet.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <set>
#include <sstream>

#include "core/KernelFiles.h"
#include "core/Links.h"
#include "kavrel/Datapath.h"
#include "kavrel/Lib.h"
#include "kavrel/NetworkInfo.h"
#include "lmxctl/IpStack.h"

namespace LinuxHost {

namespace {

// Room for tens of thousands of groups.
constexpr size_t kMulticastFileLimit = 8 << 20;

std::string ProcNet(const char* name) { return ReadKernelFile(std::string("/proc/net/") + name, kMulticastFileLimit); }

// "01005e000001" as "01:00:5e:00:00:01".
std::string MacText(const std::string& hex) {
    std::string text;
    for (size_t i = 0; i + 1 < hex.size(); i += 2) text += (i ? ":" : "") + hex.substr(i, 2);
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// The Ethernet address an IP group is received on (01:00:5e plus its low 23
// bits, 33:33 plus an IPv6 group's low 32 bits).
std::string MappedMac(const unsigned char* address, bool ipv6) {
    char text[18];
    if (ipv6) {
        snprintf(text, sizeof text, "33:33:%02x:%02x:%02x:%02x", address[12], address[13], address[14], address[15]);
    } else {
        snprintf(text, sizeof text, "01:00:5e:%02x:%02x:%02x", address[1] & 0x7f, address[2], address[3]);
    }
    return text;
}

bool ParseHex(const std::string& hex, unsigned char* bytes, size_t size) {
    if (hex.size() != size * 2) return false;
    for (size_t i = 0; i < size; ++i) {
        char* end = nullptr;
        const std::string pair = hex.substr(i * 2, 2);
        bytes[i] = static_cast<unsigned char>(std::strtoul(pair.c_str(), &end, 16));
        if (*end != '\0') return false;
    }
    return true;
}

class LinuxNetInterface : public Kavrel::Network::NetInterface {
public:
    LinuxNetInterface(const std::string& name, int index) : NetInterface(name), index_(index) {}

    // IPv4 groups, then IPv6 groups, each with the link-layer address it is
    // received on when the device filters for it; then the link-layer
    // addresses the device receives for no IP group, without a group.
    std::vector<Kavrel::Network::MulticastMembership> GetMulticastMemberships() const override {
        std::vector<std::pair<std::string, int32_t>> linkAddresses;  // dev_mcast: address, users
        {
            std::istringstream lines(ProcNet("dev_mcast"));
            for (std::string line; std::getline(lines, line);) {
                std::istringstream fields(line);
                int index = 0, users = 0, global = 0;
                std::string device, address;
                if (fields >> index >> device >> users >> global >> address && index == index_) {
                    linkAddresses.emplace_back(MacText(address), users);
                }
            }
        }
        std::set<std::string> mapped;
        std::vector<Kavrel::Network::MulticastMembership> memberships;
        auto add = [&](const std::string& group, const unsigned char* bytes, bool ipv6, int32_t users) {
            std::string mac = MappedMac(bytes, ipv6);
            bool received = false;
            for (const auto& link : linkAddresses) received = received || link.first == mac;
            if (received) mapped.insert(mac);
            memberships.push_back({GetName(), group, received ? mac : "", users});
        };
        {
            // A device line ("1\tlo : 1 V3"), then one indented line per group
            // ("\t\t\t\t010000E0     1 0:00000000\t\t0"), the group as the
            // kernel holds it in memory.
            std::istringstream lines(ProcNet("igmp"));
            int device = 0;
            for (std::string line; std::getline(lines, line);) {
                std::istringstream fields(line);
                if (!line.empty() && std::isdigit(static_cast<unsigned char>(line[0]))) {
                    fields >> device;
                    continue;
                }
                std::string hex;
                int32_t users = 0;
                if (device != index_ || !(fields >> hex >> users) || hex.size() != 8) continue;
                uint32_t value = static_cast<uint32_t>(std::strtoul(hex.c_str(), nullptr, 16));
                unsigned char bytes[4];
                std::memcpy(bytes, &value, sizeof bytes);
                char text[INET_ADDRSTRLEN] = "";
                inet_ntop(AF_INET, bytes, text, sizeof text);
                add(text, bytes, false, users);
            }
        }
        {
            std::istringstream lines(ProcNet("igmp6"));
            for (std::string line; std::getline(lines, line);) {
                std::istringstream fields(line);
                int index = 0;
                int32_t users = 0;
                std::string device, hex;
                unsigned char bytes[16];
                if (!(fields >> index >> device >> hex >> users) || index != index_ || !ParseHex(hex, bytes, 16)) {
                    continue;
                }
                char text[INET6_ADDRSTRLEN] = "";
                inet_ntop(AF_INET6, bytes, text, sizeof text);
                add(text, bytes, true, users);
            }
        }
        for (const auto& link : linkAddresses) {
            if (!mapped.count(link.first)) memberships.push_back({GetName(), "", link.first, link.second});
        }
        return memberships;
    }

private:
    int index_;
};

}  // namespace

}  // namespace LinuxHost

namespace Kavrel {
namespace Network {

NetInterface::NetInterface(const std::string& name) : name_(name) {}
NetInterface::~NetInterface() = default;
std::string NetInterface::GetName() const { return name_; }
// Every interface handed out is the Linux host's own kind.
std::vector<MulticastMembership> NetInterface::GetMulticastMemberships() const { return {}; }

InterfaceInventory::~InterfaceInventory() = default;

// Every device of the default netstack, by its interface name or its own.
std::vector<std::unique_ptr<NetInterface>> InterfaceInventory::GetInterfaces(int selector) {
    if (selector != INTERFACES_ALL)
        throw Lib::KavrelException("Invalid interface selector " + std::to_string(selector));
    std::vector<std::unique_ptr<NetInterface>> interfaces;
    for (const auto& link : LinuxHost::DumpLinks(LmxCtl::Network::kDefaultNetstackKey)) {
        interfaces.push_back(std::make_unique<LinuxHost::LinuxNetInterface>(LinuxHost::ShownNameOf(link), link.index));
    }
    return interfaces;
}

std::unique_ptr<InterfaceInventory> NetworkInfo::GetInterfaceInventory() {
    return std::make_unique<InterfaceInventory>();
}

}  // namespace Network
}  // namespace Kavrel
