// network vswitch standard policy security set: change a standard switch's security policy.
#include "frame/CommandFrame.h"
#include "vswitch/VswitchCommands.h"
#include "vswitch/VswitchShared.h"

namespace NorvaleCli {
namespace NetworkNamespace {

VirtualSwitchStandardPolicySecuritySet::VirtualSwitchStandardPolicySecuritySet() {
    SetDescription("Set the security policy for a given virtual switch");
}

std::shared_ptr<VirtualSwitchStandardPolicySecuritySet> VirtualSwitchStandardPolicySecuritySet::New() {
    return std::shared_ptr<VirtualSwitchStandardPolicySecuritySet>(new VirtualSwitchStandardPolicySecuritySet());
}

VirtualSwitchStandardPolicySecuritySet::~VirtualSwitchStandardPolicySecuritySet() = default;

InputSpecPtr VirtualSwitchStandardPolicySecuritySet::GetInputSpecInternal() {
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kVswitchNameParameter, Parvik::CallSpec::PARAM_STRING, "v",
                 "The name of the virtual switch to use when setting the switch security policy.", true);
    // Declared here rather than by the shared helper: promiscuous mode is -p on this command.
    AddParameter(spec, kAllowPromiscuousParameter, Parvik::CallSpec::PARAM_BOOLEAN, "p", kAllowPromiscuousDescription,
                 false);
    AddParameter(spec, kAllowMacChangeParameter, Parvik::CallSpec::PARAM_BOOLEAN, "m", kAllowMacChangeDescription,
                 false);
    AddParameter(spec, kAllowForgedTransmitsParameter, Parvik::CallSpec::PARAM_BOOLEAN, "f",
                 kAllowForgedTransmitsDescription, false);
    return spec;
}

OutputSpecPtr VirtualSwitchStandardPolicySecuritySet::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void VirtualSwitchStandardPolicySecuritySet::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    WithStandardErrors(output, [&] {
        auto vswitch = FindSwitch(input->GetParameter(kVswitchNameParameter), output);
        if (!vswitch) return;
        Kavrel::Network::PortSecurityPolicy policy = vswitch->GetSecurityPolicy();
        SetSecurityPolicy(input, output, policy);
        vswitch->SetSecurityPolicy(policy);
        SetSuccess(output);
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
