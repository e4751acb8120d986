// network nic queue filterclass list: the netqueue filter classes each NIC supports.
#include "nic/NicDiagnosticCommands.h"
#include "nic/NicQueueShared.h"
#include "nic/NicShared.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {
constexpr char kRecordName[] = "Settings";
// One column per filter class, in the record's flag order.
constexpr const char* kFilterFields[] = {"MacOnly", "VlanOnly", "VlanMac", "Vxlan", "Geneve", "GenericEncap"};
static_assert(sizeof(kFilterFields) / sizeof(kFilterFields[0]) == Kavrel::Network::PnicNetqueueInfo::FILTER_CLASS_COUNT,
              "one column per filter class");
}  // namespace

NicQueueFilterClassList::NicQueueFilterClassList() {
    SetDescription(
        "List the netqueue supported filterclass of all physical NICs currently installed and loaded on the system.");
    SetDefaultOutputFormatter("table");
    SetDefaultOutputParameter("fields:Settings", "NIC,MacOnly,VlanOnly,VlanMac,Vxlan,Geneve,GenericEncap");
}

std::shared_ptr<NicQueueFilterClassList> NicQueueFilterClassList::New() {
    return std::shared_ptr<NicQueueFilterClassList>(new NicQueueFilterClassList());
}

NicQueueFilterClassList::~NicQueueFilterClassList() = default;

RecordPtr NicQueueFilterClassList::GetOutputStructure() {
    RecordTemplate record(kRecordName);
    record.String(kNicField);
    for (const auto& field : kFilterFields) record.Bool(field);
    return record;
}

InputSpecPtr NicQueueFilterClassList::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

OutputSpecPtr NicQueueFilterClassList::GetOutputSpecInternal() {
    return MakeOutputSpec(MakeRecordList(GetOutputStructure()));
}

void NicQueueFilterClassList::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    ListNetqueue(
        input, output, GetOutputStructure(), InvalidPnicNameMessage,
        [&](const ListPtr& list, const Kavrel::Network::Pnic& pnic, const Kavrel::Network::PnicNetqueueInfo& info) {
            auto record = GetOutputStructure();
            record->SetField(kNicField, pnic.GetName());
            for (size_t i = 0; i < Kavrel::Network::PnicNetqueueInfo::FILTER_CLASS_COUNT; ++i) {
                record->SetField(kFilterFields[i], info.filterClass[i]);
            }
            list->Add(record);
        });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
