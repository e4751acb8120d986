// Lookups of switches, port groups and distributed ports by name or key.
#pragma once

#include <memory>
#include <string>

#include "kavrel/DVSwitch.h"
#include "kavrel/NetworkInfo.h"
#include "kavrel/Portset.h"

namespace Kavrel {
namespace Network {

class NetworkFactory {
public:
    // Each returns none when the host has no such object.
    static std::unique_ptr<Portset> GetVirtualSwitchById(const std::string& name, int type);  // a PortsetGetType
    static std::unique_ptr<PortGroup> GetPortGroupByName(const std::string& name);
    static std::unique_ptr<DVSwitch> GetDVSwitchByName(const std::string& name);
    static std::unique_ptr<DVSwitch> GetDVSwitchById(const std::string& uuid);
    static std::unique_ptr<DVPort> GetDVPort(const DVPortParam& param);
    // An owned network inventory.
    static std::unique_ptr<NetworkInfo> GetNetworkInfo();
};

}  // namespace Network
}  // namespace Kavrel
