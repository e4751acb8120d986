// network firewall refresh: reload the rulesets into the firewall.
#include "firewall/FirewallCommands.h"
#include "frame/CommandFrame.h"
#include "lmxctl/System.h"

namespace NorvaleCli {
namespace NetworkNamespace {

FirewallRefresh::FirewallRefresh() { SetDescription("Load ruleset configuration for firewall."); }

std::shared_ptr<FirewallRefresh> FirewallRefresh::New() {
    return std::shared_ptr<FirewallRefresh>(new FirewallRefresh());
}

FirewallRefresh::~FirewallRefresh() = default;

InputSpecPtr FirewallRefresh::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

OutputSpecPtr FirewallRefresh::GetOutputSpecInternal() { return MakeOutputSpec(Parvik::MetaObj::MetaBool::New()); }

void FirewallRefresh::ExecuteInternal(const InputPtr&, const OutputPtr& output) {
    WithStandardErrors(output, [&] {
        // The module is not consulted: the host reports it if the rulesets cannot be loaded.
        LmxCtl::System::SystemInfoImpl system;
        system.LoadFirewallRulesets();
        SetSuccess(output);
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
