// Lookups by name in a stored section, for the operations a listing calls
// once per entry: a hash index built on first use and kept by the store until
// the section is replaced, instead of a search of the whole section per call.
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/HostStore.h"
#include "model/IpStackModel.h"
#include "model/LmxNicModel.h"
#include "model/PnicModel.h"
#include "model/VswitchModel.h"

namespace SimHost {

// Items of one list of a section by their name; the first item of a name wins,
// as a search from the front finds it.
template <typename Section, typename Item, std::vector<Item> Section::*Items, std::string Item::*Name>
struct NameIndex {
    std::unordered_map<std::string_view, const Item*> byName;
};

// The first item of that name in the stored section, or null.
template <typename Section, typename Item, std::vector<Item> Section::*Items, std::string Item::*Name>
const Item* StoredByName(const std::string& name) {
    using Index = NameIndex<Section, Item, Items, Name>;
    const auto& index = HostStore::Instance().Derived<Section, Index>([](const Section& section) {
        Index built;
        built.byName.reserve((section.*Items).size());
        for (const auto& item : section.*Items) built.byName.emplace(item.*Name, &item);
        return built;
    });
    auto found = index.byName.find(name);
    return found == index.byName.end() ? nullptr : found->second;
}

// The stored objects that the Find functions of the models find, by index.
inline const PnicModel* StoredPnic(const std::string& name) {
    return StoredByName<PnicInventory, PnicModel, &PnicInventory::pnics, &PnicModel::name>(name);
}
inline const LmxNicModel* StoredLmxNic(const std::string& name) {
    return StoredByName<LmxNicInventory, LmxNicModel, &LmxNicInventory::lmxnics, &LmxNicModel::name>(name);
}
inline const NetstackModel* StoredNetstack(const std::string& key) {
    return StoredByName<NetstackTable, NetstackModel, &NetstackTable::instances, &NetstackModel::key>(key);
}
inline const VirtualSwitchModel* StoredVirtualSwitch(const std::string& name) {
    return StoredByName<VirtualSwitchInventory, VirtualSwitchModel, &VirtualSwitchInventory::vswitches,
                        &VirtualSwitchModel::name>(name);
}
inline const DVSwitchModel* StoredDVSwitch(const std::string& name) {
    return StoredByName<DVSwitchInventory, DVSwitchModel, &DVSwitchInventory::dvswitches, &DVSwitchModel::name>(name);
}

}  // namespace SimHost
