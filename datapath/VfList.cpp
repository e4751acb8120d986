// vf list: not implemented yet.
#include "datapath/DatapathCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

VfList::VfList() {}

std::shared_ptr<VfList> VfList::New() { return std::shared_ptr<VfList>(new VfList()); }

VfList::~VfList() = default;

std::shared_ptr<Parvik::MetaObj::MetaStruct> VfList::GetOutputStructure() {
    return Parvik::MetaObj::MetaStruct::New("VfList");
}

std::shared_ptr<Parvik::CallSpec::InputSpec> VfList::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> VfList::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void VfList::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                            const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
