// virtual switch port group policy failover set: not implemented yet.
#include "vswitch/VswitchCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

VirtualSwitchPortGroupPolicyFailoverSet::VirtualSwitchPortGroupPolicyFailoverSet() {}

std::shared_ptr<VirtualSwitchPortGroupPolicyFailoverSet> VirtualSwitchPortGroupPolicyFailoverSet::New() { return std::shared_ptr<VirtualSwitchPortGroupPolicyFailoverSet>(new VirtualSwitchPortGroupPolicyFailoverSet()); }

VirtualSwitchPortGroupPolicyFailoverSet::~VirtualSwitchPortGroupPolicyFailoverSet() = default;

std::shared_ptr<Parvik::CallSpec::InputSpec> VirtualSwitchPortGroupPolicyFailoverSet::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> VirtualSwitchPortGroupPolicyFailoverSet::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void VirtualSwitchPortGroupPolicyFailoverSet::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                                             const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
