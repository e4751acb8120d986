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

std::shared_ptr<LacpGetStats> LacpGetStats::New() { return std::shared_ptr<LacpGetStats>(new LacpGetStats()); }

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

InputSpecPtr LacpGetStats::GetInputSpecInternal() { return LacpInputSpec(); }

OutputSpecPtr LacpGetStats::GetOutputSpecInternal() { return MakeOutputSpec(MakeRecordList(GetOutputStructure())); }

void LacpGetStats::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    bool anyGroup = false;
    auto addRows = [&](const Kavrel::Network::DVSwitch& dvswitch, Parvik::MetaObj::MetaList& list) {
        const std::string name = dvswitch.GetDvsName();
        for (const auto& group : dvswitch.GetLacpRuntime()) {
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
                list.Add(record);
            }
        }
    };
    // Groups without a connected NIC give no rows: say which of the two it was.
    ListLacpRows(input, output, GetOutputStructure(), addRows,
                 [&] { return anyGroup ? "No pnic is connected to DVSwitch." : "No running LACP group on the host."; });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
