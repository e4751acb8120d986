// sriov nic list: not implemented yet.
#include "datapath/DatapathCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

SriovNicList::SriovNicList() {}

std::shared_ptr<SriovNicList> SriovNicList::New() { return std::shared_ptr<SriovNicList>(new SriovNicList()); }

SriovNicList::~SriovNicList() = default;

std::shared_ptr<Parvik::MetaObj::MetaStruct> SriovNicList::GetOutputStructure() {
    return Parvik::MetaObj::MetaStruct::New("SriovNicList");
}

std::shared_ptr<Parvik::CallSpec::InputSpec> SriovNicList::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> SriovNicList::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void SriovNicList::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                  const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
