// network firewall set: enable or disable the firewall and choose its default action.
#include "firewall/FirewallCommands.h"
#include "firewall/FirewallShared.h"
#include "frame/CommandFrame.h"
#include "lmxctl/System.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {
constexpr char kEnabledParameter[] = "enabled";
constexpr char kDefaultActionParameter[] = "default-action";
}  // namespace

FirewallSet::FirewallSet() { SetDescription("Set firewall enabled status and default action."); }

std::shared_ptr<FirewallSet> FirewallSet::New() { return std::shared_ptr<FirewallSet>(new FirewallSet()); }

FirewallSet::~FirewallSet() = default;

InputSpecPtr FirewallSet::GetInputSpecInternal() {
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kEnabledParameter, Parvik::CallSpec::PARAM_BOOLEAN, "e",
                 "Set to true to enable the firewall, set to false to disable the firewall.", false);
    AddParameter(spec, kDefaultActionParameter, Parvik::CallSpec::PARAM_BOOLEAN, "d",
                 "Set to true to set defaultaction PASS, set to false to DROP.", false);
    return spec;
}

OutputSpecPtr FirewallSet::GetOutputSpecInternal() { return MakeOutputSpec(Parvik::MetaObj::MetaBool::New()); }

void FirewallSet::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    WithStandardErrors(output, [&] {
        LmxCtl::System::SystemInfoImpl system;
        bool hasEnabled = input->HasParameter(kEnabledParameter);
        bool hasDefaultAction = input->HasParameter(kDefaultActionParameter);
        if (!hasEnabled && !hasDefaultAction) {
            output->AddErrorMessage("Need parameter --enabled or --default-action");
            return;
        }
        LmxCtl::System::ModuleImpl module(kFirewallModuleName);
        if (!module.IsLoaded()) {
            output->AddErrorMessage("Firewall module is not loaded");
            return;
        }
        // Both values are read before either is changed.
        bool enabled = system.IsFirewallEnabled();
        bool pass = system.GetFirewallDefaultAction();
        if (hasEnabled && input->GetParameterBool(kEnabledParameter) != enabled) {
            system.SetFirewallEnabled(!enabled);
        }
        if (hasDefaultAction && input->GetParameterBool(kDefaultActionParameter) != pass) {
            system.SetFirewallDefaultAction(!pass);
        }
        SetSuccess(output);
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
