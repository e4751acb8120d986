// network nic selftest run: runs a NIC driver's self test and shows its result and notes.
#include "nic/NicDiagnosticCommands.h"
#include "nic/NicQueueShared.h"
#include "nic/NicShared.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {
constexpr char kRecordName[] = "EepromDump";
constexpr char kItemField[] = "Item";
constexpr char kValueField[] = "Value";
constexpr char kOnlineParameter[] = "online";
}  // namespace

NicSelfTestRun::NicSelfTestRun() {
    SetDescription("Run self test");
    SetDefaultOutputFormatter("table");
    SetDefaultOutputParameter("fields:EepromDump", "Item,Value");
}

std::shared_ptr<NicSelfTestRun> NicSelfTestRun::New() { return std::shared_ptr<NicSelfTestRun>(new NicSelfTestRun()); }

NicSelfTestRun::~NicSelfTestRun() = default;

RecordPtr NicSelfTestRun::GetOutputStructure() {
    return RecordTemplate(kRecordName).String(kItemField).String(kValueField);
}

InputSpecPtr NicSelfTestRun::GetInputSpecInternal() {
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kPnicParameter, Parvik::CallSpec::PARAM_STRING, "n", "The name of pnic to dump EEPROM", true);
    AddParameter(spec, kOnlineParameter, Parvik::CallSpec::PARAM_INTEGER, "o",
                 "Performing limited set of tests do not inetrrupt normal adapter operation, default is offline", false,
                 IntRange(0, 1));
    return spec;
}

OutputSpecPtr NicSelfTestRun::GetOutputSpecInternal() { return MakeOutputSpec(MakeRecordList(GetOutputStructure())); }

void NicSelfTestRun::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    WithStandardErrors(output, [&] {
        const std::string& nicName = input->GetParameter(kPnicParameter);
        auto pnic = FindNic(nicName, output, PnicNotFoundMessage(nicName));
        if (!pnic) return;
        const bool online = input->HasParameter(kOnlineParameter) && input->GetParameterInt(kOnlineParameter) != 0;
        Kavrel::Network::PnicSelfTestResult result;
        pnic->RunSelfTest(result, online);
        auto list = MakeRecordList(GetOutputStructure());
        auto addRow = [&](const std::string& item, const std::string& value) {
            auto record = GetOutputStructure();
            record->SetField(kItemField, item);
            record->SetField(kValueField, value);
            list->Add(record);
        };
        addRow("Result", result.failed ? "Failed" : "Passed");
        for (const auto& info : result.info) addRow("Info", info);
        output->SetRootObject(list);
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
