// Virtual switch implementation objects commands construct themselves.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "kavrel/DVSwitch.h"
#include "kavrel/LmxNic.h"
#include "kavrel/Policy.h"
#include "kavrel/Portset.h"

namespace LmxCtl {
namespace Network {

class VirtualSwitchInfoImpl {
public:
    VirtualSwitchInfoImpl();
    ~VirtualSwitchInfoImpl();

    void AddVirtualSwitchWithPolicy(const Kavrel::Network::NicTeamingPolicy& teaming,
                                    const Kavrel::Network::PortSecurityPolicy& security,
                                    const Kavrel::Network::ShapingPolicy& shaping,
                                    const Kavrel::Network::NicCapabilities& capabilities, const std::string& name,
                                    int64_t ports);
    void RemoveVirtualSwitch(const std::string& name);
    // None when no switch of that name and type exists.
    std::unique_ptr<Kavrel::Network::Portset> GetVirtualSwitchByName(const std::string& name, int type);
    std::vector<std::unique_ptr<Kavrel::Network::Portset>> GetVirtualSwitches(int type);
    std::vector<std::unique_ptr<Kavrel::Network::DVSwitch>> GetDVSwitches();
    std::vector<std::unique_ptr<Kavrel::Network::DVSwitch>> GetOpaqueDVSwitches();
    // None when no distributed switch of that name exists.
    std::unique_ptr<Kavrel::Network::DVSwitch> GetDVSwitchByName(const std::string& name);
    // Every switch of the host: standard ones (system switches included), then distributed ones.
    std::vector<std::unique_ptr<Kavrel::Network::Portset>> GetAllSwitches();
    // The kind of the switch of that name: standard, distributed, opaque.
    bool IsLegacySwitch(const std::string& name);
    bool IsDVSwitch(const std::string& name);
    bool IsOpaqueSwitch(const std::string& name);
};

class PortsetImpl : public Kavrel::Network::Portset {
public:
    explicit PortsetImpl(const std::string& name);
    ~PortsetImpl() override;

    // True when a standard switch of that name exists.
    static bool IsValidVirtualSwitch(const std::string& name);
};

class PortGroupImpl : public Kavrel::Network::PortGroup, public Kavrel::Network::ConnectionPoint {
public:
    // Throws Kavrel::Lib::KavrelException for a name the host does not know.
    explicit PortGroupImpl(const std::string& name);
    ~PortGroupImpl() override;

    static bool IsValidPortGroup(const std::string& name);
    // As a connection point of a host interface (type 1).
    int GetConnectionPointType() const override;
    bool IsValid() const override;
};

class DVSwitchImpl : public Kavrel::Network::DVSwitch {
public:
    explicit DVSwitchImpl(const std::string& name);
    ~DVSwitchImpl() override;
};

class DVPortImpl : public Kavrel::Network::DVPort, public Kavrel::Network::ConnectionPoint {
public:
    DVPortImpl(const std::string& switchName, const std::string& portId);
    // The port the param names by switch UUID and port id; check it with IsValid.
    explicit DVPortImpl(const Kavrel::Network::DVPortParam& param);
    ~DVPortImpl() override;

    bool IsValid() const override;
    // As a connection point of a host interface (type 2).
    int GetConnectionPointType() const override;
    // Switch UUID, port id and the port's connection id.
    Kavrel::Network::DVPortParam GetDVPortParam() const;
};

}  // namespace Network
}  // namespace LmxCtl
