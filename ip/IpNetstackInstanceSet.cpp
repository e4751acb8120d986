// network ip netstack set: change the name, state and settings of a netstack instance.
#include "frame/CommandFrame.h"
#include "ip/StackCommands.h"
#include "ip/StackShared.h"
#include "lmxctl/IpStack.h"
#include "lmxctl/NetworkInfoImpl.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {
constexpr char kEnableParameter[] = "enable";
constexpr char kNameParameter[] = "name";
constexpr char kMaxConnParameter[] = "maxconn";
constexpr char kCcAlgoParameter[] = "ccalgo";
constexpr char kIpv6Parameter[] = "ipv6enabled";
constexpr char kEcnParameter[] = "ecn";
}  // namespace

IpNetstackInstanceSet::IpNetstackInstanceSet() { SetDescription("Configure settings for a given Netstack Instance."); }

std::shared_ptr<IpNetstackInstanceSet> IpNetstackInstanceSet::New() {
    return std::shared_ptr<IpNetstackInstanceSet>(new IpNetstackInstanceSet());
}

IpNetstackInstanceSet::~IpNetstackInstanceSet() = default;

InputSpecPtr IpNetstackInstanceSet::GetInputSpecInternal() {
    using Parvik::CallSpec::ParameterConstraint;
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kNetstackParameter, Parvik::CallSpec::PARAM_STRING, "N",
                 "The network stack instance. This name must be an interface listed in the netstack list command.",
                 true);
    AddParameter(spec, kEnableParameter, Parvik::CallSpec::PARAM_BOOLEAN, "e",
                 "Enable the netstack instance (create in kernel)", false);
    AddParameter(spec, kNameParameter, Parvik::CallSpec::PARAM_STRING, "n", "The name for this netstack instance.",
                 false);
    AddParameter(spec, kMaxConnParameter, Parvik::CallSpec::PARAM_INTEGER, "m",
                 "The maximum number of connections for this netstack instance (applied only during netstack "
                 "creation).",
                 false);
    auto algorithms = ParameterConstraint::New(Parvik::CallSpec::CONSTRAINT_STRING_ENUM);
    for (const auto& algorithm : LmxCtl::Network::NetstackInstanceImpl::GetCongestionControlAlgorithmList()) {
        algorithms->AddStringEnum(algorithm, "Set " + algorithm + " as the algorithm");
    }
    AddParameter(spec, kCcAlgoParameter, Parvik::CallSpec::PARAM_STRING, "c",
                 "The TCP Congestion Contol Algorithm for this netstack instance (not applied to existing "
                 "connections).: %FULLENUM%",
                 false, algorithms);
    AddParameter(spec, kIpv6Parameter, Parvik::CallSpec::PARAM_BOOLEAN, "i",
                 "To enable IPv6 for this netstack instance (aplied only during netstack creation).", false);
    AddParameter(spec, kEcnParameter, Parvik::CallSpec::PARAM_STRING, "",
                 "The status of ECN (Explicit Congestion Notification). %FULLENUM%", false,
                 StringEnum({{"disabled", "Completely disable ECN functionality"},
                             {"enabled", "Fully enable ECN functionality"},
                             {"echo-only", "Only echoing ECN, won't initiate"}}));
    return spec;
}

OutputSpecPtr IpNetstackInstanceSet::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void IpNetstackInstanceSet::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    WithPrefixedErrors(output, "Error setting configuration", [&] {
        LmxCtl::Network::NetworkInfoImpl network;
        auto instance = FindNetstack(network, input->GetParameter(kNetstackParameter), output);
        if (!instance) return;
        if (input->HasParameter(kNameParameter) && !input->GetParameter(kNameParameter).empty()) {
            instance->SetName(input->GetParameter(kNameParameter), true);
        }
        if (input->HasParameter(kEnableParameter)) {
            if (input->GetParameterBool(kEnableParameter)) {
                instance->Enable(true);
            } else {
                instance->Disable(true);
            }
        }
        if (input->HasParameter(kMaxConnParameter)) {
            instance->SetMaxConnections(SaturatedInt(input->GetParameterInt(kMaxConnParameter)), true);
        }
        if (input->HasParameter(kCcAlgoParameter) && !input->GetParameter(kCcAlgoParameter).empty()) {
            instance->SetCongestionControlAlgorithm(input->GetParameter(kCcAlgoParameter), true);
        }
        if (input->HasParameter(kIpv6Parameter)) {
            instance->SetIpv6Enabled(input->GetParameterBool(kIpv6Parameter), true);
        }
        if (input->HasParameter(kEcnParameter)) instance->SetEcnStatus(input->GetParameter(kEcnParameter));
        SetSuccess(output);
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
