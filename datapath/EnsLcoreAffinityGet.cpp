// ens lcore affinity get: not implemented yet.
#include "datapath/DatapathCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

EnsLcoreAffinityGet::EnsLcoreAffinityGet() {}

std::shared_ptr<EnsLcoreAffinityGet> EnsLcoreAffinityGet::New() { return std::make_shared<EnsLcoreAffinityGet>(); }

EnsLcoreAffinityGet::~EnsLcoreAffinityGet() = default;

std::shared_ptr<Parvik::CallSpec::InputSpec> EnsLcoreAffinityGet::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> EnsLcoreAffinityGet::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void EnsLcoreAffinityGet::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                         const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
