// virtual switch port group remove: not implemented yet.
#include "vswitch/VswitchCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

VirtualSwitchPortGroupRemove::VirtualSwitchPortGroupRemove() {}

std::shared_ptr<VirtualSwitchPortGroupRemove> VirtualSwitchPortGroupRemove::New() { return std::shared_ptr<VirtualSwitchPortGroupRemove>(new VirtualSwitchPortGroupRemove()); }

VirtualSwitchPortGroupRemove::~VirtualSwitchPortGroupRemove() = default;

std::shared_ptr<Parvik::CallSpec::InputSpec> VirtualSwitchPortGroupRemove::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> VirtualSwitchPortGroupRemove::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void VirtualSwitchPortGroupRemove::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                                  const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
