// network vswitch standard portgroup policy security set: override a port group's security settings.
#include "frame/CommandFrame.h"
#include "vswitch/VswitchCommands.h"
#include "vswitch/VswitchShared.h"

namespace NorvaleCli {
namespace NetworkNamespace {

VirtualSwitchPortGroupPolicySecuritySet::VirtualSwitchPortGroupPolicySecuritySet() {
    SetDescription("Set the security policy for a given port group");
}

std::shared_ptr<VirtualSwitchPortGroupPolicySecuritySet> VirtualSwitchPortGroupPolicySecuritySet::New() {
    return std::shared_ptr<VirtualSwitchPortGroupPolicySecuritySet>(new VirtualSwitchPortGroupPolicySecuritySet());
}

VirtualSwitchPortGroupPolicySecuritySet::~VirtualSwitchPortGroupPolicySecuritySet() = default;

InputSpecPtr VirtualSwitchPortGroupPolicySecuritySet::GetInputSpecInternal() {
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kPortgroupNameParameter, Parvik::CallSpec::PARAM_STRING, "p",
                 "The name of the port group to set security policy for.", true);
    AddParameter(spec, kUseVswitchParameter, Parvik::CallSpec::PARAM_FLAG, "u",
                 "Reset all values for this policy to use parent virtual switch's settings instead of overriding the "
                 "settings for the port group.   Using this in conjunction with other settings will first reset all "
                 "of the fields to use the virtual switch setting and then apply the other options after the reset.",
                 false);
    AddSecurityParameters(spec);
    return spec;
}

OutputSpecPtr VirtualSwitchPortGroupPolicySecuritySet::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void VirtualSwitchPortGroupPolicySecuritySet::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    WithStandardErrors(output, [&] {
        auto portgroup = FindPortGroup(input->GetParameter(kPortgroupNameParameter), output);
        if (!portgroup) return;
        Kavrel::Network::PortSecurityPolicy override = portgroup->GetSecurityPolicy();
        if (input->IsFlagSet(kUseVswitchParameter)) override.UnsetAll();
        SetSecurityPolicy(input, output, override);
        if (!output->HasError()) portgroup->SetSecurityPolicy(override);
        SetSuccess(output);
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
