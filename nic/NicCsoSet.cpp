// nic cso set: not implemented yet.
#include "nic/NicCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

NicCsoSet::NicCsoSet() {}

std::shared_ptr<NicCsoSet> NicCsoSet::New() { return std::shared_ptr<NicCsoSet>(new NicCsoSet()); }

NicCsoSet::~NicCsoSet() = default;

std::shared_ptr<Parvik::CallSpec::InputSpec> NicCsoSet::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> NicCsoSet::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void NicCsoSet::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                               const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
