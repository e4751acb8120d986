// Distributed switches whose host part runs here: ports, uplinks, LACP groups
// and their runtime state; the network factory's lookups.
#include <algorithm>
#include <string_view>
#include <unordered_map>

#include "core/Faults.h"
#include "core/StoredIndex.h"
#include "kavrel/NetworkFactory.h"
#include "lmxctl/NetworkInfoImpl.h"
#include "lmxctl/VirtualSwitch.h"
#include "vswitch/UplinkPorts.h"
#include "vswitch/VswitchStore.h"

namespace {

using Kavrel::Lib::KavrelException;
using SimHost::CheckFault;
using SimHost::DVPortModel;
using SimHost::DVSwitchInventory;
using SimHost::DVSwitchModel;
using SimHost::HostStore;

const char kDistributedSwitchClass[] = "cswitch";
// Actor state bit for the short (fast) LACP timeout.
constexpr uint8_t kLacpStateShortTimeout = 0x02;

const DVSwitchModel& ExistingDV(const std::string& name) {
    const auto* dvswitch = SimHost::StoredDVSwitch(name);
    if (!dvswitch) throw KavrelException("DVSwitch " + name + " does not exist");
    return *dvswitch;
}

// The ports of the stored switches by key: the first switch of a name, and in
// it the first port of a key. A switch listing reads every port by its key.
struct DVPortsByKey {
    std::unordered_map<std::string_view, std::unordered_map<std::string_view, const DVPortModel*>> bySwitch;
};

const DVPortModel* StoredPort(const std::string& switchName, const std::string& portId) {
    const auto& index =
        HostStore::Instance().Derived<DVSwitchInventory, DVPortsByKey>([](const DVSwitchInventory& inventory) {
            DVPortsByKey index;
            for (const auto& dvswitch : inventory.dvswitches) {
                auto [ports, first] = index.bySwitch.try_emplace(dvswitch.name);
                if (!first) continue;
                for (const auto& port : dvswitch.dvports) ports->second.emplace(port.id, &port);
            }
            return index;
        });
    auto dvswitch = index.bySwitch.find(switchName);
    if (dvswitch == index.bySwitch.end()) return nullptr;
    auto port = dvswitch->second.find(portId);
    return port == dvswitch->second.end() ? nullptr : port->second;
}

const DVPortModel& ExistingPort(const std::string& switchName, const std::string& portId) {
    ExistingDV(switchName);
    if (const auto* port = StoredPort(switchName, portId)) return *port;
    throw KavrelException("DVPort " + portId + " does not exist on DVSwitch " + switchName);
}

template <typename Change>
void UpdateDVSwitch(const std::string& name, Change&& change) {
    HostStore::Instance().Update<DVSwitchInventory>([&](DVSwitchInventory& inventory) {
        for (auto& dvswitch : inventory.dvswitches) {
            if (dvswitch.name == name) {
                change(dvswitch);
                return;
            }
        }
        throw KavrelException("DVSwitch " + name + " does not exist");
    });
}

template <typename Change>
void UpdatePort(const std::string& switchName, const std::string& portId, Change&& change) {
    UpdateDVSwitch(switchName, [&](DVSwitchModel& dvswitch) {
        for (auto& port : dvswitch.dvports) {
            if (port.id == portId) {
                change(port);
                return;
            }
        }
        throw KavrelException("DVPort " + portId + " does not exist on DVSwitch " + switchName);
    });
}

// The name of the switch with that UUID, or "".
std::string SwitchNameOf(const std::string& uuid) {
    for (const auto& dvswitch : HostStore::Instance().Read<DVSwitchInventory>().dvswitches) {
        if (dvswitch.id == uuid) return dvswitch.name;
    }
    return "";
}

std::vector<std::unique_ptr<Kavrel::Network::DVSwitch>> SwitchesWhere(bool opaque) {
    std::vector<std::unique_ptr<Kavrel::Network::DVSwitch>> switches;
    for (const auto& dvswitch : HostStore::Instance().Read<DVSwitchInventory>().dvswitches) {
        if (dvswitch.opaque == opaque)
            switches.push_back(std::make_unique<LmxCtl::Network::DVSwitchImpl>(dvswitch.name));
    }
    return switches;
}

// The flags text starts with S (slow LACPDUs) or F (fast).
void SetTimeoutFlags(Kavrel::Network::LacpActorInfo& actor, bool shortTimeout, uint32_t mode) {
    if (shortTimeout) {
        actor.state = static_cast<uint8_t>(actor.state | kLacpStateShortTimeout);
    } else {
        actor.state = static_cast<uint8_t>(actor.state & ~kLacpStateShortTimeout);
    }
    char speed = shortTimeout ? 'F' : 'S';
    if (!actor.flags.empty() && (actor.flags[0] == 'S' || actor.flags[0] == 'F')) {
        actor.flags[0] = speed;
    } else {
        actor.flags = std::string(1, speed) + (mode == 2 ? "P" : "A") + actor.flags;
    }
}

}  // namespace

