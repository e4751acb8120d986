// firewall ruleset list: not implemented yet.
#include "firewall/FirewallCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

FirewallRulesetList::FirewallRulesetList() {}

std::shared_ptr<FirewallRulesetList> FirewallRulesetList::New() { return std::shared_ptr<FirewallRulesetList>(new FirewallRulesetList()); }

FirewallRulesetList::~FirewallRulesetList() = default;

std::shared_ptr<Parvik::MetaObj::MetaStruct> FirewallRulesetList::GetOutputStructure() {
    return Parvik::MetaObj::MetaStruct::New("FirewallRulesetList");
}

std::shared_ptr<Parvik::CallSpec::InputSpec> FirewallRulesetList::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> FirewallRulesetList::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void FirewallRulesetList::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                         const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
