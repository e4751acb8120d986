// Physical NICs of the host: identity, link, and everything their drivers report.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

namespace SimHost {

struct PnicModel {
    std::string name;  // "pnic0"
    std::string driver;
    bool driverLoaded = true;
    std::string pciAddress;  // empty: no PCI function (a pseudo NIC)
    std::string macAddress = "00:00:00:00:00:00";
    uint32_t mtu = 1500;
    bool linkUp = true;   // cable detected
    bool adminUp = true;  // administratively up
    uint32_t speed = 1000;  // Mbps
    uint32_t duplex = 1;    // 1 full, 2 half
};
NLOHMANN_DEFINE_TYPE_NON_INTRUSIVE_WITH_DEFAULT(PnicModel, name, driver, driverLoaded, pciAddress, macAddress, mtu,
                                                linkUp, adminUp, speed, duplex)

struct PnicInventory {
    static constexpr const char* kSection = "pnics";
    std::vector<PnicModel> pnics;
};
NLOHMANN_DEFINE_TYPE_NON_INTRUSIVE_WITH_DEFAULT(PnicInventory, pnics)

// The NIC of that name, or null.
inline const PnicModel* FindPnic(const PnicInventory& inventory, const std::string& name) {
    for (const auto& pnic : inventory.pnics) {
        if (pnic.name == name) return &pnic;
    }
    return nullptr;
}

}  // namespace SimHost
