// nic list: not implemented yet.
#include "nic/NicCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

NicList::NicList() {}

std::shared_ptr<NicList> NicList::New() { return std::shared_ptr<NicList>(new NicList()); }

NicList::~NicList() = default;

std::shared_ptr<Parvik::MetaObj::MetaStruct> NicList::GetOutputStructure() {
    return Parvik::MetaObj::MetaStruct::New("NicList");
}

std::shared_ptr<Parvik::CallSpec::InputSpec> NicList::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> NicList::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void NicList::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                             const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
