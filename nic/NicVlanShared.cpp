// What the two VLAN statistics commands share.
#include "nic/NicVlanShared.h"

#include <algorithm>

namespace NorvaleCli {
namespace NetworkNamespace {

Kavrel::Network::Portset* FindUplinkSwitch(const std::vector<std::unique_ptr<Kavrel::Network::Portset>>& switches,
                                           const std::string& nicName) {
    for (const auto& vswitch : switches) {
        if (!vswitch) continue;
        auto uplinks = vswitch->GetUplinks();
        if (std::find(uplinks.begin(), uplinks.end(), nicName) != uplinks.end()) return vswitch.get();
    }
    return nullptr;
}

std::string NotAnUplinkMessage(const std::string& nicName) {
    return nicName + " is not a valid NIC connected to any virtual switch.";
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
