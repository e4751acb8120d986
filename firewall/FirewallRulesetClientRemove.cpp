// network firewall ruleset client remove: one client fewer uses a ruleset (the last one disables it).
#include "firewall/FirewallCommands.h"
#include "firewall/FirewallShared.h"
#include "frame/CommandFrame.h"
#include "kavrel/Host.h"

namespace NorvaleCli {
namespace NetworkNamespace {

FirewallRulesetClientRemove::FirewallRulesetClientRemove() {
    SetDescription(
        "Remove a client from a firewall ruleset. This decrements the number of clients using the ruleset and if the "
        "number reaches zero the ruleset is disabled.");
}

std::shared_ptr<FirewallRulesetClientRemove> FirewallRulesetClientRemove::New() {
    return std::make_shared<FirewallRulesetClientRemove>();
}

FirewallRulesetClientRemove::~FirewallRulesetClientRemove() = default;

InputSpecPtr FirewallRulesetClientRemove::GetInputSpecInternal() {
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddRulesetIdParameter(spec);
    return spec;
}

OutputSpecPtr FirewallRulesetClientRemove::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void FirewallRulesetClientRemove::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    WithStandardErrors(output, [&] {
        auto system = Kavrel::HostFactory::GetHost()->GetSystemInfo();
        RulesetPtr ruleset = FindRuleset(*system, input->GetParameter(kRulesetIdParameter), output);
        if (!ruleset) return;
        ruleset->RemoveClient();
        SetSuccess(output);
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
