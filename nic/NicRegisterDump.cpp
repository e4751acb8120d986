// network nic register dump: a NIC's device registers as rows of 16 hexadecimal words.
#include "nic/NicDiagnosticCommands.h"
#include "nic/NicQueueShared.h"
#include "nic/NicShared.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {
constexpr char kRecordName[] = "RegisterDump";
constexpr char kOffsetField[] = "Offset";
constexpr char kValueField[] = "Value";
constexpr size_t kWordsPerRow = 16;
}  // namespace

NicRegisterDump::NicRegisterDump() {
    SetDescription("Dump device registers");
    SetDefaultOutputFormatter("table");
    SetDefaultOutputParameter("fields:RegisterDump", "Offset,Value");
}

std::shared_ptr<NicRegisterDump> NicRegisterDump::New() {
    return std::shared_ptr<NicRegisterDump>(new NicRegisterDump());
}

NicRegisterDump::~NicRegisterDump() = default;

RecordPtr NicRegisterDump::GetOutputStructure() {
    return RecordTemplate(kRecordName).String(kOffsetField).String(kValueField);
}

InputSpecPtr NicRegisterDump::GetInputSpecInternal() {
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kPnicParameter, Parvik::CallSpec::PARAM_STRING, "n", "The name of pnic to dump registers", true);
    return spec;
}

OutputSpecPtr NicRegisterDump::GetOutputSpecInternal() { return MakeOutputSpec(MakeRecordList(GetOutputStructure())); }

void NicRegisterDump::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    WithStandardErrors(output, [&] {
        const std::string& nicName = input->GetParameter(kPnicParameter);
        auto pnic = FindNic(nicName, output, PnicNotFoundMessage(nicName));
        if (!pnic) return;
        std::vector<uint32_t> words;
        pnic->GetRegisterDump(words);
        auto list = MakeRecordList(GetOutputStructure());
        // The offset counts words, not bytes.
        for (size_t start = 0; start < words.size(); start += kWordsPerRow) {
            std::string value;
            for (size_t i = start; i < words.size() && i < start + kWordsPerRow; ++i)
                value += HexText(words[i], 2) + " ";
            auto record = GetOutputStructure();
            record->SetField(kOffsetField, HexText(start, 4));
            record->SetField(kValueField, value);
            list->Add(record);
        }
        output->SetRootObject(list);
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
