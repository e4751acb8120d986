// Port groups of standard switches: VLAN, clients, and override policies
// whose set fields take precedence over the switch's policies.
#include "core/Faults.h"
#include "lmxctl/VirtualSwitch.h"
#include "vswitch/VswitchStore.h"

namespace {

using Kavrel::Lib::KavrelException;
using SimHost::CheckFault;
using SimHost::HostStore;
using SimHost::PortGroupModel;
using SimHost::VirtualSwitchInventory;
using SimHost::VirtualSwitchModel;

const SimHost::PortGroupPlace& PlaceOf(const std::string& portgroup) {
    const auto* place = SimHost::StoredPortGroup(portgroup);
    if (!place) throw KavrelException("Port group " + portgroup + " does not exist");
    return *place;
}

const VirtualSwitchModel& HolderOf(const std::string& portgroup) { return *PlaceOf(portgroup).vswitch; }

const PortGroupModel& ExistingPortGroup(const std::string& portgroup) { return *PlaceOf(portgroup).group; }

// Changes one port group; change receives the group and its switch.
template <typename Change>
void UpdatePortGroup(const std::string& portgroup, Change&& change) {
    HostStore::Instance().Update<VirtualSwitchInventory>([&](VirtualSwitchInventory& inventory) {
        for (auto& vswitch : inventory.vswitches) {
            for (auto& group : vswitch.portgroups) {
                if (group.name == portgroup) {
                    change(group, vswitch);
                    return;
                }
            }
        }
        throw KavrelException("Port group " + portgroup + " does not exist");
    });
}

}  // namespace

namespace Kavrel {
namespace Network {

PortGroup::PortGroup(const std::string& name) : name_(name) {}
PortGroup::~PortGroup() = default;

std::string PortGroup::GetName() const { return name_; }

std::string PortGroup::GetVirtualSwitchName() const {
    CheckFault("PortGroup::GetVirtualSwitchName");
    return HolderOf(name_).name;
}

std::unique_ptr<Portset> PortGroup::GetVirtualSwitch() const {
    CheckFault("PortGroup::GetVirtualSwitch");
    return std::make_unique<LmxCtl::Network::PortsetImpl>(HolderOf(name_).name);
}

uint32_t PortGroup::GetActiveClients() const {
    CheckFault("PortGroup::GetActiveClients");
    return PlaceOf(name_).activeClients;
}

std::vector<PortInfo> PortGroup::GetClients() const {
    CheckFault("PortGroup::GetClients");
    std::vector<PortInfo> clients;
    for (const auto& port : HolderOf(name_).ports) {
        if (port.portgroup != name_) continue;
        clients.push_back(PortInfo{port.portId, port.clientName, port.clientType, port.portgroup, port.dvPortId,
                                   port.worldId, port.macAddresses});
    }
    return clients;
}

uint16_t PortGroup::GetVlanId() const {
    CheckFault("PortGroup::GetVlanId");
    return ExistingPortGroup(name_).vlanId;
}

void PortGroup::SetVlanId(int64_t vlanId) {
    CheckFault("PortGroup::SetVlanId");
    if (vlanId < MIN_VLAN_ID || vlanId > MAX_VLAN_ID) {
        throw KavrelException("Invalid VLAN ID " + std::to_string(vlanId) + ": it must be between " +
                              std::to_string(MIN_VLAN_ID) + " and " + std::to_string(MAX_VLAN_ID));
    }
    UpdatePortGroup(name_,
                    [&](PortGroupModel& group, VirtualSwitchModel&) { group.vlanId = static_cast<uint16_t>(vlanId); });
}

NicTeamingPolicy PortGroup::GetEffectiveTeamingPolicy() const {
    CheckFault("PortGroup::GetEffectiveTeamingPolicy");
    const auto& place = PlaceOf(name_);
    NicTeamingPolicy effective = SimHost::SwitchTeaming(*place.vswitch);
    effective.Override(SimHost::TeamingFromModel(place.group->teaming));
    return effective;
}

NicTeamingPolicy PortGroup::GetTeamingPolicy() const {
    CheckFault("PortGroup::GetTeamingPolicy");
    return SimHost::TeamingFromModel(ExistingPortGroup(name_).teaming);
}

void PortGroup::SetTeamingPolicy(const NicTeamingPolicy& policy) {
    CheckFault("PortGroup::SetTeamingPolicy");
    UpdatePortGroup(name_, [&](PortGroupModel& group, VirtualSwitchModel& vswitch) {
        SimHost::CheckTeamingOrder(vswitch, policy);
        group.teaming = SimHost::TeamingToModel(policy);
    });
}

PortSecurityPolicy PortGroup::GetEffectiveSecurityPolicy() const {
    CheckFault("PortGroup::GetEffectiveSecurityPolicy");
    const auto& place = PlaceOf(name_);
    PortSecurityPolicy effective = SimHost::SwitchSecurity(*place.vswitch);
    effective.Override(SimHost::SecurityFromModel(place.group->security));
    return effective;
}

PortSecurityPolicy PortGroup::GetSecurityPolicy() const {
    CheckFault("PortGroup::GetSecurityPolicy");
    return SimHost::SecurityFromModel(ExistingPortGroup(name_).security);
}

void PortGroup::SetSecurityPolicy(const PortSecurityPolicy& policy) {
    CheckFault("PortGroup::SetSecurityPolicy");
    UpdatePortGroup(
        name_, [&](PortGroupModel& group, VirtualSwitchModel&) { group.security = SimHost::SecurityToModel(policy); });
}

ShapingPolicy PortGroup::GetEffectiveShapingPolicy() const {
    CheckFault("PortGroup::GetEffectiveShapingPolicy");
    const auto& place = PlaceOf(name_);
    ShapingPolicy effective = SimHost::SwitchShaping(*place.vswitch);
    effective.Override(SimHost::ShapingFromModel(place.group->shaping));
    return effective;
}

ShapingPolicy PortGroup::GetShapingPolicy() const {
    CheckFault("PortGroup::GetShapingPolicy");
    return SimHost::ShapingFromModel(ExistingPortGroup(name_).shaping);
}

void PortGroup::SetShapingPolicy(const ShapingPolicy& policy) {
    CheckFault("PortGroup::SetShapingPolicy");
    UpdatePortGroup(name_, [&](PortGroupModel& group, VirtualSwitchModel& vswitch) {
        ShapingPolicy effective = SimHost::SwitchShaping(vswitch);
        effective.Override(policy);
        SimHost::CheckShaping(effective);
        group.shaping = SimHost::ShapingToModel(policy);
    });
}

}  // namespace Network
}  // namespace Kavrel

namespace LmxCtl {
namespace Network {

PortGroupImpl::PortGroupImpl(const std::string& name) : Kavrel::Network::PortGroup(name) {
    CheckFault("PortGroupImpl::PortGroupImpl");
    HolderOf(name);
}

PortGroupImpl::~PortGroupImpl() = default;

bool PortGroupImpl::IsValidPortGroup(const std::string& name) {
    CheckFault("PortGroupImpl::IsValidPortGroup");
    return SimHost::StoredPortGroup(name) != nullptr;
}

}  // namespace Network
}  // namespace LmxCtl
