// What the routing unit and the neighbour caches share (Routing.cpp,
// Neighbors.cpp): the check that a netstack instance exists and the filter of
// interfaces by portset kind.
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>

#include "core/HostStore.h"
#include "kavrel/Portset.h"
#include "model/LmxNicModel.h"

namespace LmxCtl {
namespace Network {

// Throws when the netstack instance key does not exist.
void RequireNetstack(const std::string& key);

// The host's interfaces by name (the first of a name), for lookups per route or neighbour.
struct LmxNicsByName {
    std::unordered_map<std::string_view, const SimHost::LmxNicModel*> byName;
};

// Which interfaces belong to the portset kind a listing asks for. One filter
// serves a whole listing: the interface index is found at its first use, not
// again for every entry.
class KindFilter {
public:
    explicit KindFilter(int kind) : system_(kind == Kavrel::Network::PORTSET_GET_SYSTEM) {}

    bool operator()(const std::string& interfaceName) const {
        if (!index_) {
            index_ = &SimHost::HostStore::Instance().Derived<SimHost::LmxNicInventory, LmxNicsByName>(
                [](const SimHost::LmxNicInventory& nics) {
                    LmxNicsByName index;
                    for (const auto& nic : nics.lmxnics) index.byName.emplace(nic.name, &nic);
                    return index;
                });
        }
        auto found = index_->byName.find(interfaceName);
        bool system = found != index_->byName.end() && found->second->system;
        return system == system_;
    }

private:
    bool system_;
    mutable const LmxNicsByName* index_ = nullptr;  // valid while the listing runs: it changes nothing
};

}  // namespace Network
}  // namespace LmxCtl
