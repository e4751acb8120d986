// nic queue lb plugin list: not implemented yet.
#include "nic/NicDiagnosticCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

NicQueueLbPluginList::NicQueueLbPluginList() {}

std::shared_ptr<NicQueueLbPluginList> NicQueueLbPluginList::New() { return std::shared_ptr<NicQueueLbPluginList>(new NicQueueLbPluginList()); }

NicQueueLbPluginList::~NicQueueLbPluginList() = default;

std::shared_ptr<Parvik::MetaObj::MetaStruct> NicQueueLbPluginList::GetOutputStructure() {
    return Parvik::MetaObj::MetaStruct::New("NicQueueLbPluginList");
}

std::shared_ptr<Parvik::CallSpec::InputSpec> NicQueueLbPluginList::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> NicQueueLbPluginList::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void NicQueueLbPluginList::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                          const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
