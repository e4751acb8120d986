// ens lcore add: not implemented yet.
#include "datapath/DatapathCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

EnsLcoreAdd::EnsLcoreAdd() {}

std::shared_ptr<EnsLcoreAdd> EnsLcoreAdd::New() { return std::make_shared<EnsLcoreAdd>(); }

EnsLcoreAdd::~EnsLcoreAdd() = default;

std::shared_ptr<Parvik::CallSpec::InputSpec> EnsLcoreAdd::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> EnsLcoreAdd::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void EnsLcoreAdd::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                 const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
