// virtual switch port group policy security get: not implemented yet.
#include "vswitch/VswitchCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

VirtualSwitchPortGroupPolicySecurityGet::VirtualSwitchPortGroupPolicySecurityGet() {}

std::shared_ptr<VirtualSwitchPortGroupPolicySecurityGet> VirtualSwitchPortGroupPolicySecurityGet::New() { return std::shared_ptr<VirtualSwitchPortGroupPolicySecurityGet>(new VirtualSwitchPortGroupPolicySecurityGet()); }

VirtualSwitchPortGroupPolicySecurityGet::~VirtualSwitchPortGroupPolicySecurityGet() = default;

std::shared_ptr<Parvik::MetaObj::MetaStruct> VirtualSwitchPortGroupPolicySecurityGet::GetOutputStructure() {
    return Parvik::MetaObj::MetaStruct::New("VirtualSwitchPortGroupPolicySecurityGet");
}

std::shared_ptr<Parvik::CallSpec::InputSpec> VirtualSwitchPortGroupPolicySecurityGet::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> VirtualSwitchPortGroupPolicySecurityGet::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void VirtualSwitchPortGroupPolicySecurityGet::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                                             const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
