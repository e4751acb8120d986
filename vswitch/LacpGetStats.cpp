// network vswitch dvs norvale lacp stats get: LACPDU counters of every NIC in a running LACP group.
#include "frame/CommandFrame.h"
#include "kavrel/DVSwitch.h"
#include "vswitch/VswitchCommands.h"
#include "vswitch/VswitchShared.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {
constexpr char kRecordName[] = "LACPStats";
constexpr char kDVSwitchField[] = "DVSwitch";
constexpr char kNicField[] = "NIC";
constexpr char kLagIdField[] = "LAG ID";
constexpr char kTxLacpdusField[] = "Tx LACPDUs";
constexpr char kTxErrorsField[] = "Tx Errors";
constexpr char kRxLacpdusField[] = "Rx LACPDUs";
constexpr char kRxErrorsField[] = "Rx Errors";
}  // namespace

LacpGetStats::LacpGetStats() {
    SetDescription("Get LACP stats on DVS uplinks");
    SetDefaultOutputFormatter("table");
    // The command's documented default names "LACP", not the record "LACPStats".
    SetDefaultOutputParameter("fields:LACP", "Uplink, Tx LACPDUs, Tx Errors, Rx LACPDUs, Rx Errors");
}

std::shared_ptr<LacpGetStats> LacpGetStats::New() { return OwnCommand(new LacpGetStats()); }

LacpGetStats::~LacpGetStats() = default;

RecordPtr LacpGetStats::GetOutputStructure() {
    return RecordTemplate(kRecordName)
        .String(kDVSwitchField)
        .String(kNicField)
        .Int(kLagIdField)
        .Int(kTxLacpdusField)
        .Int(kTxErrorsField)
        .Int(kRxLacpdusField)
        .Int(kRxErrorsField);
}

InputSpecPtr LacpGetStats::GetInputSpecInternal() {
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kDvsParameter, Parvik::CallSpec::PARAM_STRING, "s", kDvsDescription, false);
    return spec;
}

OutputSpecPtr LacpGetStats::GetOutputSpecInternal() { return MakeOutputSpec(MakeRecordList(GetOutputStructure())); }

void LacpGetStats::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    WithStandardErrors(output, [&] {
        std::vector<std::unique_ptr<Kavrel::Network::DVSwitch>> switches;
        if (!SelectLacpSwitches(input, output, switches)) return;
        bool anyGroup = false;
        auto list = MakeRecordList(GetOutputStructure());
        for (const auto& dvswitch : switches) {
            const std::string name = dvswitch->GetDvsName();
            for (const auto& group : dvswitch->GetLacpRuntime()) {
                anyGroup = true;
                for (const auto& nic : group.nics) {
                    auto record = GetOutputStructure();
                    record->SetField(kDVSwitchField, name);
                    record->SetField(kNicField, nic.name);
                    record->SetField(kLagIdField, group.lagId);
                    record->SetField(kTxLacpdusField, nic.counters.txLacpdus);
                    record->SetField(kTxErrorsField, nic.counters.txErrors);
                    record->SetField(kRxLacpdusField, nic.counters.rxLacpdus);
                    record->SetField(kRxErrorsField, nic.counters.rxErrors);
                    list->Add(record);
                }
            }
        }
        if (!anyGroup) {
            output->AddErrorMessage("No running LACP group on the host.");
            return;
        }
        if (list->GetCount() == 0) {
            output->AddErrorMessage("No pnic is connected to DVSwitch.");
            return;
        }
        output->SetRootObject(list);
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
