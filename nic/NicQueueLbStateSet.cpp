// nic queue lb state set: not implemented yet.
#include "nic/NicDiagnosticCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

NicQueueLbStateSet::NicQueueLbStateSet() {}

std::shared_ptr<NicQueueLbStateSet> NicQueueLbStateSet::New() { return std::shared_ptr<NicQueueLbStateSet>(new NicQueueLbStateSet()); }

NicQueueLbStateSet::~NicQueueLbStateSet() = default;

std::shared_ptr<Parvik::CallSpec::InputSpec> NicQueueLbStateSet::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> NicQueueLbStateSet::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void NicQueueLbStateSet::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                        const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
