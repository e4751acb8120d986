// nic software set: not implemented yet.
#include "nic/NicCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

NicSoftwareSet::NicSoftwareSet() {}

std::shared_ptr<NicSoftwareSet> NicSoftwareSet::New() { return std::shared_ptr<NicSoftwareSet>(new NicSoftwareSet()); }

NicSoftwareSet::~NicSoftwareSet() = default;

std::shared_ptr<Parvik::CallSpec::InputSpec> NicSoftwareSet::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> NicSoftwareSet::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void NicSoftwareSet::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                    const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
