// An interface's IP configuration set on the kernel: the configuration asked
// for is compared with what the kernel holds now, and only the differences
// are sent, each with its way back, all of them or none.
#include <arpa/inet.h>
#include <sys/socket.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "core/Addresses.h"
#include "core/Changes.h"
#include "core/Links.h"
#include "core/Sysctl.h"
#include "hostcommon/AddressRules.h"
#include "kavrel/Lib.h"
#include "lmxctl/LumexNicInfoImpl.h"

namespace LmxCtl {
namespace Network {

namespace {

using Kavrel::Network::IpConfig;
using Kavrel::Network::Ipv4Address;
using Kavrel::Network::Ipv6Address;
using Kavrel::Network::Ipv6Network;

struct Device {
    std::string netstack;
    int index = 0;
    std::string name;  // the kernel's, as plans and sysctl paths name it
};

// An address or gateway in the kernel's byte order, with its text.
struct KernelAddress {
    int family = AF_INET;
    std::array<uint8_t, 16> bytes{};
    int prefixLength = 0;
    std::string text;
};

KernelAddress V4(const Ipv4Address& address, int prefixLength) {
    KernelAddress kernel;
    const uint32_t value = htonl(address.GetValue());
    std::memcpy(kernel.bytes.data(), &value, sizeof value);
    kernel.prefixLength = prefixLength;
    kernel.text = address.GetStringAddress() + (prefixLength ? "/" + std::to_string(prefixLength) : "");
    return kernel;
}

KernelAddress V6(const Ipv6Address& address, int prefixLength) {
    KernelAddress kernel;
    kernel.family = AF_INET6;
    kernel.bytes = address.GetBytes();
    kernel.prefixLength = prefixLength;
    kernel.text = address.GetStringAddress() + (prefixLength ? "/" + std::to_string(prefixLength) : "");
    return kernel;
}

std::string Where(const Device& device) { return " dev " + device.name + " netstack " + device.netstack; }

// Sends one change, turning the kernel's refusal into a sentence that says
// what was refused and keeps the kernel's reason.
void Step(const std::string& plan, const std::string& undoPlan, const std::function<void(bool)>& send,
          const std::string& refused) {
    LinuxHost::Change(plan,
                      [&] {
                          try {
                              send(true);
                          } catch (const Kavrel::Lib::KavrelException& refusal) {
                              throw Kavrel::Lib::KavrelException(refused + ": " + refusal.GetDescription());
                          }
                      },
                      {undoPlan, [send] { send(false); }});
}

// forward: adding when `adding`, removing otherwise; the way back does the opposite.
void AddressStep(const Device& device, bool adding, const KernelAddress& address) {
    auto plan = [&](bool add) {
        return std::string("address ") + (add ? "add " : "del ") + address.text + Where(device);
    };
    Step(
        plan(adding), plan(!adding),
        [device, adding, address](bool forward) {
            LinuxHost::ChangeAddress(device.netstack, device.index, forward == adding, address.family,
                                     address.bytes.data(), address.prefixLength);
        },
        std::string(adding ? "Cannot add address " : "Cannot remove address ") + address.text +
            (adding ? " to " : " from ") + device.name);
}

void GatewayStep(const Device& device, bool adding, const KernelAddress& gateway) {
    auto plan = [&](bool add) {
        return std::string("route ") + (add ? "add" : "del") + " default via " + gateway.text + " dev " + device.name +
               " table main netstack " + device.netstack;
    };
    Step(
        plan(adding), plan(!adding),
        [device, adding, gateway](bool forward) {
            LinuxHost::ChangeDeviceDefaultRoute(device.netstack, device.index, forward == adding, gateway.family,
                                                gateway.bytes.data());
        },
        std::string(adding ? "Cannot add" : "Cannot remove") + " the default route via " + gateway.text + " dev " +
            device.name);
}

// A setting of the device under /proc/sys/net/ipv6/conf/, written in its
// netstack; afterUndo runs once the old value is back.
void SettingStep(const Device& device, const std::string& setting, const std::string& value,
                 const std::string& previous, std::function<void()> afterUndo = {}, const std::string& undoExtra = "") {
    const std::string path = "ipv6/conf/" + device.name + "/" + setting;
    auto plan = [&](const std::string& to) {
        return "sysctl net.ipv6.conf." + device.name + "." + setting + "=" + to + " netstack " + device.netstack;
    };
    const std::string netstack = device.netstack;
    LinuxHost::Change(plan(value), [&] { LinuxHost::WriteSetting(netstack, path, value); },
                      {plan(previous) + undoExtra, [netstack, path, previous, afterUndo] {
                           LinuxHost::WriteSetting(netstack, path, previous);
                           if (afterUndo) afterUndo();
                       }});
}

// Router advertisements take both switches: accepting them, and making
// addresses from their prefixes. A value above 1 is kept when turning on.
void RouterAdvertisementSteps(const Device& device, bool on) {
    for (const char* setting : {"accept_ra", "autoconf"}) {
        const std::string now =
            LinuxHost::ReadSetting(device.netstack, "ipv6/conf/" + device.name + "/" + setting).value_or("0");
        if (on && now == "0") SettingStep(device, setting, "1", now);
        if (!on && now != "0") SettingStep(device, setting, "0", now);
    }
}

bool Holds(const std::vector<Ipv6Network>& networks, const Ipv6Network& network) {
    return std::find(networks.begin(), networks.end(), network) != networks.end();
}

// The interface shows its device's first IPv4 address. When a set changes
// it, the device's other IPv4 addresses go too, so that what the set asked
// for is what reading the interface shows; a set that leaves it (an IPv6
// change writes the whole configuration too) touches none of them.
void SetIpv4(const Device& device, const IpConfig& now, const IpConfig& wanted) {
    const bool had = !now.GetIpv4UseNone();
    const bool wants = !wanted.GetIpv4UseNone();
    const int oldLength = HostRules::Ipv4PrefixLength(now.GetIpv4Netmask());
    const int newLength = HostRules::Ipv4PrefixLength(wanted.GetIpv4Netmask());
    const bool firstChanged =
        had != wants || (wants && (now.GetIpv4Address() != wanted.GetIpv4Address() || oldLength != newLength));
    const Ipv4Address oldGateway = now.GetIpv4Gateway();
    const Ipv4Address newGateway = wants ? wanted.GetIpv4Gateway() : Ipv4Address();
    // The kernel drops a device's routes with its last address, so the
    // gateway's route goes before an address change and comes back after it.
    const bool gatewayChanged = oldGateway != newGateway || firstChanged;
    if (gatewayChanged && !oldGateway.IsZero()) GatewayStep(device, false, V4(oldGateway, 0));
    if (firstChanged) {
        // Newest first: a secondary address goes before the primary one of
        // its network, which would take it along.
        const auto held = LinuxHost::Ipv4AddressesOf(device.netstack, device.index);
        for (auto address = held.rbegin(); address != held.rend(); ++address) {
            AddressStep(device, false, V4(address->first, address->second));
        }
    }
    if (firstChanged && wants) AddressStep(device, true, V4(wanted.GetIpv4Address(), newLength));
    if (gatewayChanged && !newGateway.IsZero()) GatewayStep(device, true, V4(newGateway, 0));
}

void SetIpv6(const Device& device, const IpConfig& now, const IpConfig& wanted) {
    if (wanted.GetUseIpv6() && !now.GetUseIpv6()) SettingStep(device, "disable_ipv6", "0", "1");
    if (wanted.GetUseIpv6RouterAdvertised() != now.GetUseIpv6RouterAdvertised()) {
        RouterAdvertisementSteps(device, wanted.GetUseIpv6RouterAdvertised());
    }
    const Ipv6Address oldGateway = now.GetIpv6Gateway();
    const Ipv6Address newGateway = wanted.GetIpv6Gateway();
    if (oldGateway != newGateway && !oldGateway.IsUnspecified()) GatewayStep(device, false, V6(oldGateway, 0));
    for (const auto& network : now.GetIpv6Network()) {
        if (!Holds(wanted.GetIpv6Network(), network)) {
            AddressStep(device, false, V6(network.GetAddress(), network.GetNetmask()));
        }
    }
    for (const auto& network : wanted.GetIpv6Network()) {
        if (!Holds(now.GetIpv6Network(), network)) {
            AddressStep(device, true, V6(network.GetAddress(), network.GetNetmask()));
        }
    }
    if (oldGateway != newGateway && !newGateway.IsUnspecified()) GatewayStep(device, true, V6(newGateway, 0));
    if (!wanted.GetUseIpv6() && now.GetUseIpv6()) {
        // Turning IPv6 off drops the device's addresses: the way back brings
        // the static ones back too.
        std::vector<KernelAddress> statics;
        std::string shown;
        for (const auto& network : wanted.GetIpv6Network()) {
            if (network.GetIpv6AddressType() != 0) continue;
            statics.push_back(V6(network.GetAddress(), network.GetNetmask()));
            shown += (shown.empty() ? " and address add " : ", ") + statics.back().text;
        }
        SettingStep(
            device, "disable_ipv6", "1", "0",
            [device, statics] {
                for (const auto& address : statics) {
                    LinuxHost::ChangeAddress(device.netstack, device.index, true, address.family, address.bytes.data(),
                                             address.prefixLength);
                }
            },
            shown);
    }
}

}  // namespace

void LmxNicImpl::SetIpConfig(Kavrel::Network::IpConfig config) {
    const auto located = LinuxHost::LocateInterface(name_);
    const IpConfig now = LinuxHost::ReadIpConfig(located.netstack, located.link);
    // The kernel holds no DHCP switch: a lease reads as on, anything else as
    // off, and turning either way is the client's to do, as are the DNS
    // servers it hands out (they read as off).
    if (config.GetUseDhcp() != now.GetUseDhcp() || config.GetUseIpv6Dhcp() != now.GetUseIpv6Dhcp() ||
        config.GetDhcpDns() || config.GetIpv6DhcpDns()) {
        throw Kavrel::Lib::KavrelException(
            "DHCP and the DNS servers it hands out are run by a DHCP client, not by the Linux kernel: turn them on "
            "or off in the client");
    }
    HostRules::CheckIpConfigChange(now, config);
    const Device device{located.netstack, located.link.index, located.link.device};
    stale_ = true;
    LinuxHost::AllOrNothing([&] {
        SetIpv4(device, now, config);
        SetIpv6(device, now, config);
    });
}

}  // namespace Network
}  // namespace LmxCtl
