// nic register dump: not implemented yet.
#include "nic/NicDiagnosticCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

NicRegisterDump::NicRegisterDump() {}

std::shared_ptr<NicRegisterDump> NicRegisterDump::New() { return std::shared_ptr<NicRegisterDump>(new NicRegisterDump()); }

NicRegisterDump::~NicRegisterDump() = default;

std::shared_ptr<Parvik::MetaObj::MetaStruct> NicRegisterDump::GetOutputStructure() {
    return Parvik::MetaObj::MetaStruct::New("NicRegisterDump");
}

std::shared_ptr<Parvik::CallSpec::InputSpec> NicRegisterDump::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> NicRegisterDump::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void NicRegisterDump::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                     const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
