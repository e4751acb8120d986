// nic eeprom dump: not implemented yet.
#include "nic/NicDiagnosticCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

NicEepromDump::NicEepromDump() {}

std::shared_ptr<NicEepromDump> NicEepromDump::New() { return std::shared_ptr<NicEepromDump>(new NicEepromDump()); }

NicEepromDump::~NicEepromDump() = default;

std::shared_ptr<Parvik::MetaObj::MetaStruct> NicEepromDump::GetOutputStructure() {
    return Parvik::MetaObj::MetaStruct::New("NicEepromDump");
}

std::shared_ptr<Parvik::CallSpec::InputSpec> NicEepromDump::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> NicEepromDump::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void NicEepromDump::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                   const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
