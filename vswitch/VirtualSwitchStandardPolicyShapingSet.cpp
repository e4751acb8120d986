// virtual switch standard policy shaping set: not implemented yet.
#include "vswitch/VswitchCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

VirtualSwitchStandardPolicyShapingSet::VirtualSwitchStandardPolicyShapingSet() {}

std::shared_ptr<VirtualSwitchStandardPolicyShapingSet> VirtualSwitchStandardPolicyShapingSet::New() { return std::shared_ptr<VirtualSwitchStandardPolicyShapingSet>(new VirtualSwitchStandardPolicyShapingSet()); }

VirtualSwitchStandardPolicyShapingSet::~VirtualSwitchStandardPolicyShapingSet() = default;

std::shared_ptr<Parvik::CallSpec::InputSpec> VirtualSwitchStandardPolicyShapingSet::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> VirtualSwitchStandardPolicyShapingSet::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void VirtualSwitchStandardPolicyShapingSet::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                                           const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
