// virtual switch port group policy failover get: not implemented yet.
#include "vswitch/VswitchCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

VirtualSwitchPortGroupPolicyFailoverGet::VirtualSwitchPortGroupPolicyFailoverGet() {}

std::shared_ptr<VirtualSwitchPortGroupPolicyFailoverGet> VirtualSwitchPortGroupPolicyFailoverGet::New() { return std::shared_ptr<VirtualSwitchPortGroupPolicyFailoverGet>(new VirtualSwitchPortGroupPolicyFailoverGet()); }

VirtualSwitchPortGroupPolicyFailoverGet::~VirtualSwitchPortGroupPolicyFailoverGet() = default;

std::shared_ptr<Parvik::MetaObj::MetaStruct> VirtualSwitchPortGroupPolicyFailoverGet::GetOutputStructure() {
    return Parvik::MetaObj::MetaStruct::New("VirtualSwitchPortGroupPolicyFailoverGet");
}

std::shared_ptr<Parvik::CallSpec::InputSpec> VirtualSwitchPortGroupPolicyFailoverGet::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> VirtualSwitchPortGroupPolicyFailoverGet::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void VirtualSwitchPortGroupPolicyFailoverGet::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                                             const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
