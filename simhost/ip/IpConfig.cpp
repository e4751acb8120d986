// The interface IP configuration value type, and its stored form.
#include "kavrel/IpConfig.h"

#include <algorithm>

#include "ip/IpConfigModelConvert.h"
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

namespace SimHost {

using namespace Kavrel::Network;

IpConfig ToIpConfig(const IpConfigModel& model) {
    IpConfig config;
    if (model.ipv4UseNone && !model.useDhcp) {
        config.SetIpv4UseNone();
    } else {
        config.SetIpv4Address(Ipv4Address(model.ipv4Address));
        config.SetIpv4Netmask(Ipv4Address(model.ipv4Netmask));
        config.SetIpv4Gateway(Ipv4Address(model.ipv4Gateway));
        config.SetUseDhcp(model.useDhcp);
    }
    config.SetDhcpDns(model.dhcpDns);
    config.SetUseIpv6(model.useIpv6);
    config.SetUseIpv6Dhcp(model.useIpv6Dhcp);
    config.SetUseIpv6RouterAdvertised(model.useIpv6RouterAdvertised);
    config.SetIpv6DhcpDns(model.ipv6DhcpDns);
    config.SetIpv6Gateway(Ipv6Address(model.ipv6Gateway));
    for (const auto& address : model.ipv6Addresses) {
        Ipv6Network network(address.address);
        network.SetIpv6AddressType(address.type);
        network.SetIpv6AddressStatus(address.status);
        config.AddIpv6Network(network);
    }
    return config;
}

IpConfigModel FromIpConfig(const IpConfig& config) {
    IpConfigModel model;
    model.ipv4Address = config.GetIpv4Address().GetStringAddress();
    model.ipv4Netmask = config.GetIpv4Netmask().GetStringAddress();
    model.ipv4Gateway = config.GetIpv4Gateway().GetStringAddress();
    model.useDhcp = config.GetUseDhcp();
    model.ipv4UseNone = config.GetIpv4UseNone();
    model.dhcpDns = config.GetDhcpDns();
    model.useIpv6 = config.GetUseIpv6();
    model.useIpv6Dhcp = config.GetUseIpv6Dhcp();
    model.useIpv6RouterAdvertised = config.GetUseIpv6RouterAdvertised();
    model.ipv6DhcpDns = config.GetIpv6DhcpDns();
    model.ipv6Gateway = config.GetIpv6Gateway().GetStringAddress();
    for (const auto& network : config.GetIpv6Network()) {
        model.ipv6Addresses.push_back(
            {network.GetStringAddress(), network.GetIpv6AddressType(), network.GetIpv6AddressStatus()});
    }
    return model;
}

}  // namespace SimHost
