// firewall ruleset client get: not implemented yet.
#include "firewall/FirewallCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

FirewallRulesetClientGet::FirewallRulesetClientGet() {}

std::shared_ptr<FirewallRulesetClientGet> FirewallRulesetClientGet::New() { return std::make_shared<FirewallRulesetClientGet>(); }

FirewallRulesetClientGet::~FirewallRulesetClientGet() = default;

std::shared_ptr<Parvik::MetaObj::MetaStruct> FirewallRulesetClientGet::GetOutputStructure() {
    return Parvik::MetaObj::MetaStruct::New("FirewallRulesetClientGet");
}

std::shared_ptr<Parvik::CallSpec::InputSpec> FirewallRulesetClientGet::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> FirewallRulesetClientGet::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void FirewallRulesetClientGet::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                              const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
