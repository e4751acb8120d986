// What the two VLAN statistics commands share: the switch a NIC is an uplink of.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "kavrel/Portset.h"

namespace NorvaleCli {
namespace NetworkNamespace {

// The first switch, in the host's order, that has the NIC as an uplink; null when none.
Kavrel::Network::Portset* FindUplinkSwitch(const std::vector<std::unique_ptr<Kavrel::Network::Portset>>& switches,
                                           const std::string& nicName);

// "<name> is not a valid NIC connected to any virtual switch."
std::string NotAnUplinkMessage(const std::string& nicName);

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
