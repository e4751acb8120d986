// firewall ruleset rule list: not implemented yet.
#include "firewall/FirewallCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

FirewallRulesetRuleList::FirewallRulesetRuleList() {}

std::shared_ptr<FirewallRulesetRuleList> FirewallRulesetRuleList::New() { return std::shared_ptr<FirewallRulesetRuleList>(new FirewallRulesetRuleList()); }

FirewallRulesetRuleList::~FirewallRulesetRuleList() = default;

std::shared_ptr<Parvik::MetaObj::MetaStruct> FirewallRulesetRuleList::GetOutputStructure() {
    return Parvik::MetaObj::MetaStruct::New("FirewallRulesetRuleList");
}

std::shared_ptr<Parvik::CallSpec::InputSpec> FirewallRulesetRuleList::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> FirewallRulesetRuleList::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void FirewallRulesetRuleList::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                             const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
