// virtual switch port group set: not implemented yet.
#include "vswitch/VswitchCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

VirtualSwitchPortGroupSet::VirtualSwitchPortGroupSet() {}

std::shared_ptr<VirtualSwitchPortGroupSet> VirtualSwitchPortGroupSet::New() { return std::shared_ptr<VirtualSwitchPortGroupSet>(new VirtualSwitchPortGroupSet()); }

VirtualSwitchPortGroupSet::~VirtualSwitchPortGroupSet() = default;

std::shared_ptr<Parvik::CallSpec::InputSpec> VirtualSwitchPortGroupSet::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> VirtualSwitchPortGroupSet::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void VirtualSwitchPortGroupSet::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                               const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
