// v m list: not implemented yet.
#include "datapath/DatapathCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

VMList::VMList() {}

std::shared_ptr<VMList> VMList::New() { return std::shared_ptr<VMList>(new VMList()); }

VMList::~VMList() = default;

std::shared_ptr<Parvik::MetaObj::MetaStruct> VMList::GetOutputStructure() {
    return Parvik::MetaObj::MetaStruct::New("VMList");
}

std::shared_ptr<Parvik::CallSpec::InputSpec> VMList::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> VMList::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void VMList::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                            const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
