// ens lcore affinity set: not implemented yet.
#include "datapath/DatapathCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

EnsLcoreAffinitySet::EnsLcoreAffinitySet() {}

std::shared_ptr<EnsLcoreAffinitySet> EnsLcoreAffinitySet::New() { return std::make_shared<EnsLcoreAffinitySet>(); }

EnsLcoreAffinitySet::~EnsLcoreAffinitySet() = default;

std::shared_ptr<Parvik::CallSpec::InputSpec> EnsLcoreAffinitySet::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> EnsLcoreAffinitySet::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void EnsLcoreAffinitySet::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                         const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
