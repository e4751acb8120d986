// firewall ruleset allowedip remove: not implemented yet.
#include "firewall/FirewallCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

FirewallRulesetAllowedipRemove::FirewallRulesetAllowedipRemove() {}

std::shared_ptr<FirewallRulesetAllowedipRemove> FirewallRulesetAllowedipRemove::New() { return std::shared_ptr<FirewallRulesetAllowedipRemove>(new FirewallRulesetAllowedipRemove()); }

FirewallRulesetAllowedipRemove::~FirewallRulesetAllowedipRemove() = default;

std::shared_ptr<Parvik::CallSpec::InputSpec> FirewallRulesetAllowedipRemove::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> FirewallRulesetAllowedipRemove::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void FirewallRulesetAllowedipRemove::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                                    const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
