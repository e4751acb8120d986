// nic queue lb plugin set: not implemented yet.
#include "nic/NicDiagnosticCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

NicQueueLbPluginSet::NicQueueLbPluginSet() {}

std::shared_ptr<NicQueueLbPluginSet> NicQueueLbPluginSet::New() { return std::shared_ptr<NicQueueLbPluginSet>(new NicQueueLbPluginSet()); }

NicQueueLbPluginSet::~NicQueueLbPluginSet() = default;

std::shared_ptr<Parvik::CallSpec::InputSpec> NicQueueLbPluginSet::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> NicQueueLbPluginSet::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void NicQueueLbPluginSet::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                         const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
