// virtual switch standard set: not implemented yet.
#include "vswitch/VswitchCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

VirtualSwitchStandardSet::VirtualSwitchStandardSet() {}

std::shared_ptr<VirtualSwitchStandardSet> VirtualSwitchStandardSet::New() { return std::shared_ptr<VirtualSwitchStandardSet>(new VirtualSwitchStandardSet()); }

VirtualSwitchStandardSet::~VirtualSwitchStandardSet() = default;

std::shared_ptr<Parvik::CallSpec::InputSpec> VirtualSwitchStandardSet::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> VirtualSwitchStandardSet::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void VirtualSwitchStandardSet::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                              const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
