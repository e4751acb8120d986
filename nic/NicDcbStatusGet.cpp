// nic dcb status get: not implemented yet.
#include "nic/NicDiagnosticCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

NicDcbStatusGet::NicDcbStatusGet() {}

std::shared_ptr<NicDcbStatusGet> NicDcbStatusGet::New() { return std::make_shared<NicDcbStatusGet>(); }

NicDcbStatusGet::~NicDcbStatusGet() = default;

std::shared_ptr<Parvik::MetaObj::MetaStruct> NicDcbStatusGet::GetOutputStructure() {
    return Parvik::MetaObj::MetaStruct::New("NicDcbStatusGet");
}

std::shared_ptr<Parvik::CallSpec::InputSpec> NicDcbStatusGet::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> NicDcbStatusGet::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void NicDcbStatusGet::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                     const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