namespace Kavrel {
namespace Network {

DVPort::DVPort(const std::string& switchName, const std::string& portId) : switchName_(switchName), portId_(portId) {}
DVPort::~DVPort() = default;

std::string DVPort::GetId() const { return portId_; }
std::string DVPort::GetSwitchName() const { return switchName_; }

std::string DVPort::GetDVPortgroupId() const {
    CheckFault("DVPort::GetDVPortgroupId");
    return ExistingPort(switchName_, portId_).portgroupId;
}

bool DVPort::IsInUse(std::vector<std::string>& clients) const {
    CheckFault("DVPort::IsInUse");
    const auto& port = ExistingPort(switchName_, portId_);
    clients.clear();
    for (const auto& client : port.clients) clients.push_back(client.clientName);
    return port.inUse || !port.clients.empty();
}

uint32_t DVPort::GetConnectionId() const {
    CheckFault("DVPort::GetConnectionId");
    return ExistingPort(switchName_, portId_).connectionId;
}

void DVPort::SetConnectionId(uint32_t connectionId) {
    CheckFault("DVPort::SetConnectionId");
    UpdatePort(switchName_, portId_, [&](DVPortModel& port) { port.connectionId = connectionId; });
}

bool DVPort::IsUplink() const {
    CheckFault("DVPort::IsUplink");
    return ExistingPort(switchName_, portId_).uplink;
}

std::string DVPort::GetUplinkName() const {
    CheckFault("DVPort::GetUplinkName");
    return ExistingPort(switchName_, portId_).uplinkName;
}

std::string DVPort::GetPnicName() const {
    CheckFault("DVPort::GetPnicName");
    return ExistingPort(switchName_, portId_).pnic;
}

bool DVPort::IsLacpEnabled() const {
    CheckFault("DVPort::IsLacpEnabled");
    return ExistingPort(switchName_, portId_).lacpEnabled;
}

uint32_t DVPort::GetLacpMode() const {
    CheckFault("DVPort::GetLacpMode");
    return ExistingPort(switchName_, portId_).lacpMode;
}

DVSwitch::DVSwitch(const std::string& name) : Portset(name) {}
DVSwitch::~DVSwitch() = default;

std::string DVSwitch::GetDvsName() const {
    CheckFault("DVSwitch::GetDvsName");
    return ExistingDV(name_).name;
}

std::string DVSwitch::GetDvsId() const {
    CheckFault("DVSwitch::GetDvsId");
    return ExistingDV(name_).id;
}

std::string DVSwitch::GetCdpStatusString() const {
    CheckFault("DVSwitch::GetCdpStatusString");
    static const char* const kWords[] = {"down", "listen", "advertise", "both"};
    uint32_t status = ExistingDV(name_).cdpStatus;
    return status < 4 ? kWords[status] : "unknown";
}

int32_t DVSwitch::GetBeaconTimeout() const {
    CheckFault("DVSwitch::GetBeaconTimeout");
    return ExistingDV(name_).beaconTimeout;
}

bool DVSwitch::IsNorvaleBranded() const {
    CheckFault("DVSwitch::IsNorvaleBranded");
    return ExistingDV(name_).branded;
}

bool DVSwitch::IsOpaque() const {
    CheckFault("DVSwitch::IsOpaque");
    return ExistingDV(name_).opaque;
}

std::vector<std::unique_ptr<DVPort>> DVSwitch::GetDVPorts() const {
    CheckFault("DVSwitch::GetDVPorts");
    std::vector<std::unique_ptr<DVPort>> ports;
    for (const auto& port : ExistingDV(name_).dvports) {
        ports.push_back(std::make_unique<LmxCtl::Network::DVPortImpl>(name_, port.id));
    }
    return ports;
}

std::vector<std::string> DVSwitch::GetUplinkPortKeys() const {
    CheckFault("DVSwitch::GetUplinkPortKeys");
    std::vector<std::string> keys;
    for (const auto& port : ExistingDV(name_).dvports) {
        if (port.uplink) keys.push_back(port.id);
    }
    return keys;
}

std::unique_ptr<DVPort> DVSwitch::GetDVPort(const std::string& key) const {
    CheckFault("DVSwitch::GetDVPort");
    for (const auto& port : ExistingDV(name_).dvports) {
        if (port.id == key) return std::make_unique<LmxCtl::Network::DVPortImpl>(name_, key);
    }
    return nullptr;
}

std::vector<LacpLagConfig> DVSwitch::GetLagConfigs() const {
    CheckFault("DVSwitch::GetLagConfigs");
    std::vector<LacpLagConfig> configs;
    for (const auto& lag : ExistingDV(name_).lags) {
        configs.push_back(LacpLagConfig{lag.id, lag.name, lag.mode, lag.loadBalance, lag.uplinkCount});
    }
    return configs;
}

std::vector<LacpGroupRuntime> DVSwitch::GetLacpRuntime() const {
    CheckFault("DVSwitch::GetLacpRuntime");
    std::vector<LacpGroupRuntime> groups;
    for (const auto& group : ExistingDV(name_).lacpGroups) {
        LacpGroupRuntime runtime;
        runtime.lagId = group.lagId;
        runtime.mode = group.mode;
        for (const auto& member : group.members) {
            LacpNicRuntime nic;
            nic.name = member.nic;
            nic.state = member.state;
            nic.actor = member.actor;
            nic.partner = member.partner;
            nic.counters = LacpNicCounters{member.txLacpdus, member.txErrors, member.rxLacpdus, member.rxErrors};
            runtime.nics.push_back(nic);
        }
        groups.push_back(runtime);
    }
    return groups;
}

bool DVSwitch::IsRunningStateOnDpu() const {
    CheckFault("DVSwitch::IsRunningStateOnDpu");
    return ExistingDV(name_).runningStateOnDpu;
}

void DVSwitch::SetLacpTimeout(int64_t lagId, bool shortTimeout, const std::string& nicName) {
    CheckFault("DVSwitch::SetLacpTimeout");
    UpdateDVSwitch(name_, [&](DVSwitchModel& dvswitch) {
        auto group = std::find_if(
            dvswitch.lacpGroups.begin(), dvswitch.lacpGroups.end(),
            [&](const SimHost::LacpGroupModel& entry) { return static_cast<int64_t>(entry.lagId) == lagId; });
        if (group == dvswitch.lacpGroups.end()) {
            throw KavrelException("LAG " + std::to_string(lagId) + " is not running on DVSwitch " + name_);
        }
        bool matched = false;
        for (auto& member : group->members) {
            if (!nicName.empty() && member.nic != nicName) continue;
            SetTimeoutFlags(member.actor, shortTimeout, group->mode);
            matched = true;
        }
        if (!nicName.empty() && !matched) {
            throw KavrelException("NIC " + nicName + " is not a member of LAG " + std::to_string(lagId));
        }
    });
}

std::string DVSwitch::GetClass() const {
    CheckFault("DVSwitch::GetClass");
    ExistingDV(name_);
    return kDistributedSwitchClass;
}

uint32_t DVSwitch::GetNumPorts() const {
    CheckFault("DVSwitch::GetNumPorts");
    return ExistingDV(name_).numPorts;
}

uint32_t DVSwitch::GetNumUsedPorts() const {
    CheckFault("DVSwitch::GetNumUsedPorts");
    const auto& ports = ExistingDV(name_).dvports;
    return static_cast<uint32_t>(std::count_if(
        ports.begin(), ports.end(), [](const DVPortModel& port) { return port.inUse || !port.clients.empty(); }));
}

uint32_t DVSwitch::GetNumConfiguredPorts() const {
    CheckFault("DVSwitch::GetNumConfiguredPorts");
    return static_cast<uint32_t>(ExistingDV(name_).dvports.size());
}

std::vector<std::string> DVSwitch::GetUplinks() const {
    CheckFault("DVSwitch::GetUplinks");
    return ExistingDV(name_).uplinks;
}

std::vector<PortInfo> DVSwitch::GetPorts() const {
    CheckFault("DVSwitch::GetPorts");
    std::vector<PortInfo> ports;
    uint32_t portId = 0;
    const auto& dvswitch = ExistingDV(name_);
    for (const auto& port : dvswitch.dvports) {
        for (const auto& client : port.clients) {
            PortInfo info;
            ++portId;
            info.portId = client.portId != 0 ? client.portId : portId;
            info.clientName = client.clientName;
            info.dvPortId = port.id;
            info.worldId = client.worldId;
            info.macAddresses = client.macAddresses;
            ports.push_back(info);
        }
    }
    SimHost::AppendUplinkPorts(dvswitch.uplinks, ports);
    return ports;
}

std::vector<UplinkVlanCounters> DVSwitch::GetUplinkVlanCounters(const std::string& uplink) const {
    CheckFault("DVSwitch::GetUplinkVlanCounters");
    return SimHost::VlanCountersOf(ExistingDV(name_), uplink);
}

void DVSwitch::SetUplinkVlanCounting(const std::string& uplink, bool enabled) {
    CheckFault("DVSwitch::SetUplinkVlanCounting");
    UpdateDVSwitch(name_, [&](DVSwitchModel& dvswitch) { SimHost::SetVlanCounting(dvswitch, uplink, enabled); });
}

uint32_t DVSwitch::GetMTU() const {
    CheckFault("DVSwitch::GetMTU");
    return ExistingDV(name_).mtu;
}

std::unique_ptr<Portset> NetworkFactory::GetVirtualSwitchById(const std::string& name, int type) {
    CheckFault("NetworkFactory::GetVirtualSwitchById");
    const auto* vswitch = SimHost::StoredVirtualSwitch(name);
    if (!vswitch || vswitch->system != (type == PORTSET_GET_SYSTEM)) return nullptr;
    return std::make_unique<LmxCtl::Network::PortsetImpl>(name);
}

std::unique_ptr<PortGroup> NetworkFactory::GetPortGroupByName(const std::string& name) {
    CheckFault("NetworkFactory::GetPortGroupByName");
    if (!SimHost::SwitchOfPortGroup(HostStore::Instance().Read<SimHost::VirtualSwitchInventory>(), name)) {
        return nullptr;
    }
    return std::make_unique<LmxCtl::Network::PortGroupImpl>(name);
}

std::unique_ptr<DVSwitch> NetworkFactory::GetDVSwitchByName(const std::string& name) {
    CheckFault("NetworkFactory::GetDVSwitchByName");
    if (!SimHost::StoredDVSwitch(name)) return nullptr;
    return std::make_unique<LmxCtl::Network::DVSwitchImpl>(name);
}

std::unique_ptr<DVSwitch> NetworkFactory::GetDVSwitchById(const std::string& uuid) {
    CheckFault("NetworkFactory::GetDVSwitchById");
    for (const auto& dvswitch : HostStore::Instance().Read<DVSwitchInventory>().dvswitches) {
        if (dvswitch.id == uuid) return std::make_unique<LmxCtl::Network::DVSwitchImpl>(dvswitch.name);
    }
    return nullptr;
}

std::unique_ptr<DVPort> NetworkFactory::GetDVPort(const DVPortParam& param) {
    CheckFault("NetworkFactory::GetDVPort");
    for (const auto& dvswitch : HostStore::Instance().Read<DVSwitchInventory>().dvswitches) {
        if (dvswitch.id != param.switchUuid) continue;
        for (const auto& port : dvswitch.dvports) {
            if (port.id != param.portId) continue;
            bool connected = param.connectionId == 0 || port.connectionId == param.connectionId ||
                             std::any_of(port.clients.begin(), port.clients.end(),
                                         [&](const auto& client) { return client.connectionId == param.connectionId; });
            if (!connected) return nullptr;
            return std::make_unique<LmxCtl::Network::DVPortImpl>(dvswitch.name, port.id);
        }
    }
    return nullptr;
}

}  // namespace Network
}  // namespace Kavrel

