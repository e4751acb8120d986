// network firewall load: load the firewall module, then its rulesets.
#include "firewall/FirewallCommands.h"
#include "firewall/FirewallShared.h"
#include "frame/CommandFrame.h"
#include "lmxctl/System.h"

namespace NorvaleCli {
namespace NetworkNamespace {

FirewallLoad::FirewallLoad() { SetDescription("Load firewall module and rulesets configuration."); }

std::shared_ptr<FirewallLoad> FirewallLoad::New() { return std::shared_ptr<FirewallLoad>(new FirewallLoad()); }

FirewallLoad::~FirewallLoad() = default;

InputSpecPtr FirewallLoad::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

OutputSpecPtr FirewallLoad::GetOutputSpecInternal() { return MakeOutputSpec(Parvik::MetaObj::MetaBool::New()); }

void FirewallLoad::ExecuteInternal(const InputPtr&, const OutputPtr& output) {
    WithStandardErrors(output, [&] {
        LmxCtl::System::SystemInfoImpl system;
        LmxCtl::System::ModuleImpl module(kFirewallModuleName);
        // Loading an already loaded module is harmless; the rulesets are reloaded either way.
        module.Load("", false);
        system.LoadFirewallRulesets();
        SetSuccess(output);
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
