// network vswitch standard policy shaping set: change a standard switch's traffic shaping policy.
#include "frame/CommandFrame.h"
#include "vswitch/VswitchCommands.h"
#include "vswitch/VswitchShared.h"

namespace NorvaleCli {
namespace NetworkNamespace {

VirtualSwitchStandardPolicyShapingSet::VirtualSwitchStandardPolicyShapingSet() {
    SetDescription("Set the shaping policy settings for the given virtual switch");
}

std::shared_ptr<VirtualSwitchStandardPolicyShapingSet> VirtualSwitchStandardPolicyShapingSet::New() {
    return std::shared_ptr<VirtualSwitchStandardPolicyShapingSet>(new VirtualSwitchStandardPolicyShapingSet());
}

VirtualSwitchStandardPolicyShapingSet::~VirtualSwitchStandardPolicyShapingSet() = default;

InputSpecPtr VirtualSwitchStandardPolicyShapingSet::GetInputSpecInternal() {
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kVswitchNameParameter, Parvik::CallSpec::PARAM_STRING, "v",
                 "The name of the virtual switch to use when setting the switch shaping policy.", true);
    AddShapingParameters(spec);
    return spec;
}

OutputSpecPtr VirtualSwitchStandardPolicyShapingSet::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void VirtualSwitchStandardPolicyShapingSet::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    WithStandardErrors(output, [&] {
        auto vswitch = FindSwitch(input->GetParameter(kVswitchNameParameter), output);
        if (!vswitch) return;
        Kavrel::Network::ShapingPolicy policy = vswitch->GetShapingPolicy();
        SetShapingPolicy(input, output, policy, false);
        if (!output->HasError()) vswitch->SetShapingPolicy(policy);
        SetSuccess(output);
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
