// nic set: not implemented yet.
#include "nic/NicCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

NicSet::NicSet() {}

std::shared_ptr<NicSet> NicSet::New() { return std::shared_ptr<NicSet>(new NicSet()); }

NicSet::~NicSet() = default;

std::shared_ptr<Parvik::CallSpec::InputSpec> NicSet::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> NicSet::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void NicSet::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                            const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
