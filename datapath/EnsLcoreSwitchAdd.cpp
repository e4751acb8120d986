// ens lcore switch add: not implemented yet.
#include "datapath/DatapathCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

EnsLcoreSwitchAdd::EnsLcoreSwitchAdd() {}

std::shared_ptr<EnsLcoreSwitchAdd> EnsLcoreSwitchAdd::New() { return std::make_shared<EnsLcoreSwitchAdd>(); }

EnsLcoreSwitchAdd::~EnsLcoreSwitchAdd() = default;

std::shared_ptr<Parvik::CallSpec::InputSpec> EnsLcoreSwitchAdd::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> EnsLcoreSwitchAdd::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void EnsLcoreSwitchAdd::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                       const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
