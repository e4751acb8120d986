// network vswitch standard portgroup policy failover set: override a port group's teaming settings.
#include "frame/CommandFrame.h"
#include "vswitch/VswitchCommands.h"
#include "vswitch/VswitchShared.h"

namespace NorvaleCli {
namespace NetworkNamespace {

VirtualSwitchPortGroupPolicyFailoverSet::VirtualSwitchPortGroupPolicyFailoverSet() {
    SetDescription(
        "Configure the Failover policy for a port group. These setting may potentially override virtual switch "
        "settings.");
}

std::shared_ptr<VirtualSwitchPortGroupPolicyFailoverSet> VirtualSwitchPortGroupPolicyFailoverSet::New() {
    return std::shared_ptr<VirtualSwitchPortGroupPolicyFailoverSet>(new VirtualSwitchPortGroupPolicyFailoverSet());
}

VirtualSwitchPortGroupPolicyFailoverSet::~VirtualSwitchPortGroupPolicyFailoverSet() = default;

InputSpecPtr VirtualSwitchPortGroupPolicyFailoverSet::GetInputSpecInternal() {
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kPortgroupNameParameter, Parvik::CallSpec::PARAM_STRING, "p",
                 "The name of the port group to set failover policy for.", true);
    AddParameter(spec, kUseVswitchParameter, Parvik::CallSpec::PARAM_FLAG, "u", kUseVswitchDescription, false);
    AddFailoverParameters(spec);
    return spec;
}

OutputSpecPtr VirtualSwitchPortGroupPolicyFailoverSet::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void VirtualSwitchPortGroupPolicyFailoverSet::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    WithStandardErrors(output, [&] {
        auto portgroup = FindPortGroup(input->GetParameter(kPortgroupNameParameter), output);
        if (!portgroup) return;
        Kavrel::Network::NicTeamingPolicy effective = portgroup->GetEffectiveTeamingPolicy();
        Kavrel::Network::NicTeamingPolicy override = portgroup->GetTeamingPolicy();
        std::vector<std::string> uplinks = portgroup->GetVirtualSwitch()->GetUplinks();
        if (input->IsFlagSet(kUseVswitchParameter)) override.UnsetAll();
        SetFailoverPolicy(input, output, override, effective, uplinks);
        if (!output->HasError()) portgroup->SetTeamingPolicy(override);
        SetSuccess(output);
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
