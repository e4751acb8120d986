// nic coalesce set: not implemented yet.
#include "nic/NicCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

NicCoalesceSet::NicCoalesceSet() {}

std::shared_ptr<NicCoalesceSet> NicCoalesceSet::New() { return std::shared_ptr<NicCoalesceSet>(new NicCoalesceSet()); }

NicCoalesceSet::~NicCoalesceSet() = default;

std::shared_ptr<Parvik::CallSpec::InputSpec> NicCoalesceSet::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> NicCoalesceSet::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void NicCoalesceSet::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                    const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
