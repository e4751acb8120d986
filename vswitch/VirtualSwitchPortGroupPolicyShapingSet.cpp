// virtual switch port group policy shaping set: not implemented yet.
#include "vswitch/VswitchCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

VirtualSwitchPortGroupPolicyShapingSet::VirtualSwitchPortGroupPolicyShapingSet() {}

std::shared_ptr<VirtualSwitchPortGroupPolicyShapingSet> VirtualSwitchPortGroupPolicyShapingSet::New() { return std::shared_ptr<VirtualSwitchPortGroupPolicyShapingSet>(new VirtualSwitchPortGroupPolicyShapingSet()); }

VirtualSwitchPortGroupPolicyShapingSet::~VirtualSwitchPortGroupPolicyShapingSet() = default;

std::shared_ptr<Parvik::CallSpec::InputSpec> VirtualSwitchPortGroupPolicyShapingSet::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> VirtualSwitchPortGroupPolicyShapingSet::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void VirtualSwitchPortGroupPolicyShapingSet::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                                            const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
