// ens maxlcores get: not implemented yet.
#include "datapath/DatapathCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

EnsMaxlcoresGet::EnsMaxlcoresGet() {}

std::shared_ptr<EnsMaxlcoresGet> EnsMaxlcoresGet::New() { return std::make_shared<EnsMaxlcoresGet>(); }

EnsMaxlcoresGet::~EnsMaxlcoresGet() = default;

std::shared_ptr<Parvik::CallSpec::InputSpec> EnsMaxlcoresGet::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> EnsMaxlcoresGet::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void EnsMaxlcoresGet::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                     const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
