// nic tso set: not implemented yet.
#include "nic/NicCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

NicTsoSet::NicTsoSet() {}

std::shared_ptr<NicTsoSet> NicTsoSet::New() { return std::shared_ptr<NicTsoSet>(new NicTsoSet()); }

NicTsoSet::~NicTsoSet() = default;

std::shared_ptr<Parvik::CallSpec::InputSpec> NicTsoSet::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> NicTsoSet::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void NicTsoSet::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                               const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
