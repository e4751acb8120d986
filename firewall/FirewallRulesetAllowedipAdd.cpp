// firewall ruleset allowedip add: not implemented yet.
#include "firewall/FirewallCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

FirewallRulesetAllowedipAdd::FirewallRulesetAllowedipAdd() {}

std::shared_ptr<FirewallRulesetAllowedipAdd> FirewallRulesetAllowedipAdd::New() { return std::shared_ptr<FirewallRulesetAllowedipAdd>(new FirewallRulesetAllowedipAdd()); }

FirewallRulesetAllowedipAdd::~FirewallRulesetAllowedipAdd() = default;

std::shared_ptr<Parvik::CallSpec::InputSpec> FirewallRulesetAllowedipAdd::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> FirewallRulesetAllowedipAdd::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void FirewallRulesetAllowedipAdd::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                                 const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
