// What the host's IP stack refuses to configure.
#include "hostcommon/AddressRules.h"

#include <algorithm>

#include "kavrel/Lib.h"
#include "kavrel/LmxNic.h"

namespace HostRules {

using Kavrel::Lib::KavrelException;
using Kavrel::Network::IpConfig;
using Kavrel::Network::Ipv4Address;
using Kavrel::Network::Ipv6Address;
using Kavrel::Network::Ipv6Network;

namespace {

const char* Ipv4Misuse(uint32_t value) {
    if (value == 0) return "is the unspecified address";
    if (value == 0xffffffffu) return "is the broadcast address";
    if ((value >> 28) == 0xe) return "is a multicast address";
    if ((value >> 28) == 0xf) return "is a reserved address";
    if ((value >> 24) == 127) return "is a loopback address";
    return nullptr;
}

const char* Ipv6Misuse(const Ipv6Address& address) {
    const auto& bytes = address.GetBytes();
    if (address.IsUnspecified()) return "is the unspecified address";
    if (bytes[0] == 0xff) return "is a multicast address";
    bool zeroHead = std::all_of(bytes.begin(), bytes.begin() + 10, [](uint8_t byte) { return byte == 0; });
    if (zeroHead && bytes[10] == 0 && bytes[11] == 0 && bytes[12] == 0 && bytes[13] == 0 && bytes[14] == 0 &&
        bytes[15] == 1) {
        return "is the loopback address";
    }
    if (zeroHead && bytes[10] == 0xff && bytes[11] == 0xff) return "is an IPv4-mapped address";
    return nullptr;
}

uint32_t MaskOf(int prefixLength) { return prefixLength == 0 ? 0 : 0xffffffffu << (32 - prefixLength); }

}  // namespace

int Ipv4PrefixLength(const Ipv4Address& netmask) {
    const uint32_t mask = netmask.GetValue();
    int length = 0;
    while (length < 32 && (mask & (0x80000000u >> length)) != 0) ++length;
    return mask == MaskOf(length) ? length : -1;
}

void CheckIpv4Unicast(const Ipv4Address& address, const std::string& role) {
    if (const char* misuse = Ipv4Misuse(address.GetValue())) {
        throw KavrelException(role + " " + address.GetStringAddress() + " " + misuse);
    }
}

void CheckIpv6Unicast(const Ipv6Address& address, const std::string& role) {
    if (const char* misuse = Ipv6Misuse(address)) {
        throw KavrelException(role + " " + address.GetStringAddress() + " " + misuse);
    }
}

void CheckStaticIpv4(const IpConfig& config) {
    const Ipv4Address address = config.GetIpv4Address();
    const Ipv4Address netmask = config.GetIpv4Netmask();
    CheckIpv4Unicast(address, "IPv4 address");
    const int length = Ipv4PrefixLength(netmask);
    if (length < 0) {
        throw KavrelException("Netmask " + netmask.GetStringAddress() + " is not a contiguous netmask");
    }
    if (length == 0) throw KavrelException("Netmask 0.0.0.0 leaves no network for the address");
    const uint32_t mask = MaskOf(length);
    const uint32_t value = address.GetValue();
    if (length <= 30 && (value & ~mask) == 0) {
        throw KavrelException("IPv4 address " + address.GetStringAddress() + " is the network address of /" +
                              std::to_string(length));
    }
    if (length <= 30 && (value & ~mask) == ~mask) {
        throw KavrelException("IPv4 address " + address.GetStringAddress() + " is the broadcast address of /" +
                              std::to_string(length));
    }
    const Ipv4Address gateway = config.GetIpv4Gateway();
    if (gateway.IsZero()) return;
    CheckIpv4Unicast(gateway, "Gateway");
    if (gateway == address) {
        throw KavrelException("Gateway " + gateway.GetStringAddress() + " is the interface's own address");
    }
    if ((gateway.GetValue() & mask) != (value & mask)) {
        throw KavrelException("Gateway " + gateway.GetStringAddress() + " is not in the interface's network " +
                              Ipv4Address(value & mask).GetStringAddress() + "/" + std::to_string(length));
    }
    if (length <= 30 && (gateway.GetValue() & ~mask) == ~mask) {
        throw KavrelException("Gateway " + gateway.GetStringAddress() + " is the broadcast address of /" +
                              std::to_string(length));
    }
}

void CheckInterfaceIpv6(const Ipv6Network& network) {
    CheckIpv6Unicast(network.GetAddress(), "IPv6 address");
    if (network.GetNetmask() < 1 || network.GetNetmask() > 128) {
        throw KavrelException("Prefix length " + std::to_string(network.GetNetmask()) + " is out of range: 1 to 128");
    }
}

void CheckIpConfigChange(const IpConfig& before, const IpConfig& after) {
    const bool isStatic = !after.GetUseDhcp() && !after.GetIpv4UseNone();
    const bool ipv4Changed =
        before.GetUseDhcp() != after.GetUseDhcp() || before.GetIpv4UseNone() != after.GetIpv4UseNone() ||
        before.GetIpv4Address() != after.GetIpv4Address() || before.GetIpv4Netmask() != after.GetIpv4Netmask() ||
        before.GetIpv4Gateway() != after.GetIpv4Gateway();
    if (isStatic && ipv4Changed) CheckStaticIpv4(after);
    for (const auto& network : after.GetIpv6Network()) {
        const auto& held = before.GetIpv6Network();
        bool known = std::any_of(held.begin(), held.end(), [&](const Ipv6Network& existing) {
            return existing.GetAddress() == network.GetAddress() && existing.GetNetmask() == network.GetNetmask();
        });
        if (!known) CheckInterfaceIpv6(network);
    }
    const Ipv6Address gateway = after.GetIpv6Gateway();
    if (!gateway.IsUnspecified() && gateway != before.GetIpv6Gateway()) CheckIpv6Unicast(gateway, "Gateway");
}

void CheckNameServer(const Kavrel::Network::IpAddress& address) {
    if (address.IsIpv6()) {
        const Ipv6Address& ipv6 = address.GetIpv6();
        if (ipv6.IsUnspecified()) throw KavrelException("DNS server :: is the unspecified address");
        if (ipv6.GetBytes()[0] == 0xff) {
            throw KavrelException("DNS server " + ipv6.GetStringAddress() + " is a multicast address");
        }
        return;
    }
    const uint32_t value = address.GetIpv4().GetValue();
    // Loopback stays allowed: a local caching resolver listens there.
    if ((value >> 24) == 127) return;
    if (const char* misuse = Ipv4Misuse(value)) {
        throw KavrelException("DNS server " + address.GetStringAddress() + " " + misuse);
    }
}

void CheckMtu(int mtu) {
    using Kavrel::Network::LmxNic;
    if (mtu < LmxNic::MIN_MTU || mtu > LmxNic::MAX_MTU) {
        throw KavrelException("MTU " + std::to_string(mtu) + " is out of range: " + std::to_string(LmxNic::MIN_MTU) +
                              " to " + std::to_string(LmxNic::MAX_MTU));
    }
}

}  // namespace HostRules
