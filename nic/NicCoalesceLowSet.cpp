// nic coalesce low set: not implemented yet.
#include "nic/NicCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

NicCoalesceLowSet::NicCoalesceLowSet() {}

std::shared_ptr<NicCoalesceLowSet> NicCoalesceLowSet::New() { return std::shared_ptr<NicCoalesceLowSet>(new NicCoalesceLowSet()); }

NicCoalesceLowSet::~NicCoalesceLowSet() = default;

std::shared_ptr<Parvik::CallSpec::InputSpec> NicCoalesceLowSet::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> NicCoalesceLowSet::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void NicCoalesceLowSet::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                       const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
