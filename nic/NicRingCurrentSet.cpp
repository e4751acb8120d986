// nic ring current set: not implemented yet.
#include "nic/NicCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

NicRingCurrentSet::NicRingCurrentSet() {}

std::shared_ptr<NicRingCurrentSet> NicRingCurrentSet::New() { return std::shared_ptr<NicRingCurrentSet>(new NicRingCurrentSet()); }

NicRingCurrentSet::~NicRingCurrentSet() = default;

std::shared_ptr<Parvik::CallSpec::InputSpec> NicRingCurrentSet::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> NicRingCurrentSet::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void NicRingCurrentSet::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                       const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
