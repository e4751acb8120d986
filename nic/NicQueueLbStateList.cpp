// network nic queue loadbalancer state list: whether each NIC's netqueue balancer is on.
#include "nic/NicDiagnosticCommands.h"
#include "nic/NicQueueShared.h"
#include "nic/NicShared.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {
constexpr char kRecordName[] = "NetqBalState";
constexpr char kEnabledField[] = "Enabled";
}  // namespace

NicQueueLbStateList::NicQueueLbStateList() {
    SetDescription("Netqueue balancer state of all physical NICs currently installed and loaded on the system");
    SetDefaultOutputFormatter("table");
    SetDefaultOutputParameter("fields:NetqBalState", "NIC,Enabled");
}

std::shared_ptr<NicQueueLbStateList> NicQueueLbStateList::New() {
    return std::shared_ptr<NicQueueLbStateList>(new NicQueueLbStateList());
}

NicQueueLbStateList::~NicQueueLbStateList() = default;

RecordPtr NicQueueLbStateList::GetOutputStructure() {
    return RecordTemplate(kRecordName).String(kNicField).Bool(kEnabledField);
}

InputSpecPtr NicQueueLbStateList::GetInputSpecInternal() {
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kPnicParameter, Parvik::CallSpec::PARAM_STRING, "n",
                 "The name of pnic to get netqueue balancer state", false);
    return spec;
}

OutputSpecPtr NicQueueLbStateList::GetOutputSpecInternal() {
    return MakeOutputSpec(MakeRecordList(GetOutputStructure()));
}

void NicQueueLbStateList::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    ListNetqueue(
        input, output, GetOutputStructure(), InvalidPnicNameMessage,
        [&](const ListPtr& list, const Kavrel::Network::Pnic& pnic, const Kavrel::Network::PnicNetqueueInfo& info) {
            auto record = GetOutputStructure();
            record->SetField(kNicField, pnic.GetName());
            record->SetField(kEnabledField, info.balancerEnabled);
            list->Add(record);
        });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
