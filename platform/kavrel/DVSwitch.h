// Distributed switches whose host part runs here, their ports and LACP state.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "kavrel/Portset.h"

namespace Kavrel {
namespace Network {

// Names one distributed port and, for a host interface, its connection.
struct DVPortParam {
    std::string switchUuid;
    std::string portId;
    uint32_t connectionId = 0;  // 0 while none is assigned
};

// A configured enhanced link aggregation group.
struct LacpLagConfig {
    std::string lagId;
    std::string name;
    uint32_t mode = 0;         // 1 active, 2 passive
    uint32_t loadBalance = 0;  // hashing algorithm index
    uint32_t uplinkCount = 0;  // slots "<name>-0" to "<name>-<count-1>"
};

struct LacpActorInfo {
    uint16_t portNumber = 0;
    uint16_t portPriority = 0;
    uint16_t adminKey = 0;
    uint16_t operKey = 0;
    uint8_t state = 0;  // LACP actor state bits
    std::string flags;
};

struct LacpPartnerInfo {
    std::string deviceId;
    uint16_t portNumber = 0;
    uint16_t portPriority = 0;
    uint16_t operKey = 0;
    uint8_t state = 0;
    std::string flags;
    uint32_t age = 0;  // seconds since the last LACPDU
};

struct LacpNicCounters {
    uint64_t txLacpdus = 0;
    uint64_t txErrors = 0;
    uint64_t rxLacpdus = 0;
    uint64_t rxErrors = 0;
};

struct LacpNicRuntime {
    std::string name;
    std::string state;
    LacpActorInfo actor;
    LacpPartnerInfo partner;
    LacpNicCounters counters;
};

// A running group with its member NICs.
struct LacpGroupRuntime {
    uint32_t lagId = 0;
    uint32_t mode = 0;  // 1 active, 2 passive
    std::vector<LacpNicRuntime> nics;
};

class DVPort {
public:
    DVPort(const std::string& switchName, const std::string& portId);
    virtual ~DVPort();

    virtual std::string GetId() const;
    virtual std::string GetSwitchName() const;
    virtual std::string GetDVPortgroupId() const;
    // Whether the port is in use; clients receives the names of its clients.
    virtual bool IsInUse(std::vector<std::string>& clients) const;
    // The connection id the port holds for its host-interface client (0: none).
    virtual uint32_t GetConnectionId() const;
    virtual void SetConnectionId(uint32_t connectionId);
    virtual bool IsUplink() const;
    virtual std::string GetUplinkName() const;  // uplink slot name
    virtual std::string GetPnicName() const;    // the physical NIC behind an uplink port
    virtual bool IsLacpEnabled() const;
    virtual uint32_t GetLacpMode() const;

protected:
    std::string switchName_;
    std::string portId_;
};

class DVSwitch : public Portset {
public:
    explicit DVSwitch(const std::string& name);
    ~DVSwitch() override;

    virtual std::string GetDvsName() const;
    virtual std::string GetDvsId() const;
    virtual std::string GetCdpStatusString() const;
    virtual int32_t GetBeaconTimeout() const;
    virtual bool IsNorvaleBranded() const;
    virtual bool IsOpaque() const;
    virtual std::vector<std::unique_ptr<DVPort>> GetDVPorts() const;
    virtual std::vector<std::string> GetUplinkPortKeys() const;
    virtual std::unique_ptr<DVPort> GetDVPort(const std::string& key) const;  // none when unknown

    virtual std::vector<LacpLagConfig> GetLagConfigs() const;
    virtual std::vector<LacpGroupRuntime> GetLacpRuntime() const;
    virtual bool IsRunningStateOnDpu() const;
    // shortTimeout true: fast LACPDUs; an empty nicName applies to every NIC of the group.
    virtual void SetLacpTimeout(int64_t lagId, bool shortTimeout, const std::string& nicName);

    std::string GetClass() const override;
    uint32_t GetNumPorts() const override;
    uint32_t GetNumUsedPorts() const override;
    uint32_t GetNumConfiguredPorts() const override;
    std::vector<std::string> GetUplinks() const override;
    std::vector<PortInfo> GetPorts() const override;
    std::vector<UplinkVlanCounters> GetUplinkVlanCounters(const std::string& uplink) const override;
    void SetUplinkVlanCounting(const std::string& uplink, bool enabled) override;
    uint32_t GetMTU() const override;
};

}  // namespace Network
}  // namespace Kavrel
