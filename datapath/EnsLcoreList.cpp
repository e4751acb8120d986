// ens lcore list: not implemented yet.
#include "datapath/DatapathCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

EnsLcoreList::EnsLcoreList() {}

std::shared_ptr<EnsLcoreList> EnsLcoreList::New() { return std::make_shared<EnsLcoreList>(); }

EnsLcoreList::~EnsLcoreList() = default;

std::shared_ptr<Parvik::MetaObj::MetaStruct> EnsLcoreList::GetOutputStructure() {
    return Parvik::MetaObj::MetaStruct::New("EnsLcoreList");
}

std::shared_ptr<Parvik::CallSpec::InputSpec> EnsLcoreList::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> EnsLcoreList::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void EnsLcoreList::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                  const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
