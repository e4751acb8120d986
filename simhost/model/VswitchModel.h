// Standard virtual switches with their port groups and ports, and distributed
// switches with their distributed ports and LACP groups.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/ModelCodec.h"
#include "kavrel/DVSwitch.h"
#include "kavrel/Datapath.h"
#include "kavrel/Portset.h"

// A port's packet counters and an uplink's VLAN counters are stored as the
// platform reports them, bound by name.
namespace Kavrel {
namespace Network {
TALIX_MODEL(PacketStats, rxPackets, txPackets, rxBytes, txBytes, rxBroadcast, txBroadcast, rxMulticast, txMulticast,
            rxDropped, txDropped)
TALIX_MODEL(UplinkVlanCounters, uplink, vlanId, rxPackets, txPackets, rxBytes, txBytes)
}  // namespace Network
}  // namespace Kavrel

namespace SimHost {

// A policy as stored: a field that is present is set, an absent one is not
// (a port group then takes the switch's value, a switch the host default).
struct TeamingModel {
    std::optional<uint32_t> loadBalancing;        // 1 iphash, 2 srcmac, 3 srcport, 4 explicit
    std::optional<std::string> failureDetection;  // "link" or "beacon"
    std::optional<bool> notifySwitches;
    std::optional<bool> rollingRestoration;  // the negation of failback
    // Uplink order and active count are one field: both or neither.
    std::optional<std::vector<std::string>> uplinkOrder;
    std::optional<uint32_t> maxActive;
};
TALIX_MODEL(TeamingModel, loadBalancing, failureDetection, notifySwitches, rollingRestoration, uplinkOrder, maxActive)

struct SecurityModel {
    std::optional<bool> allowPromiscuous;
    std::optional<bool> allowMacChange;
    std::optional<bool> allowForgedTransmits;
};
TALIX_MODEL(SecurityModel, allowPromiscuous, allowMacChange, allowForgedTransmits)

struct ShapingModel {
    std::optional<bool> enabled;
    std::optional<uint64_t> averageBps;
    std::optional<uint64_t> peakBps;
    std::optional<uint64_t> burstBytes;
};
TALIX_MODEL(ShapingModel, enabled, averageBps, peakBps, burstBytes)

// What the datapath keeps for one client port: its client's address, the
// uplink it is scheduled on, its packet counters and its filters.
struct PortFilterModel {
    std::string name;
    std::string sortKey;  // empty: the name
    bool active = true;
    bool reverse = false;   // set: the filter sits on the switch side of the port
    bool extended = false;  // keeps the counters after "dropped"
    uint64_t in = 0;
    uint64_t out = 0;
    uint64_t dropped = 0;
    uint64_t filtered = 0;
    uint64_t faulted = 0;
    uint64_t queued = 0;
    uint64_t injected = 0;
    uint64_t errors = 0;
};
TALIX_MODEL(PortFilterModel, name, sortKey, active, reverse, extended, in, out, dropped, filtered, faulted, queued,
            injected, errors)

struct PortDatapathModel {
    std::string clientIpv4 = "0.0.0.0";  // learnt from the client's traffic
    std::string teamUplink;              // empty: not scheduled on an uplink
    Kavrel::Network::PacketStats stats;
    std::vector<PortFilterModel> filters;
};
TALIX_MODEL(PortDatapathModel, clientIpv4, teamUplink, stats, filters)

// A port of a switch and its client: a VM's virtual NIC, a host interface, an uplink.
struct PortModel {
    uint32_t portId = 0;
    std::string clientName;
    std::string clientType = "vm";  // "vm", "lmxnic", "uplink"
    std::string portgroup;          // standard switches
    std::string dvPortId;           // distributed switches
    int64_t worldId = 0;
    std::vector<std::string> macAddresses;
    PortDatapathModel datapath{};
};
TALIX_MODEL(PortModel, portId, clientName, clientType, portgroup, dvPortId, worldId, macAddresses, datapath)

struct PortGroupModel {
    std::string name;
    uint16_t vlanId = 0;
    // Overrides of the switch's policies: only the fields present are set.
    TeamingModel teaming;
    SecurityModel security;
    ShapingModel shaping;
};
TALIX_MODEL(PortGroupModel, name, vlanId, teaming, security, shaping)

struct CapabilitiesModel {
    bool tso = true;
    bool checksumOffload = true;
    bool scatterGather = true;
};
TALIX_MODEL(CapabilitiesModel, tso, checksumOffload, scatterGather)

struct VirtualSwitchModel {
    std::string name;
    bool system = false;      // kept by the host for itself
    uint32_t numPorts = 128;  // configured port count
    uint32_t mtu = 1500;
    uint32_t cdpStatus = 1;            // listen
    uint32_t beaconInterval = 1;       // seconds
    uint32_t beaconThreshold = 3;      // missed beacons
    std::vector<std::string> uplinks;  // attachment order
    // The switch's own policies: absent fields take the host defaults.
    TeamingModel teaming;
    SecurityModel security;
    ShapingModel shaping;
    CapabilitiesModel capabilities;
    std::vector<PortGroupModel> portgroups;
    std::vector<PortModel> ports;  // clients; uplinks are counted from `uplinks`
    std::vector<Kavrel::Network::UplinkVlanCounters> vlanCounters;
    std::vector<std::string> vlanCounting;  // uplinks whose VLAN counters are on
};
TALIX_MODEL(VirtualSwitchModel, name, system, numPorts, mtu, cdpStatus, beaconInterval, beaconThreshold, uplinks,
            teaming, security, shaping, capabilities, portgroups, ports, vlanCounters, vlanCounting)

struct VirtualSwitchInventory {
    static constexpr const char* kSection = "vswitches";
    std::vector<VirtualSwitchModel> vswitches;
};
TALIX_MODEL(VirtualSwitchInventory, vswitches)

// A host interface or VM port connected to a distributed port.
struct DVConnectionModel {
    uint32_t connectionId = 0;
    std::string clientName;
    uint32_t portId = 0;  // the switch port; 0: numbered by position
    int64_t worldId = 0;  // the VM's leader world; 0: no VM
    std::vector<std::string> macAddresses{};
    PortDatapathModel datapath{};
};
TALIX_MODEL(DVConnectionModel, connectionId, clientName, portId, worldId, macAddresses, datapath)

struct DVPortModel {
    std::string id;
    std::string portgroupId;
    bool inUse = false;  // as the switch reports it; clients imply in use
    std::vector<DVConnectionModel> clients;
    uint32_t connectionId = 0;  // reserved for a host interface; 0: none
    bool uplink = false;
    std::string uplinkName;  // uplink slot, e.g. "uplink1" or "lag1-0"
    std::string pnic;        // the physical NIC behind an uplink port
    bool lacpEnabled = false;
    uint32_t lacpMode = 1;  // 1 active, 2 passive
};
TALIX_MODEL(DVPortModel, id, portgroupId, inUse, clients, connectionId, uplink, uplinkName, pnic, lacpEnabled, lacpMode)

struct LagConfigModel {
    std::string id;
    std::string name;
    uint32_t mode = 1;
    uint32_t loadBalance = 0;
    uint32_t uplinkCount = 2;
};
TALIX_MODEL(LagConfigModel, id, name, mode, loadBalance, uplinkCount)

// A LAG member's actor and partner: the platform's structs, bound by name,
// whose port priority is the host's 255 where the stored member leaves it out.
constexpr uint16_t kDefaultLacpPortPriority = 255;

struct LacpActorModel : Kavrel::Network::LacpActorInfo {
    LacpActorModel() { portPriority = kDefaultLacpPortPriority; }
};
TALIX_MODEL(LacpActorModel, portNumber, portPriority, adminKey, operKey, state, flags)

struct LacpPartnerModel : Kavrel::Network::LacpPartnerInfo {
    LacpPartnerModel() { portPriority = kDefaultLacpPortPriority; }
};
TALIX_MODEL(LacpPartnerModel, deviceId, portNumber, portPriority, operKey, state, flags, age)

struct LacpMemberModel {
    std::string nic;
    std::string state = "Bundled";
    LacpActorModel actor;
    LacpPartnerModel partner;
    uint64_t txLacpdus = 0;
    uint64_t txErrors = 0;
    uint64_t rxLacpdus = 0;
    uint64_t rxErrors = 0;
};
TALIX_MODEL(LacpMemberModel, nic, state, actor, partner, txLacpdus, txErrors, rxLacpdus, rxErrors)

struct LacpGroupModel {
    uint32_t lagId = 0;
    uint32_t mode = 1;
    std::vector<LacpMemberModel> members;
};
TALIX_MODEL(LacpGroupModel, lagId, mode, members)

struct DVSwitchModel {
    std::string name;
    std::string id;  // the switch UUID
    bool opaque = false;
    bool branded = true;
    uint32_t numPorts = 128;
    uint32_t mtu = 1500;
    uint32_t cdpStatus = 1;
    int32_t beaconTimeout = -1;  // -1: no beaconing
    bool runningStateOnDpu = false;
    std::vector<std::string> uplinks;
    std::vector<DVPortModel> dvports;
    std::vector<LagConfigModel> lags;
    std::vector<LacpGroupModel> lacpGroups;  // running groups
    std::vector<Kavrel::Network::UplinkVlanCounters> vlanCounters;
    std::vector<std::string> vlanCounting;  // uplinks whose VLAN counters are on
};
TALIX_MODEL(DVSwitchModel, name, id, opaque, branded, numPorts, mtu, cdpStatus, beaconTimeout, runningStateOnDpu,
            uplinks, dvports, lags, lacpGroups, vlanCounters, vlanCounting)

struct DVSwitchInventory {
    static constexpr const char* kSection = "dvswitches";
    std::vector<DVSwitchModel> dvswitches;
};
TALIX_MODEL(DVSwitchInventory, dvswitches)

// Lookups by name; null when absent.
inline const VirtualSwitchModel* FindVirtualSwitch(const VirtualSwitchInventory& inventory, const std::string& name) {
    for (const auto& vswitch : inventory.vswitches) {
        if (vswitch.name == name) return &vswitch;
    }
    return nullptr;
}

inline const DVSwitchModel* FindDVSwitch(const DVSwitchInventory& inventory, const std::string& name) {
    for (const auto& dvswitch : inventory.dvswitches) {
        if (dvswitch.name == name) return &dvswitch;
    }
    return nullptr;
}

}  // namespace SimHost
