// nic hw cap activated list: not implemented yet.
#include "nic/NicDiagnosticCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

NicHwCapActivatedList::NicHwCapActivatedList() {}

std::shared_ptr<NicHwCapActivatedList> NicHwCapActivatedList::New() { return std::make_shared<NicHwCapActivatedList>(); }

NicHwCapActivatedList::~NicHwCapActivatedList() = default;

std::shared_ptr<Parvik::MetaObj::MetaStruct> NicHwCapActivatedList::GetOutputStructure() {
    return Parvik::MetaObj::MetaStruct::New("NicHwCapActivatedList");
}

std::shared_ptr<Parvik::CallSpec::InputSpec> NicHwCapActivatedList::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> NicHwCapActivatedList::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void NicHwCapActivatedList::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                           const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
