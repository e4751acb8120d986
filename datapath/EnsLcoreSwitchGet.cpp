// ens lcore switch get: not implemented yet.
#include "datapath/DatapathCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

EnsLcoreSwitchGet::EnsLcoreSwitchGet() {}

std::shared_ptr<EnsLcoreSwitchGet> EnsLcoreSwitchGet::New() { return std::make_shared<EnsLcoreSwitchGet>(); }

EnsLcoreSwitchGet::~EnsLcoreSwitchGet() = default;

std::shared_ptr<Parvik::CallSpec::InputSpec> EnsLcoreSwitchGet::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> EnsLcoreSwitchGet::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void EnsLcoreSwitchGet::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                       const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
