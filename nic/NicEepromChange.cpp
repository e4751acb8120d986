// nic eeprom change: not implemented yet.
#include "nic/NicDiagnosticCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

NicEepromChange::NicEepromChange() {}

std::shared_ptr<NicEepromChange> NicEepromChange::New() { return std::shared_ptr<NicEepromChange>(new NicEepromChange()); }

NicEepromChange::~NicEepromChange() = default;

std::shared_ptr<Parvik::CallSpec::InputSpec> NicEepromChange::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> NicEepromChange::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void NicEepromChange::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                     const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
