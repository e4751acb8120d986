// network firewall ruleset client get: how many clients use a ruleset.
#include "firewall/FirewallCommands.h"
#include "firewall/FirewallShared.h"
#include "frame/CommandFrame.h"
#include "kavrel/Host.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {
constexpr char kRecordName[] = "FirewallRulesetClientGet";
constexpr char kClientCountField[] = "Ruleset Client Count";
}  // namespace

FirewallRulesetClientGet::FirewallRulesetClientGet() {
    SetDescription("Show the number of clients using a firewall ruleset.");
    SetDefaultOutputFormatter("simple");
    SetDefaultOutputParameter("fields:FirewallRulesetClientGet", "Ruleset Client Count");
}

std::shared_ptr<FirewallRulesetClientGet> FirewallRulesetClientGet::New() {
    return std::make_shared<FirewallRulesetClientGet>();
}

FirewallRulesetClientGet::~FirewallRulesetClientGet() = default;

RecordPtr FirewallRulesetClientGet::GetOutputStructure() { return RecordTemplate(kRecordName).Int(kClientCountField); }

InputSpecPtr FirewallRulesetClientGet::GetInputSpecInternal() {
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddRulesetIdParameter(spec);
    return spec;
}

OutputSpecPtr FirewallRulesetClientGet::GetOutputSpecInternal() { return MakeOutputSpec(GetOutputStructure()); }

void FirewallRulesetClientGet::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    WithStandardErrors(output, [&] {
        auto system = Kavrel::HostFactory::GetHost()->GetSystemInfo();
        RulesetPtr ruleset = FindRuleset(*system, input->GetParameter(kRulesetIdParameter), output);
        if (!ruleset) return;
        auto record = GetOutputStructure();
        record->SetField(kClientCountField, ruleset->GetClientCount());
        output->SetRootObject(record);
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
