// nic attachment list: not implemented yet.
#include "nic/NicDiagnosticCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

NicAttachmentList::NicAttachmentList() {}

std::shared_ptr<NicAttachmentList> NicAttachmentList::New() { return std::make_shared<NicAttachmentList>(); }

NicAttachmentList::~NicAttachmentList() = default;

std::shared_ptr<Parvik::MetaObj::MetaStruct> NicAttachmentList::GetOutputStructure() {
    return Parvik::MetaObj::MetaStruct::New("NicAttachmentList");
}

std::shared_ptr<Parvik::CallSpec::InputSpec> NicAttachmentList::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> NicAttachmentList::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void NicAttachmentList::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                       const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
