// firewall ruleset client remove: not implemented yet.
#include "firewall/FirewallCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

FirewallRulesetClientRemove::FirewallRulesetClientRemove() {}

std::shared_ptr<FirewallRulesetClientRemove> FirewallRulesetClientRemove::New() { return std::make_shared<FirewallRulesetClientRemove>(); }

FirewallRulesetClientRemove::~FirewallRulesetClientRemove() = default;

std::shared_ptr<Parvik::CallSpec::InputSpec> FirewallRulesetClientRemove::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> FirewallRulesetClientRemove::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void FirewallRulesetClientRemove::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                                 const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