namespace LmxCtl {
namespace Network {

std::vector<std::unique_ptr<Kavrel::Network::DVSwitch>> VirtualSwitchInfoImpl::GetDVSwitches() {
    CheckFault("VirtualSwitchInfoImpl::GetDVSwitches");
    return SwitchesWhere(false);
}

std::vector<std::unique_ptr<Kavrel::Network::DVSwitch>> VirtualSwitchInfoImpl::GetOpaqueDVSwitches() {
    CheckFault("VirtualSwitchInfoImpl::GetOpaqueDVSwitches");
    return SwitchesWhere(true);
}

std::unique_ptr<Kavrel::Network::DVSwitch> VirtualSwitchInfoImpl::GetDVSwitchByName(const std::string& name) {
    CheckFault("VirtualSwitchInfoImpl::GetDVSwitchByName");
    if (!SimHost::StoredDVSwitch(name)) return nullptr;
    return std::make_unique<DVSwitchImpl>(name);
}

std::vector<std::unique_ptr<Kavrel::Network::Portset>> VirtualSwitchInfoImpl::GetAllSwitches() {
    CheckFault("VirtualSwitchInfoImpl::GetAllSwitches");
    std::vector<std::unique_ptr<Kavrel::Network::Portset>> switches;
    for (const auto& vswitch : HostStore::Instance().Read<SimHost::VirtualSwitchInventory>().vswitches) {
        switches.push_back(std::make_unique<PortsetImpl>(vswitch.name));
    }
    for (const auto& dvswitch : HostStore::Instance().Read<DVSwitchInventory>().dvswitches) {
        switches.push_back(std::make_unique<DVSwitchImpl>(dvswitch.name));
    }
    return switches;
}

DVSwitchImpl::DVSwitchImpl(const std::string& name) : Kavrel::Network::DVSwitch(name) {}
DVSwitchImpl::~DVSwitchImpl() = default;

DVPortImpl::DVPortImpl(const std::string& switchName, const std::string& portId)
    : Kavrel::Network::DVPort(switchName, portId) {}
DVPortImpl::DVPortImpl(const Kavrel::Network::DVPortParam& param)
    : Kavrel::Network::DVPort(SwitchNameOf(param.switchUuid), param.portId) {}

DVPortImpl::~DVPortImpl() = default;

bool DVPortImpl::IsValid() const {
    CheckFault("DVPortImpl::IsValid");
    if (switchName_.empty()) return false;
    return StoredPort(switchName_, portId_) != nullptr;
}

Kavrel::Network::DVPortParam DVPortImpl::GetDVPortParam() const {
    CheckFault("DVPortImpl::GetDVPortParam");
    return Kavrel::Network::DVPortParam{ExistingDV(switchName_).id, portId_, GetConnectionId()};
}

}  // namespace Network
}  // namespace LmxCtl
