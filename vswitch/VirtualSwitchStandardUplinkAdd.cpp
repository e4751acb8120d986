// virtual switch standard uplink add: not implemented yet.
#include "vswitch/VswitchCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

VirtualSwitchStandardUplinkAdd::VirtualSwitchStandardUplinkAdd() {}

std::shared_ptr<VirtualSwitchStandardUplinkAdd> VirtualSwitchStandardUplinkAdd::New() { return std::shared_ptr<VirtualSwitchStandardUplinkAdd>(new VirtualSwitchStandardUplinkAdd()); }

VirtualSwitchStandardUplinkAdd::~VirtualSwitchStandardUplinkAdd() = default;

std::shared_ptr<Parvik::CallSpec::InputSpec> VirtualSwitchStandardUplinkAdd::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> VirtualSwitchStandardUplinkAdd::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void VirtualSwitchStandardUplinkAdd::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                                    const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
