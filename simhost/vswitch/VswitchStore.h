// Switch state helpers shared by the switch, port group and distributed switch
// operations: policy conversions, lookups that refuse, and host-wide limits.
#pragma once

#include <algorithm>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/HostStore.h"
#include "kavrel/Lib.h"
#include "kavrel/Policy.h"
#include "model/VswitchModel.h"

namespace SimHost {

Kavrel::Network::NicTeamingPolicy TeamingFromModel(const TeamingModel& model);
TeamingModel TeamingToModel(const Kavrel::Network::NicTeamingPolicy& policy);
Kavrel::Network::PortSecurityPolicy SecurityFromModel(const SecurityModel& model);
SecurityModel SecurityToModel(const Kavrel::Network::PortSecurityPolicy& policy);
Kavrel::Network::ShapingPolicy ShapingFromModel(const ShapingModel& model);
ShapingModel ShapingToModel(const Kavrel::Network::ShapingPolicy& policy);

// A switch's policies: host defaults overlaid with what the switch stores.
// Without a stored order every uplink is active, in attachment order.
Kavrel::Network::NicTeamingPolicy SwitchTeaming(const VirtualSwitchModel& vswitch);
Kavrel::Network::PortSecurityPolicy SwitchSecurity(const VirtualSwitchModel& vswitch);
Kavrel::Network::ShapingPolicy SwitchShaping(const VirtualSwitchModel& vswitch);

// Refuses a teaming order that names a NIC twice or one that is no uplink of the switch.
void CheckTeamingOrder(const VirtualSwitchModel& vswitch, const Kavrel::Network::NicTeamingPolicy& policy);
// Refuses values too large to keep, and an enabled policy whose peak is below its average.
void CheckShaping(const Kavrel::Network::ShapingPolicy& effective);

const VirtualSwitchModel& ExistingSwitch(const std::string& name);
VirtualSwitchModel& ExistingSwitch(VirtualSwitchInventory& inventory, const std::string& name);

// The switch holding the port group, or null.
const VirtualSwitchModel* SwitchOfPortGroup(const VirtualSwitchInventory& inventory, const std::string& portgroup);
const PortGroupModel* FindPortGroup(const VirtualSwitchModel& vswitch, const std::string& portgroup);
uint32_t ActiveClients(const VirtualSwitchModel& vswitch, const std::string& portgroup);

// Where each port group of the stored switches is, for lookups by name that a
// listing makes once per group: the first switch holding the name, the group,
// and the ports of that switch in the group. Kept by the store until the
// switches section is replaced.
struct PortGroupPlace {
    const VirtualSwitchModel* vswitch = nullptr;
    const PortGroupModel* group = nullptr;
    uint32_t activeClients = 0;
};
// The place of the named group in the stored switches, or null.
const PortGroupPlace* StoredPortGroup(const std::string& portgroup);

// The name of the switch (standard or distributed) that has the NIC as uplink, or "".
std::string UplinkOwner(const VirtualSwitchInventory& standard, const DVSwitchInventory& distributed,
                        const std::string& nic);
// Connecting clients, for the parts of the host that create them (host
// interfaces, VM ports); each works on sections being changed in a Transaction.
// Connects a client to a standard port group; a port id of 0 gets the next
// free one. Returns the port id; refuses when the switch has no free port.
uint32_t ConnectStandardPort(VirtualSwitchInventory& inventory, const std::string& portgroup, PortModel port);
// Connects a client to a port of that switch, both found and checked by the
// caller; returns the new connection id.
uint32_t ConnectDVPort(DVSwitchModel& dvswitch, DVPortModel& port, const std::string& clientName);
// Drops every port or connection of that client; true when there was one.
bool DisconnectClient(VirtualSwitchInventory& standard, DVSwitchInventory& distributed, const std::string& clientName);

using VlanCounters = Kavrel::Network::UplinkVlanCounters;

// VLAN counters of one uplink of a switch (standard or distributed): empty
// while counting is off; switching counting off drops the counters.
template <typename SwitchModel>
std::vector<VlanCounters> VlanCountersOf(const SwitchModel& vswitch, const std::string& uplink) {
    std::vector<VlanCounters> counters;
    const auto& on = vswitch.vlanCounting;
    if (std::find(on.begin(), on.end(), uplink) == on.end()) return counters;
    for (const auto& entry : vswitch.vlanCounters) {
        if (entry.uplink == uplink) counters.push_back(entry);
    }
    return counters;
}

template <typename SwitchModel>
void SetVlanCounting(SwitchModel& vswitch, const std::string& uplink, bool enabled) {
    if (std::find(vswitch.uplinks.begin(), vswitch.uplinks.end(), uplink) == vswitch.uplinks.end()) {
        throw Kavrel::Lib::KavrelException("Uplink " + uplink + " is not connected to virtual switch " + vswitch.name);
    }
    auto& on = vswitch.vlanCounting;
    on.erase(std::remove(on.begin(), on.end(), uplink), on.end());
    if (enabled) {
        on.push_back(uplink);
        return;
    }
    auto& counters = vswitch.vlanCounters;
    counters.erase(std::remove_if(counters.begin(), counters.end(),
                                  [&](const VlanCounters& entry) { return entry.uplink == uplink; }),
                   counters.end());
}

// Ports configured on all switches of the host together.
uint64_t HostPortCount(const VirtualSwitchInventory& standard, const DVSwitchInventory& distributed);

}  // namespace SimHost
