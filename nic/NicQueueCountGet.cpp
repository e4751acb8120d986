// network nic queue count get: the TX and RX netqueue counts of the NICs.
#include "nic/NicDiagnosticCommands.h"
#include "nic/NicQueueShared.h"
#include "nic/NicShared.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {
constexpr char kRecordName[] = "NetqueueCount";
constexpr char kTxField[] = "Tx netqueue count";
constexpr char kRxField[] = "Rx netqueue count";
}  // namespace

NicQueueCountGet::NicQueueCountGet() {
    SetDescription("Get netqueue count on a nic");
    SetDefaultOutputFormatter("table");
    SetDefaultOutputParameter("fields:NetqueueCount", "NIC,Tx netqueue count,Rx netqueue count");
}

std::shared_ptr<NicQueueCountGet> NicQueueCountGet::New() {
    return std::shared_ptr<NicQueueCountGet>(new NicQueueCountGet());
}

NicQueueCountGet::~NicQueueCountGet() = default;

RecordPtr NicQueueCountGet::GetOutputStructure() {
    return RecordTemplate(kRecordName).String(kNicField).Int(kTxField).Int(kRxField);
}

InputSpecPtr NicQueueCountGet::GetInputSpecInternal() {
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kPnicParameter, Parvik::CallSpec::PARAM_STRING, "n", "The name of pnic to get netqueue count",
                 false);
    return spec;
}

OutputSpecPtr NicQueueCountGet::GetOutputSpecInternal() { return MakeOutputSpec(MakeRecordList(GetOutputStructure())); }

void NicQueueCountGet::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    ListNetqueue(
        input, output, GetOutputStructure(), PnicNotFoundMessage,
        [&](const ListPtr& list, const Kavrel::Network::Pnic& pnic, const Kavrel::Network::PnicNetqueueInfo& info) {
            auto record = GetOutputStructure();
            record->SetField(kNicField, pnic.GetName());
            record->SetField(kTxField, static_cast<int64_t>(info.txQueueCount));
            record->SetField(kRxField, static_cast<int64_t>(info.rxQueueCount));
            list->Add(record);
        });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
