// network firewall ruleset list: each ruleset's enabled state and what may be configured.
#include "firewall/FirewallCommands.h"
#include "firewall/FirewallShared.h"
#include "frame/CommandFrame.h"
#include "kavrel/Misc.h"
#include "lmxctl/System.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {
constexpr char kRecordName[] = "Ruleset";
constexpr char kNameField[] = "Name";
constexpr char kEnabledField[] = "Enabled";
constexpr char kEnableDisableConfigurableField[] = "Enable/Disable configurable";
constexpr char kAllowedIpConfigurableField[] = "Allowed IP configurable";
}  // namespace

FirewallRulesetList::FirewallRulesetList() {
    SetDescription("List the rulesets in firewall.");
    SetDefaultOutputFormatter("table");
    SetDefaultOutputParameter("fields:Ruleset",
                              Kavrel::Misc::StrPrintf("%s,%s,%s,%s", kNameField, kEnabledField,
                                                      kEnableDisableConfigurableField, kAllowedIpConfigurableField));
}

std::shared_ptr<FirewallRulesetList> FirewallRulesetList::New() {
    return std::shared_ptr<FirewallRulesetList>(new FirewallRulesetList());
}

FirewallRulesetList::~FirewallRulesetList() = default;

InputSpecPtr FirewallRulesetList::GetInputSpecInternal() {
    return RulesetFilterSpec("List configuration for specfic ruleset");
}

OutputSpecPtr FirewallRulesetList::GetOutputSpecInternal() {
    return MakeOutputSpec(MakeRecordList(GetOutputStructure()));
}

RecordPtr FirewallRulesetList::GetOutputStructure() {
    return RecordTemplate(kRecordName)
        .String(kNameField)
        .Bool(kEnabledField)
        .Bool(kEnableDisableConfigurableField)
        .Bool(kAllowedIpConfigurableField);
}

void FirewallRulesetList::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    auto addRows = [&](const Kavrel::System::FirewallRuleset& ruleset, Parvik::MetaObj::MetaList& list) {
        auto record = GetOutputStructure();
        record->SetField(kNameField, ruleset.GetRulesetId());
        record->SetField(kEnabledField, ruleset.IsEnabled());
        record->SetField(kEnableDisableConfigurableField, !ruleset.IsEnableDisableFixed());
        record->SetField(kAllowedIpConfigurableField, !ruleset.IsAllowedIpFixed());
        list.Add(record);
    };
    ListRulesetRows(input, output, GetOutputStructure(), addRows);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
