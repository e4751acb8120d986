// nic negotiation restart: not implemented yet.
#include "nic/NicDiagnosticCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

NicNegotiationRestart::NicNegotiationRestart() {}

std::shared_ptr<NicNegotiationRestart> NicNegotiationRestart::New() { return std::shared_ptr<NicNegotiationRestart>(new NicNegotiationRestart()); }

NicNegotiationRestart::~NicNegotiationRestart() = default;

std::shared_ptr<Parvik::CallSpec::InputSpec> NicNegotiationRestart::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> NicNegotiationRestart::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void NicNegotiationRestart::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                           const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
