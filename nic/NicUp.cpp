// nic up: not implemented yet.
#include "nic/NicCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

NicUp::NicUp() {}

std::shared_ptr<NicUp> NicUp::New() { return std::shared_ptr<NicUp>(new NicUp()); }

NicUp::~NicUp() = default;

std::shared_ptr<Parvik::CallSpec::InputSpec> NicUp::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> NicUp::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void NicUp::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                           const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
