// nic hw cap supported list: not implemented yet.
#include "nic/NicDiagnosticCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

NicHwCapSupportedList::NicHwCapSupportedList() {}

std::shared_ptr<NicHwCapSupportedList> NicHwCapSupportedList::New() { return std::make_shared<NicHwCapSupportedList>(); }

NicHwCapSupportedList::~NicHwCapSupportedList() = default;

std::shared_ptr<Parvik::MetaObj::MetaStruct> NicHwCapSupportedList::GetOutputStructure() {
    return Parvik::MetaObj::MetaStruct::New("NicHwCapSupportedList");
}

std::shared_ptr<Parvik::CallSpec::InputSpec> NicHwCapSupportedList::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> NicHwCapSupportedList::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void NicHwCapSupportedList::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                           const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
