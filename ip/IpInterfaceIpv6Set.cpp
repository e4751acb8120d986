// network ip interface ipv6 set: IPv6, DHCPv6, router advertisements, peer DNS and gateway of a Lumex interface.
#include "frame/CommandFrame.h"
#include "ip/InterfaceCommands.h"
#include "ip/InterfaceShared.h"
#include "lmxctl/LumexNicInfoImpl.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {
constexpr char kEnableIpv6Parameter[] = "enable-ipv6";
constexpr char kEnableDhcpv6Parameter[] = "enable-dhcpv6";
constexpr char kEnableRouterAdvParameter[] = "enable-router-adv";
constexpr char kPeerDnsParameter[] = "peer-dns";
constexpr char kGatewayParameter[] = "gateway";
}  // namespace

IpInterfaceIpv6Set::IpInterfaceIpv6Set() {
    SetDescription("Configure IPv6 settings for a given Lumex network interface.");
}

std::shared_ptr<IpInterfaceIpv6Set> IpInterfaceIpv6Set::New() {
    return std::shared_ptr<IpInterfaceIpv6Set>(new IpInterfaceIpv6Set());
}

IpInterfaceIpv6Set::~IpInterfaceIpv6Set() = default;

InputSpecPtr IpInterfaceIpv6Set::GetInputSpecInternal() {
    using Parvik::CallSpec::PARAM_BOOLEAN;
    using Parvik::CallSpec::PARAM_STRING;
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kInterfaceNameParameter, PARAM_STRING, "i",
                 "The name of the Lumex network interface to set IPv6 settings for. This name must be an interface "
                 "listed in the interface list command.",
                 true);
    AddParameter(spec, kEnableIpv6Parameter, PARAM_BOOLEAN, "e",
                 "Setting this value to true enables IPv6 on thisinterface while setting it to false disables IPv6 on "
                 "this interface.",
                 false);
    AddParameter(spec, kEnableDhcpv6Parameter, PARAM_BOOLEAN, "d",
                 "Setting this value to true will enable DHCPv6 on this interface and attempt to aquire an IPv6 "
                 "address from the network ",
                 false);
    AddParameter(spec, kEnableRouterAdvParameter, PARAM_BOOLEAN, "r",
                 "Setting this value to true will enable IPv6 Router Advertised IPv6 addresses to be added to this "
                 "interface from any routers broadcasting on the local network.",
                 false);
    AddParameter(spec, kPeerDnsParameter, PARAM_BOOLEAN, "P",
                 "A boolean value to indicate if the system should use the DNS settings published via DHCPv6 for "
                 "this interface.",
                 false);
    AddParameter(spec, kGatewayParameter, PARAM_STRING, "g",
                 "A default gateway for this interface. The value must be a valid IPv6 address.", false);
    return spec;
}

OutputSpecPtr IpInterfaceIpv6Set::GetOutputSpecInternal() { return MakeOutputSpec(Parvik::MetaObj::MetaBool::New()); }

void IpInterfaceIpv6Set::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    using Kavrel::Network::Ipv6Address;
    std::string name = input->GetParameter(kInterfaceNameParameter);
    WithPrefixedErrors(output, "Error changing IPv6 configuration for the interface " + name + ". Error was : ", [&] {
        auto nic = FindInterface(name, output);
        if (!nic) return;
        auto config = nic->GetIpConfig();
        config.SetDhcpDns(nic->GetConfiguredIpConfig().GetDhcpDns());
        if (input->HasParameter(kEnableDhcpv6Parameter)) {
            config.SetUseIpv6Dhcp(input->GetParameterBool(kEnableDhcpv6Parameter));
        }
        if (input->HasParameter(kEnableRouterAdvParameter)) {
            config.SetUseIpv6RouterAdvertised(input->GetParameterBool(kEnableRouterAdvParameter));
        }
        if (input->HasParameter(kPeerDnsParameter)) {
            bool peerDns = input->GetParameterBool(kPeerDnsParameter);
            if (!config.GetUseIpv6Dhcp() && !config.GetUseIpv6RouterAdvertised()) {
                if (peerDns) {
                    output->AddErrorMessage("-P|--peer-dns can be specified only if DHCPv6 or RA is enabled");
                    return;
                }
            } else {
                config.SetIpv6DhcpDns(peerDns);
            }
        }
        if (input->HasParameter(kEnableIpv6Parameter)) config.SetUseIpv6(input->GetParameterBool(kEnableIpv6Parameter));
        if (!input->HasParameter(kGatewayParameter)) {
            config.SetIpv6Gateway(Ipv6Address());
        } else {
            std::string gateway = input->GetParameter(kGatewayParameter);
            if (config.GetUseIpv6RouterAdvertised()) {
                output->AddErrorMessage("Cannot set an interface gateway when Router Advertisement is enabled.");
                return;
            }
            if (!Ipv6Address::IsValidAddress(gateway)) {
                output->AddErrorMessage("Invalid --gateway option provided.This address is not a valid IPv6 address");
                return;
            }
            config.SetIpv6Gateway(Ipv6Address(gateway));
        }
        nic->SetIpConfig(config);
        SetSuccess(output);
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
