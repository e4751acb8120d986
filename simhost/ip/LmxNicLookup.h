// The interface lookups the Lumex interface operations start with, and their one message.
#pragma once

#include <string>

#include "core/StoredIndex.h"
#include "kavrel/Lib.h"
#include "model/LmxNicModel.h"

namespace SimHost {

inline Kavrel::Lib::KavrelException NoSuchLmxNic(const std::string& name) {
    return Kavrel::Lib::KavrelException("No such Lumex network interface: " + name);
}

// The stored interface of that name; throws when there is none.
inline const LmxNicModel& ExistingLmxNic(const std::string& name) {
    const auto* nic = StoredLmxNic(name);
    if (!nic) throw NoSuchLmxNic(name);
    return *nic;
}

// The interface of that name in an inventory being changed; throws when there is none.
inline LmxNicModel& LmxNicIn(LmxNicInventory& inventory, const std::string& name) {
    for (auto& nic : inventory.lmxnics) {
        if (nic.name == name) return nic;
    }
    throw NoSuchLmxNic(name);
}

}  // namespace SimHost
