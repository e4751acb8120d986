// The neighbour caches of the netstack instances.
#include <algorithm>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/Faults.h"
#include "core/HostStore.h"
#include "ip/RoutingShared.h"
#include "kavrel/Lib.h"
#include "lmxctl/IpStack.h"
#include "model/IpStackModel.h"

namespace LmxCtl {
namespace Network {

using Kavrel::Lib::KavrelException;
using Kavrel::Network::Ipv4Address;
using Kavrel::Network::Ipv6Address;
using SimHost::CheckFault;
using SimHost::HostStore;
using SimHost::NeighborModel;
using SimHost::NeighborTables;

namespace {

// Lookups take the address as the caller holds it, parsed: a listing asks
// about every entry it shows, and printing and re-reading each address was
// most of the cost.
template <class Address>
const NeighborModel* FindNeighbor(const std::vector<NeighborModel>& entries, const std::string& key,
                                  const Address& address, const std::string& interfaceName) {
    for (const auto& entry : entries) {
        if (entry.netstack != key || (!interfaceName.empty() && entry.interfaceName != interfaceName)) continue;
        if (Address(entry.address) == address) return &entry;
    }
    return nullptr;
}

// The first entry of each address in the stored neighbour caches: a listing
// looks up every entry it shows. Another entry of the same address (on another
// interface or netstack) is found by searching the cache.
struct NeighborsByAddress {
    std::unordered_map<uint32_t, const NeighborModel*> ipv4;
    std::unordered_map<std::string, const NeighborModel*> ipv6;  // by the address's 16 bytes
    bool complete = true;  // false when a stored address does not parse: lookups then search the caches
};

std::string BytesOf(const Ipv6Address& address) {
    const auto& bytes = address.GetBytes();
    return std::string(bytes.begin(), bytes.end());
}

const NeighborsByAddress& StoredNeighborIndex() {
    return HostStore::Instance().Derived<NeighborTables, NeighborsByAddress>([](const NeighborTables& tables) {
        NeighborsByAddress index;
        try {
            for (const auto& entry : tables.ipv4) index.ipv4.emplace(Ipv4Address(entry.address).GetValue(), &entry);
            for (const auto& entry : tables.ipv6) index.ipv6.emplace(BytesOf(Ipv6Address(entry.address)), &entry);
        } catch (const KavrelException&) {
            index.complete = false;
        }
        return index;
    });
}

bool Matches(const NeighborModel& entry, const std::string& key, const std::string& interfaceName) {
    return entry.netstack == key && (interfaceName.empty() || entry.interfaceName == interfaceName);
}

const NeighborModel* FindStoredNeighbor(const std::string& key, const Ipv4Address& address,
                                        const std::string& interfaceName) {
    const auto& index = StoredNeighborIndex();
    if (index.complete) {
        auto found = index.ipv4.find(address.GetValue());
        if (found == index.ipv4.end()) return nullptr;
        if (Matches(*found->second, key, interfaceName)) return found->second;
    }
    return FindNeighbor(HostStore::Instance().Read<NeighborTables>().ipv4, key, address, interfaceName);
}

const NeighborModel* FindStoredNeighbor(const std::string& key, const Ipv6Address& address,
                                        const std::string& interfaceName) {
    const auto& index = StoredNeighborIndex();
    if (index.complete) {
        auto found = index.ipv6.find(BytesOf(address));
        if (found == index.ipv6.end()) return nullptr;
        if (Matches(*found->second, key, interfaceName)) return found->second;
    }
    return FindNeighbor(HostStore::Instance().Read<NeighborTables>().ipv6, key, address, interfaceName);
}

void RemoveNeighbors(std::vector<NeighborModel>& entries, const std::string& key, const std::string& address,
                     const std::string& interfaceName, bool ipv6) {
    auto matches = [&](const NeighborModel& entry) {
        if (entry.netstack != key || (!interfaceName.empty() && entry.interfaceName != interfaceName)) return false;
        return ipv6 ? Ipv6Address(entry.address) == Ipv6Address(address)
                    : Ipv4Address(entry.address) == Ipv4Address(address);
    };
    auto end = std::remove_if(entries.begin(), entries.end(), matches);
    if (end == entries.end()) {
        throw KavrelException("Neighbor " + address + " not found" +
                              (interfaceName.empty() ? std::string() : " on interface " + interfaceName));
    }
    entries.erase(end, entries.end());
}

}  // namespace

void RoutingInfoImpl::GetCurrentIpv4LumexNeighbors(std::vector<Kavrel::Network::Ipv4Neighbor>& neighbors,
                                                   const std::string& interfaceName, int kind) {
    CheckFault("RoutingInfoImpl::GetCurrentIpv4LumexNeighbors");
    KindFilter ofKind(kind);
    RequireNetstack(key_);
    const auto& entries = HostStore::Instance().Read<NeighborTables>().ipv4;
    neighbors.reserve(neighbors.size() + entries.size());
    for (const auto& entry : entries) {
        if (entry.netstack != key_ || !ofKind(entry.interfaceName)) continue;
        if (!interfaceName.empty() && entry.interfaceName != interfaceName) continue;
        neighbors.push_back({Ipv4Address(entry.address), entry.macAddress, entry.interfaceName, entry.expiry});
    }
}

void RoutingInfoImpl::GetCurrentIpv6LumexNeighbors(std::vector<Kavrel::Network::Ipv6Neighbor>& neighbors,
                                                   const std::string& interfaceName, int kind) {
    CheckFault("RoutingInfoImpl::GetCurrentIpv6LumexNeighbors");
    KindFilter ofKind(kind);
    RequireNetstack(key_);
    const auto& entries = HostStore::Instance().Read<NeighborTables>().ipv6;
    neighbors.reserve(neighbors.size() + entries.size());
    for (const auto& entry : entries) {
        if (entry.netstack != key_ || !ofKind(entry.interfaceName)) continue;
        if (!interfaceName.empty() && entry.interfaceName != interfaceName) continue;
        neighbors.push_back({Ipv6Address(entry.address), entry.macAddress, entry.interfaceName, entry.expiry});
    }
}

std::string RoutingInfoImpl::GetIpv4NeighborType(const Kavrel::Network::Ipv4Neighbor& neighbor) {
    CheckFault("RoutingInfoImpl::GetIpv4NeighborType");
    const auto* entry = FindStoredNeighbor(key_, neighbor.address, neighbor.interfaceName);
    return entry ? entry->type : "Unknown";
}

std::string RoutingInfoImpl::GetIpv6NeighborState(const Kavrel::Network::Ipv6Neighbor& neighbor) {
    CheckFault("RoutingInfoImpl::GetIpv6NeighborState");
    const auto* entry = FindStoredNeighbor(key_, neighbor.address, neighbor.interfaceName);
    return entry ? entry->state : "Unknown";
}

std::string RoutingInfoImpl::GetIpv6NeighborType(const Kavrel::Network::Ipv6Neighbor& neighbor) {
    CheckFault("RoutingInfoImpl::GetIpv6NeighborType");
    const auto* entry = FindStoredNeighbor(key_, neighbor.address, neighbor.interfaceName);
    return entry ? entry->type : "Unknown";
}

void RoutingInfoImpl::RemoveIpv4Neighbor(const Kavrel::Network::Ipv4Neighbor& neighbor) {
    CheckFault("RoutingInfoImpl::RemoveIpv4Neighbor");
    RequireNetstack(key_);
    HostStore::Instance().Update<NeighborTables>([&](NeighborTables& tables) {
        RemoveNeighbors(tables.ipv4, key_, neighbor.address.GetStringAddress(), neighbor.interfaceName, false);
    });
}

void RoutingInfoImpl::RemoveIpv6Neighbor(const Kavrel::Network::Ipv6Neighbor& neighbor) {
    CheckFault("RoutingInfoImpl::RemoveIpv6Neighbor");
    RequireNetstack(key_);
    HostStore::Instance().Update<NeighborTables>([&](NeighborTables& tables) {
        RemoveNeighbors(tables.ipv6, key_, neighbor.address.GetStringAddress(), neighbor.interfaceName, true);
    });
}

}  // namespace Network
}  // namespace LmxCtl
