// virtual switch port group policy security set: not implemented yet.
#include "vswitch/VswitchCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

VirtualSwitchPortGroupPolicySecuritySet::VirtualSwitchPortGroupPolicySecuritySet() {}

std::shared_ptr<VirtualSwitchPortGroupPolicySecuritySet> VirtualSwitchPortGroupPolicySecuritySet::New() { return std::shared_ptr<VirtualSwitchPortGroupPolicySecuritySet>(new VirtualSwitchPortGroupPolicySecuritySet()); }

VirtualSwitchPortGroupPolicySecuritySet::~VirtualSwitchPortGroupPolicySecuritySet() = default;

std::shared_ptr<Parvik::CallSpec::InputSpec> VirtualSwitchPortGroupPolicySecuritySet::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> VirtualSwitchPortGroupPolicySecuritySet::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void VirtualSwitchPortGroupPolicySecuritySet::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                                             const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
