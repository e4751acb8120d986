// virtual switch port group list: not implemented yet.
#include "vswitch/VswitchCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

VirtualSwitchPortGroupList::VirtualSwitchPortGroupList() {}

std::shared_ptr<VirtualSwitchPortGroupList> VirtualSwitchPortGroupList::New() { return std::shared_ptr<VirtualSwitchPortGroupList>(new VirtualSwitchPortGroupList()); }

VirtualSwitchPortGroupList::~VirtualSwitchPortGroupList() = default;

std::shared_ptr<Parvik::MetaObj::MetaStruct> VirtualSwitchPortGroupList::GetOutputStructure() {
    return Parvik::MetaObj::MetaStruct::New("VirtualSwitchPortGroupList");
}

std::shared_ptr<Parvik::CallSpec::InputSpec> VirtualSwitchPortGroupList::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> VirtualSwitchPortGroupList::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void VirtualSwitchPortGroupList::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                                const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
