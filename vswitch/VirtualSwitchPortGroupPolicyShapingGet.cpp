// virtual switch port group policy shaping get: not implemented yet.
#include "vswitch/VswitchCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

VirtualSwitchPortGroupPolicyShapingGet::VirtualSwitchPortGroupPolicyShapingGet() {}

std::shared_ptr<VirtualSwitchPortGroupPolicyShapingGet> VirtualSwitchPortGroupPolicyShapingGet::New() { return std::shared_ptr<VirtualSwitchPortGroupPolicyShapingGet>(new VirtualSwitchPortGroupPolicyShapingGet()); }

VirtualSwitchPortGroupPolicyShapingGet::~VirtualSwitchPortGroupPolicyShapingGet() = default;

std::shared_ptr<Parvik::MetaObj::MetaStruct> VirtualSwitchPortGroupPolicyShapingGet::GetOutputStructure() {
    return Parvik::MetaObj::MetaStruct::New("VirtualSwitchPortGroupPolicyShapingGet");
}

std::shared_ptr<Parvik::CallSpec::InputSpec> VirtualSwitchPortGroupPolicyShapingGet::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> VirtualSwitchPortGroupPolicyShapingGet::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void VirtualSwitchPortGroupPolicyShapingGet::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                                            const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
