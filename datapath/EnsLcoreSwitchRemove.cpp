// ens lcore switch remove: not implemented yet.
#include "datapath/DatapathCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

EnsLcoreSwitchRemove::EnsLcoreSwitchRemove() {}

std::shared_ptr<EnsLcoreSwitchRemove> EnsLcoreSwitchRemove::New() { return std::make_shared<EnsLcoreSwitchRemove>(); }

EnsLcoreSwitchRemove::~EnsLcoreSwitchRemove() = default;

std::shared_ptr<Parvik::CallSpec::InputSpec> EnsLcoreSwitchRemove::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> EnsLcoreSwitchRemove::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void EnsLcoreSwitchRemove::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                          const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
