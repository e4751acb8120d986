// virtual switch standard remove: not implemented yet.
#include "vswitch/VswitchCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

VirtualSwitchStandardRemove::VirtualSwitchStandardRemove() {}

std::shared_ptr<VirtualSwitchStandardRemove> VirtualSwitchStandardRemove::New() { return std::shared_ptr<VirtualSwitchStandardRemove>(new VirtualSwitchStandardRemove()); }

VirtualSwitchStandardRemove::~VirtualSwitchStandardRemove() = default;

std::shared_ptr<Parvik::CallSpec::InputSpec> VirtualSwitchStandardRemove::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> VirtualSwitchStandardRemove::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void VirtualSwitchStandardRemove::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                                 const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
