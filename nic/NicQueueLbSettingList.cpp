// network nic queue loadbalancer list: each NIC's load balancer settings as supported/allowed letters.
#include "nic/NicDiagnosticCommands.h"
#include "nic/NicQueueShared.h"
#include "nic/NicShared.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {
constexpr char kRecordName[] = "Settings";
// One column per load balancer setting, in the record's flag order.
constexpr const char* kSettingFields[] = {"RxQPair",     "RxQNoFeature", "PreEmptibleQ", "RxQLatency",
                                          "RxDynamicLB", "DynamicQPool", "MacLearnLB",   "RSS",
                                          "LRO",         "GeneveOAM",    "RSSLRO"};
static_assert(sizeof(kSettingFields) / sizeof(kSettingFields[0]) == Kavrel::Network::PnicNetqueueInfo::SETTING_COUNT,
              "one column per load balancer setting");

// "S" supported or "U" unsupported, then "A" allowed or "D" disallowed.
std::string SettingLetters(bool supported, bool allowed) {
    return std::string(supported ? "S" : "U") + (allowed ? "A" : "D");
}
}  // namespace

NicQueueLbSettingList::NicQueueLbSettingList() {
    SetDescription(
        "List the load balancer settings of all the installed and loaded physical NICs. (S:supported, "
        "U:unsupported, N:not-applicable, A:allowed, D:disallowed).");
    SetDefaultOutputFormatter("table");
    SetDefaultOutputParameter("fields:Settings",
                              "NIC,RxQPair,RxQNoFeature,PreEmptibleQ,RxQLatency,RxDynamicLB,DynamicQPool,MacLearnLB,"
                              "RSS,LRO,GeneveOAM,RSSLRO");
}

std::shared_ptr<NicQueueLbSettingList> NicQueueLbSettingList::New() {
    return std::shared_ptr<NicQueueLbSettingList>(new NicQueueLbSettingList());
}

NicQueueLbSettingList::~NicQueueLbSettingList() = default;

RecordPtr NicQueueLbSettingList::GetOutputStructure() {
    RecordTemplate record(kRecordName);
    record.String(kNicField);
    for (const auto& field : kSettingFields) record.String(field);
    return record;
}

InputSpecPtr NicQueueLbSettingList::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

OutputSpecPtr NicQueueLbSettingList::GetOutputSpecInternal() {
    return MakeOutputSpec(MakeRecordList(GetOutputStructure()));
}

void NicQueueLbSettingList::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    ListNetqueue(
        input, output, GetOutputStructure(), PnicNotFoundMessage,
        [&](const ListPtr& list, const Kavrel::Network::Pnic& pnic, const Kavrel::Network::PnicNetqueueInfo& info) {
            auto record = GetOutputStructure();
            record->SetField(kNicField, pnic.GetName());
            for (size_t i = 0; i < Kavrel::Network::PnicNetqueueInfo::SETTING_COUNT; ++i) {
                record->SetField(kSettingFields[i], SettingLetters(info.settingSupported[i], info.settingAllowed[i]));
            }
            list->Add(record);
        });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
