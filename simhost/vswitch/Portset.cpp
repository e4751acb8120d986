// Standard virtual switches: creation and removal, uplinks, MTU and CDP,
// policies, port groups, and the host-wide port limit.
#include <algorithm>

#include "core/Faults.h"
#include "core/StoredIndex.h"
#include "kavrel/NetworkInfo.h"
#include "lmxctl/VirtualSwitch.h"
#include "model/PnicModel.h"
#include "vswitch/UplinkPorts.h"
#include "vswitch/VswitchStore.h"

namespace {

using Kavrel::Lib::KavrelException;
using SimHost::CheckFault;
using SimHost::DVSwitchInventory;
using SimHost::HostStore;
using SimHost::VirtualSwitchInventory;
using SimHost::VirtualSwitchModel;

constexpr int64_t kMinMtu = 1280;
constexpr int64_t kMaxMtu = 9000;
const char kStandardSwitchClass[] = "etherswitch";

template <typename Change>
void UpdateSwitch(const std::string& name, Change&& change) {
    HostStore::Instance().Update<VirtualSwitchInventory>(
        [&](VirtualSwitchInventory& inventory) { change(SimHost::ExistingSwitch(inventory, name), inventory); });
}

// Drops a NIC from a teaming order; an active NIC lowers the active count.
void DropFromOrder(SimHost::TeamingModel& teaming, const std::string& nic) {
    if (!teaming.uplinkOrder) return;
    auto& order = *teaming.uplinkOrder;
    auto found = std::find(order.begin(), order.end(), nic);
    if (found == order.end()) return;
    auto position = static_cast<uint32_t>(found - order.begin());
    order.erase(found);
    if (teaming.maxActive && position < *teaming.maxActive) *teaming.maxActive -= 1;
}

}  // namespace

