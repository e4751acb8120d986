// Routes and default gateways of the netstack instances (their neighbour
// caches: Neighbors.cpp).
#include <algorithm>
#include <map>
#include <string_view>
#include <type_traits>
#include <unordered_map>
#include <unordered_set>

#include "core/Faults.h"
#include "core/HostStore.h"
#include "hostcommon/AddressRules.h"
#include "ip/IpConfigModelConvert.h"
#include "ip/RoutingShared.h"
#include "kavrel/Lib.h"
#include "kavrel/LmxNic.h"
#include "lmxctl/IpStack.h"
#include "model/IpStackModel.h"
#include "model/LmxNicModel.h"

namespace LmxCtl {
namespace Network {

using Kavrel::Lib::KavrelException;
using Kavrel::Network::Ipv4Address;
using Kavrel::Network::Ipv4Network;
using Kavrel::Network::Ipv6Address;
using Kavrel::Network::Ipv6Network;
using Kavrel::Network::PORTSET_GET_SYSTEM;
using SimHost::CheckFault;
using SimHost::HostStore;
using SimHost::Ipv4RoutingView;
using SimHost::Ipv6RoutingView;
using SimHost::LmxNicInventory;
using SimHost::LmxNicModel;
using SimHost::NeighborModel;
using SimHost::NeighborTables;
using SimHost::RouteModel;
using SimHost::RoutingTableModel;
using SimHost::RoutingTables;

// Built by the default constructors, both are ready before any code runs.

void RequireNetstack(const std::string& key) {
    if (!SimHost::FindNetstack(HostStore::Instance().Read<SimHost::NetstackTable>(), key)) {
        throw KavrelException("Netstack instance " + key + " does not exist");
    }
}

namespace {

// The instance's table as the readers of one address family see it; an
// instance without one has an empty table.
template <typename View>
const auto& TableViewOf(const std::string& key) {
    RequireNetstack(key);
    for (const auto& table : HostStore::Instance().Read<View>().tables) {
        if (table.netstack == key) return table;
    }
    static const typename decltype(View::tables)::value_type empty;
    return empty;
}

// The static routes of every instance by network, so that a change checks the
// table without reading it through (a batch of thousands of changes would
// otherwise cost the square of its size): how many routes of each network an
// instance has, and the networks of its first table in order, which is the
// table a change edits, so that a removal finds its route's position by
// comparing keys instead of reading every stored text.
template <typename Key>
struct RouteIndex {
    struct Table {
        std::vector<Key> keys;
        std::unordered_map<Key, size_t> count;
    };
    std::map<std::string, Table, std::less<>> byNetstack;

