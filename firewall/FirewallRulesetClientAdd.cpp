// network firewall ruleset client add: one more client uses a ruleset (and enables it).
#include "firewall/FirewallCommands.h"
#include "firewall/FirewallShared.h"
#include "frame/CommandFrame.h"
#include "kavrel/Host.h"

namespace NorvaleCli {
namespace NetworkNamespace {

FirewallRulesetClientAdd::FirewallRulesetClientAdd() {
    SetDescription(
        "Add a new client to a firewall ruleset. This enables the firewall ruleset and increments the number of "
        "clients using the ruleset.");
}

std::shared_ptr<FirewallRulesetClientAdd> FirewallRulesetClientAdd::New() {
    return std::make_shared<FirewallRulesetClientAdd>();
}

FirewallRulesetClientAdd::~FirewallRulesetClientAdd() = default;

InputSpecPtr FirewallRulesetClientAdd::GetInputSpecInternal() {
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddRulesetIdParameter(spec);
    return spec;
}

OutputSpecPtr FirewallRulesetClientAdd::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void FirewallRulesetClientAdd::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    WithStandardErrors(output, [&] {
        auto system = Kavrel::HostFactory::GetHost()->GetSystemInfo();
        RulesetPtr ruleset = FindRuleset(*system, input->GetParameter(kRulesetIdParameter), output);
        if (!ruleset) return;
        ruleset->AddClient();
        SetSuccess(output);
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
