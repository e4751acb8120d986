// The host's network inventory, as handed out by the host and the network
// factory. Its operations are grouped by the part of the host they read.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "kavrel/Pnic.h"

namespace Kavrel {
namespace Network {

class NetworkInfo {
public:
    NetworkInfo();
    virtual ~NetworkInfo();

    // --- netstack instances, connections and the host-wide IPv6 switch

    // --- interface inventory and multicast memberships

    // --- physical NICs
    std::vector<std::unique_ptr<Pnic>> GetPnics(int type);  // a PnicGetType
    std::unique_ptr<Pnic> GetPnicByName(const std::string& name);  // none when unknown

    // --- port groups
    // Port groups of the standard switches of that PortsetGetType, switch by
    // switch (PortGroup is declared in kavrel/Portset.h).
    std::vector<std::unique_ptr<class PortGroup>> GetAllPortGroups(int type);

    // --- SR-IOV NICs
};

}  // namespace Network
}  // namespace Kavrel
