// network firewall ruleset allowedip remove: remove a source address or network from a ruleset's allowed list.
#include "firewall/FirewallCommands.h"
#include "firewall/FirewallShared.h"
#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

FirewallRulesetAllowedipRemove::FirewallRulesetAllowedipRemove() {
    SetDescription("Remove allowed IP address/range from the ruleset.");
}

std::shared_ptr<FirewallRulesetAllowedipRemove> FirewallRulesetAllowedipRemove::New() {
    return std::shared_ptr<FirewallRulesetAllowedipRemove>(new FirewallRulesetAllowedipRemove());
}

FirewallRulesetAllowedipRemove::~FirewallRulesetAllowedipRemove() = default;

InputSpecPtr FirewallRulesetAllowedipRemove::GetInputSpecInternal() {
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddRulesetIdParameter(spec);
    AddIpAddressParameter(spec);
    return spec;
}

OutputSpecPtr FirewallRulesetAllowedipRemove::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void FirewallRulesetAllowedipRemove::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    ChangeAllowedIp(input, output, AllowedIpChange::Remove);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
