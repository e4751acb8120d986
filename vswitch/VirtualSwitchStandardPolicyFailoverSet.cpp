// network vswitch standard policy failover set: change a standard switch's teaming and failover settings.
#include "frame/CommandFrame.h"
#include "vswitch/VswitchCommands.h"
#include "vswitch/VswitchShared.h"

namespace NorvaleCli {
namespace NetworkNamespace {

VirtualSwitchStandardPolicyFailoverSet::VirtualSwitchStandardPolicyFailoverSet() {
    SetDescription("Configure the Failover policy for a virtual switch.");
}

std::shared_ptr<VirtualSwitchStandardPolicyFailoverSet> VirtualSwitchStandardPolicyFailoverSet::New() {
    return std::shared_ptr<VirtualSwitchStandardPolicyFailoverSet>(new VirtualSwitchStandardPolicyFailoverSet());
}

VirtualSwitchStandardPolicyFailoverSet::~VirtualSwitchStandardPolicyFailoverSet() = default;

InputSpecPtr VirtualSwitchStandardPolicyFailoverSet::GetInputSpecInternal() {
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kVswitchNameParameter, Parvik::CallSpec::PARAM_STRING, "v",
                 "The name of the virtual switch to use when configuring the switch failover policy.", true);
    AddFailoverParameters(spec);
    return spec;
}

OutputSpecPtr VirtualSwitchStandardPolicyFailoverSet::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void VirtualSwitchStandardPolicyFailoverSet::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    WithStandardErrors(output, [&] {
        auto vswitch = FindSwitch(input->GetParameter(kVswitchNameParameter), output);
        if (!vswitch) return;
        Kavrel::Network::NicTeamingPolicy current = vswitch->GetTeamingPolicy();
        Kavrel::Network::NicTeamingPolicy target = vswitch->GetConfiguredTeamingPolicy();
        SetFailoverPolicy(input, output, target, current, vswitch->GetUplinks());
        if (!output->HasError()) vswitch->SetTeamingPolicy(target);
        // Validation messages travel together with the result.
        SetSuccess(output);
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