    bool Contains(const std::string& netstack, const Key& key) const {
        auto table = byNetstack.find(netstack);
        return table != byNetstack.end() && table->second.count.count(key) != 0;
    }
    // Where the first route of the instance's table with that key and a
    // matching gateway is, from `from` on; routes.size() when none is.
    template <typename Route, typename SameGateway>
    size_t Find(const std::string& netstack, const Key& key, const std::vector<Route>& routes,
                SameGateway&& sameGateway) const {
        auto table = byNetstack.find(netstack);
        if (table == byNetstack.end() || table->second.keys.size() != routes.size()) return routes.size();
        const auto& keys = table->second.keys;
        for (size_t i = 0; i < keys.size(); ++i) {
            if (keys[i] == key && sameGateway(routes[i])) return i;
        }
        return routes.size();
    }
    void Added(const std::string& netstack, const Key& key) {
        auto& table = byNetstack[netstack];
        table.keys.push_back(key);
        ++table.count[key];
    }
    // False when the index did not know the table's order (it is then computed again).
    bool Removed(const std::string& netstack, size_t position, size_t routesBefore) {
        auto& table = byNetstack[netstack];
        if (table.keys.size() != routesBefore) return false;
        auto counted = table.count.find(table.keys[position]);
        if (counted != table.count.end() && --counted->second == 0) table.count.erase(counted);
        table.keys.erase(table.keys.begin() + static_cast<std::ptrdiff_t>(position));
        return true;
    }
};

uint64_t RouteKey(const Ipv4Network& network) {
    return (uint64_t{network.GetNetwork().GetValue()} << 8) | static_cast<uint64_t>(network.GetPrefixLength());
}

std::string RouteKey(const Ipv6Network& network) {
    const Ipv6Address address = network.GetAddress();
    const auto& bytes = address.GetBytes();
    std::string key(bytes.begin(), bytes.end());
    key.push_back(static_cast<char>(network.GetNetmask()));
    return key;
}

struct Ipv4RouteIndex : RouteIndex<uint64_t> {};
struct Ipv6RouteIndex : RouteIndex<std::string> {};

template <typename Index, typename Network, typename Routes>
Index BuildRouteIndex(const RoutingTables& tables, Routes RoutingTableModel::*routes) {
    Index index;
    for (const auto& table : tables.tables) {
        auto [entry, first] = index.byNetstack.try_emplace(table.netstack);
        for (const auto& route : table.*routes) {
            auto key = RouteKey(Network(route.network));
            ++entry->second.count[key];
            if (first) entry->second.keys.push_back(key);
        }
    }
    return index;
}

const Ipv4RouteIndex& StoredIpv4Routes() {
    return HostStore::Instance().Derived<RoutingTables, Ipv4RouteIndex>([](const RoutingTables& tables) {
        return BuildRouteIndex<Ipv4RouteIndex, Ipv4Network>(tables, &RoutingTableModel::ipv4Routes);
    });
}

const Ipv6RouteIndex& StoredIpv6Routes() {
    return HostStore::Instance().Derived<RoutingTables, Ipv6RouteIndex>([](const RoutingTables& tables) {
        return BuildRouteIndex<Ipv6RouteIndex, Ipv6Network>(tables, &RoutingTableModel::ipv6Routes);
    });
}

// Last in a change, once nothing can fail: the index, when it is current,
// learns what the change did and follows the section to its new copy (unless
// update returns false: it is then computed again when next needed).
template <typename Index, typename Update>
void KeepRouteIndex(Update&& update) {
    auto& store = HostStore::Instance();
    if (auto* index = store.CurrentDerived<RoutingTables, Index>()) {
        if (update(*index)) store.KeepDerived<RoutingTables, Index>();
    }
}

const Ipv4RouteIndex& StoredRoutesOf(const Ipv4Network&) { return StoredIpv4Routes(); }
const Ipv6RouteIndex& StoredRoutesOf(const Ipv6Network&) { return StoredIpv6Routes(); }

// Removes the instance's static route to network via gateway from its table,
// keeping the index current; false when the table has no such route.
template <typename Network, typename Address>
bool RemoveRoute(const std::string& netstack, std::vector<RouteModel>& routes, const Network& network,
                 const Address& gateway) {
    using Index = std::decay_t<decltype(StoredRoutesOf(network))>;
    const Index& index = StoredRoutesOf(network);
    const auto key = RouteKey(network);
    if (!index.Contains(netstack, key)) return false;
    auto sameGateway = [&](const RouteModel& route) { return Address(route.gateway) == gateway; };
    size_t found = index.Find(netstack, key, routes, sameGateway);
    if (found == routes.size()) {  // a route of another table of the instance: read them through
        auto at = std::find_if(routes.begin(), routes.end(), [&](const RouteModel& route) {
            return Network(route.network) == network && sameGateway(route);
        });
        found = static_cast<size_t>(at - routes.begin());
        if (found == routes.size()) return false;
    }
    const size_t before = routes.size();
    routes.erase(routes.begin() + static_cast<std::ptrdiff_t>(found));
    KeepRouteIndex<Index>([&](Index& kept) { return kept.Removed(netstack, found, before); });
    return true;
}

// Changes the instance's table, creating it on first use.
template <typename Body>
void ChangeTable(const std::string& key, Body&& change) {
    RequireNetstack(key);
    HostStore::Instance().Update<RoutingTables>([&](RoutingTables& tables) {
        for (auto& table : tables.tables) {
            if (table.netstack == key) return change(table);
        }
        RoutingTableModel table;
        table.netstack = key;
        change(table);
        tables.tables.push_back(table);
    });
}

int PrefixOf(const Ipv4Address& netmask) {
    int length = 0;
    for (uint32_t bits = netmask.GetValue(); bits & 0x80000000u; bits <<= 1) ++length;
    return length;
}

Ipv6Network Masked(const Ipv6Network& network) {
    auto bytes = network.GetAddress().GetBytes();
    const auto mask = Ipv6Network::NetmaskFromNumber(network.GetNetmask()).GetBytes();
    for (size_t i = 0; i < bytes.size(); ++i) bytes[i] &= mask[i];
    return Ipv6Network(Ipv6Address(bytes), network.GetNetmask());
}

std::vector<const LmxNicModel*> NicsOf(const std::string& key) {
    std::vector<const LmxNicModel*> nics;
    for (const auto& nic : HostStore::Instance().Read<LmxNicInventory>().lmxnics) {
        if (nic.netstack == key) nics.push_back(&nic);
    }
    return nics;
}

struct Connected4 {
    Ipv4Network network;
    std::string interfaceName;
};

std::vector<Connected4> ConnectedIpv4(const std::string& key) {
    std::vector<Connected4> networks;
    for (const auto* nic : NicsOf(key)) {
        auto config = SimHost::ToIpConfig(nic->ipConfig);
        if (config.GetIpv4UseNone() || config.GetIpv4Address().IsZero()) continue;
        networks.push_back({Ipv4Network(config.GetIpv4Address(), PrefixOf(config.GetIpv4Netmask())), nic->name});
    }
    return networks;
}

struct Connected6 {
    Ipv6Network network;
    std::string interfaceName;
};

std::vector<Connected6> ConnectedIpv6(const std::string& key) {
    std::vector<Connected6> networks;
    for (const auto* nic : NicsOf(key)) {
        auto config = SimHost::ToIpConfig(nic->ipConfig);
        if (!config.GetUseIpv6()) continue;
        for (const auto& network : config.GetIpv6Network()) networks.push_back({Masked(network), nic->name});
    }
    return networks;
}

// The interface through which the gateway is reached; throws when none is.
// The connected IPv4 networks of every instance, for the egress of each added
// route: a batch of route changes finds them once, not once per route.
struct ConnectedIpv4ByNetstack {
    std::map<std::string, std::vector<Connected4>, std::less<>> byNetstack;
};

const std::vector<Connected4>& StoredConnectedIpv4(const std::string& key) {
    const auto& index =
        HostStore::Instance().Derived<LmxNicInventory, ConnectedIpv4ByNetstack>([](const LmxNicInventory& nics) {
            ConnectedIpv4ByNetstack index;
            for (const auto& nic : nics.lmxnics) {
                if (index.byNetstack.count(nic.netstack) == 0)
                    index.byNetstack[nic.netstack] = ConnectedIpv4(nic.netstack);
            }
            return index;
        });
    static const std::vector<Connected4> none;
    auto found = index.byNetstack.find(key);
    return found == index.byNetstack.end() ? none : found->second;
}

std::string Ipv4Egress(const std::string& key, const Ipv4Address& gateway) {
    if (!gateway.IsZero()) {
        for (const auto& connected : StoredConnectedIpv4(key)) {
            if (connected.network.Contains(gateway)) return connected.interfaceName;
        }
    }
    throw KavrelException("Gateway " + gateway.GetStringAddress() + " is not reachable from netstack " + key);
}

bool IsLinkLocal(const Ipv6Address& address) {
    return address.GetBytes()[0] == 0xfe && (address.GetBytes()[1] & 0xc0) == 0x80;
}

// The connected IPv6 networks of every instance, as for IPv4 above.
struct ConnectedIpv6ByNetstack {
    std::map<std::string, std::vector<Connected6>, std::less<>> byNetstack;
};

const std::vector<Connected6>& StoredConnectedIpv6(const std::string& key) {
    const auto& index =
        HostStore::Instance().Derived<LmxNicInventory, ConnectedIpv6ByNetstack>([](const LmxNicInventory& nics) {
            ConnectedIpv6ByNetstack index;
            for (const auto& nic : nics.lmxnics) {
                if (index.byNetstack.count(nic.netstack) == 0)
                    index.byNetstack[nic.netstack] = ConnectedIpv6(nic.netstack);
            }
            return index;
        });
    static const std::vector<Connected6> none;
    auto found = index.byNetstack.find(key);
    return found == index.byNetstack.end() ? none : found->second;
}

std::string Ipv6Egress(const std::string& key, const Ipv6Address& gateway) {
    if (!gateway.IsUnspecified()) {
        for (const auto& connected : StoredConnectedIpv6(key)) {
            if (connected.network.Contains(gateway)) return connected.interfaceName;
        }
        // A link-local router is reached through the first IPv6 interface.
        if (IsLinkLocal(gateway)) {
            for (const auto* nic : NicsOf(key)) {
                if (nic->ipConfig.useIpv6) return nic->name;
            }
        }
    }
    throw KavrelException("Gateway " + gateway.GetStringAddress() + " is not reachable from netstack " + key);
}

std::string EgressOrNone(const std::string& key, const Ipv4Address& gateway) {
    try {
        return Ipv4Egress(key, gateway);
    } catch (const KavrelException&) {
        return "";
    }
}

std::string EgressOrNone(const std::string& key, const Ipv6Address& gateway) {
    try {
        return Ipv6Egress(key, gateway);
    } catch (const KavrelException&) {
        return "";
    }
}

}  // namespace

RoutingInfoImpl::RoutingInfoImpl(const std::string& netstackKey) : key_(netstackKey) {}
RoutingInfoImpl::~RoutingInfoImpl() = default;

void RoutingInfoImpl::SetNetstackInstanceKey(const std::string& key) {
    CheckFault("RoutingInfoImpl::SetNetstackInstanceKey");
    key_ = key;
}

void RoutingInfoImpl::Refresh() { CheckFault("RoutingInfoImpl::Refresh"); }

void RoutingInfoImpl::AddLumexRoute(const Ipv4Network& network, const Ipv4Address& gateway) {
    CheckFault("RoutingInfoImpl::AddLumexRoute");
    RequireNetstack(key_);
    HostRules::CheckIpv4Unicast(gateway, "Gateway");
    if (network == DEFAULT_IPV4_ROUTE) {
        Ipv4Egress(key_, gateway);
        ChangeTable(key_, [&](RoutingTableModel& table) {
            if (!Ipv4Address(table.ipv4Gateway).IsZero()) {
                throw KavrelException("A default route already exists via " + table.ipv4Gateway);
            }
            table.ipv4Gateway = table.ipv4ConfiguredGateway = gateway.GetStringAddress();
            table.ipv4GatewaySource = "MANUAL";
        });
        return;
    }
    std::string egress = Ipv4Egress(key_, gateway);
    ChangeTable(key_, [&](RoutingTableModel& table) {
        const auto key = RouteKey(network);
        if (StoredIpv4Routes().Contains(key_, key)) {
            throw KavrelException("A route to " + network.GetStringAddress() + " already exists");
        }
        table.ipv4Routes.push_back(RouteModel{network.GetStringAddress(), gateway.GetStringAddress(), egress});
        KeepRouteIndex<Ipv4RouteIndex>([&](Ipv4RouteIndex& index) {
            index.Added(key_, key);
            return true;
        });
    });
}

void RoutingInfoImpl::RemoveLumexRoute(const Ipv4Network& network, const Ipv4Address& gateway) {
    CheckFault("RoutingInfoImpl::RemoveLumexRoute");
    ChangeTable(key_, [&](RoutingTableModel& table) {
        if (network == DEFAULT_IPV4_ROUTE && Ipv4Address(table.ipv4Gateway) == gateway && !gateway.IsZero()) {
            table.ipv4Gateway = table.ipv4ConfiguredGateway = "0.0.0.0";
            return;
        }
        if (!RemoveRoute(key_, table.ipv4Routes, network, gateway)) {
            throw KavrelException("No route to " + network.GetStringAddress() + " via " + gateway.GetStringAddress());
        }
    });
}

void RoutingInfoImpl::AddIpv6LumexRoute(const Ipv6Network& network, const Ipv6Address& gateway) {
    CheckFault("RoutingInfoImpl::AddIpv6LumexRoute");
    RequireNetstack(key_);
    HostRules::CheckIpv6Unicast(gateway, "Gateway");
    std::string egress = Ipv6Egress(key_, gateway);
    if (network == DEFAULT_IPV6_ROUTE) {
        ChangeTable(key_, [&](RoutingTableModel& table) {
            if (!Ipv6Address(table.ipv6Gateway).IsUnspecified()) {
                throw KavrelException("A default route already exists via " + table.ipv6Gateway);
            }
            table.ipv6Gateway = table.ipv6ConfiguredGateway = gateway.GetStringAddress();
        });
        return;
    }
    Ipv6Network masked = Masked(network);
    ChangeTable(key_, [&](RoutingTableModel& table) {
        const auto key = RouteKey(masked);
        if (StoredIpv6Routes().Contains(key_, key)) {
            throw KavrelException("A route to " + masked.GetStringAddress() + " already exists");
        }
        table.ipv6Routes.push_back(RouteModel{masked.GetStringAddress(), gateway.GetStringAddress(), egress});
        KeepRouteIndex<Ipv6RouteIndex>([&](Ipv6RouteIndex& index) {
            index.Added(key_, key);
            return true;
        });
    });
}

void RoutingInfoImpl::RemoveIpv6LumexRoute(const Ipv6Network& network, const Ipv6Address& gateway) {
    CheckFault("RoutingInfoImpl::RemoveIpv6LumexRoute");
    Ipv6Network masked = Masked(network);
    ChangeTable(key_, [&](RoutingTableModel& table) {
        if (network == DEFAULT_IPV6_ROUTE && Ipv6Address(table.ipv6Gateway) == gateway && !gateway.IsUnspecified()) {
            table.ipv6Gateway = table.ipv6ConfiguredGateway = "::";
            return;
        }
        if (!RemoveRoute(key_, table.ipv6Routes, masked, gateway)) {
            throw KavrelException("No route to " + masked.GetStringAddress() + " via " + gateway.GetStringAddress());
        }
    });
}

Ipv4Address RoutingInfoImpl::GetLumexDefaultGateway() {
    CheckFault("RoutingInfoImpl::GetLumexDefaultGateway");
    return Ipv4Address(TableViewOf<Ipv4RoutingView>(key_).ipv4Gateway);
}

Ipv4Address RoutingInfoImpl::GetLumexConfigDefaultGateway() {
    CheckFault("RoutingInfoImpl::GetLumexConfigDefaultGateway");
    return Ipv4Address(TableViewOf<Ipv4RoutingView>(key_).ipv4ConfiguredGateway);
}

void RoutingInfoImpl::SetLumexDefaultGateway(const Ipv4Address& gateway, bool persistOnly) {
    CheckFault("RoutingInfoImpl::SetLumexDefaultGateway");
    RequireNetstack(key_);
    if (!gateway.IsZero()) {
        HostRules::CheckIpv4Unicast(gateway, "Gateway");
        Ipv4Egress(key_, gateway);
    }
    ChangeTable(key_, [&](RoutingTableModel& table) {
        table.ipv4ConfiguredGateway = gateway.GetStringAddress();
        if (!persistOnly) table.ipv4Gateway = gateway.GetStringAddress();
        table.ipv4GatewaySource = "MANUAL";
    });
}

Ipv6Address RoutingInfoImpl::GetIpv6LumexDefaultGateway() {
    CheckFault("RoutingInfoImpl::GetIpv6LumexDefaultGateway");
    return Ipv6Address(TableViewOf<Ipv6RoutingView>(key_).ipv6Gateway);
}

Ipv6Address RoutingInfoImpl::GetIpv6LumexConfigDefaultGateway() {
    CheckFault("RoutingInfoImpl::GetIpv6LumexConfigDefaultGateway");
    return Ipv6Address(TableViewOf<Ipv6RoutingView>(key_).ipv6ConfiguredGateway);
}

void RoutingInfoImpl::SetIpv6LumexDefaultGateway(const Ipv6Address& gateway) {
    CheckFault("RoutingInfoImpl::SetIpv6LumexDefaultGateway");
    RequireNetstack(key_);
    if (!gateway.IsUnspecified()) {
        HostRules::CheckIpv6Unicast(gateway, "Gateway");
        Ipv6Egress(key_, gateway);
    }
    ChangeTable(key_, [&](RoutingTableModel& table) {
        table.ipv6Gateway = table.ipv6ConfiguredGateway = gateway.GetStringAddress();
    });
}

std::vector<RoutingInfoImpl::Ipv4Route> RoutingInfoImpl::GetCurrentLumexRoutes(int kind) {
    CheckFault("RoutingInfoImpl::GetCurrentLumexRoutes");
    KindFilter ofKind(kind);
    const auto& table = TableViewOf<Ipv4RoutingView>(key_);
    std::vector<Ipv4Route> routes;
    routes.reserve(1 + NicsOf(key_).size() + table.ipv4Routes.size());
    Ipv4Address gateway(table.ipv4Gateway);
    if (!gateway.IsZero()) {
        std::string egress = EgressOrNone(key_, gateway);
        if (ofKind(egress)) routes.push_back({DEFAULT_IPV4_ROUTE, gateway, egress});
    }
    for (const auto& connected : ConnectedIpv4(key_)) {
        if (ofKind(connected.interfaceName))
            routes.push_back({connected.network, Ipv4Address(), connected.interfaceName});
    }
    for (const auto& route : table.ipv4Routes) {
        if (ofKind(route.interfaceName)) {
            routes.push_back({Ipv4Network(route.network), Ipv4Address(route.gateway), route.interfaceName});
        }
    }
    return routes;
}

std::vector<RoutingInfoImpl::Ipv6Route> RoutingInfoImpl::GetCurrentIpv6LumexRoutes(int kind) {
    CheckFault("RoutingInfoImpl::GetCurrentIpv6LumexRoutes");
    KindFilter ofKind(kind);
    const auto& table = TableViewOf<Ipv6RoutingView>(key_);
    std::vector<Ipv6Route> routes;
    routes.reserve(1 + table.ipv6Routes.size());
    Ipv6Address gateway(table.ipv6Gateway);
    if (!gateway.IsUnspecified()) {
        std::string egress = EgressOrNone(key_, gateway);
        if (ofKind(egress)) routes.push_back({DEFAULT_IPV6_ROUTE, gateway, egress});
    }
    for (const auto& connected : ConnectedIpv6(key_)) {
        if (ofKind(connected.interfaceName))
            routes.push_back({connected.network, Ipv6Address(), connected.interfaceName});
    }
    for (const auto& route : table.ipv6Routes) {
        if (ofKind(route.interfaceName)) {
            routes.push_back({Ipv6Network(route.network), Ipv6Address(route.gateway), route.interfaceName});
        }
    }
    return routes;
}

std::string RoutingInfoImpl::GetDefaultGatewaySource(const Ipv4Network& network) {
    CheckFault("RoutingInfoImpl::GetDefaultGatewaySource");
    if (network != DEFAULT_IPV4_ROUTE) return "N/A";
    const auto& table = TableViewOf<Ipv4RoutingView>(key_);
    return Ipv4Address(table.ipv4Gateway).IsZero() ? "N/A" : table.ipv4GatewaySource;
}

}  // namespace Network
}  // namespace LmxCtl
