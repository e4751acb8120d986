// network ip interface ipv4 set: static, DHCP or no IPv4 on a Lumex interface.
#include "frame/CommandFrame.h"
#include "ip/InterfaceCommands.h"
#include "ip/InterfaceShared.h"
#include "lmxctl/LumexNicInfoImpl.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {
constexpr char kTypeParameterName[] = "type";
constexpr char kIpv4Parameter[] = "ipv4";
constexpr char kNetmaskParameter[] = "netmask";
constexpr char kGatewayParameter[] = "gateway";
constexpr char kPeerDnsParameter[] = "peer-dns";
}  // namespace

IpInterfaceIpv4Set::IpInterfaceIpv4Set() {
    SetDescription("Configure IPv4 setting for a given Lumex network interface.");
}

std::shared_ptr<IpInterfaceIpv4Set> IpInterfaceIpv4Set::New() {
    return std::shared_ptr<IpInterfaceIpv4Set>(new IpInterfaceIpv4Set());
}

IpInterfaceIpv4Set::~IpInterfaceIpv4Set() = default;

InputSpecPtr IpInterfaceIpv4Set::GetInputSpecInternal() {
    using Parvik::CallSpec::PARAM_BOOLEAN;
    using Parvik::CallSpec::PARAM_STRING;
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kInterfaceNameParameter, PARAM_STRING, "i",
                 "The name of the Lumex network interface to set IPv4 settings for. This name must be an interface "
                 "listed in the interface list command.",
                 true);
    AddParameter(spec, kTypeParameterName, PARAM_STRING, "t", "IPv4 Address type: %FULLENUM%", false,
                 StringEnum({{"static",
                              "Set Static IPv4 information for this interface. Requires --ipv4 and "
                              "--netmask options."},
                             {"dhcp", "Use DHCP to aquire IPv4 setting for this interface."},
                             {"none", "Remove IPv4 settings form this interface."}}));
    AddParameter(spec, kIpv4Parameter, PARAM_STRING, "I", "The static IPv4 address for this interface.", false);
    AddParameter(spec, kNetmaskParameter, PARAM_STRING, "N", "The static IPv4 netmask for this interface.", false);
    AddParameter(spec, kGatewayParameter, PARAM_STRING, "g",
                 "The default gateway for this interface. The value must be a valid IPv4 address. Gateway would be "
                 "reset if not provided",
                 false);
    AddParameter(spec, kPeerDnsParameter, PARAM_BOOLEAN, "P",
                 "A boolean value to indicate if the system should use the DNS settings published via DHCPv4 for "
                 "this interface.",
                 false);
    return spec;
}

OutputSpecPtr IpInterfaceIpv4Set::GetOutputSpecInternal() { return MakeOutputSpec(Parvik::MetaObj::MetaBool::New()); }

void IpInterfaceIpv4Set::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    using Kavrel::Network::Ipv4Address;
    std::string name = input->GetParameter(kInterfaceNameParameter);
    WithPrefixedErrors(output, "Error changing IPv4 configuration for the interface " + name + ". Error was : ", [&] {
        auto nic = FindInterface(name, output);
        if (!nic) return;
        auto config = nic->GetIpConfig();
        config.SetIpv6DhcpDns(nic->GetConfiguredIpConfig().GetIpv6DhcpDns());
        bool hasAddressOrGateway = input->HasParameter(kIpv4Parameter) || input->HasParameter(kGatewayParameter);
        if (!input->HasParameter(kTypeParameterName)) {
            if (hasAddressOrGateway) {
                output->AddErrorMessage("-I|--ipv4 or -g|--gateway can be specified only if type is specified");
                return;
            }
        } else if (input->GetParameter(kTypeParameterName) == "static") {
            std::string address = ParameterOr(input, kIpv4Parameter);
            std::string netmask = ParameterOr(input, kNetmaskParameter);
            if (address.empty() || netmask.empty()) {
                output->AddErrorMessage("The --type=static requires the --ipv4 and --netmask options.");
                return;
            }
            if (!Ipv4Address::IsValidAddress(address)) {
                output->AddErrorMessage("Invalid --ipv4 option provided. This address is not a valid IPv4 address");
                return;
            }
            if (!Ipv4Address::IsValidAddress(netmask)) {
                output->AddErrorMessage("Invalid --netmask option provided. This address is not a valid IPv4 address");
                return;
            }
            std::string gateway = "0.0.0.0";
            if (input->HasParameter(kGatewayParameter)) {
                gateway = input->GetParameter(kGatewayParameter);
                if (!Ipv4Address::IsValidAddress(gateway)) {
                    output->AddErrorMessage(
                        "Invalid --gateway option provided. This address is not a valid IPv4 address");
                    return;
                }
            }
            config.SetIpv4Address(Ipv4Address(address));
            config.SetIpv4Netmask(Ipv4Address(netmask));
            config.SetIpv4Gateway(Ipv4Address(gateway));
        } else {
            if (hasAddressOrGateway) {
                output->AddErrorMessage("-I|--ipv4 or -g|--gateway can be specified only if type is static");
                return;
            }
            if (input->GetParameter(kTypeParameterName) == "dhcp") {
                config.SetUseDhcp(true);
            } else {
                config.SetIpv4UseNone();
            }
        }
        if (input->HasParameter(kPeerDnsParameter)) {
            bool peerDns = input->GetParameterBool(kPeerDnsParameter);
            if (config.GetUseDhcp()) {
                config.SetDhcpDns(peerDns);
            } else if (peerDns) {
                output->AddErrorMessage("-P|--peer-dns can be specified only if DHCP is enabled");
                return;
            }
        }
        nic->SetIpConfig(config);
        SetSuccess(output);
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
