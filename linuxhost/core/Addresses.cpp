// Reading a device's addresses over rtnetlink.
#include "core/Addresses.h"

#include <arpa/inet.h>
#include <libmnl/libmnl.h>
#include <linux/if_addr.h>
#include <linux/rtnetlink.h>
#include <sys/socket.h>

#include <array>
#include <cstring>

#include "core/Netlink.h"
#include "core/Netstack.h"
#include "core/Sysctl.h"

namespace LinuxHost {

using namespace Kavrel::Network;

namespace {

// Address kinds and states in the host's numbering.
constexpr int kStaticAddress = 0;
constexpr int kAutoconfAddress = 7;
constexpr int kDhcpAddress = 9;
constexpr int kTentative = 2;
constexpr int kDuplicated = 3;
constexpr int kDeprecated = 5;

Ipv4Address FromBytes4(const void* bytes) {
    uint32_t value;
    std::memcpy(&value, bytes, sizeof value);
    return Ipv4Address(ntohl(value));
}

Ipv4Address Netmask(int prefixLength) { return Ipv4Address(prefixLength == 0 ? 0u : ~0u << (32 - prefixLength)); }

// The default route's gateway of a family when it leaves through the device.
// The kernel is asked for the main table's routes through the device only
// (the socket checks dump requests strictly, which lets it filter): a
// router's table of a million routes then stays in the kernel.
void ReadGateways(NetlinkSocket& socket, int family, int index, IpConfig& config) {
    NetlinkRequest request(RTM_GETROUTE, NLM_F_REQUEST | NLM_F_DUMP);
    auto* asked = request.Put<rtmsg>();
    asked->rtm_family = static_cast<unsigned char>(family);
    asked->rtm_table = RT_TABLE_MAIN;
    asked->rtm_type = RTN_UNICAST;
    request.PutU32(RTA_OIF, static_cast<uint32_t>(index));
    socket.Talk(request, [&](const nlmsghdr* message) {
        const auto* header = static_cast<const rtmsg*>(mnl_nlmsg_get_payload(message));
        Attributes attributes(RTA_MAX);
        attributes.Parse(message, sizeof(rtmsg));
        if (attributes.U32(RTA_TABLE, header->rtm_table) != RT_TABLE_MAIN || header->rtm_dst_len != 0) return;
        if (header->rtm_type != RTN_UNICAST || static_cast<int>(attributes.U32(RTA_OIF)) != index) return;
        if (family == AF_INET6 && header->rtm_protocol == RTPROT_RA) return;
        const nlattr* gateway = attributes[RTA_GATEWAY];
        if (!gateway) return;
        if (family == AF_INET && mnl_attr_get_payload_len(gateway) == 4) {
            config.SetIpv4Gateway(FromBytes4(mnl_attr_get_payload(gateway)));
        } else if (family == AF_INET6 && mnl_attr_get_payload_len(gateway) == 16) {
            std::array<uint8_t, 16> bytes;
            std::memcpy(bytes.data(), mnl_attr_get_payload(gateway), bytes.size());
            config.SetIpv6Gateway(Ipv6Address(bytes));
        }
    });
}

}  // namespace

IpConfig ReadIpConfig(const std::string& netstack, const Link& link) {
    NetlinkSocket& socket = RouteSocket(netstack);
    IpConfig config;
    config.SetIpv4UseNone();
    bool haveIpv4 = false;
    NetlinkRequest request(RTM_GETADDR, NLM_F_REQUEST | NLM_F_DUMP);
    request.Put<ifaddrmsg>()->ifa_index = static_cast<unsigned>(link.index);
    socket.Talk(request, [&](const nlmsghdr* message) {
        const auto* header = static_cast<const ifaddrmsg*>(mnl_nlmsg_get_payload(message));
        if (static_cast<int>(header->ifa_index) != link.index) return;
        Attributes attributes(IFA_MAX);
        attributes.Parse(message, sizeof(ifaddrmsg));
        const uint32_t flags = attributes.U32(IFA_FLAGS, header->ifa_flags);
        const nlattr* local = attributes[IFA_LOCAL] ? attributes[IFA_LOCAL] : attributes[IFA_ADDRESS];
        if (!local) return;
        if (header->ifa_family == AF_INET && !haveIpv4 && mnl_attr_get_payload_len(local) == 4) {
            config.SetIpv4Address(FromBytes4(mnl_attr_get_payload(local)));
            config.SetIpv4Netmask(Netmask(header->ifa_prefixlen));
            // An address with a lifetime (`ip` shows it "dynamic") is a
            // lease a DHCP client keeps renewing.
            if (!(flags & IFA_F_PERMANENT)) config.SetUseDhcp(true);
            haveIpv4 = true;
        } else if (header->ifa_family == AF_INET6 && mnl_attr_get_payload_len(local) == 16) {
            if (header->ifa_scope == RT_SCOPE_LINK) return;
            std::array<uint8_t, 16> bytes;
            std::memcpy(bytes.data(), mnl_attr_get_payload(local), bytes.size());
            Ipv6Network network(Ipv6Address(bytes), header->ifa_prefixlen);
            // Permanent: set by hand. Otherwise the kernel made it from a
            // router advertisement, or a client (DHCPv6) set it with a lifetime
            // and a protocol of its own.
            const bool permanent = (flags & IFA_F_PERMANENT) != 0;
            const nlattr* protocol = attributes[IFA_PROTO];
            const bool fromClient = protocol && attributes.U8(IFA_PROTO) != IFAPROT_KERNEL_RA;
            network.SetIpv6AddressType(permanent ? kStaticAddress : fromClient ? kDhcpAddress : kAutoconfAddress);
            if (flags & IFA_F_DADFAILED) {
                network.SetIpv6AddressStatus(kDuplicated);
            } else if (flags & IFA_F_TENTATIVE) {
                network.SetIpv6AddressStatus(kTentative);
            } else if (flags & IFA_F_DEPRECATED) {
                network.SetIpv6AddressStatus(kDeprecated);
            }
            config.AddIpv6Network(network);
        }
    });
    ReadGateways(socket, AF_INET, link.index, config);
    ReadGateways(socket, AF_INET6, link.index, config);
    // A kernel without IPv6 has none of the settings: IPv6 reads as off.
    const std::string conf = "ipv6/conf/" + link.device + "/";
    config.SetUseIpv6(ReadSetting(netstack, conf + "disable_ipv6").value_or("1") == "0");
    config.SetUseIpv6RouterAdvertised(ReadSetting(netstack, conf + "accept_ra").value_or("0") != "0" &&
                                      ReadSetting(netstack, conf + "autoconf").value_or("0") != "0");
    return config;
}

std::vector<std::pair<Ipv4Address, int>> Ipv4AddressesOf(const std::string& netstack, int index) {
    std::vector<std::pair<Ipv4Address, int>> addresses;
    NetlinkRequest request(RTM_GETADDR, NLM_F_REQUEST | NLM_F_DUMP);
    auto* header = request.Put<ifaddrmsg>();
    header->ifa_family = AF_INET;
    header->ifa_index = static_cast<unsigned>(index);
    RouteSocket(netstack).Talk(request, [&](const nlmsghdr* message) {
        const auto* address = static_cast<const ifaddrmsg*>(mnl_nlmsg_get_payload(message));
        if (address->ifa_family != AF_INET || static_cast<int>(address->ifa_index) != index) return;
        Attributes attributes(IFA_MAX);
        attributes.Parse(message, sizeof(ifaddrmsg));
        const nlattr* local = attributes[IFA_LOCAL] ? attributes[IFA_LOCAL] : attributes[IFA_ADDRESS];
        if (!local || mnl_attr_get_payload_len(local) != 4) return;
        addresses.emplace_back(FromBytes4(mnl_attr_get_payload(local)), address->ifa_prefixlen);
    });
    return addresses;
}

namespace {
size_t AddressSize(int family) { return family == AF_INET ? 4 : 16; }
}  // namespace

void ChangeAddress(const std::string& netstack, int index, bool adding, int family, const void* address,
                   int prefixLength) {
    NetlinkRequest request = AddOrDeleteRequest(adding, RTM_NEWADDR, RTM_DELADDR);
    auto* header = request.Put<ifaddrmsg>();
    header->ifa_family = static_cast<unsigned char>(family);
    header->ifa_prefixlen = static_cast<unsigned char>(prefixLength);
    header->ifa_index = static_cast<unsigned>(index);
    header->ifa_scope = RT_SCOPE_UNIVERSE;
    request.PutBytes(IFA_LOCAL, address, AddressSize(family));
    request.PutBytes(IFA_ADDRESS, address, AddressSize(family));
    RouteSocket(netstack).Ask(request);
}

void ChangeDeviceDefaultRoute(const std::string& netstack, int index, bool adding, int family, const void* gateway) {
    NetlinkRequest request = AddOrDeleteRequest(adding, RTM_NEWROUTE, RTM_DELROUTE);
    auto* header = request.Put<rtmsg>();
    header->rtm_family = static_cast<unsigned char>(family);
    header->rtm_table = RT_TABLE_MAIN;
    // A removal matches the route whoever made it (unspecified protocol).
    header->rtm_protocol = adding ? RTPROT_STATIC : RTPROT_UNSPEC;
    header->rtm_scope = adding ? RT_SCOPE_UNIVERSE : RT_SCOPE_NOWHERE;
    header->rtm_type = RTN_UNICAST;
    request.PutBytes(RTA_GATEWAY, gateway, AddressSize(family));
    request.PutU32(RTA_OIF, static_cast<uint32_t>(index));
    RouteSocket(netstack).Ask(request);
}

}  // namespace LinuxHost
