// network vswitch standard portgroup policy shaping set: override a port group's shaping settings.
#include "frame/CommandFrame.h"
#include "vswitch/VswitchCommands.h"
#include "vswitch/VswitchShared.h"

namespace NorvaleCli {
namespace NetworkNamespace {

VirtualSwitchPortGroupPolicyShapingSet::VirtualSwitchPortGroupPolicyShapingSet() {
    SetDescription("Set the shaping policy settings for the given port group");
}

std::shared_ptr<VirtualSwitchPortGroupPolicyShapingSet> VirtualSwitchPortGroupPolicyShapingSet::New() {
    return std::shared_ptr<VirtualSwitchPortGroupPolicyShapingSet>(new VirtualSwitchPortGroupPolicyShapingSet());
}

VirtualSwitchPortGroupPolicyShapingSet::~VirtualSwitchPortGroupPolicyShapingSet() = default;

InputSpecPtr VirtualSwitchPortGroupPolicyShapingSet::GetInputSpecInternal() {
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kPortgroupNameParameter, Parvik::CallSpec::PARAM_STRING, "p",
                 "The name of the port group to set shaping policy for.", true);
    AddParameter(spec, kUseVswitchParameter, Parvik::CallSpec::PARAM_FLAG, "u", kUseVswitchDescription, false);
    AddShapingParameters(spec);
    return spec;
}

OutputSpecPtr VirtualSwitchPortGroupPolicyShapingSet::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void VirtualSwitchPortGroupPolicyShapingSet::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    using Kavrel::Network::ShapingPolicy;
    WithStandardErrors(output, [&] {
        auto portgroup = FindPortGroup(input->GetParameter(kPortgroupNameParameter), output);
        if (!portgroup) return;
        ShapingPolicy override = portgroup->GetShapingPolicy();
        if (input->IsFlagSet(kUseVswitchParameter)) override.UnsetAll();
        SetShapingPolicy(input, output, override, false);
        if (override.IsSet(ShapingPolicy::FIELD_ENABLED) && override.GetEnabled()) {
            // Values the port group leaves unset must come from the switch.
            ShapingPolicy effective = portgroup->GetEffectiveShapingPolicy();
            auto setAnywhere = [&](uint32_t field) { return override.IsSet(field) || effective.IsSet(field); };
            if (!setAnywhere(ShapingPolicy::FIELD_PEAK)) {
                output->AddErrorMessage(
                    "Unable to set shaping policy. A Peak BPS value must be set on either this port group or on the "
                    "parent virtual switch.");
            }
            if (!setAnywhere(ShapingPolicy::FIELD_AVERAGE)) {
                output->AddErrorMessage(
                    "Unable to set shaping policy. An Average BPS value must be set on either this port group or on "
                    "the parent virtual switch.");
            }
            if (!setAnywhere(ShapingPolicy::FIELD_BURST)) {
                output->AddErrorMessage(
                    "Unable to set shaping policy. A Burst Size value must be set on either this port group or on the "
                    "parent virtual switch.");
            }
        }
        if (!output->HasError()) portgroup->SetShapingPolicy(override);
        SetSuccess(output);
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
