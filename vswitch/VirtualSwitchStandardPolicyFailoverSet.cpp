// virtual switch standard policy failover set: not implemented yet.
#include "vswitch/VswitchCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

VirtualSwitchStandardPolicyFailoverSet::VirtualSwitchStandardPolicyFailoverSet() {}

std::shared_ptr<VirtualSwitchStandardPolicyFailoverSet> VirtualSwitchStandardPolicyFailoverSet::New() { return std::shared_ptr<VirtualSwitchStandardPolicyFailoverSet>(new VirtualSwitchStandardPolicyFailoverSet()); }

VirtualSwitchStandardPolicyFailoverSet::~VirtualSwitchStandardPolicyFailoverSet() = default;

std::shared_ptr<Parvik::CallSpec::InputSpec> VirtualSwitchStandardPolicyFailoverSet::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> VirtualSwitchStandardPolicyFailoverSet::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void VirtualSwitchStandardPolicyFailoverSet::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                                            const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
