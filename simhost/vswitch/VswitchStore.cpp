// Switch state helpers: policy conversions, refusing lookups, host-wide limits.
#include "vswitch/VswitchStore.h"

#include <algorithm>
#include <limits>
#include <set>

#include "core/StoredIndex.h"

namespace SimHost {

using Kavrel::Lib::KavrelException;
using Kavrel::Network::LinkCriteriaSelectionPolicy;
using Kavrel::Network::NicTeamingPolicy;
using Kavrel::Network::PortSecurityPolicy;
using Kavrel::Network::ShapingPolicy;

NicTeamingPolicy TeamingFromModel(const TeamingModel& model) {
    NicTeamingPolicy policy;
    if (model.loadBalancing) policy.SetTeamingPolicyValue(*model.loadBalancing);
    if (model.failureDetection) {
        LinkCriteriaSelectionPolicy criteria;
        if (*model.failureDetection == "beacon") criteria.SetBeacon(false);
        policy.SetLinkCriteria(criteria);
    }
    if (model.notifySwitches) policy.SetNotifySwitchOnFailure(*model.notifySwitches);
    if (model.rollingRestoration) policy.SetRollingRestoration(*model.rollingRestoration);
    if (model.uplinkOrder || model.maxActive) {
        std::vector<std::string> order = model.uplinkOrder ? *model.uplinkOrder : std::vector<std::string>{};
        policy.SetUplinkOrder(order);
        policy.SetMaxActiveUplinks(model.maxActive ? *model.maxActive : static_cast<uint32_t>(order.size()));
    }
    return policy;
}

TeamingModel TeamingToModel(const NicTeamingPolicy& policy) {
    TeamingModel model;
    if (policy.IsSet(NicTeamingPolicy::FIELD_TEAMING)) model.loadBalancing = policy.GetTeamingPolicy();
    if (policy.IsSet(NicTeamingPolicy::FIELD_LINK_CRITERIA)) {
        model.failureDetection = policy.GetLinkCriteria().IsBeacon() ? "beacon" : "link";
    }
    if (policy.IsSet(NicTeamingPolicy::FIELD_NOTIFY_SWITCHES)) model.notifySwitches = policy.GetNotifySwitchOnFailure();
    if (policy.IsSet(NicTeamingPolicy::FIELD_ROLLING_RESTORATION)) {
        model.rollingRestoration = policy.GetRollingRestoration();
    }
    if (policy.IsSet(NicTeamingPolicy::FIELD_UPLINKS)) {
        model.uplinkOrder = policy.GetUplinkOrder();
        model.maxActive = policy.GetMaxActiveUplinks();
    }
    return model;
}

PortSecurityPolicy SecurityFromModel(const SecurityModel& model) {
    PortSecurityPolicy policy;
    if (model.allowPromiscuous) policy.SetAllowPromiscuous(*model.allowPromiscuous);
    if (model.allowMacChange) policy.SetAllowMacAddressChange(*model.allowMacChange);
    if (model.allowForgedTransmits) policy.SetAllowForgedTransmits(*model.allowForgedTransmits);
    return policy;
}

SecurityModel SecurityToModel(const PortSecurityPolicy& policy) {
    SecurityModel model;
    if (policy.IsSet(PortSecurityPolicy::FIELD_PROMISCUOUS)) model.allowPromiscuous = policy.GetAllowPromiscuous();
    if (policy.IsSet(PortSecurityPolicy::FIELD_MAC_CHANGE)) model.allowMacChange = policy.GetAllowMacAddressChange();
    if (policy.IsSet(PortSecurityPolicy::FIELD_FORGED_TRANSMITS)) {
        model.allowForgedTransmits = policy.GetAllowForgedTransmits();
    }
    return model;
}

ShapingPolicy ShapingFromModel(const ShapingModel& model) {
    ShapingPolicy policy;
    if (model.enabled) policy.SetEnabled(*model.enabled);
    if (model.averageBps) policy.SetAverageBps(*model.averageBps);
    if (model.peakBps) policy.SetPeakBps(*model.peakBps);
    if (model.burstBytes) policy.SetBurstSize(*model.burstBytes);
    return policy;
}

ShapingModel ShapingToModel(const ShapingPolicy& policy) {
    ShapingModel model;
    if (policy.IsSet(ShapingPolicy::FIELD_ENABLED)) model.enabled = policy.GetEnabled();
    if (policy.IsSet(ShapingPolicy::FIELD_AVERAGE)) model.averageBps = policy.GetAverageBps();
    if (policy.IsSet(ShapingPolicy::FIELD_PEAK)) model.peakBps = policy.GetPeakBps();
    if (policy.IsSet(ShapingPolicy::FIELD_BURST)) model.burstBytes = policy.GetBurstSize();
    return model;
}

NicTeamingPolicy SwitchTeaming(const VirtualSwitchModel& vswitch) {
    NicTeamingPolicy policy = NicTeamingPolicy::GetDefaultPolicy();
    policy.SetUplinkOrder(vswitch.uplinks);
    policy.SetMaxActiveUplinks(static_cast<uint32_t>(vswitch.uplinks.size()));
    policy.Override(TeamingFromModel(vswitch.teaming));
    return policy;
}

PortSecurityPolicy SwitchSecurity(const VirtualSwitchModel& vswitch) {
    PortSecurityPolicy policy = PortSecurityPolicy::GetDefaultPolicy();
    policy.Override(SecurityFromModel(vswitch.security));
    return policy;
}

ShapingPolicy SwitchShaping(const VirtualSwitchModel& vswitch) {
    ShapingPolicy policy = ShapingPolicy::GetDefaultPolicy();
    policy.Override(ShapingFromModel(vswitch.shaping));
    return policy;
}

void CheckTeamingOrder(const VirtualSwitchModel& vswitch, const NicTeamingPolicy& policy) {
    if (!policy.IsSet(NicTeamingPolicy::FIELD_UPLINKS)) return;
    std::set<std::string> seen;
    for (const auto& name : policy.GetUplinkOrder()) {
        if (std::find(vswitch.uplinks.begin(), vswitch.uplinks.end(), name) == vswitch.uplinks.end()) {
            throw KavrelException("Uplink " + name + " in the teaming order is not an uplink of virtual switch " +
                                  vswitch.name);
        }
        if (!seen.insert(name).second) {
            throw KavrelException("Uplink " + name + " appears more than once in the teaming order");
        }
    }
}

void CheckShaping(const ShapingPolicy& effective) {
    const uint64_t largest = static_cast<uint64_t>(std::numeric_limits<int64_t>::max());
    for (uint64_t value : {effective.GetAverageBps(), effective.GetPeakBps(), effective.GetBurstSize()}) {
        if (value > largest) throw KavrelException("Shaping value " + std::to_string(value) + " is too large");
    }
    if (!effective.GetEnabled()) return;
    if (effective.IsSet(ShapingPolicy::FIELD_AVERAGE) && effective.IsSet(ShapingPolicy::FIELD_PEAK) &&
        effective.GetPeakBps() < effective.GetAverageBps()) {
        throw KavrelException("Peak bandwidth " + std::to_string(effective.GetPeakBps()) +
                              " bps is lower than average bandwidth " + std::to_string(effective.GetAverageBps()) +
                              " bps");
    }
}

const VirtualSwitchModel& ExistingSwitch(const std::string& name) {
    const auto* vswitch = StoredVirtualSwitch(name);
    if (!vswitch) throw KavrelException("Virtual switch " + name + " does not exist");
    return *vswitch;
}

VirtualSwitchModel& ExistingSwitch(VirtualSwitchInventory& inventory, const std::string& name) {
    for (auto& vswitch : inventory.vswitches) {
        if (vswitch.name == name) return vswitch;
    }
    throw KavrelException("Virtual switch " + name + " does not exist");
}

const VirtualSwitchModel* SwitchOfPortGroup(const VirtualSwitchInventory& inventory, const std::string& portgroup) {
    for (const auto& vswitch : inventory.vswitches) {
        if (FindPortGroup(vswitch, portgroup)) return &vswitch;
    }
    return nullptr;
}

const PortGroupModel* FindPortGroup(const VirtualSwitchModel& vswitch, const std::string& portgroup) {
    for (const auto& group : vswitch.portgroups) {
        if (group.name == portgroup) return &group;
    }
    return nullptr;
}

uint32_t ActiveClients(const VirtualSwitchModel& vswitch, const std::string& portgroup) {
    return static_cast<uint32_t>(std::count_if(vswitch.ports.begin(), vswitch.ports.end(),
                                               [&](const PortModel& port) { return port.portgroup == portgroup; }));
}

namespace {
struct PortGroupsByName {
    std::unordered_map<std::string_view, PortGroupPlace> byName;
};
}  // namespace

const PortGroupPlace* StoredPortGroup(const std::string& portgroup) {
    auto build = [](const VirtualSwitchInventory& inventory) {
        PortGroupsByName index;
        for (const auto& vswitch : inventory.vswitches) {
            for (const auto& group : vswitch.portgroups) {
                index.byName.emplace(group.name, PortGroupPlace{&vswitch, &group, 0});
            }
        }
        // A port counts for its group only on the switch that holds the group.
        for (const auto& vswitch : inventory.vswitches) {
            for (const auto& port : vswitch.ports) {
                auto found = index.byName.find(port.portgroup);
                if (found != index.byName.end() && found->second.vswitch == &vswitch) ++found->second.activeClients;
            }
        }
        return index;
    };
    const auto& index = HostStore::Instance().Derived<VirtualSwitchInventory, PortGroupsByName>(build);
    auto found = index.byName.find(portgroup);
    return found == index.byName.end() ? nullptr : &found->second;
}

std::string UplinkOwner(const VirtualSwitchInventory& standard, const DVSwitchInventory& distributed,
                        const std::string& nic) {
    for (const auto& vswitch : standard.vswitches) {
        if (std::find(vswitch.uplinks.begin(), vswitch.uplinks.end(), nic) != vswitch.uplinks.end()) {
            return vswitch.name;
        }
    }
    for (const auto& dvswitch : distributed.dvswitches) {
        if (std::find(dvswitch.uplinks.begin(), dvswitch.uplinks.end(), nic) != dvswitch.uplinks.end()) {
            return dvswitch.name;
        }
    }
    return "";
}

uint32_t ConnectStandardPort(VirtualSwitchInventory& inventory, const std::string& portgroup, PortModel port) {
    for (auto& vswitch : inventory.vswitches) {
        if (!FindPortGroup(vswitch, portgroup)) continue;
        if (vswitch.ports.size() + vswitch.uplinks.size() >= vswitch.numPorts) {
            throw KavrelException("No free port on virtual switch " + vswitch.name);
        }
        if (port.portId == 0) {
            uint32_t highest = 0;
            for (const auto& existing : vswitch.ports) highest = std::max(highest, existing.portId);
            port.portId = highest + 1;
        }
        port.portgroup = portgroup;
        vswitch.ports.push_back(port);
        return port.portId;
    }
    throw KavrelException("Port group " + portgroup + " does not exist");
}

uint32_t ConnectDVPort(DVSwitchModel& dvswitch, DVPortModel& port, const std::string& clientName) {
    uint32_t highest = 0;
    for (const auto& other : dvswitch.dvports) {
        for (const auto& client : other.clients) highest = std::max(highest, client.connectionId);
    }
    uint32_t connectionId = std::max(highest, port.connectionId) + 1;
    port.clients.push_back(DVConnectionModel{connectionId, clientName});
    if (port.connectionId == 0) port.connectionId = connectionId;
    return connectionId;
}

bool DisconnectClient(VirtualSwitchInventory& standard, DVSwitchInventory& distributed, const std::string& clientName) {
    bool found = false;
    for (auto& vswitch : standard.vswitches) {
        auto end = std::remove_if(vswitch.ports.begin(), vswitch.ports.end(),
                                  [&](const PortModel& port) { return port.clientName == clientName; });
        found = found || end != vswitch.ports.end();
        vswitch.ports.erase(end, vswitch.ports.end());
    }
    for (auto& dvswitch : distributed.dvswitches) {
        for (auto& port : dvswitch.dvports) {
            auto end = std::remove_if(port.clients.begin(), port.clients.end(),
                                      [&](const DVConnectionModel& client) { return client.clientName == clientName; });
            found = found || end != port.clients.end();
            port.clients.erase(end, port.clients.end());
        }
    }
    return found;
}

uint64_t HostPortCount(const VirtualSwitchInventory& standard, const DVSwitchInventory& distributed) {
    uint64_t total = 0;
    for (const auto& vswitch : standard.vswitches) total += vswitch.numPorts;
    for (const auto& dvswitch : distributed.dvswitches) total += dvswitch.numPorts;
    return total;
}

}  // namespace SimHost
