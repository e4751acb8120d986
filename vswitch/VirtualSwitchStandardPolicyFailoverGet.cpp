// virtual switch standard policy failover get: not implemented yet.
#include "vswitch/VswitchCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

VirtualSwitchStandardPolicyFailoverGet::VirtualSwitchStandardPolicyFailoverGet() {}

std::shared_ptr<VirtualSwitchStandardPolicyFailoverGet> VirtualSwitchStandardPolicyFailoverGet::New() { return std::shared_ptr<VirtualSwitchStandardPolicyFailoverGet>(new VirtualSwitchStandardPolicyFailoverGet()); }

VirtualSwitchStandardPolicyFailoverGet::~VirtualSwitchStandardPolicyFailoverGet() = default;

std::shared_ptr<Parvik::MetaObj::MetaStruct> VirtualSwitchStandardPolicyFailoverGet::GetOutputStructure() {
    return Parvik::MetaObj::MetaStruct::New("VirtualSwitchStandardPolicyFailoverGet");
}

std::shared_ptr<Parvik::CallSpec::InputSpec> VirtualSwitchStandardPolicyFailoverGet::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> VirtualSwitchStandardPolicyFailoverGet::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void VirtualSwitchStandardPolicyFailoverGet::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                                            const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
