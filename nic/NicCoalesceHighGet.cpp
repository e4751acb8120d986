// network nic coalesce high get: how a NIC delays interrupts at high packet rates.
#include "nic/NicCoalesceShared.h"
#include "nic/NicCommands.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {
constexpr char kRecordName[] = "CoalesceParamsAtHighPacketRate";
}  // namespace

NicCoalesceHighGet::NicCoalesceHighGet() {
    SetDescription(
        "Get information about the behavior of a NIC when it sends or receives packets at high packet rate.");
    SetDefaultOutputFormatter("simple");
    SetRateCoalesceOutputParameters(*this, kRecordName);
}

std::shared_ptr<NicCoalesceHighGet> NicCoalesceHighGet::New() {
    return std::shared_ptr<NicCoalesceHighGet>(new NicCoalesceHighGet());
}

NicCoalesceHighGet::~NicCoalesceHighGet() = default;

RecordPtr NicCoalesceHighGet::GetOutputStructure() { return RateCoalesceRecord(kRecordName); }

InputSpecPtr NicCoalesceHighGet::GetInputSpecInternal() { return RateCoalesceGetInputSpec(); }

OutputSpecPtr NicCoalesceHighGet::GetOutputSpecInternal() { return MakeOutputSpec(GetOutputStructure()); }

void NicCoalesceHighGet::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    GetRateCoalesce(input, output, kHighRateCoalesce, GetOutputStructure());
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
