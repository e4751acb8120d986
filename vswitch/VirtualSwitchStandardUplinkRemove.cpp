// virtual switch standard uplink remove: not implemented yet.
#include "vswitch/VswitchCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

VirtualSwitchStandardUplinkRemove::VirtualSwitchStandardUplinkRemove() {}

std::shared_ptr<VirtualSwitchStandardUplinkRemove> VirtualSwitchStandardUplinkRemove::New() { return std::shared_ptr<VirtualSwitchStandardUplinkRemove>(new VirtualSwitchStandardUplinkRemove()); }

VirtualSwitchStandardUplinkRemove::~VirtualSwitchStandardUplinkRemove() = default;

std::shared_ptr<Parvik::CallSpec::InputSpec> VirtualSwitchStandardUplinkRemove::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> VirtualSwitchStandardUplinkRemove::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void VirtualSwitchStandardUplinkRemove::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                                       const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
