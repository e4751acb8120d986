// nic queue filter class list: not implemented yet.
#include "nic/NicDiagnosticCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

NicQueueFilterClassList::NicQueueFilterClassList() {}

std::shared_ptr<NicQueueFilterClassList> NicQueueFilterClassList::New() { return std::shared_ptr<NicQueueFilterClassList>(new NicQueueFilterClassList()); }

NicQueueFilterClassList::~NicQueueFilterClassList() = default;

std::shared_ptr<Parvik::MetaObj::MetaStruct> NicQueueFilterClassList::GetOutputStructure() {
    return Parvik::MetaObj::MetaStruct::New("NicQueueFilterClassList");
}

std::shared_ptr<Parvik::CallSpec::InputSpec> NicQueueFilterClassList::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> NicQueueFilterClassList::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void NicQueueFilterClassList::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                             const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
