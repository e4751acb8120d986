// virtual switch d v s norvale list: not implemented yet.
#include "vswitch/VswitchCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

VirtualSwitchDVSNorvaleList::VirtualSwitchDVSNorvaleList() {}

std::shared_ptr<VirtualSwitchDVSNorvaleList> VirtualSwitchDVSNorvaleList::New() { return std::shared_ptr<VirtualSwitchDVSNorvaleList>(new VirtualSwitchDVSNorvaleList()); }

VirtualSwitchDVSNorvaleList::~VirtualSwitchDVSNorvaleList() = default;

std::shared_ptr<Parvik::MetaObj::MetaStruct> VirtualSwitchDVSNorvaleList::GetOutputStructure() {
    return Parvik::MetaObj::MetaStruct::New("VirtualSwitchDVSNorvaleList");
}

std::shared_ptr<Parvik::CallSpec::InputSpec> VirtualSwitchDVSNorvaleList::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> VirtualSwitchDVSNorvaleList::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void VirtualSwitchDVSNorvaleList::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                                 const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
