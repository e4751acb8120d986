// v m port list: not implemented yet.
#include "datapath/DatapathCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

VMPortList::VMPortList() {}

std::shared_ptr<VMPortList> VMPortList::New() { return std::shared_ptr<VMPortList>(new VMPortList()); }

VMPortList::~VMPortList() = default;

std::shared_ptr<Parvik::MetaObj::MetaStruct> VMPortList::GetOutputStructure() {
    return Parvik::MetaObj::MetaStruct::New("VMPortList");
}

std::shared_ptr<Parvik::CallSpec::InputSpec> VMPortList::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> VMPortList::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void VMPortList::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
