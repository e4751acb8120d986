// network vswitch standard portgroup set: change a port group's VLAN ID.
#include "frame/CommandFrame.h"
#include "vswitch/VswitchCommands.h"
#include "vswitch/VswitchShared.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {
constexpr char kVlanIdParameter[] = "vlan-id";
}  // namespace

VirtualSwitchPortGroupSet::VirtualSwitchPortGroupSet() { SetDescription("Set the vlan id for the given port group"); }

std::shared_ptr<VirtualSwitchPortGroupSet> VirtualSwitchPortGroupSet::New() {
    return std::shared_ptr<VirtualSwitchPortGroupSet>(new VirtualSwitchPortGroupSet());
}

VirtualSwitchPortGroupSet::~VirtualSwitchPortGroupSet() = default;

InputSpecPtr VirtualSwitchPortGroupSet::GetInputSpecInternal() {
    using Kavrel::Network::PortGroup;
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kPortgroupNameParameter, Parvik::CallSpec::PARAM_STRING, "p",
                 "The name of the port group to set vlan id for.", true);
    AddParameter(spec, kVlanIdParameter, Parvik::CallSpec::PARAM_INTEGER, "v",
                 "The vlan id for this port group. This value is in the range (" +
                     std::to_string(PortGroup::MIN_VLAN_ID) + " - " + std::to_string(PortGroup::MAX_VLAN_ID) + ")",
                 false, IntRange(PortGroup::MIN_VLAN_ID, PortGroup::MAX_VLAN_ID));
    return spec;
}

OutputSpecPtr VirtualSwitchPortGroupSet::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void VirtualSwitchPortGroupSet::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    WithStandardErrors(output, [&] {
        // Without a VLAN ID there is nothing to set.
        if (!input->HasParameter(kVlanIdParameter)) {
            output->AddErrorMessage("Missing required parameter --vlan-id");
            return;
        }
        int64_t vlanId = input->GetParameterInt(kVlanIdParameter);
        auto portgroup = FindPortGroup(input->GetParameter(kPortgroupNameParameter), output);
        if (!portgroup) return;
        portgroup->SetVlanId(vlanId);
        SetSuccess(output);
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
