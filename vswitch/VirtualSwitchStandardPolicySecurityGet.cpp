// virtual switch standard policy security get: not implemented yet.
#include "vswitch/VswitchCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

VirtualSwitchStandardPolicySecurityGet::VirtualSwitchStandardPolicySecurityGet() {}

std::shared_ptr<VirtualSwitchStandardPolicySecurityGet> VirtualSwitchStandardPolicySecurityGet::New() { return std::shared_ptr<VirtualSwitchStandardPolicySecurityGet>(new VirtualSwitchStandardPolicySecurityGet()); }

VirtualSwitchStandardPolicySecurityGet::~VirtualSwitchStandardPolicySecurityGet() = default;

std::shared_ptr<Parvik::MetaObj::MetaStruct> VirtualSwitchStandardPolicySecurityGet::GetOutputStructure() {
    return Parvik::MetaObj::MetaStruct::New("VirtualSwitchStandardPolicySecurityGet");
}

std::shared_ptr<Parvik::CallSpec::InputSpec> VirtualSwitchStandardPolicySecurityGet::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> VirtualSwitchStandardPolicySecurityGet::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void VirtualSwitchStandardPolicySecurityGet::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                                            const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
