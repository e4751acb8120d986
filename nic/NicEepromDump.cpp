// network nic eeprom dump: a NIC's EEPROM bytes as rows of 16, aligned to 16-byte addresses.
#include "nic/NicDiagnosticCommands.h"
#include "nic/NicQueueShared.h"
#include "nic/NicShared.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {
constexpr char kRecordName[] = "EepromDump";
constexpr char kOffsetField[] = "Offset";
constexpr char kValueField[] = "Value";
constexpr char kOffsetParameter[] = "offset";
constexpr char kLengthParameter[] = "length";
constexpr uint32_t kBytesPerRow = 16;
}  // namespace

NicEepromDump::NicEepromDump() {
    SetDescription("Dump device EEPROM");
    SetDefaultOutputFormatter("table");
    SetDefaultOutputParameter("fields:EepromDump", "Offset,Value");
}

std::shared_ptr<NicEepromDump> NicEepromDump::New() { return std::shared_ptr<NicEepromDump>(new NicEepromDump()); }

NicEepromDump::~NicEepromDump() = default;

RecordPtr NicEepromDump::GetOutputStructure() {
    return RecordTemplate(kRecordName).String(kOffsetField).String(kValueField);
}

InputSpecPtr NicEepromDump::GetInputSpecInternal() {
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kPnicParameter, Parvik::CallSpec::PARAM_STRING, "n", "The name of pnic to dump EEPROM", true);
    AddParameter(spec, kOffsetParameter, Parvik::CallSpec::PARAM_INTEGER, "o", "Offset of EEPROM starting to dump",
                 false);
    AddParameter(spec, kLengthParameter, Parvik::CallSpec::PARAM_INTEGER, "l", "Bytes of EEPROM to dump", false);
    return spec;
}

OutputSpecPtr NicEepromDump::GetOutputSpecInternal() { return MakeOutputSpec(MakeRecordList(GetOutputStructure())); }

ListPtr NicEepromDump::DumpBinary(uint32_t offset, const std::vector<uint8_t>& bytes) {
    auto list = MakeRecordList(GetOutputStructure());
    uint32_t rowStart = offset & ~(kBytesPerRow - 1);
    // Positions before the offset in the first row are shown as blanks.
    uint32_t position = offset % kBytesPerRow;
    std::string value(3 * position, ' ');
    size_t next = 0;
    do {
        for (; position < kBytesPerRow && next < bytes.size(); ++position, ++next)
            value += HexText(bytes[next], 2) + " ";
        auto record = GetOutputStructure();
        record->SetField(kOffsetField, HexText(rowStart, 4));
        record->SetField(kValueField, value);
        list->Add(record);
        rowStart += kBytesPerRow;
        position = 0;
        value.clear();
    } while (next < bytes.size());
    return list;
}

void NicEepromDump::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    WithStandardErrors(output, [&] {
        const std::string& nicName = input->GetParameter(kPnicParameter);
        auto pnic = FindNic(nicName, output, PnicNotFoundMessage(nicName));
        if (!pnic) return;
        const auto offset =
            input->HasParameter(kOffsetParameter) ? Uint32Parameter(input, kOffsetParameter) : uint32_t{0};
        const auto length =
            input->HasParameter(kLengthParameter) ? Uint32Parameter(input, kLengthParameter) : uint32_t{0};
        std::vector<uint8_t> bytes;
        pnic->GetEepromDump(bytes, length, offset);
        output->SetRootObject(DumpBinary(offset, bytes));
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
