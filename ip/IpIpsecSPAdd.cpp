// network ip ipsec sp add: add a security policy.
#include "frame/CommandFrame.h"
#include "ip/StackCommands.h"
#include "ip/StackShared.h"
#include "lmxctl/IpStack.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {
constexpr char kNameParameter[] = "sp-name";
constexpr char kSaNameParameter[] = "sa-name";
constexpr char kSourceParameter[] = "sp-source";
constexpr char kDestinationParameter[] = "sp-destination";
constexpr char kModeParameter[] = "sp-mode";
constexpr char kSourcePortParameter[] = "source-port";
constexpr char kDestinationPortParameter[] = "destination-port";
constexpr char kActionParameter[] = "action";
constexpr char kProtocolParameter[] = "upper-layer-protocol";
constexpr char kDirectionParameter[] = "flow-direction";
}  // namespace

IpIpsecSPAdd::IpIpsecSPAdd() { SetDescription("Add a Security Policy."); }

std::shared_ptr<IpIpsecSPAdd> IpIpsecSPAdd::New() { return std::shared_ptr<IpIpsecSPAdd>(new IpIpsecSPAdd()); }

IpIpsecSPAdd::~IpIpsecSPAdd() = default;

InputSpecPtr IpIpsecSPAdd::GetInputSpecInternal() {
    using Parvik::CallSpec::PARAM_INTEGER;
    using Parvik::CallSpec::PARAM_STRING;
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kNameParameter, PARAM_STRING, "n", "Name for the Security Policy to be added.", true);
    AddParameter(spec, kSaNameParameter, PARAM_STRING, "a",
                 "Name for the Security Association. Not being Specified lets Lumex automatically choose an Security "
                 "Association. If no applicable Security Association exists, then Lumex may request one using IKE.",
                 false);
    AddParameter(spec, kSourceParameter, PARAM_STRING, "s",
                 "Ipv6 address and prefix length of Security Policy source. Can be specified as 'any' or a correct "
                 "IPv6 network address.",
                 true);
    AddParameter(spec, kDestinationParameter, PARAM_STRING, "d",
                 "Ipv6 address and prefix length of Security Policy destination. Can be specified as 'any' or a "
                 "correct Ipv6 network address.",
                 true);
    AddParameter(spec, kModeParameter, PARAM_STRING, "m", "Security Policy mode. Should be one in set %ENUM%.", false,
                 StringEnum({{"transport", nullptr}, {"tunnel", nullptr}}));
    AddParameter(spec, kSourcePortParameter, PARAM_INTEGER, "p",
                 "Source Port for Security Policy. '0' stands for 'any'", true);
    AddParameter(spec, kDestinationPortParameter, PARAM_INTEGER, "P",
                 "Destination Port for Security Policy. '0' stands for 'any'", true);
    AddParameter(spec, kActionParameter, PARAM_STRING, "A", "Action for Security Policy. Should be one in set %ENUM%.",
                 false, StringEnum({{"none", nullptr}, {"discard", nullptr}, {"ipsec", nullptr}}));
    AddParameter(spec, kProtocolParameter, PARAM_STRING, "u",
                 "Upper layer protocol for Security Policy, Should be one in set %ENUM%.", false,
                 StringEnum({{"any", nullptr}, {"tcp", nullptr}, {"udp", nullptr}, {"icmp6", nullptr}}));
    AddParameter(spec, kDirectionParameter, PARAM_STRING, "w",
                 "Flow direction for Security Policy. Should be one in set %ENUM%.", false,
                 StringEnum({{"in", nullptr}, {"out", nullptr}}));
    return spec;
}

OutputSpecPtr IpIpsecSPAdd::GetOutputSpecInternal() { return MakeOutputSpec(Parvik::MetaObj::MetaBool::New()); }

void IpIpsecSPAdd::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    using LmxCtl::Network::IpSecConfigImpl;
    WithStandardErrors(output, [&] {
        Kavrel::Network::IpSecSpdParam param;
        param.sourceAddress = Kavrel::Network::Ipv6Address(kIpv6UnspecifiedAddress);
        param.destinationAddress = Kavrel::Network::Ipv6Address(kIpv6UnspecifiedAddress);
        std::string saName = ParameterOr(input, kSaNameParameter);
        param.sourcePort = SaturatedInt(input->GetParameterInt(kSourcePortParameter));
        param.destinationPort = SaturatedInt(input->GetParameterInt(kDestinationPortParameter));
        const std::string& source = input->GetParameter(kSourceParameter);
        if (source != "any") {
            Kavrel::Network::Ipv6Network network(source);
            param.sourceAddress = network.GetAddress();
            param.sourcePrefixLength = network.GetNetmask();
        }
        const std::string& destination = input->GetParameter(kDestinationParameter);
        if (destination != "any") {
            Kavrel::Network::Ipv6Network network(destination);
            param.destinationAddress = network.GetAddress();
            param.destinationPrefixLength = network.GetNetmask();
        }
        std::string mode = ParameterOr(input, kModeParameter);
        std::string action = ParameterOr(input, kActionParameter);
        param.protocol = IpSecConfigImpl::StringToIpSecULProtoType(ParameterOr(input, kProtocolParameter));
        param.direction = IpSecConfigImpl::StringToIpSecDirection(ParameterOr(input, kDirectionParameter));
        param.action = IpSecConfigImpl::StringToIpSecAction(action);
        if (action == "ipsec") {
            param.mode = IpSecConfigImpl::StringToIpSecMode(mode);
            param.saName = saName;
        }
        param.name = input->GetParameter(kNameParameter);
        IpSecConfigImpl ipsec;
        ipsec.AddSPDConfig(param);
        SetSuccess(output);
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
