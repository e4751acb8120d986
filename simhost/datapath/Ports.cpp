// Switch ports as the datapath sees them (owner world, addresses, counters,
// filters), worlds by ID, switch kinds, and the uplink port of a NIC.
#include <algorithm>
#include <string_view>
#include <unordered_map>

#include "core/Faults.h"
#include "core/HostStore.h"
#include "core/StoredIndex.h"
#include "ip/WorldNames.h"
#include "kavrel/Lib.h"
#include "lmxctl/Datapath.h"
#include "lmxctl/PnicImpl.h"
#include "lmxctl/VirtualSwitch.h"
#include "model/DatapathModel.h"
#include "model/IpStackModel.h"
#include "model/PnicModel.h"
#include "model/VswitchModel.h"
#include "vswitch/UplinkPorts.h"
#include "vswitch/VswitchStore.h"

namespace LmxCtl {
namespace Network {

using Kavrel::Lib::KavrelException;
using SimHost::CheckFault;
using SimHost::HostStore;

namespace {

// One port's stored view, whichever kind of switch holds it: it points into
// the stored sections, which nothing changes while a port is read.
struct ResolvedPort {
    uint32_t type = PortImpl::PORT_TYPE_CLIENT;
    int64_t worldId = 0;
    const std::string* portgroup = nullptr;
    const std::string* dvPortId = nullptr;  // null on a standard switch
    const std::vector<std::string>* macAddresses = nullptr;
    const SimHost::PortDatapathModel* datapath = nullptr;

