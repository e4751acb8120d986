// nic software list: not implemented yet.
#include "nic/NicCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

NicSoftwareList::NicSoftwareList() {}

std::shared_ptr<NicSoftwareList> NicSoftwareList::New() { return std::shared_ptr<NicSoftwareList>(new NicSoftwareList()); }

NicSoftwareList::~NicSoftwareList() = default;

std::shared_ptr<Parvik::MetaObj::MetaStruct> NicSoftwareList::GetOutputStructure() {
    return Parvik::MetaObj::MetaStruct::New("NicSoftwareList");
}

std::shared_ptr<Parvik::CallSpec::InputSpec> NicSoftwareList::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> NicSoftwareList::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void NicSoftwareList::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                     const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
