// network vswitch dvs norvale lacp status get: the running LACP groups with each NIC's actor and partner state.
#include "frame/CommandFrame.h"
#include "kavrel/DVSwitch.h"
#include "vswitch/VswitchCommands.h"
#include "vswitch/VswitchShared.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {
constexpr char kLagRecord[] = "LAG";
constexpr char kNicStatusRecord[] = "NicStatus";
constexpr char kLocalInfoRecord[] = "LocalInfo";
constexpr char kPartnerInfoRecord[] = "PartnerInfo";

constexpr char kDVSwitchField[] = "DVSwitch";
constexpr char kLagIdField[] = "LAG ID";
constexpr char kModeField[] = "Mode";
constexpr char kFlagsField[] = "Flags";
constexpr char kNicListField[] = "Nic List";
constexpr char kNicField[] = "Nic";
constexpr char kStateField[] = "State";
constexpr char kLocalInformationField[] = "Local Information";
constexpr char kPartnerInformationField[] = "Partner Information";
constexpr char kPortStateField[] = "Port State";
constexpr char kAdminKeyField[] = "Admin Key";
constexpr char kOperKeyField[] = "Oper Key";
constexpr char kPortPriorityField[] = "Port Priority";
constexpr char kPortNumberField[] = "Port Number";
constexpr char kDeviceIdField[] = "Device ID";
constexpr char kAgeField[] = "Age";

constexpr const char* kFlagsLegend[] = {"S - Device is sending Slow LACPDUs", "F - Device is sending fast LACPDUs",
                                        "A - Device is in active mode", "P - Device is in passive mode"};

RecordPtr LocalInfoStructure() {
    return RecordTemplate(kLocalInfoRecord)
        .String(kPortStateField)
        .String(kFlagsField)
        .Int(kAdminKeyField)
        .Int(kOperKeyField)
        .Int(kPortPriorityField)
        .Int(kPortNumberField);
}

RecordPtr PartnerInfoStructure() {
    return RecordTemplate(kPartnerInfoRecord)
        .String(kDeviceIdField)
        .String(kPortStateField)
        .String(kFlagsField)
        .String(kAgeField)
        .Int(kOperKeyField)
        .Int(kPortPriorityField)
        .Int(kPortNumberField);
}

RecordPtr NicStatusStructure() {
    return RecordTemplate(kNicStatusRecord)
        .String(kNicField)
        .String(kStateField)
        .Record(kLocalInformationField, LocalInfoStructure())
        .Record(kPartnerInformationField, PartnerInfoStructure());
}

RecordPtr NicStatusRecord(const Kavrel::Network::LacpNicRuntime& nic, bool onDpu) {
    auto local = LocalInfoStructure();
    local->SetField(kPortStateField, LacpPortStateText(nic.actor.state));
    local->SetField(kFlagsField, nic.actor.flags);
    local->SetField(kAdminKeyField, nic.actor.adminKey);
    local->SetField(kOperKeyField, nic.actor.operKey);
    local->SetField(kPortPriorityField, nic.actor.portPriority);
    local->SetField(kPortNumberField, nic.actor.portNumber);
    auto partner = PartnerInfoStructure();
    partner->SetField(kDeviceIdField, nic.partner.deviceId);
    partner->SetField(kPortStateField, LacpPortStateText(nic.partner.state));
    partner->SetField(kFlagsField, nic.partner.flags);
    partner->SetField(kAgeField, ConvertToHrsMinsAndSecs(nic.partner.age));
    partner->SetField(kOperKeyField, nic.partner.operKey);
    partner->SetField(kPortPriorityField, nic.partner.portPriority);
    partner->SetField(kPortNumberField, nic.partner.portNumber);
    auto record = NicStatusStructure();
    record->SetField(kNicField, nic.name);
    record->SetField(kStateField, onDpu ? nic.state + " (running state is on dpu)" : nic.state);
    record->SetField(kLocalInformationField, local);
    record->SetField(kPartnerInformationField, partner);
    return record;
}
}  // namespace

LacpGetStatus::LacpGetStatus() {
    SetDescription("Get LACP status on DVS");
    SetDefaultOutputFormatter("simple");
    SetDefaultOutputParameter("header:LAG", "%DVSwitch%");
    SetDefaultOutputParameter("header:NicStatus", "<NONE>");
    SetDefaultOutputParameter("header:LocalInfo", "<NONE>");
    SetDefaultOutputParameter("header:PartnerInfo", "<NONE>");
    SetDefaultOutputParameter("table-columns:LAG", "DVSwitch,LAG ID,Mode,Age,Flags,Nic List");
    SetDefaultOutputParameter("table-columns:NicStatus", "Nic,State,Local Information,Partner Information");
    SetDefaultOutputParameter("table-columns:LocalInfo",
                              "Flags,Admin Key,Oper Key,Port Priority,Port Number,Port State");
    SetDefaultOutputParameter("table-columns:PartnerInfo",
                              "Device ID,Age,Flags,Oper Key,Port Priority,Port Number,Port State");
}

std::shared_ptr<LacpGetStatus> LacpGetStatus::New() { return std::shared_ptr<LacpGetStatus>(new LacpGetStatus()); }

LacpGetStatus::~LacpGetStatus() = default;

RecordPtr LacpGetStatus::GetOutputStructure() {
    return RecordTemplate(kLagRecord)
        .String(kDVSwitchField)
        .Int(kLagIdField)
        .String(kModeField)
        .StringList(kFlagsField)
        .RecordList(kNicListField, NicStatusStructure());
}

InputSpecPtr LacpGetStatus::GetInputSpecInternal() { return LacpInputSpec(); }

OutputSpecPtr LacpGetStatus::GetOutputSpecInternal() { return MakeOutputSpec(MakeRecordList(GetOutputStructure())); }

void LacpGetStatus::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    auto addRows = [&](const Kavrel::Network::DVSwitch& dvswitch, Parvik::MetaObj::MetaList& list) {
        const std::string name = dvswitch.GetDvsName();
        auto groups = dvswitch.GetLacpRuntime();
        if (groups.empty()) return;
        const bool onDpu = dvswitch.IsRunningStateOnDpu();
        for (const auto& group : groups) {
            auto nics = MakeRecordList(NicStatusStructure());
            for (const auto& nic : group.nics) nics->Add(NicStatusRecord(nic, onDpu));
            auto record = GetOutputStructure();
            record->SetField(kDVSwitchField, name);
            record->SetField(kLagIdField, group.lagId);
            record->SetField(kModeField, LacpStatusModeName(group.mode));
            record->SetField(kFlagsField, std::vector<std::string>(std::begin(kFlagsLegend), std::end(kFlagsLegend)));
            record->SetField(kNicListField, nics);
            list.Add(record);
        }
    };
    ListLacpRows(input, output, GetOutputStructure(), addRows, [] { return "No running LACP group on the host."; });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
