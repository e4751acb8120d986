// virtual switch standard policy shaping get: not implemented yet.
#include "vswitch/VswitchCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

VirtualSwitchStandardPolicyShapingGet::VirtualSwitchStandardPolicyShapingGet() {}

std::shared_ptr<VirtualSwitchStandardPolicyShapingGet> VirtualSwitchStandardPolicyShapingGet::New() { return std::shared_ptr<VirtualSwitchStandardPolicyShapingGet>(new VirtualSwitchStandardPolicyShapingGet()); }

VirtualSwitchStandardPolicyShapingGet::~VirtualSwitchStandardPolicyShapingGet() = default;

std::shared_ptr<Parvik::MetaObj::MetaStruct> VirtualSwitchStandardPolicyShapingGet::GetOutputStructure() {
    return Parvik::MetaObj::MetaStruct::New("VirtualSwitchStandardPolicyShapingGet");
}

std::shared_ptr<Parvik::CallSpec::InputSpec> VirtualSwitchStandardPolicyShapingGet::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> VirtualSwitchStandardPolicyShapingGet::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void VirtualSwitchStandardPolicyShapingGet::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                                           const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