namespace Kavrel {
namespace Network {

Portset::Portset(const std::string& name) : name_(name) {}
Portset::~Portset() = default;

std::string Portset::GetName() const { return name_; }

std::string Portset::GetClass() const {
    CheckFault("Portset::GetClass");
    SimHost::ExistingSwitch(name_);
    return kStandardSwitchClass;
}

uint32_t Portset::GetNumPorts() const {
    CheckFault("Portset::GetNumPorts");
    return SimHost::ExistingSwitch(name_).numPorts;
}

uint32_t Portset::GetNumUsedPorts() const {
    CheckFault("Portset::GetNumUsedPorts");
    const auto& vswitch = SimHost::ExistingSwitch(name_);
    return static_cast<uint32_t>(vswitch.ports.size() + vswitch.uplinks.size());
}

uint32_t Portset::GetNumConfiguredPorts() const {
    CheckFault("Portset::GetNumConfiguredPorts");
    return SimHost::ExistingSwitch(name_).numPorts;
}

std::vector<std::string> Portset::GetUplinks() const {
    CheckFault("Portset::GetUplinks");
    return SimHost::ExistingSwitch(name_).uplinks;
}

std::vector<PortInfo> Portset::GetPorts() const {
    CheckFault("Portset::GetPorts");
    std::vector<PortInfo> ports;
    const auto& vswitch = SimHost::ExistingSwitch(name_);
    for (const auto& port : vswitch.ports) {
        ports.push_back(PortInfo{port.portId, port.clientName, port.clientType, port.portgroup, port.dvPortId,
                                 port.worldId, port.macAddresses});
    }
    SimHost::AppendUplinkPorts(vswitch.uplinks, ports);
    return ports;
}

std::vector<UplinkVlanCounters> Portset::GetUplinkVlanCounters(const std::string& uplink) const {
    CheckFault("Portset::GetUplinkVlanCounters");
    return SimHost::VlanCountersOf(SimHost::ExistingSwitch(name_), uplink);
}

void Portset::SetUplinkVlanCounting(const std::string& uplink, bool enabled) {
    CheckFault("Portset::SetUplinkVlanCounting");
    UpdateSwitch(name_, [&](VirtualSwitchModel& vswitch, VirtualSwitchInventory&) {
        SimHost::SetVlanCounting(vswitch, uplink, enabled);
    });
}

uint32_t Portset::GetMTU() const {
    CheckFault("Portset::GetMTU");
    return SimHost::ExistingSwitch(name_).mtu;
}

void Portset::SetMTU(int64_t mtu) {
    CheckFault("Portset::SetMTU");
    if (mtu < kMinMtu || mtu > kMaxMtu) {
        throw KavrelException("Invalid MTU " + std::to_string(mtu) + ": it must be between " + std::to_string(kMinMtu) +
                              " and " + std::to_string(kMaxMtu));
    }
    UpdateSwitch(
        name_, [&](VirtualSwitchModel& vswitch, VirtualSwitchInventory&) { vswitch.mtu = static_cast<uint32_t>(mtu); });
}

uint32_t Portset::GetCdpStatus() const {
    CheckFault("Portset::GetCdpStatus");
    return SimHost::ExistingSwitch(name_).cdpStatus;
}

void Portset::SetCdpStatus(uint32_t status) {
    CheckFault("Portset::SetCdpStatus");
    if (status > 3) throw KavrelException("Invalid CDP status " + std::to_string(status));
    UpdateSwitch(name_, [&](VirtualSwitchModel& vswitch, VirtualSwitchInventory&) { vswitch.cdpStatus = status; });
}

bool Portset::IsBeaconEnabled() const {
    CheckFault("Portset::IsBeaconEnabled");
    const auto& vswitch = SimHost::ExistingSwitch(name_);
    if (SimHost::SwitchTeaming(vswitch).GetLinkCriteria().IsBeacon()) return true;
    for (const auto& group : vswitch.portgroups) {
        auto effective = SimHost::SwitchTeaming(vswitch);
        effective.Override(SimHost::TeamingFromModel(group.teaming));
        if (effective.GetLinkCriteria().IsBeacon()) return true;
    }
    return false;
}

uint32_t Portset::GetBeaconInterval() const {
    CheckFault("Portset::GetBeaconInterval");
    return SimHost::ExistingSwitch(name_).beaconInterval;
}

uint32_t Portset::GetBeaconThreshold() const {
    CheckFault("Portset::GetBeaconThreshold");
    return SimHost::ExistingSwitch(name_).beaconThreshold;
}

std::vector<std::string> Portset::GetBeaconRequiredBy() const {
    CheckFault("Portset::GetBeaconRequiredBy");
    const auto& vswitch = SimHost::ExistingSwitch(name_);
    std::vector<std::string> names;
    if (SimHost::SwitchTeaming(vswitch).GetLinkCriteria().IsBeacon()) names.push_back(vswitch.name);
    for (const auto& group : vswitch.portgroups) {
        auto override = SimHost::TeamingFromModel(group.teaming);
        if (override.IsSet(NicTeamingPolicy::FIELD_LINK_CRITERIA) && override.GetLinkCriteria().IsBeacon()) {
            names.push_back(group.name);
        }
    }
    return names;
}

void Portset::AddUplink(const std::string& uplink, bool) {
    CheckFault("Portset::AddUplink");
    if (!SimHost::StoredPnic(uplink)) {
        throw KavrelException("Unable to add uplink " + uplink + ": no such physical NIC");
    }
    UpdateSwitch(name_, [&](VirtualSwitchModel& vswitch, VirtualSwitchInventory& inventory) {
        std::string owner = SimHost::UplinkOwner(inventory, HostStore::Instance().Read<DVSwitchInventory>(), uplink);
        if (owner == vswitch.name) {
            throw KavrelException("Uplink " + uplink + " is already connected to virtual switch " + vswitch.name);
        }
        if (!owner.empty()) {
            throw KavrelException("Uplink " + uplink + " is already in use by virtual switch " + owner);
        }
        vswitch.uplinks.push_back(uplink);
    });
}

void Portset::RemoveUplink(const std::string& uplink, bool) {
    CheckFault("Portset::RemoveUplink");
    UpdateSwitch(name_, [&](VirtualSwitchModel& vswitch, VirtualSwitchInventory&) {
        auto found = std::find(vswitch.uplinks.begin(), vswitch.uplinks.end(), uplink);
        if (found == vswitch.uplinks.end()) {
            throw KavrelException("Uplink " + uplink + " is not connected to virtual switch " + vswitch.name);
        }
        SimHost::SetVlanCounting(vswitch, uplink, false);
        vswitch.uplinks.erase(std::find(vswitch.uplinks.begin(), vswitch.uplinks.end(), uplink));
        DropFromOrder(vswitch.teaming, uplink);
        for (auto& group : vswitch.portgroups) DropFromOrder(group.teaming, uplink);
    });
}

NicTeamingPolicy Portset::GetTeamingPolicy() const {
    CheckFault("Portset::GetTeamingPolicy");
    return SimHost::SwitchTeaming(SimHost::ExistingSwitch(name_));
}

NicTeamingPolicy Portset::GetConfiguredTeamingPolicy() const {
    CheckFault("Portset::GetConfiguredTeamingPolicy");
    return SimHost::SwitchTeaming(SimHost::ExistingSwitch(name_));
}

void Portset::SetTeamingPolicy(const NicTeamingPolicy& policy) {
    CheckFault("Portset::SetTeamingPolicy");
    UpdateSwitch(name_, [&](VirtualSwitchModel& vswitch, VirtualSwitchInventory&) {
        NicTeamingPolicy merged = SimHost::SwitchTeaming(vswitch);
        merged.Override(policy);
        SimHost::CheckTeamingOrder(vswitch, merged);
        vswitch.teaming = SimHost::TeamingToModel(merged);
    });
}

PortSecurityPolicy Portset::GetSecurityPolicy() const {
    CheckFault("Portset::GetSecurityPolicy");
    return SimHost::SwitchSecurity(SimHost::ExistingSwitch(name_));
}

void Portset::SetSecurityPolicy(const PortSecurityPolicy& policy) {
    CheckFault("Portset::SetSecurityPolicy");
    UpdateSwitch(name_, [&](VirtualSwitchModel& vswitch, VirtualSwitchInventory&) {
        PortSecurityPolicy merged = SimHost::SwitchSecurity(vswitch);
        merged.Override(policy);
        vswitch.security = SimHost::SecurityToModel(merged);
    });
}

ShapingPolicy Portset::GetShapingPolicy() const {
    CheckFault("Portset::GetShapingPolicy");
    return SimHost::SwitchShaping(SimHost::ExistingSwitch(name_));
}

void Portset::SetShapingPolicy(const ShapingPolicy& policy) {
    CheckFault("Portset::SetShapingPolicy");
    UpdateSwitch(name_, [&](VirtualSwitchModel& vswitch, VirtualSwitchInventory&) {
        ShapingPolicy merged = SimHost::SwitchShaping(vswitch);
        merged.Override(policy);
        SimHost::CheckShaping(merged);
        vswitch.shaping = SimHost::ShapingToModel(merged);
    });
}

std::vector<std::unique_ptr<PortGroup>> Portset::GetPortGroups() const {
    CheckFault("Portset::GetPortGroups");
    std::vector<std::unique_ptr<PortGroup>> groups;
    for (const auto& group : SimHost::ExistingSwitch(name_).portgroups) {
        groups.push_back(std::make_unique<LmxCtl::Network::PortGroupImpl>(group.name));
    }
    return groups;
}

std::unique_ptr<PortGroup> Portset::AddPortGroup(const std::string& name) {
    CheckFault("Portset::AddPortGroup");
    if (name.empty()) throw KavrelException("Port group name must not be empty");
    if (name.size() > MAX_NAME_LENGTH) {
        throw KavrelException("Port group name exceeds " + std::to_string(MAX_NAME_LENGTH) + " characters");
    }
    UpdateSwitch(name_, [&](VirtualSwitchModel& vswitch, VirtualSwitchInventory& inventory) {
        if (const auto* holder = SimHost::SwitchOfPortGroup(inventory, name)) {
            throw KavrelException("A port group named " + name + " already exists on virtual switch " + holder->name);
        }
        SimHost::PortGroupModel group;
        group.name = name;
        vswitch.portgroups.push_back(group);
    });
    return std::make_unique<LmxCtl::Network::PortGroupImpl>(name);
}

void Portset::RemovePortGroup(const std::string& name) {
    CheckFault("Portset::RemovePortGroup");
    UpdateSwitch(name_, [&](VirtualSwitchModel& vswitch, VirtualSwitchInventory&) {
        auto found = std::find_if(vswitch.portgroups.begin(), vswitch.portgroups.end(),
                                  [&](const SimHost::PortGroupModel& group) { return group.name == name; });
        if (found == vswitch.portgroups.end()) {
            throw KavrelException("Port group " + name + " does not exist on virtual switch " + vswitch.name);
        }
        uint32_t clients = SimHost::ActiveClients(vswitch, name);
        if (clients > 0) {
            throw KavrelException("Cannot remove port group " + name + ": it has " + std::to_string(clients) +
                                  " active clients");
        }
        vswitch.portgroups.erase(found);
    });
}

std::vector<std::unique_ptr<PortGroup>> NetworkInfo::GetAllPortGroups(int type) {
    CheckFault("NetworkInfo::GetAllPortGroups");
    std::vector<std::unique_ptr<PortGroup>> groups;
    for (const auto& vswitch : HostStore::Instance().Read<VirtualSwitchInventory>().vswitches) {
        if (vswitch.system != (type == PORTSET_GET_SYSTEM)) continue;
        for (const auto& group : vswitch.portgroups) {
            groups.push_back(std::make_unique<LmxCtl::Network::PortGroupImpl>(group.name));
        }
    }
    return groups;
}

}  // namespace Network
}  // namespace Kavrel

