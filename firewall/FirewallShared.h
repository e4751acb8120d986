// Names and helpers the firewall commands share: the module name, ruleset
// lookups with their messages, and the texts of rules and allowed addresses.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "frame/CommandFrame.h"
#include "kavrel/System.h"
#include "lmxctl/System.h"

namespace NorvaleCli {
namespace NetworkNamespace {

constexpr char kFirewallModuleName[] = "talixfw";

constexpr char kRulesetIdParameter[] = "ruleset-id";
constexpr char kRulesetLabelDescription[] = "The label of the ruleset.";
constexpr char kInvalidRulesetIdMessage[] = "Invalid Ruleset Id.";

// The host gives the default action as a flag: true lets unmatched traffic pass.
inline std::string DefaultActionName(bool pass) { return pass ? "PASS" : "DROP"; }

// The input of the list commands: the optional "ruleset-id".
InputSpecPtr RulesetFilterSpec(const std::string& description);
// The required "ruleset-id" of the commands that act on one ruleset.
void AddRulesetIdParameter(const InputSpecPtr& spec);

using RulesetPtr = std::unique_ptr<Kavrel::System::FirewallRuleset>;

// The rulesets a list command reports: the one named by "ruleset-id", or all
// of them in the host's order. Reports an unknown or unreadable id itself and
// returns false; a failing lookup call throws to the standard conversion.
bool SelectRulesets(LmxCtl::System::SystemInfoImpl& system, const InputPtr& input, const OutputPtr& output,
                    std::vector<RulesetPtr>& selection);

// A list command's result: addRows(ruleset, list) for each ruleset
// SelectRulesets gives, in its order.
void ListRulesetRows(
    const InputPtr& input, const OutputPtr& output, const RecordPtr& layout,
    const std::function<void(const Kavrel::System::FirewallRuleset&, Parvik::MetaObj::MetaList&)>& addRows);

// The ruleset with the id, or null after adding "Invalid Ruleset Id.".
RulesetPtr FindRuleset(Kavrel::System::SystemInfo& system, const std::string& id, const OutputPtr& output);

// Texts of a port rule's coded fields.
inline std::string PortTypeName(uint32_t portType) { return portType == 1 ? "Dst" : "Src"; }
inline std::string DirectionName(uint32_t direction) { return direction == 0 ? "Inbound" : "Outbound"; }
inline std::string ProtocolName(uint32_t protocol) { return protocol == 0 ? "TCP" : "UDP"; }

// The allowed sources as shown: IPv4 addresses, IPv6 addresses, IPv4
// networks, then IPv6 networks, each group in the host's order.
std::vector<std::string> AllowedIpTexts(const Kavrel::System::FirewallAllowedIps& allowed);

// The required "ip-address" of allowedip add and remove.
void AddIpAddressParameter(const InputSpecPtr& spec);

// allowedip add and remove: the same checks, then add or remove the address.
enum class AllowedIpChange { Add, Remove };
void ChangeAllowedIp(const InputPtr& input, const OutputPtr& output, AllowedIpChange change);

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
