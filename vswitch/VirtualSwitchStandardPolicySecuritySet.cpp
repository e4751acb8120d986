// virtual switch standard policy security set: not implemented yet.
#include "vswitch/VswitchCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

VirtualSwitchStandardPolicySecuritySet::VirtualSwitchStandardPolicySecuritySet() {}

std::shared_ptr<VirtualSwitchStandardPolicySecuritySet> VirtualSwitchStandardPolicySecuritySet::New() { return std::shared_ptr<VirtualSwitchStandardPolicySecuritySet>(new VirtualSwitchStandardPolicySecuritySet()); }

VirtualSwitchStandardPolicySecuritySet::~VirtualSwitchStandardPolicySecuritySet() = default;

std::shared_ptr<Parvik::CallSpec::InputSpec> VirtualSwitchStandardPolicySecuritySet::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> VirtualSwitchStandardPolicySecuritySet::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void VirtualSwitchStandardPolicySecuritySet::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                                            const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
