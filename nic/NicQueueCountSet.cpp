// nic queue count set: not implemented yet.
#include "nic/NicDiagnosticCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

NicQueueCountSet::NicQueueCountSet() {}

std::shared_ptr<NicQueueCountSet> NicQueueCountSet::New() { return std::shared_ptr<NicQueueCountSet>(new NicQueueCountSet()); }

NicQueueCountSet::~NicQueueCountSet() = default;

std::shared_ptr<Parvik::CallSpec::InputSpec> NicQueueCountSet::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> NicQueueCountSet::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void NicQueueCountSet::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                      const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
