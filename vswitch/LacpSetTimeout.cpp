// lacp set timeout: not implemented yet.
#include "vswitch/VswitchCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

LacpSetTimeout::LacpSetTimeout() {}

std::shared_ptr<LacpSetTimeout> LacpSetTimeout::New() { return std::shared_ptr<LacpSetTimeout>(new LacpSetTimeout()); }

LacpSetTimeout::~LacpSetTimeout() = default;

std::shared_ptr<Parvik::CallSpec::InputSpec> LacpSetTimeout::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> LacpSetTimeout::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void LacpSetTimeout::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                    const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
