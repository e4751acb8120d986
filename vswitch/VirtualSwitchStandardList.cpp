// virtual switch standard list: not implemented yet.
#include "vswitch/VswitchCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

VirtualSwitchStandardList::VirtualSwitchStandardList() {}

std::shared_ptr<VirtualSwitchStandardList> VirtualSwitchStandardList::New() { return std::shared_ptr<VirtualSwitchStandardList>(new VirtualSwitchStandardList()); }

VirtualSwitchStandardList::~VirtualSwitchStandardList() = default;

std::shared_ptr<Parvik::MetaObj::MetaStruct> VirtualSwitchStandardList::GetOutputStructure() {
    return Parvik::MetaObj::MetaStruct::New("VirtualSwitchStandardList");
}

std::shared_ptr<Parvik::CallSpec::InputSpec> VirtualSwitchStandardList::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> VirtualSwitchStandardList::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void VirtualSwitchStandardList::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                               const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
