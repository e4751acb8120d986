// nic attachment remove: not implemented yet.
#include "nic/NicDiagnosticCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

NicAttachmentRemove::NicAttachmentRemove() {}

std::shared_ptr<NicAttachmentRemove> NicAttachmentRemove::New() { return std::make_shared<NicAttachmentRemove>(); }

NicAttachmentRemove::~NicAttachmentRemove() = default;

std::shared_ptr<Parvik::CallSpec::InputSpec> NicAttachmentRemove::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> NicAttachmentRemove::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void NicAttachmentRemove::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                         const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
