// ens lcore remove: not implemented yet.
#include "datapath/DatapathCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

EnsLcoreRemove::EnsLcoreRemove() {}

std::shared_ptr<EnsLcoreRemove> EnsLcoreRemove::New() { return std::make_shared<EnsLcoreRemove>(); }

EnsLcoreRemove::~EnsLcoreRemove() = default;

std::shared_ptr<Parvik::CallSpec::InputSpec> EnsLcoreRemove::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> EnsLcoreRemove::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void EnsLcoreRemove::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                    const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
