// network firewall ruleset rule list: the port rules of each ruleset.
#include "firewall/FirewallCommands.h"
#include "firewall/FirewallShared.h"
#include "frame/CommandFrame.h"
#include "lmxctl/System.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {
constexpr char kRecordName[] = "FirewallPortRule";
constexpr char kRulesetField[] = "Ruleset";
constexpr char kPortTypeField[] = "Port Type";
constexpr char kPortBeginField[] = "Port Begin";
constexpr char kPortEndField[] = "Port End";
constexpr char kDirectionField[] = "Direction";
constexpr char kProtocolField[] = "Protocol";
}  // namespace

FirewallRulesetRuleList::FirewallRulesetRuleList() {
    SetDescription("List the rules of each ruleset in firewall.");
    SetDefaultOutputFormatter("simple");
    SetDefaultOutputFormatter("table");
    SetDefaultOutputParameter("fields:FirewallPortRule", "Ruleset,Direction,Protocol,Port Type,Port Begin,Port End");
}

std::shared_ptr<FirewallRulesetRuleList> FirewallRulesetRuleList::New() {
    return std::shared_ptr<FirewallRulesetRuleList>(new FirewallRulesetRuleList());
}

FirewallRulesetRuleList::~FirewallRulesetRuleList() = default;

InputSpecPtr FirewallRulesetRuleList::GetInputSpecInternal() {
    return RulesetFilterSpec("List rules for specfic ruleset");
}

OutputSpecPtr FirewallRulesetRuleList::GetOutputSpecInternal() {
    return MakeOutputSpec(MakeRecordList(GetOutputStructure()));
}

RecordPtr FirewallRulesetRuleList::GetOutputStructure() {
    return RecordTemplate(kRecordName)
        .String(kRulesetField)
        .String(kPortTypeField)
        .Int(kPortBeginField)
        .Int(kPortEndField)
        .String(kDirectionField)
        .String(kProtocolField);
}

void FirewallRulesetRuleList::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    auto addRows = [&](const Kavrel::System::FirewallRuleset& ruleset, Parvik::MetaObj::MetaList& list) {
        std::string id = ruleset.GetRulesetId();
        for (const auto& rule : ruleset.GetRules()) {
            auto record = GetOutputStructure();
            record->SetField(kRulesetField, id);
            record->SetField(kPortTypeField, PortTypeName(rule.portType));
            record->SetField(kPortBeginField, rule.portBegin);
            record->SetField(kPortEndField, rule.portEnd);
            record->SetField(kDirectionField, DirectionName(rule.direction));
            record->SetField(kProtocolField, ProtocolName(rule.protocol));
            list.Add(record);
        }
    };
    ListRulesetRows(input, output, GetOutputStructure(), addRows);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
