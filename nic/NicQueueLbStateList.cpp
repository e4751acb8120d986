// nic queue lb state list: not implemented yet.
#include "nic/NicDiagnosticCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

NicQueueLbStateList::NicQueueLbStateList() {}

std::shared_ptr<NicQueueLbStateList> NicQueueLbStateList::New() { return std::shared_ptr<NicQueueLbStateList>(new NicQueueLbStateList()); }

NicQueueLbStateList::~NicQueueLbStateList() = default;

std::shared_ptr<Parvik::MetaObj::MetaStruct> NicQueueLbStateList::GetOutputStructure() {
    return Parvik::MetaObj::MetaStruct::New("NicQueueLbStateList");
}

std::shared_ptr<Parvik::CallSpec::InputSpec> NicQueueLbStateList::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> NicQueueLbStateList::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void NicQueueLbStateList::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                         const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
