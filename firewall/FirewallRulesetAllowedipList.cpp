// network firewall ruleset allowedip list: the source addresses each ruleset lets through.
#include "firewall/FirewallCommands.h"
#include "firewall/FirewallShared.h"
#include "frame/CommandFrame.h"
#include "lmxctl/System.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {
constexpr char kRecordName[] = "FirewallRulesetAllowedip";
constexpr char kRulesetField[] = "Ruleset";
constexpr char kAllowedIpsField[] = "Allowed IP Addresses";
}  // namespace

FirewallRulesetAllowedipList::FirewallRulesetAllowedipList() {
    SetDescription("List allowed IP addresses for rulesets.");
    SetDefaultOutputFormatter("table");
    SetDefaultOutputParameter("fields:FirewallRulesetAllowedip", "Ruleset,Allowed IP Addresses");
}

std::shared_ptr<FirewallRulesetAllowedipList> FirewallRulesetAllowedipList::New() {
    return std::shared_ptr<FirewallRulesetAllowedipList>(new FirewallRulesetAllowedipList());
}

FirewallRulesetAllowedipList::~FirewallRulesetAllowedipList() = default;

InputSpecPtr FirewallRulesetAllowedipList::GetInputSpecInternal() {
    return RulesetFilterSpec(kRulesetLabelDescription);
}

OutputSpecPtr FirewallRulesetAllowedipList::GetOutputSpecInternal() {
    return MakeOutputSpec(MakeRecordList(GetOutputStructure()));
}

RecordPtr FirewallRulesetAllowedipList::GetOutputStructure() {
    return RecordTemplate(kRecordName).String(kRulesetField).StringList(kAllowedIpsField);
}

void FirewallRulesetAllowedipList::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    auto addRows = [&](const Kavrel::System::FirewallRuleset& ruleset, Parvik::MetaObj::MetaList& list) {
        auto record = GetOutputStructure();
        record->SetField(kRulesetField, ruleset.GetRulesetId());
        std::vector<std::string> allowed =
            ruleset.IsAllowedAll() ? std::vector<std::string>{"All"} : AllowedIpTexts(ruleset.GetAllowedIps());
        record->SetField(kAllowedIpsField, allowed);
        list.Add(record);
    };
    ListRulesetRows(input, output, GetOutputStructure(), addRows);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
