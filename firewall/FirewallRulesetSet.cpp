// network firewall ruleset set: switch a ruleset on or off, or choose between
// allowing all sources and its allowed-address list.
#include "firewall/FirewallCommands.h"
#include "firewall/FirewallShared.h"
#include "frame/CommandFrame.h"
#include "lmxctl/System.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {
constexpr char kAllowedAllParameter[] = "allowed-all";
constexpr char kEnabledParameter[] = "enabled";
// CheckConfigurable's kinds of setting.
const int kEnabledSetting = 0;
const int kAllowedIpSetting = 1;
}  // namespace

FirewallRulesetSet::FirewallRulesetSet() {
    SetDescription("Set firewall ruleset status (allowedAll flag and enabled status).");
}

std::shared_ptr<FirewallRulesetSet> FirewallRulesetSet::New() {
    return std::shared_ptr<FirewallRulesetSet>(new FirewallRulesetSet());
}

FirewallRulesetSet::~FirewallRulesetSet() = default;

InputSpecPtr FirewallRulesetSet::GetInputSpecInternal() {
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddRulesetIdParameter(spec);
    AddParameter(spec, kAllowedAllParameter, Parvik::CallSpec::PARAM_BOOLEAN, "a",
                 "Set to true to allowed all ip, set to false to use allowed ip list.", false);
    AddParameter(spec, kEnabledParameter, Parvik::CallSpec::PARAM_BOOLEAN, "e",
                 "Set to true to enable ruleset, set to false to disable it.", false);
    return spec;
}

OutputSpecPtr FirewallRulesetSet::GetOutputSpecInternal() { return MakeOutputSpec(Parvik::MetaObj::MetaBool::New()); }

void FirewallRulesetSet::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    WithStandardErrors(output, [&] {
        LmxCtl::System::SystemInfoImpl system;
        bool hasAllowedAll = input->HasParameter(kAllowedAllParameter);
        bool hasEnabled = input->HasParameter(kEnabledParameter);
        if (!hasEnabled && !hasAllowedAll) {
            output->AddErrorMessage("Need parameter --enabled or --allowed-all");
            return;
        }
        RulesetPtr ruleset = FindRuleset(system, input->GetParameter(kRulesetIdParameter), output);
        if (!ruleset) return;
        // Both states are read before either is changed.
        bool enabled = ruleset->IsEnabled();
        bool allowedAll = ruleset->IsAllowedAll();
        if (hasAllowedAll) {
            bool wanted = input->GetParameterBool(kAllowedAllParameter);
            ruleset->CheckConfigurable(kAllowedIpSetting, 0);
            if (wanted == allowedAll) {
                output->AddErrorMessage(wanted ? "Already allowed all ip" : "Already use allowed ip list");
                return;
            }
            ruleset->SetAllowedAll(wanted);
        }
        if (hasEnabled) {
            bool wanted = input->GetParameterBool(kEnabledParameter);
            ruleset->CheckConfigurable(kEnabledSetting, 0);
            if (wanted != enabled) {
                if (enabled) {
                    ruleset->Disable();
                } else {
                    ruleset->Enable();
                }
            }
        }
        SetSuccess(output);
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
