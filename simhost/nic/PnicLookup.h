// The NIC lookups every NIC operation starts with, and their one message.
#pragma once

#include <string>

#include "core/StoredIndex.h"
#include "kavrel/Lib.h"
#include "model/PnicModel.h"

namespace SimHost {

inline Kavrel::Lib::KavrelException NoSuchPnic(const std::string& name) {
    return Kavrel::Lib::KavrelException("No such pnic: " + name);
}

// The stored NIC of that name; throws when there is none.
inline const PnicModel& ExistingPnic(const std::string& name) {
    const auto* pnic = StoredPnic(name);
    if (!pnic) throw NoSuchPnic(name);
    return *pnic;
}

// The NIC of that name in an inventory being changed; throws when there is none.
inline PnicModel& PnicIn(PnicInventory& inventory, const std::string& name) {
    auto* pnic = FindPnic(inventory, name);
    if (!pnic) throw NoSuchPnic(name);
    return *pnic;
}

}  // namespace SimHost
