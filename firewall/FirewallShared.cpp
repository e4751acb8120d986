// Ruleset lookups and conversions shared by the firewall ruleset commands.
#include "firewall/FirewallShared.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {
constexpr char kIpAddressParameter[] = "ip-address";
}  // namespace

InputSpecPtr RulesetFilterSpec(const std::string& description) {
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kRulesetIdParameter, Parvik::CallSpec::PARAM_STRING, "r", description, false);
    return spec;
}

void AddRulesetIdParameter(const InputSpecPtr& spec) {
    AddParameter(spec, kRulesetIdParameter, Parvik::CallSpec::PARAM_STRING, "r", kRulesetLabelDescription, true);
}

bool SelectRulesets(LmxCtl::System::SystemInfoImpl& system, const InputPtr& input, const OutputPtr& output,
                    std::vector<RulesetPtr>& selection) {
    if (!input->HasParameter(kRulesetIdParameter)) {
        selection = system.GetFirewallRulesets();
        return true;
    }
    const std::string& id = input->GetParameter(kRulesetIdParameter);
    RulesetPtr ruleset = system.GetFirewallRulesetById(id);
    bool valid = false;
    // The host's own text is not shown here: the id is what the user can act on.
    const auto notChecked = [&id](const std::string&) { return "Failed to check loaded status: " + id; };
    if (!WithHostErrors(output, notChecked, [&] { valid = ruleset->IsValid(); })) return false;
    if (!valid) {
        output->AddErrorMessage("Ruleset Not Found: " + id);
        return false;
    }
    selection.push_back(std::move(ruleset));
    return true;
}

void ListRulesetRows(
    const InputPtr& input, const OutputPtr& output, const RecordPtr& layout,
    const std::function<void(const Kavrel::System::FirewallRuleset&, Parvik::MetaObj::MetaList&)>& addRows) {
    WithStandardErrors(output, [&] {
        LmxCtl::System::SystemInfoImpl system;
        std::vector<RulesetPtr> selection;
        if (!SelectRulesets(system, input, output, selection)) return;
        auto list = MakeRecordList(layout);
        for (const auto& ruleset : selection) addRows(*ruleset, *list);
        output->SetRootObject(list);
    });
}

RulesetPtr FindRuleset(Kavrel::System::SystemInfo& system, const std::string& id, const OutputPtr& output) {
    RulesetPtr ruleset = system.GetFirewallRulesetById(id);
    if (!ruleset->IsValid()) {
        output->AddErrorMessage(kInvalidRulesetIdMessage);
        return nullptr;
    }
    return ruleset;
}

std::vector<std::string> AllowedIpTexts(const Kavrel::System::FirewallAllowedIps& allowed) {
    std::vector<std::string> texts;
    for (const auto& address : allowed.ipv4Addresses) texts.push_back(address.GetStringAddress());
    for (const auto& address : allowed.ipv6Addresses) texts.push_back(address.GetStringAddress());
    for (const auto& network : allowed.ipv4Networks) texts.push_back(network.GetStringAddress());
    for (const auto& network : allowed.ipv6Networks) texts.push_back(network.GetStringAddress());
    return texts;
}

void AddIpAddressParameter(const InputSpecPtr& spec) {
    AddParameter(spec, kIpAddressParameter, Parvik::CallSpec::PARAM_STRING, "i",
                 "Allowed ip address/range for the ruleset.", true);
}

void ChangeAllowedIp(const InputPtr& input, const OutputPtr& output, AllowedIpChange change) {
    WithStandardErrors(output, [&] {
        LmxCtl::System::SystemInfoImpl system;
        const std::string& address = input->GetParameter(kIpAddressParameter);
        RulesetPtr ruleset = FindRuleset(system, input->GetParameter(kRulesetIdParameter), output);
        if (!ruleset) return;
        if (ruleset->IsAllowedAll()) {
            output->AddErrorMessage("Couldn't update allowed ip list when allowed-all flag is true.");
            return;
        }
        // An empty address is reported but not treated as a failure.
        if (address.empty()) {
            output->AddErrorMessage("Invalid allowedip parameter.");
            SetSuccess(output);
            return;
        }
        if (change == AllowedIpChange::Add) {
            ruleset->AddAllowedIp(address);
        } else {
            ruleset->RemoveAllowedIp(address);
        }
        SetSuccess(output);
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
