// nic down: not implemented yet.
#include "nic/NicCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

NicDown::NicDown() {}

std::shared_ptr<NicDown> NicDown::New() { return std::shared_ptr<NicDown>(new NicDown()); }

NicDown::~NicDown() = default;

std::shared_ptr<Parvik::CallSpec::InputSpec> NicDown::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> NicDown::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void NicDown::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                             const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
