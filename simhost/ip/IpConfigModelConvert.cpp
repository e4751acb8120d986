// The stored form of an interface IP configuration.
#include "ip/IpConfigModelConvert.h"

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