    std::string DVPortId() const { return dvPortId ? *dvPortId : std::string(); }
};

// The ports of every switch by ID, as Resolve finds them: the first switch of
// a name, and in it the first port of an ID. Listings resolve every port, so
// both are looked up by hash, not by a search per port.
template <typename Port>
struct PortsBySwitch {
    std::unordered_map<std::string_view, std::unordered_map<uint32_t, Port>> bySwitch;
};
struct StandardPort {
    const SimHost::PortModel* port;
};
struct DistributedPort {
    const SimHost::DVPortModel* dvport;
    const SimHost::DVConnectionModel* client;
};

const PortsBySwitch<StandardPort>& StandardPorts() {
    return HostStore::Instance().Derived<SimHost::VirtualSwitchInventory, PortsBySwitch<StandardPort>>(
        [](const SimHost::VirtualSwitchInventory& inventory) {
            PortsBySwitch<StandardPort> index;
            for (const auto& vswitch : inventory.vswitches) {
                auto [ports, first] = index.bySwitch.try_emplace(vswitch.name);
                if (!first) continue;
                for (const auto& port : vswitch.ports) ports->second.emplace(port.portId, StandardPort{&port});
            }
            return index;
        });
}

const PortsBySwitch<DistributedPort>& DistributedPorts() {
    return HostStore::Instance().Derived<SimHost::DVSwitchInventory, PortsBySwitch<DistributedPort>>(
        [](const SimHost::DVSwitchInventory& inventory) {
            PortsBySwitch<DistributedPort> index;
            for (const auto& dvswitch : inventory.dvswitches) {
                auto [ports, first] = index.bySwitch.try_emplace(dvswitch.name);
                if (!first) continue;
                // Numbered as the switch numbers its ports: by position unless stored.
                uint32_t position = 0;
                for (const auto& dvport : dvswitch.dvports) {
                    for (const auto& client : dvport.clients) {
                        ++position;
                        ports->second.emplace(client.portId != 0 ? client.portId : position,
                                              DistributedPort{&dvport, &client});
                    }
                }
            }
            return index;
        });
}

template <typename Port>
const Port* FindPort(const PortsBySwitch<Port>& index, const std::string& switchName, uint32_t portId) {
    auto vswitch = index.bySwitch.find(switchName);
    if (vswitch == index.bySwitch.end()) return nullptr;
    auto port = vswitch->second.find(portId);
    return port == vswitch->second.end() ? nullptr : &port->second;
}

// An uplink port kept only in section `datapath`: no VM, no filters, no counters.
ResolvedPort UplinkPort() {
    static const std::string kNoText;
    static const std::vector<std::string> kNoAddresses;
    static const SimHost::PortDatapathModel kNoDatapath;
    ResolvedPort resolved;
    resolved.type = PortImpl::PORT_TYPE_UPLINK;
    resolved.portgroup = &kNoText;
    resolved.macAddresses = &kNoAddresses;
    resolved.datapath = &kNoDatapath;
    return resolved;
}

ResolvedPort Resolve(const std::string& switchName, uint32_t portId) {
    if (const auto* found = FindPort(StandardPorts(), switchName, portId)) {
        const auto& port = *found->port;
        ResolvedPort resolved;
        resolved.type = port.clientType == "uplink" ? PortImpl::PORT_TYPE_UPLINK : PortImpl::PORT_TYPE_CLIENT;
        resolved.worldId = port.worldId;
        resolved.portgroup = &port.portgroup;
        resolved.macAddresses = &port.macAddresses;
        resolved.datapath = &port.datapath;
        return resolved;
    }
    const auto& standard = HostStore::Instance().Read<SimHost::VirtualSwitchInventory>();
    if (const auto* vswitch = SimHost::FindVirtualSwitch(standard, switchName)) {
        if (SimHost::IsUplinkPortOf(vswitch->uplinks, portId)) return UplinkPort();
    }
    if (const auto* found = FindPort(DistributedPorts(), switchName, portId)) {
        ResolvedPort resolved;
        resolved.worldId = found->client->worldId;
        resolved.portgroup = &found->dvport->portgroupId;
        resolved.dvPortId = &found->dvport->id;
        resolved.macAddresses = &found->client->macAddresses;
        resolved.datapath = &found->client->datapath;
        return resolved;
    }
    const auto& distributed = HostStore::Instance().Read<SimHost::DVSwitchInventory>();
    if (const auto* dvswitch = SimHost::FindDVSwitch(distributed, switchName)) {
        if (SimHost::IsUplinkPortOf(dvswitch->uplinks, portId)) return UplinkPort();
    }
    throw KavrelException("Port " + std::to_string(portId) + " not found on switch " + switchName);
}

}  // namespace

PortImpl::PortImpl(const std::string& switchName, uint32_t portId) : switchName_(switchName), portId_(portId) {}
PortImpl::~PortImpl() = default;

uint32_t PortImpl::GetId() const { return portId_; }

uint32_t PortImpl::GetType() const {
    CheckFault("PortImpl::GetType");
    return Resolve(switchName_, portId_).type;
}

int64_t PortImpl::GetWorldLeader() const {
    CheckFault("PortImpl::GetWorldLeader");
    return Resolve(switchName_, portId_).worldId;
}

std::string PortImpl::GetPortGroupName() const {
    CheckFault("PortImpl::GetPortGroupName");
    return *Resolve(switchName_, portId_).portgroup;
}

std::string PortImpl::GetDVPortID() const {
    CheckFault("PortImpl::GetDVPortID");
    return Resolve(switchName_, portId_).DVPortId();
}

std::vector<Kavrel::Network::MacAddress> PortImpl::GetMacAddresses() const {
    CheckFault("PortImpl::GetMacAddresses");
    std::vector<Kavrel::Network::MacAddress> addresses;
    for (const auto& text : *Resolve(switchName_, portId_).macAddresses) {
        addresses.emplace_back(text);
    }
    return addresses;
}

Kavrel::Network::Ipv4Address PortImpl::GetPortClientIpv4Address() const {
    CheckFault("PortImpl::GetPortClientIpv4Address");
    return Kavrel::Network::Ipv4Address(Resolve(switchName_, portId_).datapath->clientIpv4);
}

std::string PortImpl::GetSchedTeamUplink() const {
    CheckFault("PortImpl::GetSchedTeamUplink");
    return Resolve(switchName_, portId_).datapath->teamUplink;
}

void PortImpl::GetPacketStats(Kavrel::Network::PacketStats& stats) const {
    CheckFault("PortImpl::GetPacketStats");
    stats = Resolve(switchName_, portId_).datapath->stats;
}

std::vector<std::unique_ptr<Kavrel::Network::FilterStats>> PortImpl::GetFilterStats() const {
    CheckFault("PortImpl::GetFilterStats");
    std::vector<std::unique_ptr<Kavrel::Network::FilterStats>> filters;
    for (const auto& stored : Resolve(switchName_, portId_).datapath->filters) {
        auto entry = std::make_unique<Kavrel::Network::FilterStats>();
        entry->name = stored.name;
        entry->sortName = stored.sortKey.empty() ? stored.name : stored.sortKey;
        entry->active = stored.active;
        entry->direction = stored.reverse;
        entry->extended = stored.extended;
        entry->pktsIn = stored.in;
        entry->pktsOut = stored.out;
        entry->pktsDropped = stored.dropped;
        entry->pktsFiltered = stored.filtered;
        entry->pktsFaulted = stored.faulted;
        entry->pktsQueued = stored.queued;
        entry->pktsInjected = stored.injected;
        entry->pktErrors = stored.errors;
        filters.push_back(std::move(entry));
    }
    return filters;
}

bool VirtualSwitchInfoImpl::IsLegacySwitch(const std::string& name) {
    CheckFault("VirtualSwitchInfoImpl::IsLegacySwitch");
    return SimHost::StoredVirtualSwitch(name) != nullptr;
}

bool VirtualSwitchInfoImpl::IsDVSwitch(const std::string& name) {
    CheckFault("VirtualSwitchInfoImpl::IsDVSwitch");
    const auto* dvswitch = SimHost::StoredDVSwitch(name);
    return dvswitch && !dvswitch->opaque;
}

bool VirtualSwitchInfoImpl::IsOpaqueSwitch(const std::string& name) {
    CheckFault("VirtualSwitchInfoImpl::IsOpaqueSwitch");
    const auto* dvswitch = SimHost::StoredDVSwitch(name);
    return dvswitch && dvswitch->opaque;
}

std::unique_ptr<PortImpl> PnicImpl::GetPort() const {
    CheckFault("PnicImpl::GetPort");
    std::string owner = SimHost::UplinkOwner(HostStore::Instance().Read<SimHost::VirtualSwitchInventory>(),
                                             HostStore::Instance().Read<SimHost::DVSwitchInventory>(), name_);
    if (owner.empty()) throw KavrelException("Pnic " + name_ + " is not an uplink of any virtual switch");
    for (const auto& uplink : HostStore::Instance().Read<SimHost::DatapathState>().uplinkPorts) {
        if (uplink.pnic == name_) return std::make_unique<PortImpl>(owner, uplink.portId);
    }
    throw KavrelException("Pnic " + name_ + " has no uplink port");
}

}  // namespace Network

namespace Resource {

using Kavrel::Lib::KavrelException;
using SimHost::CheckFault;
using SimHost::HostStore;

WorldImpl::WorldImpl(int64_t worldId) : worldId_(worldId) {}
WorldImpl::~WorldImpl() = default;

int64_t WorldImpl::GetWorldId() const { return worldId_; }

std::string WorldImpl::GetWorldName() const {
    CheckFault("WorldImpl::GetWorldName");
    if (const auto* name = SimHost::StoredWorldName(worldId_)) return *name;
    throw KavrelException("World " + std::to_string(worldId_) + " does not exist");
}

}  // namespace Resource
}  // namespace LmxCtl
