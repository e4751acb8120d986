// virtual switch standard add: not implemented yet.
#include "vswitch/VswitchCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

VirtualSwitchStandardAdd::VirtualSwitchStandardAdd() {}

std::shared_ptr<VirtualSwitchStandardAdd> VirtualSwitchStandardAdd::New() { return std::shared_ptr<VirtualSwitchStandardAdd>(new VirtualSwitchStandardAdd()); }

VirtualSwitchStandardAdd::~VirtualSwitchStandardAdd() = default;

std::shared_ptr<Parvik::CallSpec::InputSpec> VirtualSwitchStandardAdd::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> VirtualSwitchStandardAdd::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void VirtualSwitchStandardAdd::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                              const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
