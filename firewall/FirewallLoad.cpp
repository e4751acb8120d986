// firewall load: not implemented yet.
#include "firewall/FirewallCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

FirewallLoad::FirewallLoad() {}

std::shared_ptr<FirewallLoad> FirewallLoad::New() { return std::shared_ptr<FirewallLoad>(new FirewallLoad()); }

FirewallLoad::~FirewallLoad() = default;

std::shared_ptr<Parvik::CallSpec::InputSpec> FirewallLoad::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> FirewallLoad::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void FirewallLoad::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                  const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
