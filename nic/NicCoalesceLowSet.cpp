// network nic coalesce low set: change how a NIC delays interrupts at low packet rates.
#include "nic/NicCoalesceShared.h"
#include "nic/NicCommands.h"

namespace NorvaleCli {
namespace NetworkNamespace {

NicCoalesceLowSet::NicCoalesceLowSet() {
    SetDescription(
        "Set parameters to control the behavior of a NIC when it sends or receives packets at low packet rate.");
}

std::shared_ptr<NicCoalesceLowSet> NicCoalesceLowSet::New() {
    return std::shared_ptr<NicCoalesceLowSet>(new NicCoalesceLowSet());
}

NicCoalesceLowSet::~NicCoalesceLowSet() = default;

InputSpecPtr NicCoalesceLowSet::GetInputSpecInternal() {
    return RateCoalesceSetInputSpec(
        kLowRateCoalesce,
        "The low packet rate measured in number of packets per second. When packet rate is below this parameter, the "
        "RX/TX coalescing parameters configured by this command are used.");
}

OutputSpecPtr NicCoalesceLowSet::GetOutputSpecInternal() { return MakeOutputSpec(Parvik::MetaObj::MetaBool::New()); }

void NicCoalesceLowSet::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    SetRateCoalesce(input, output, kLowRateCoalesce);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
