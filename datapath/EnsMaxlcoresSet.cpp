// ens maxlcores set: not implemented yet.
#include "datapath/DatapathCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

EnsMaxlcoresSet::EnsMaxlcoresSet() {}

std::shared_ptr<EnsMaxlcoresSet> EnsMaxlcoresSet::New() { return std::make_shared<EnsMaxlcoresSet>(); }

EnsMaxlcoresSet::~EnsMaxlcoresSet() = default;

std::shared_ptr<Parvik::CallSpec::InputSpec> EnsMaxlcoresSet::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> EnsMaxlcoresSet::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void EnsMaxlcoresSet::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                     const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