namespace LmxCtl {
namespace Network {

using Kavrel::Network::Portset;

VirtualSwitchInfoImpl::VirtualSwitchInfoImpl() = default;
VirtualSwitchInfoImpl::~VirtualSwitchInfoImpl() = default;

void VirtualSwitchInfoImpl::AddVirtualSwitchWithPolicy(const Kavrel::Network::NicTeamingPolicy& teaming,
                                                       const Kavrel::Network::PortSecurityPolicy& security,
                                                       const Kavrel::Network::ShapingPolicy& shaping,
                                                       const Kavrel::Network::NicCapabilities& capabilities,
                                                       const std::string& name, int64_t ports) {
    CheckFault("VirtualSwitchInfoImpl::AddVirtualSwitchWithPolicy");
    if (name.empty()) throw KavrelException("Virtual switch name must not be empty");
    if (name.size() > Portset::MAX_NAME_LENGTH) {
        throw KavrelException("Virtual switch name exceeds " + std::to_string(Portset::MAX_NAME_LENGTH) +
                              " characters");
    }
    if (ports < 1 || ports > Portset::MAX_NUM_PORTS) {
        throw KavrelException("Invalid port count " + std::to_string(ports) + ": it must be between 1 and " +
                              std::to_string(Portset::MAX_NUM_PORTS));
    }
    HostStore::Instance().Update<VirtualSwitchInventory>([&](VirtualSwitchInventory& inventory) {
        const auto& distributed = HostStore::Instance().Read<DVSwitchInventory>();
        if (SimHost::FindVirtualSwitch(inventory, name) || SimHost::FindDVSwitch(distributed, name)) {
            throw KavrelException("Unable to add virtual switch " + name + ": a switch with this name already exists");
        }
        uint64_t total = SimHost::HostPortCount(inventory, distributed) + static_cast<uint64_t>(ports);
        if (total > Portset::MAX_HOST_PORTS) {
            throw KavrelException("Unable to add virtual switch " + name + ": the host would have " +
                                  std::to_string(total) + " ports, more than its limit of " +
                                  std::to_string(Portset::MAX_HOST_PORTS));
        }
        VirtualSwitchModel vswitch;
        vswitch.name = name;
        vswitch.numPorts = static_cast<uint32_t>(ports);
        vswitch.teaming = SimHost::TeamingToModel(teaming);
        vswitch.security = SimHost::SecurityToModel(security);
        vswitch.shaping = SimHost::ShapingToModel(shaping);
        vswitch.capabilities =
            SimHost::CapabilitiesModel{capabilities.tso, capabilities.checksumOffload, capabilities.scatterGather};
        inventory.vswitches.push_back(vswitch);
    });
}

void VirtualSwitchInfoImpl::RemoveVirtualSwitch(const std::string& name) {
    CheckFault("VirtualSwitchInfoImpl::RemoveVirtualSwitch");
    HostStore::Instance().Update<VirtualSwitchInventory>([&](VirtualSwitchInventory& inventory) {
        const auto& vswitch = SimHost::ExistingSwitch(inventory, name);
        if (vswitch.system) throw KavrelException("Cannot remove virtual switch " + name + ": it is a system switch");
        for (const auto& group : vswitch.portgroups) {
            uint32_t clients = SimHost::ActiveClients(vswitch, group.name);
            if (clients > 0) {
                throw KavrelException("Cannot remove virtual switch " + name + ": port group " + group.name + " has " +
                                      std::to_string(clients) + " active clients");
            }
        }
        inventory.vswitches.erase(std::remove_if(inventory.vswitches.begin(), inventory.vswitches.end(),
                                                 [&](const VirtualSwitchModel& entry) { return entry.name == name; }),
                                  inventory.vswitches.end());
    });
}

std::unique_ptr<Portset> VirtualSwitchInfoImpl::GetVirtualSwitchByName(const std::string& name, int type) {
    CheckFault("VirtualSwitchInfoImpl::GetVirtualSwitchByName");
    const auto* vswitch = SimHost::StoredVirtualSwitch(name);
    if (!vswitch || vswitch->system != (type == Kavrel::Network::PORTSET_GET_SYSTEM)) return nullptr;
    return std::make_unique<PortsetImpl>(name);
}

std::vector<std::unique_ptr<Portset>> VirtualSwitchInfoImpl::GetVirtualSwitches(int type) {
    CheckFault("VirtualSwitchInfoImpl::GetVirtualSwitches");
    std::vector<std::unique_ptr<Portset>> switches;
    for (const auto& vswitch : HostStore::Instance().Read<VirtualSwitchInventory>().vswitches) {
        if (vswitch.system != (type == Kavrel::Network::PORTSET_GET_SYSTEM)) continue;
        switches.push_back(std::make_unique<PortsetImpl>(vswitch.name));
    }
    return switches;
}

PortsetImpl::PortsetImpl(const std::string& name) : Portset(name) {}
PortsetImpl::~PortsetImpl() = default;

bool PortsetImpl::IsValidVirtualSwitch(const std::string& name) {
    CheckFault("PortsetImpl::IsValidVirtualSwitch");
    return SimHost::StoredVirtualSwitch(name) != nullptr;
}

}  // namespace Network
}  // namespace LmxCtl
