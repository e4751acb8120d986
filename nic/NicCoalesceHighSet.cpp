// network nic coalesce high set: change how a NIC delays interrupts at high packet rates.
#include "nic/NicCoalesceShared.h"
#include "nic/NicCommands.h"

namespace NorvaleCli {
namespace NetworkNamespace {

NicCoalesceHighSet::NicCoalesceHighSet() {
    SetDescription(
        "Set parameters to control the behavior of a NIC when it sends or receives packets at high packet rate.");
}

std::shared_ptr<NicCoalesceHighSet> NicCoalesceHighSet::New() {
    return std::shared_ptr<NicCoalesceHighSet>(new NicCoalesceHighSet());
}

NicCoalesceHighSet::~NicCoalesceHighSet() = default;

InputSpecPtr NicCoalesceHighSet::GetInputSpecInternal() {
    return RateCoalesceSetInputSpec(
        kHighRateCoalesce,
        "The high packet rate measured in number of packets per second. When packet rate is above this parameter, the "
        "RX/TX coalescing parameters configured by this command are used.");
}

OutputSpecPtr NicCoalesceHighSet::GetOutputSpecInternal() { return MakeOutputSpec(Parvik::MetaObj::MetaBool::New()); }

void NicCoalesceHighSet::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    SetRateCoalesce(input, output, kHighRateCoalesce);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
