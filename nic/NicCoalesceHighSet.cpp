// nic coalesce high set: not implemented yet.
#include "nic/NicCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

NicCoalesceHighSet::NicCoalesceHighSet() {}

std::shared_ptr<NicCoalesceHighSet> NicCoalesceHighSet::New() { return std::shared_ptr<NicCoalesceHighSet>(new NicCoalesceHighSet()); }

NicCoalesceHighSet::~NicCoalesceHighSet() = default;

std::shared_ptr<Parvik::CallSpec::InputSpec> NicCoalesceHighSet::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> NicCoalesceHighSet::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void NicCoalesceHighSet::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                        const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
