// network nic eeprom change: writes one double word, or a whole file, into a NIC's EEPROM.
#include "nic/NicDiagnosticCommands.h"
#include "nic/NicQueueShared.h"
#include "nic/NicShared.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {
constexpr char kOffsetParameter[] = "offset";
constexpr char kValueParameter[] = "value";
constexpr char kFileParameter[] = "file";
constexpr char kMagicParameter[] = "magic";
}  // namespace

NicEepromChange::NicEepromChange() { SetDescription("Change EEPROM on a nic"); }

std::shared_ptr<NicEepromChange> NicEepromChange::New() {
    return std::shared_ptr<NicEepromChange>(new NicEepromChange());
}

NicEepromChange::~NicEepromChange() = default;

InputSpecPtr NicEepromChange::GetInputSpecInternal() {
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kPnicParameter, Parvik::CallSpec::PARAM_STRING, "n", "Name of pnic to change EEPROM.", true);
    AddParameter(spec, kOffsetParameter, Parvik::CallSpec::PARAM_INTEGER, "o", "Offset of EEPROM to change", false);
    AddParameter(spec, kValueParameter, Parvik::CallSpec::PARAM_INTEGER, "v", "New EEPROM value in double word", false);
    AddParameter(spec, kFileParameter, Parvik::CallSpec::PARAM_STRING, "f", "File name of new EEPROM content", false);
    AddParameter(spec, kMagicParameter, Parvik::CallSpec::PARAM_INTEGER, "m", "Magic key of EEPROM", true);
    return spec;
}

OutputSpecPtr NicEepromChange::GetOutputSpecInternal() { return MakeOutputSpec(Parvik::MetaObj::MetaBool::New()); }

void NicEepromChange::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    WithStandardErrors(output, [&] {
        const std::string& nicName = input->GetParameter(kPnicParameter);
        auto pnic = FindNic(nicName, output, PnicNotFoundMessage(nicName));
        if (!pnic) return;
        const auto magic = Uint32Parameter(input, kMagicParameter);
        const bool hasOffset = input->HasParameter(kOffsetParameter);
        const bool hasValue = input->HasParameter(kValueParameter);
        if (!input->HasParameter(kFileParameter)) {
            if (!hasOffset || !hasValue) {
                throw Kavrel::Lib::KavrelException("Need to specify atleast one of --offset, --value or --file");
            }
            pnic->SetEepromValue(magic, Uint32Parameter(input, kOffsetParameter),
                                 Uint32Parameter(input, kValueParameter));
        } else {
            if (hasOffset || hasValue) {
                throw Kavrel::Lib::KavrelException(
                    "Parameter --file can't be specified together with --offset and --value");
            }
            pnic->SetEepromFromFile(magic, input->GetParameter(kFileParameter));
        }
        SetSuccess(output);
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
