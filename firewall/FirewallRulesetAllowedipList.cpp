// firewall ruleset allowedip list: not implemented yet.
#include "firewall/FirewallCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

FirewallRulesetAllowedipList::FirewallRulesetAllowedipList() {}

std::shared_ptr<FirewallRulesetAllowedipList> FirewallRulesetAllowedipList::New() { return std::shared_ptr<FirewallRulesetAllowedipList>(new FirewallRulesetAllowedipList()); }

FirewallRulesetAllowedipList::~FirewallRulesetAllowedipList() = default;

std::shared_ptr<Parvik::MetaObj::MetaStruct> FirewallRulesetAllowedipList::GetOutputStructure() {
    return Parvik::MetaObj::MetaStruct::New("FirewallRulesetAllowedipList");
}

std::shared_ptr<Parvik::CallSpec::InputSpec> FirewallRulesetAllowedipList::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> FirewallRulesetAllowedipList::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void FirewallRulesetAllowedipList::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                                  const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
