// nic attachment add: not implemented yet.
#include "nic/NicDiagnosticCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

NicAttachmentAdd::NicAttachmentAdd() {}

std::shared_ptr<NicAttachmentAdd> NicAttachmentAdd::New() { return std::make_shared<NicAttachmentAdd>(); }

NicAttachmentAdd::~NicAttachmentAdd() = default;

std::shared_ptr<Parvik::CallSpec::InputSpec> NicAttachmentAdd::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> NicAttachmentAdd::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void NicAttachmentAdd::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                      const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
