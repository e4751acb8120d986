// virtual switch port group add: not implemented yet.
#include "vswitch/VswitchCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

VirtualSwitchPortGroupAdd::VirtualSwitchPortGroupAdd() {}

std::shared_ptr<VirtualSwitchPortGroupAdd> VirtualSwitchPortGroupAdd::New() { return std::shared_ptr<VirtualSwitchPortGroupAdd>(new VirtualSwitchPortGroupAdd()); }

VirtualSwitchPortGroupAdd::~VirtualSwitchPortGroupAdd() = default;

std::shared_ptr<Parvik::CallSpec::InputSpec> VirtualSwitchPortGroupAdd::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> VirtualSwitchPortGroupAdd::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void VirtualSwitchPortGroupAdd::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                               const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
