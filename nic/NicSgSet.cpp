// nic sg set: not implemented yet.
#include "nic/NicCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

NicSgSet::NicSgSet() {}

std::shared_ptr<NicSgSet> NicSgSet::New() { return std::shared_ptr<NicSgSet>(new NicSgSet()); }

NicSgSet::~NicSgSet() = default;

std::shared_ptr<Parvik::CallSpec::InputSpec> NicSgSet::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> NicSgSet::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void NicSgSet::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                              const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
