// nic queue lb setting set: not implemented yet.
#include "nic/NicDiagnosticCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

NicQueueLbSettingSet::NicQueueLbSettingSet() {}

std::shared_ptr<NicQueueLbSettingSet> NicQueueLbSettingSet::New() { return std::shared_ptr<NicQueueLbSettingSet>(new NicQueueLbSettingSet()); }

NicQueueLbSettingSet::~NicQueueLbSettingSet() = default;

std::shared_ptr<Parvik::CallSpec::InputSpec> NicQueueLbSettingSet::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> NicQueueLbSettingSet::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void NicQueueLbSettingSet::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                          const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
