// One Lumex interface's whole IP configuration, a value copied, changed and written back.
#pragma once

#include <vector>

#include "kavrel/Address.h"

namespace Kavrel {
namespace Network {

class IpConfig {
public:
    IpConfig() = default;

    // IPv4: static (address and netmask), DHCP, or none.
    Ipv4Address GetIpv4Address() const { return ipv4Address_; }
    Ipv4Address GetIpv4Netmask() const { return ipv4Netmask_; }
    Ipv4Address GetIpv4Broadcast() const;  // derived from address and netmask; 0.0.0.0 without an address
    Ipv4Address GetIpv4Gateway() const { return ipv4Gateway_; }
    // Giving a static address or netmask makes the configuration static.
    void SetIpv4Address(const Ipv4Address& address);
    void SetIpv4Netmask(const Ipv4Address& netmask);
    void SetIpv4Gateway(const Ipv4Address& gateway) { ipv4Gateway_ = gateway; }
    bool GetUseDhcp() const { return useDhcp_; }
    void SetUseDhcp(bool useDhcp);
    bool GetIpv4UseNone() const { return ipv4UseNone_; }
    // Drops every IPv4 setting: no address, no gateway, no DHCP.
    void SetIpv4UseNone();
    bool GetDhcpDns() const { return dhcpDns_; }
    void SetDhcpDns(bool dhcpDns) { dhcpDns_ = dhcpDns; }

    // IPv6.
    bool GetUseIpv6() const { return useIpv6_; }
    void SetUseIpv6(bool useIpv6) { useIpv6_ = useIpv6; }
    bool GetUseIpv6Dhcp() const { return useIpv6Dhcp_; }
    void SetUseIpv6Dhcp(bool useDhcp) { useIpv6Dhcp_ = useDhcp; }
    bool GetUseIpv6RouterAdvertised() const { return useIpv6RouterAdvertised_; }
    void SetUseIpv6RouterAdvertised(bool use) { useIpv6RouterAdvertised_ = use; }
    bool GetIpv6DhcpDns() const { return ipv6DhcpDns_; }
    void SetIpv6DhcpDns(bool dhcpDns) { ipv6DhcpDns_ = dhcpDns; }
    Ipv6Address GetIpv6Gateway() const { return ipv6Gateway_; }
    // The unspecified address "::" clears the gateway.
    void SetIpv6Gateway(const Ipv6Address& gateway) { ipv6Gateway_ = gateway; }

    // The interface's IPv6 networks (address and prefix length, with kind and state).
    const std::vector<Ipv6Network>& GetIpv6Network() const { return ipv6Networks_; }
    // Throws Kavrel::Lib::KavrelException when the address is already there.
    void AddIpv6Network(const Ipv6Network& network);
    // Throws Kavrel::Lib::KavrelException when the address is not there.
    void RemoveIpv6Network(const Ipv6Network& network);

    bool operator==(const IpConfig& other) const;
    bool operator!=(const IpConfig& other) const { return !(*this == other); }

private:
    Ipv4Address ipv4Address_;
    Ipv4Address ipv4Netmask_;
    Ipv4Address ipv4Gateway_;
    bool useDhcp_ = false;
    bool ipv4UseNone_ = true;
    bool dhcpDns_ = false;
    bool useIpv6_ = true;
    bool useIpv6Dhcp_ = false;
    bool useIpv6RouterAdvertised_ = false;
    bool ipv6DhcpDns_ = false;
    Ipv6Address ipv6Gateway_;
    std::vector<Ipv6Network> ipv6Networks_;
};

}  // namespace Network
}  // namespace Kavrel
