// The interface IP configuration value type.
#include "kavrel/IpConfig.h"

#include <algorithm>

#include "kavrel/Lib.h"

namespace Kavrel {
namespace Network {

Ipv4Address IpConfig::GetIpv4Broadcast() const {
    if (ipv4Address_.IsZero()) return Ipv4Address();
    return Ipv4Address(ipv4Address_.GetValue() | ~ipv4Netmask_.GetValue());
}

void IpConfig::SetIpv4Address(const Ipv4Address& address) {
    ipv4Address_ = address;
    useDhcp_ = false;
    ipv4UseNone_ = false;
}

void IpConfig::SetIpv4Netmask(const Ipv4Address& netmask) {
    ipv4Netmask_ = netmask;
    useDhcp_ = false;
    ipv4UseNone_ = false;
}

void IpConfig::SetUseDhcp(bool useDhcp) {
    useDhcp_ = useDhcp;
    if (useDhcp) ipv4UseNone_ = false;
}

void IpConfig::SetIpv4UseNone() {
    ipv4UseNone_ = true;
    useDhcp_ = false;
    ipv4Address_ = Ipv4Address();
    ipv4Netmask_ = Ipv4Address();
    ipv4Gateway_ = Ipv4Address();
}

void IpConfig::AddIpv6Network(const Ipv6Network& network) {
    for (const auto& existing : ipv6Networks_) {
        if (existing.GetAddress() == network.GetAddress()) {
            throw Lib::KavrelException("Address " + network.GetAddress().GetStringAddress() +
                                       " is already assigned to this interface");
        }
    }
    ipv6Networks_.push_back(network);
}

void IpConfig::RemoveIpv6Network(const Ipv6Network& network) {
    auto found = std::find_if(ipv6Networks_.begin(), ipv6Networks_.end(), [&](const Ipv6Network& existing) {
        return existing.GetAddress() == network.GetAddress() && existing.GetNetmask() == network.GetNetmask();
    });
    if (found == ipv6Networks_.end()) {
        throw Lib::KavrelException("Address " + network.GetStringAddress() + " is not assigned to this interface");
    }
    ipv6Networks_.erase(found);
}

bool IpConfig::operator==(const IpConfig& other) const {
    return ipv4Address_ == other.ipv4Address_ && ipv4Netmask_ == other.ipv4Netmask_ &&
           ipv4Gateway_ == other.ipv4Gateway_ && useDhcp_ == other.useDhcp_ && ipv4UseNone_ == other.ipv4UseNone_ &&
           dhcpDns_ == other.dhcpDns_ && useIpv6_ == other.useIpv6_ && useIpv6Dhcp_ == other.useIpv6Dhcp_ &&
           useIpv6RouterAdvertised_ == other.useIpv6RouterAdvertised_ && ipv6DhcpDns_ == other.ipv6DhcpDns_ &&
           ipv6Gateway_ == other.ipv6Gateway_ && ipv6Networks_ == other.ipv6Networks_;
}

}  // namespace Network
}  // namespace Kavrel
