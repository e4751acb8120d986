// network firewall unload: remove the rulesets' filters and unload the firewall module.
#include "firewall/FirewallCommands.h"
#include "firewall/FirewallShared.h"
#include "frame/CommandFrame.h"
#include "lmxctl/System.h"

namespace NorvaleCli {
namespace NetworkNamespace {

FirewallUnload::FirewallUnload() { SetDescription("Allow unload firewall module."); }

std::shared_ptr<FirewallUnload> FirewallUnload::New() { return std::shared_ptr<FirewallUnload>(new FirewallUnload()); }

FirewallUnload::~FirewallUnload() = default;

InputSpecPtr FirewallUnload::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

OutputSpecPtr FirewallUnload::GetOutputSpecInternal() { return MakeOutputSpec(Parvik::MetaObj::MetaBool::New()); }

void FirewallUnload::ExecuteInternal(const InputPtr&, const OutputPtr& output) {
    WithStandardErrors(output, [&] {
        LmxCtl::System::SystemInfoImpl system;
        LmxCtl::System::ModuleImpl module(kFirewallModuleName);
        // The filters go first: the module cannot be unloaded while they are installed.
        if (module.IsLoaded()) {
            system.DestroyFirewallFilters();
            module.Unload();
        }
        SetSuccess(output);
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
