// firewall ruleset client add: not implemented yet.
#include "firewall/FirewallCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

FirewallRulesetClientAdd::FirewallRulesetClientAdd() {}

std::shared_ptr<FirewallRulesetClientAdd> FirewallRulesetClientAdd::New() { return std::make_shared<FirewallRulesetClientAdd>(); }

FirewallRulesetClientAdd::~FirewallRulesetClientAdd() = default;

std::shared_ptr<Parvik::CallSpec::InputSpec> FirewallRulesetClientAdd::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> FirewallRulesetClientAdd::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void FirewallRulesetClientAdd::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                              const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
