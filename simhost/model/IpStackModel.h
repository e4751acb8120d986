// The host's IP stacks: netstack instances, routing tables, neighbour caches,
// sockets and the IPsec databases.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/ModelCodec.h"

namespace SimHost {

struct NetstackModel {
    std::string key;
    std::string name;
    int state = 0x1234;  // 0x1234 exists in the kernel; 0 only configured
    int maxConnections = 11000;
    int currentMaxConnections = 11000;
    std::string ccAlgorithm = "newreno";
    bool ipv6Enabled = true;
    bool currentIpv6Enabled = true;
    std::string ecn = "enabled";
    int type = 2;  // 1 the default instance, 2 user instances, 3 the host's dedicated ones
};
TALIX_MODEL(NetstackModel, key, name, state, maxConnections, currentMaxConnections, ccAlgorithm, ipv6Enabled,
            currentIpv6Enabled, ecn, type)

struct NetstackTable {
    static constexpr const char* kSection = "netstacks";
    bool ipv6Enabled = true;  // host-wide IPv6 switch
    std::vector<NetstackModel> instances = {NetstackModel{"defaultTcpipStack", "defaultTcpipStack", 0x1234, 11000,
                                                          11000, "newreno", true, true, "enabled", 1}};
};
TALIX_MODEL(NetstackTable, ipv6Enabled, instances)

inline const NetstackModel* FindNetstack(const NetstackTable& table, const std::string& key) {
    for (const auto& instance : table.instances) {
        if (instance.key == key) return &instance;
    }
    return nullptr;
}

struct RouteModel {
    std::string network;  // "10.40.0.0/16" or "2001:db8:40::/48"
    std::string gateway;
    std::string interfaceName;
};
TALIX_MODEL(RouteModel, network, gateway, interfaceName)

// What a routing table holds before anything is set; its views share them.
inline constexpr char kNoIpv4Gateway[] = "0.0.0.0";
inline constexpr char kNoIpv6Gateway[] = "::";
inline constexpr char kManualGatewaySource[] = "MANUAL";

struct RoutingTableModel {
    std::string netstack;
    std::string ipv4Gateway = kNoIpv4Gateway;              // live default gateway
    std::string ipv4ConfiguredGateway = kNoIpv4Gateway;    // kept across restarts
    std::string ipv4GatewaySource = kManualGatewaySource;  // "MANUAL" or "DHCP"
    std::string ipv6Gateway = kNoIpv6Gateway;
    std::string ipv6ConfiguredGateway = kNoIpv6Gateway;
    std::vector<RouteModel> ipv4Routes;  // static routes; connected ones follow the interfaces
    std::vector<RouteModel> ipv6Routes;
};
TALIX_MODEL(RoutingTableModel, netstack, ipv4Gateway, ipv4ConfiguredGateway, ipv4GatewaySource, ipv6Gateway,
            ipv6ConfiguredGateway, ipv4Routes, ipv6Routes)

struct RoutingTables {
    static constexpr const char* kSection = "routes";
    std::vector<RoutingTableModel> tables;
};
TALIX_MODEL(RoutingTables, tables)

// The routing tables as their IPv4 readers see them, and as their IPv6 readers
// do: a listing of 10,000 routes of one family skips the other family's
// routes rather than decoding them.
struct Ipv4RoutingTableView {
    std::string netstack;
    std::string ipv4Gateway = kNoIpv4Gateway;
    std::string ipv4ConfiguredGateway = kNoIpv4Gateway;
    std::string ipv4GatewaySource = kManualGatewaySource;
    std::vector<RouteModel> ipv4Routes;
};
TALIX_MODEL(Ipv4RoutingTableView, netstack, ipv4Gateway, ipv4ConfiguredGateway, ipv4GatewaySource, ipv4Routes)

struct Ipv4RoutingView {
    static constexpr const char* kSection = RoutingTables::kSection;
    std::vector<Ipv4RoutingTableView> tables;
};
TALIX_MODEL(Ipv4RoutingView, tables)

struct Ipv6RoutingTableView {
    std::string netstack;
    std::string ipv6Gateway = kNoIpv6Gateway;
    std::string ipv6ConfiguredGateway = kNoIpv6Gateway;
    std::vector<RouteModel> ipv6Routes;
};
TALIX_MODEL(Ipv6RoutingTableView, netstack, ipv6Gateway, ipv6ConfiguredGateway, ipv6Routes)

struct Ipv6RoutingView {
    static constexpr const char* kSection = RoutingTables::kSection;
    std::vector<Ipv6RoutingTableView> tables;
};
TALIX_MODEL(Ipv6RoutingView, tables)

struct NeighborModel {
    std::string netstack = "defaultTcpipStack";
    std::string address;
    std::string macAddress;
    std::string interfaceName;
    int64_t expiry = 0;
    std::string type = "Dynamic";  // "Dynamic", "Static", "Local"
    std::string state;             // IPv6 only: "Reachable", "Stale", "Delay", "Probe", "Incomplete"
};
TALIX_MODEL(NeighborModel, netstack, address, macAddress, interfaceName, expiry, type, state)

struct NeighborTables {
    static constexpr const char* kSection = "neighbors";
    std::vector<NeighborModel> ipv4;
    std::vector<NeighborModel> ipv6;
};
TALIX_MODEL(NeighborTables, ipv4, ipv6)

struct ConnectionModel {
    std::string netstack = "defaultTcpipStack";
    std::string protocol = "tcp";  // "tcp"/"tcp6" TCP, "udp"/"udp6" UDP, anything else raw IP
    int64_t recvQ = 0;
    int64_t sendQ = 0;
    std::string localAddress = "0.0.0.0";
    int localPort = 0;
    std::string foreignAddress = "0.0.0.0";
    int foreignPort = 0;
    int state = 0;
    std::string ccAlgorithm;
    int64_t worldId = 0;
};
TALIX_MODEL(ConnectionModel, netstack, protocol, recvQ, sendQ, localAddress, localPort, foreignAddress, foreignPort,
            state, ccAlgorithm, worldId)

struct WorldModel {
    int64_t id = 0;
    std::string name;
};
TALIX_MODEL(WorldModel, id, name)

struct ConnectionTable {
    static constexpr const char* kSection = "connections";
    std::vector<ConnectionModel> connections;
    std::vector<WorldModel> worlds;
};
TALIX_MODEL(ConnectionTable, connections, worlds)

// The worlds alone, for the listings that only name them (VM ports): the
// sockets, by far the larger part of the section, are skipped, not decoded.
struct ConnectionWorldsView {
    static constexpr const char* kSection = "connections";
    std::vector<WorldModel> worlds;
};
TALIX_MODEL(ConnectionWorldsView, worlds)

struct SecurityAssociationModel {
    std::string name;
    std::string source = "::";
    std::string destination = "::";
    uint32_t spi = 0;
    std::string mode = "transport";
    std::string encryptionAlgorithm = "null";
    std::string encryptionKey;
    std::string integrityAlgorithm = "hmac-sha1";
    std::string integrityKey;
    std::string state = "mature";
    uint64_t lifetime = 0;
};
TALIX_MODEL(SecurityAssociationModel, name, source, destination, spi, mode, encryptionAlgorithm, encryptionKey,
            integrityAlgorithm, integrityKey, state, lifetime)

struct SecurityPolicyModel {
    std::string name;
    std::string saName;
    std::string source = "::/0";
    std::string destination = "::/0";
    int sourcePort = 0;
    int destinationPort = 0;
    std::string protocol = "any";
    std::string direction = "out";
    std::string action = "none";
    std::string mode = "any";
};
TALIX_MODEL(SecurityPolicyModel, name, saName, source, destination, sourcePort, destinationPort, protocol, direction,
            action, mode)

struct IpSecDatabase {
    static constexpr const char* kSection = "ipsec";
    std::vector<SecurityAssociationModel> sas;
    std::vector<SecurityPolicyModel> sps;
};
TALIX_MODEL(IpSecDatabase, sas, sps)

}  // namespace SimHost
