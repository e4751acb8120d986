// nic pause params set: not implemented yet.
#include "nic/NicCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

NicPauseParamsSet::NicPauseParamsSet() {}

std::shared_ptr<NicPauseParamsSet> NicPauseParamsSet::New() { return std::shared_ptr<NicPauseParamsSet>(new NicPauseParamsSet()); }

NicPauseParamsSet::~NicPauseParamsSet() = default;

std::shared_ptr<Parvik::CallSpec::InputSpec> NicPauseParamsSet::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> NicPauseParamsSet::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void NicPauseParamsSet::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                       const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
