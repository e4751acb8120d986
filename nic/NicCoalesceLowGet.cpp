// network nic coalesce low get: how a NIC delays interrupts at low packet rates.
#include "nic/NicCoalesceShared.h"
#include "nic/NicCommands.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {
constexpr char kRecordName[] = "CoalesceParamsAtLowPacketRate";
}  // namespace

NicCoalesceLowGet::NicCoalesceLowGet() {
    SetDescription("Get information about the behavior of a NIC when it sends or receives packets at low packet rate.");
    SetDefaultOutputFormatter("simple");
    SetRateCoalesceOutputParameters(*this, kRecordName);
}

std::shared_ptr<NicCoalesceLowGet> NicCoalesceLowGet::New() {
    return std::shared_ptr<NicCoalesceLowGet>(new NicCoalesceLowGet());
}

NicCoalesceLowGet::~NicCoalesceLowGet() = default;

RecordPtr NicCoalesceLowGet::GetOutputStructure() { return RateCoalesceRecord(kRecordName); }

InputSpecPtr NicCoalesceLowGet::GetInputSpecInternal() { return RateCoalesceGetInputSpec(); }

OutputSpecPtr NicCoalesceLowGet::GetOutputSpecInternal() { return MakeOutputSpec(GetOutputStructure()); }

void NicCoalesceLowGet::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    GetRateCoalesce(input, output, kLowRateCoalesce, GetOutputStructure());
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
