// firewall ruleset set: not implemented yet.
#include "firewall/FirewallCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

FirewallRulesetSet::FirewallRulesetSet() {}

std::shared_ptr<FirewallRulesetSet> FirewallRulesetSet::New() { return std::shared_ptr<FirewallRulesetSet>(new FirewallRulesetSet()); }

FirewallRulesetSet::~FirewallRulesetSet() = default;

std::shared_ptr<Parvik::CallSpec::InputSpec> FirewallRulesetSet::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> FirewallRulesetSet::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void FirewallRulesetSet::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                        const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
