// Helpers shared by the Lumex interface commands.
#include "ip/InterfaceShared.h"

#include <ctime>
#include <sstream>

#include "ip/StackShared.h"
#include "kavrel/NetworkFactory.h"
#include "lmxctl/VirtualSwitch.h"

namespace NorvaleCli {
namespace NetworkNamespace {

constexpr char kInterfaceNamePattern[] = "lmx([0-9]|[1-9][0-9]|1[0-9][0-9]|2[0-4][0-9]|25[0-5])";
constexpr char kInterfaceNameParameter[] = "interface-name";
constexpr char kPortgroupNameParameter[] = "portgroup-name";
constexpr char kDvsNameParameter[] = "dvs-name";
constexpr char kDvportIdParameter[] = "dvport-id";
constexpr char kDvsNameDescription[] =
    "DVSwitch name of the connection point. This requires --dvport-id to be given in the same command";
constexpr char kDvportIdDescription[] =
    "DVPort ID of the connection point. This requires --dvs-name to be given in the same command";
constexpr char kNoSuchInterfacePrefix[] = "Unable to find a Lumex interface with the name ";
constexpr char kNotSystemTypeMessage[] = "Invalid type value, should be 'system'.";
constexpr char kInvalidIpv6NetworkMessage[] =
    "Invalid format for IPv6 address. Address must be in the format <ipv6-address>/<prefix-length>   Example: "
    "1:2:3:4::/64";

LmxNicPtr FindListedInterface(LmxCtl::Network::LumexNicInfoImpl& info, const std::string& name, const OutputPtr& output,
                              const std::string& notFound) {
    for (const auto& nic : info.GetLumexNics(0)) {
        if (nic->IsStale()) nic->Refresh();
        if (nic->GetInterfaceName() == name) return nic;
    }
    output->AddErrorMessage(notFound);
    return nullptr;
}

LmxNicPtr FindInterface(const std::string& name, const OutputPtr& output, const std::string& notFound) {
    LmxCtl::Network::LumexNicInfoImpl info;
    auto nic = info.GetLumexNicByInterface(name, false, 0);
    if (!nic) output->AddErrorMessage(notFound);
    return nic;
}

LmxNicPtr FindInterface(const std::string& name, const OutputPtr& output) {
    return FindInterface(name, output, kNoSuchInterfacePrefix + name);
}

bool SelectInterfaces(const InputPtr& input, const OutputPtr& output, const std::string& netstack,
                      std::vector<LmxNicPtr>& selected) {
    std::string name = ParameterOr(input, kInterfaceNameParameter);
    int kind = 0;
    if (!PortsetKindFromType(input, output, netstack.empty() ? kDefaultNetstack : netstack, kind)) return false;
    LmxCtl::Network::LumexNicInfoImpl info;
    if (!name.empty()) {
        auto nic = info.GetLumexNicByInterface(name, false, kind);
        if (!nic) {
            output->AddErrorMessage(kNoSuchInterfacePrefix + name);
            return false;
        }
        selected.push_back(nic);
    } else if (netstack.empty()) {
        selected = info.GetLumexNics(kind);
    } else {
        selected = info.GetLumexNicsByInstanceKey(netstack, kind);
    }
    return true;
}

bool CheckConnectionPointRules(const InputPtr& input, const OutputPtr& output) {
    bool portgroup = input->HasParameter(kPortgroupNameParameter);
    bool dvsName = input->HasParameter(kDvsNameParameter);
    bool dvportId = input->HasParameter(kDvportIdParameter);
    if (dvsName && dvportId) {
        if (!portgroup) return true;
        output->AddErrorMessage("Only one connection point can be specified, vswitch port group or DVPort.");
        return false;
    }
    if (!portgroup || dvsName != dvportId) {
        output->AddErrorMessage(
            "A connection point of either vswitch port group name or dvs-name/dvport-id should be specified. If "
            "connection point is DVPort, --dvs-name and --dvport-id must be specified at the same time.");
        return false;
    }
    return true;
}

std::unique_ptr<Kavrel::Network::ConnectionPoint> BuildConnectionPoint(const InputPtr& input, const OutputPtr& output) {
    std::unique_ptr<Kavrel::Network::ConnectionPoint> point;
    if (input->HasParameter(kDvsNameParameter) && input->HasParameter(kDvportIdParameter)) {
        std::string dvsName = input->GetParameter(kDvsNameParameter);
        const std::string prefix = "Unable to retrieve DVS info by specified DVS name " + dvsName + ". Error was: ";
        const bool found = WithPrefixedErrors(output, prefix, [&] {
            auto dvswitch = Kavrel::Network::NetworkFactory::GetDVSwitchByName(dvsName);
            if (!dvswitch) throw Kavrel::Lib::KavrelException("No DVSwitch with the name " + dvsName);
            Kavrel::Network::DVPortParam param{dvswitch->GetDvsId(), input->GetParameter(kDvportIdParameter), 0};
            LmxCtl::Network::DVPortImpl trial(param);
            if (trial.IsValid()) {
                if (trial.GetConnectionId() == 0) {
                    trial.SetConnectionId(static_cast<uint32_t>(std::time(nullptr)));
                }
                param.connectionId = trial.GetConnectionId();
            }
            point = std::make_unique<LmxCtl::Network::DVPortImpl>(param);
        });
        if (!found) return nullptr;
    } else {
        std::string portgroup = input->GetParameter(kPortgroupNameParameter);
        const std::string prefix = "Invalid vswitch port group name " + portgroup + ". Error was: ";
        if (!WithPrefixedErrors(output, prefix,
                                [&] { point = std::make_unique<LmxCtl::Network::PortGroupImpl>(portgroup); })) {
            return nullptr;
        }
    }
    if (!point->IsValid()) {
        output->AddErrorMessage("Invalid vswitch port group or DVPort parameters.");
        return nullptr;
    }
    return point;
}

std::string SupportedTagsText() {
    std::string text = "Supported tags are: ";
    for (Kavrel::Network::LmxNicTagType tag = 1; tag <= 12; ++tag) {
        const char* name = LmxCtl::Network::LmxNicTagIdToName(tag);
        if (tag > 1) text += ", ";
        if (!name) break;  // the list ends at the first tag without a name
        text += name;
    }
    return text;
}

bool TagFromName(const std::string& name, const OutputPtr& output, Kavrel::Network::LmxNicTagType& tag) {
    tag = LmxCtl::Network::LmxNicTagNameToId(name);
    if (tag != LmxCtl::Network::LMXNIC_TAG_UNKNOWN) return true;
    output->AddErrorMessage("Invalid tag name " + name);
    output->AddErrorMessage(SupportedTagsText());
    return false;
}

void ChangeIpv6Address(const std::string& name, const std::string& address, const std::string& failurePrefix,
                       Ipv6NetworkChange change, const OutputPtr& output) {
    WithPrefixedErrors(output, failurePrefix, [&] {
        if (!Kavrel::Network::Ipv6Network::IsValidAddressAndNetmask(address)) {
            output->AddErrorMessage(kInvalidIpv6NetworkMessage);
            return;
        }
        auto nic = FindInterface(name, output);
        if (!nic) return;
        auto config = nic->GetIpConfig();
        (config.*change)(Kavrel::Network::Ipv6Network(address));
        nic->SetIpConfig(config);
        SetSuccess(output);
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
