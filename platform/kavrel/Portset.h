// Virtual switches (portsets) and their port groups, as the host-control
// library presents them. Objects are bound to a name; every query reads the host.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "kavrel/Policy.h"

namespace Kavrel {
namespace Network {

// Which switches a query returns.
enum PortsetGetType {
    PORTSET_GET_DEFAULT = 0,  // the switches an administrator created
    PORTSET_GET_SYSTEM = 1,   // switches the host keeps for itself
};

// One port of a switch and the client behind it.
struct PortInfo {
    uint32_t portId = 0;
    std::string clientName;  // a VM's port name, a host interface "lmx1", an uplink
    std::string clientType;  // "vm", "lmxnic" or "uplink"
    std::string portgroup;   // standard switches: the port group the port uses
    std::string dvPortId;    // distributed switches: the distributed port
    int64_t worldId = 0;
    std::vector<std::string> macAddresses;
};

// Per-uplink VLAN traffic counters.
struct UplinkVlanCounters {
    std::string uplink;
    uint16_t vlanId = 0;
    uint64_t rxPackets = 0;
    uint64_t txPackets = 0;
    uint64_t rxBytes = 0;
    uint64_t txBytes = 0;
};

class PortGroup;

class Portset {
public:
    static constexpr uint32_t DEF_NUM_PORTS = 128;
    static constexpr uint32_t MAX_NUM_PORTS = 4096;   // per switch
    static constexpr uint32_t MAX_HOST_PORTS = 4608;  // all switches of the host together
    static constexpr size_t MAX_NAME_LENGTH = 127;

    explicit Portset(const std::string& name);
    virtual ~Portset();

    virtual std::string GetName() const;
    virtual std::string GetClass() const;
    virtual uint32_t GetNumPorts() const;
    virtual uint32_t GetNumUsedPorts() const;
    virtual uint32_t GetNumConfiguredPorts() const;
    virtual std::vector<std::string> GetUplinks() const;
    virtual std::vector<PortInfo> GetPorts() const;
    // The VLAN counters of one uplink; empty while VLAN counting is off on it.
    virtual std::vector<UplinkVlanCounters> GetUplinkVlanCounters(const std::string& uplink) const;
    virtual void SetUplinkVlanCounting(const std::string& uplink, bool enabled);
    virtual uint32_t GetMTU() const;

    // Standard switch operations.
    virtual void SetMTU(int64_t mtu);
    virtual uint32_t GetCdpStatus() const;  // 0 down, 1 listen, 2 advertise, 3 both
    virtual void SetCdpStatus(uint32_t status);
    virtual bool IsBeaconEnabled() const;
    virtual uint32_t GetBeaconInterval() const;
    virtual uint32_t GetBeaconThreshold() const;
    virtual std::vector<std::string> GetBeaconRequiredBy() const;
    // claimed: whether the NIC is held by the switch once the call returns
    // (add passes true, remove false).
    virtual void AddUplink(const std::string& uplink, bool claimed);
    virtual void RemoveUplink(const std::string& uplink, bool claimed);

    // The teaming policy in force, and the one configured (the same on this host).
    virtual NicTeamingPolicy GetTeamingPolicy() const;
    virtual NicTeamingPolicy GetConfiguredTeamingPolicy() const;
    virtual void SetTeamingPolicy(const NicTeamingPolicy& policy);
    virtual PortSecurityPolicy GetSecurityPolicy() const;
    virtual void SetSecurityPolicy(const PortSecurityPolicy& policy);
    virtual ShapingPolicy GetShapingPolicy() const;
    virtual void SetShapingPolicy(const ShapingPolicy& policy);

    virtual std::vector<std::unique_ptr<PortGroup>> GetPortGroups() const;
    virtual std::unique_ptr<PortGroup> AddPortGroup(const std::string& name);
    virtual void RemovePortGroup(const std::string& name);

protected:
    std::string name_;
};

class PortGroup {
public:
    static constexpr uint16_t MIN_VLAN_ID = 0;
    static constexpr uint16_t MAX_VLAN_ID = 4095;

    explicit PortGroup(const std::string& name);
    virtual ~PortGroup();

    virtual std::string GetName() const;
    virtual std::string GetVirtualSwitchName() const;
    virtual std::unique_ptr<Portset> GetVirtualSwitch() const;
    virtual uint32_t GetActiveClients() const;  // ports that use the port group
    virtual std::vector<PortInfo> GetClients() const;
    virtual uint16_t GetVlanId() const;
    virtual void SetVlanId(int64_t vlanId);

    // Effective: the switch's policy with the override's set fields applied.
    virtual NicTeamingPolicy GetEffectiveTeamingPolicy() const;
    virtual NicTeamingPolicy GetTeamingPolicy() const;  // the override
    virtual void SetTeamingPolicy(const NicTeamingPolicy& policy);
    virtual PortSecurityPolicy GetEffectiveSecurityPolicy() const;
    virtual PortSecurityPolicy GetSecurityPolicy() const;
    virtual void SetSecurityPolicy(const PortSecurityPolicy& policy);
    virtual ShapingPolicy GetEffectiveShapingPolicy() const;
    virtual ShapingPolicy GetShapingPolicy() const;
    virtual void SetShapingPolicy(const ShapingPolicy& policy);

protected:
    std::string name_;
};

}  // namespace Network
}  // namespace Kavrel
