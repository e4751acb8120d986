// network firewall ruleset allowedip add: add a source address or network to a ruleset's allowed list.
#include "firewall/FirewallCommands.h"
#include "firewall/FirewallShared.h"
#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

FirewallRulesetAllowedipAdd::FirewallRulesetAllowedipAdd() {
    SetDescription("Add allowed IP address/range to the ruleset.");
}

std::shared_ptr<FirewallRulesetAllowedipAdd> FirewallRulesetAllowedipAdd::New() {
    return std::shared_ptr<FirewallRulesetAllowedipAdd>(new FirewallRulesetAllowedipAdd());
}

FirewallRulesetAllowedipAdd::~FirewallRulesetAllowedipAdd() = default;

InputSpecPtr FirewallRulesetAllowedipAdd::GetInputSpecInternal() {
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddRulesetIdParameter(spec);
    AddIpAddressParameter(spec);
    return spec;
}

OutputSpecPtr FirewallRulesetAllowedipAdd::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void FirewallRulesetAllowedipAdd::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    ChangeAllowedIp(input, output, AllowedIpChange::Add);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
