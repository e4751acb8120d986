// Lumex network interfaces of the host: identity, attachment, IP configuration and tags.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/ModelCodec.h"

namespace SimHost {

struct Ipv6AddressModel {
    std::string address;  // "2001:db8:10::11/64"
    int type = 0;         // 0 static, 7 router advertised, 9 DHCPv6
    int status = 0;       // 2 tentative, 3 duplicated, 5 deprecated, else preferred
};
TALIX_MODEL(Ipv6AddressModel, address, type, status)

struct IpConfigModel {
    std::string ipv4Address = "0.0.0.0";
    std::string ipv4Netmask = "0.0.0.0";
    std::string ipv4Gateway = "0.0.0.0";
    bool useDhcp = false;
    bool ipv4UseNone = true;
    bool dhcpDns = false;
    bool useIpv6 = true;
    bool useIpv6Dhcp = false;
    bool useIpv6RouterAdvertised = false;
    bool ipv6DhcpDns = false;
    std::string ipv6Gateway = "::";
    std::vector<Ipv6AddressModel> ipv6Addresses;
};
TALIX_MODEL(IpConfigModel, ipv4Address, ipv4Netmask, ipv4Gateway, useDhcp, ipv4UseNone, dhcpDns, useIpv6, useIpv6Dhcp,
            useIpv6RouterAdvertised, ipv6DhcpDns, ipv6Gateway, ipv6Addresses)

struct ConnectionPointModel {
    int type = 0;  // 0 none, 1 port group, 2 distributed-switch port, 3 opaque network
    std::string portgroup;
    std::string dvsUuid;
    std::string dvPortId;
    uint32_t connectionId = 0;
    std::string opaqueNetworkId;
    std::string opaqueNetworkType;
    std::string externalId;
};
TALIX_MODEL(ConnectionPointModel, type, portgroup, dvsUuid, dvPortId, connectionId, opaqueNetworkId, opaqueNetworkType,
            externalId)

// A multicast group the interface has joined.
struct MulticastMembershipModel {
    std::string group;
    std::string linkLayer;
    int32_t refcount = 1;
};
TALIX_MODEL(MulticastMembershipModel, group, linkLayer, refcount)

struct LmxNicModel {
    std::string name;  // "lmx0"
    std::string macAddress = "00:00:00:00:00:00";
    std::string netstack = "defaultTcpipStack";
    int mtu = 1500;
    int tsoMss = 65535;
    int numRxQueue = 1;
    bool enabled = true;
    bool system = false;  // on one of the host's own system portsets
    std::string portset;  // empty: none
    int64_t portId = -1;  // -1: no port
    ConnectionPointModel connectionPoint;
    std::vector<int> tags;
    IpConfigModel ipConfig;            // live
    IpConfigModel configuredIpConfig;  // kept across restarts
    std::vector<MulticastMembershipModel> multicast;
};
TALIX_MODEL(LmxNicModel, name, macAddress, netstack, mtu, tsoMss, numRxQueue, enabled, system, portset, portId,
            connectionPoint, tags, ipConfig, configuredIpConfig, multicast)

struct LmxNicInventory {
    static constexpr const char* kSection = "lmxnics";
    std::vector<LmxNicModel> lmxnics;
};
TALIX_MODEL(LmxNicInventory, lmxnics)

inline const LmxNicModel* FindLmxNic(const LmxNicInventory& inventory, const std::string& name) {
    for (const auto& nic : inventory.lmxnics) {
        if (nic.name == name) return &nic;
    }
    return nullptr;
}

}  // namespace SimHost
