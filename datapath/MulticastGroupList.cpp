// multicast group list: not implemented yet.
#include "datapath/DatapathCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

MulticastGroupList::MulticastGroupList() {}

std::shared_ptr<MulticastGroupList> MulticastGroupList::New() { return std::shared_ptr<MulticastGroupList>(new MulticastGroupList()); }

MulticastGroupList::~MulticastGroupList() = default;

std::shared_ptr<Parvik::MetaObj::MetaStruct> MulticastGroupList::GetOutputStructure() {
    return Parvik::MetaObj::MetaStruct::New("MulticastGroupList");
}

std::shared_ptr<Parvik::CallSpec::InputSpec> MulticastGroupList::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> MulticastGroupList::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void MulticastGroupList::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                        const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
