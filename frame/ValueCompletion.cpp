// The names of host objects offered when the shell completes a parameter that
// names one (a NIC, a switch, an interface...): the hook the framework calls.
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "kavrel/Lib.h"
#include "kavrel/NetworkFactory.h"
#include "lmxctl/Datapath.h"
#include "lmxctl/LumexNicInfoImpl.h"
#include "lmxctl/NetworkInfoImpl.h"
#include "lmxctl/System.h"
#include "lmxctl/VirtualSwitch.h"
#include "parvik/PluginHooks.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {

enum class HostObject {
    Nic,
    StandardSwitch,
    DistributedSwitch,
    PortGroup,
    Interface,
    Netstack,
    Ruleset,
    VmWorld,
    Lcore,
    Port,
    DistributedPort
};

// Parameters that name an existing host object, by long name.
struct NamingParameter {
    const char* parameter;
    HostObject object;
};

const NamingParameter kNamingParameters[] = {
    {"nic-name", HostObject::Nic},
    {"pnic", HostObject::Nic},
    {"uplink-name", HostObject::Nic},
    {"vswitch-name", HostObject::StandardSwitch},
    {"switch", HostObject::StandardSwitch},
    {"dvs", HostObject::DistributedSwitch},
    {"dvs-name", HostObject::DistributedSwitch},
    {"cds", HostObject::DistributedSwitch},
    {"cds-name", HostObject::DistributedSwitch},
    {"portgroup-name", HostObject::PortGroup},
    {"interface-name", HostObject::Interface},
    {"netstack", HostObject::Netstack},
    {"ruleset-id", HostObject::Ruleset},
    {"world-id", HostObject::VmWorld},
    {"lcore-id", HostObject::Lcore},
    {"portid", HostObject::Port},
    {"dvport-id", HostObject::DistributedPort},
};

// Where such a parameter names the object the command creates, no existing
// name fits.
struct NewObjectParameter {
    const char* path;
    const char* parameter;
};

const NewObjectParameter kNewObjectParameters[] = {
    {"network ip interface add", "interface-name"},
    {"network ip netstack add", "netstack"},
    {"network vswitch standard add", "vswitch-name"},
    {"network vswitch standard portgroup add", "portgroup-name"},
    {"network ens lcore add", "lcore-id"},
};

const NamingParameter* FindNamingParameter(const char* path, const char* parameter) {
    for (const auto& created : kNewObjectParameters) {
        if (std::strcmp(created.path, path) == 0 && std::strcmp(created.parameter, parameter) == 0) return nullptr;
    }
    for (const auto& naming : kNamingParameters) {
        if (std::strcmp(naming.parameter, parameter) == 0) return &naming;
    }
    return nullptr;
}

std::vector<std::string> VmWorldIds() {
    std::set<int64_t> worlds;
    LmxCtl::Network::VirtualSwitchInfoImpl switches;
    for (const auto& vswitch : switches.GetAllSwitches()) {
        if (!vswitch) continue;
        const std::string name = vswitch->GetName();
        for (const auto& info : vswitch->GetPorts()) {
            const int64_t world = LmxCtl::Network::PortImpl(name, info.portId).GetWorldLeader();
            if (world != 0) worlds.insert(world);
        }
    }
    std::vector<std::string> names;
    for (int64_t world : worlds) names.push_back(std::to_string(world));
    return names;
}

// The ports of every switch, standard and distributed, by number.
std::vector<std::string> PortIds() {
    std::set<uint32_t> ports;
    for (const auto& vswitch : LmxCtl::Network::VirtualSwitchInfoImpl().GetAllSwitches()) {
        if (!vswitch) continue;
        for (const auto& info : vswitch->GetPorts()) ports.insert(info.portId);
    }
    std::vector<std::string> names;
    for (uint32_t port : ports) names.push_back(std::to_string(port));
    return names;
}

// The distributed ports of every distributed switch; the switch named beside
// it is not known here, so all are offered, each once.
std::vector<std::string> DistributedPortIds() {
    std::vector<std::string> names;
    std::set<std::string> seen;
    for (const auto& dvswitch : LmxCtl::Network::VirtualSwitchInfoImpl().GetDVSwitches()) {
        if (!dvswitch) continue;
        for (const auto& port : dvswitch->GetDVPorts()) {
            if (port && seen.insert(port->GetId()).second) names.push_back(port->GetId());
        }
    }
    return names;
}

// The names of every object of a kind, in the host's order.
std::vector<std::string> HostObjectNames(HostObject object) {
    std::vector<std::string> names;
    switch (object) {
    case HostObject::Nic:
        for (const auto& pnic :
             Kavrel::Network::NetworkFactory::GetNetworkInfo()->GetPnics(Kavrel::Network::PNIC_GET_ALL)) {
            names.push_back(pnic->GetName());
        }
        break;
    case HostObject::StandardSwitch:
        for (const auto& vswitch :
             LmxCtl::Network::VirtualSwitchInfoImpl().GetVirtualSwitches(Kavrel::Network::PORTSET_GET_DEFAULT)) {
            if (vswitch) names.push_back(vswitch->GetName());
        }
        break;
    case HostObject::DistributedSwitch:
        for (const auto& dvswitch : LmxCtl::Network::VirtualSwitchInfoImpl().GetDVSwitches()) {
            if (dvswitch) names.push_back(dvswitch->GetName());
        }
        break;
    case HostObject::PortGroup:
        for (const auto& portgroup :
             LmxCtl::Network::NetworkInfoImpl().GetAllPortGroups(Kavrel::Network::PORTSET_GET_DEFAULT)) {
            if (portgroup) names.push_back(portgroup->GetName());
        }
        break;
    case HostObject::Interface:
        for (const auto& nic : LmxCtl::Network::LumexNicInfoImpl().GetLumexNics(0)) {
            if (nic) names.push_back(nic->GetInterfaceName());
        }
        break;
    case HostObject::Netstack:
        for (const auto& instance : LmxCtl::Network::NetworkInfoImpl().ListNetstackInstances()) {
            if (instance) names.push_back(instance->GetKey());
        }
        break;
    case HostObject::Ruleset:
        for (const auto& ruleset : LmxCtl::System::SystemInfoImpl().GetFirewallRulesets()) {
            if (ruleset) names.push_back(ruleset->GetRulesetId());
        }
        break;
    case HostObject::VmWorld: names = VmWorldIds(); break;
    case HostObject::Port: names = PortIds(); break;
    case HostObject::DistributedPort: names = DistributedPortIds(); break;
    case HostObject::Lcore:
        for (int64_t lcore : Kavrel::Network::NetworkFactory::GetNetworkInfo()->GetEnsLcores()) {
            names.push_back(std::to_string(lcore));
        }
        break;
    }
    return names;
}

}  // namespace

}  // namespace NetworkNamespace
}  // namespace NorvaleCli

// Adds, through add, the names of the host objects a command's parameter may
// name; nothing for a parameter that names none, or when the host cannot be
// read (completion shows no errors).
extern "C" void AutoCli_CompleteValues(const char* path, const char* parameter,
                                       void (*add)(void* context, const char* value), void* context) {
    using namespace NorvaleCli::NetworkNamespace;
    if (!path || !parameter || !add) return;
    const NamingParameter* naming = FindNamingParameter(path, parameter);
    if (!naming) return;
    std::vector<std::string> names;
    try {
        names = HostObjectNames(naming->object);
    } catch (const Kavrel::Lib::KavrelException&) {
        return;
    } catch (const std::exception&) {
        return;
    }
    for (const auto& name : names) add(context, name.c_str());
}
