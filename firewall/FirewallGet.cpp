// network firewall get: whether the firewall module is loaded, enabled, and its default action.
#include "firewall/FirewallCommands.h"
#include "firewall/FirewallShared.h"
#include "frame/CommandFrame.h"
#include "lmxctl/System.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {
constexpr char kRecordName[] = "Firewall";
constexpr char kLoadedField[] = "Loaded";
constexpr char kEnabledField[] = "Enabled";
constexpr char kDefaultActionField[] = "DefaultAction";
constexpr char kGetFailedPrefix[] = "Unable to get firewall status.\n";
}  // namespace

FirewallGet::FirewallGet() {
    SetDescription("Get the firewall status.");
    SetDefaultOutputFormatter("simple");
}

std::shared_ptr<FirewallGet> FirewallGet::New() { return std::shared_ptr<FirewallGet>(new FirewallGet()); }

FirewallGet::~FirewallGet() = default;

RecordPtr FirewallGet::GetOutputStructure() {
    return RecordTemplate(kRecordName).Bool(kLoadedField).Bool(kEnabledField).String(kDefaultActionField);
}

InputSpecPtr FirewallGet::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

OutputSpecPtr FirewallGet::GetOutputSpecInternal() { return MakeOutputSpec(GetOutputStructure()); }

void FirewallGet::ExecuteInternal(const InputPtr&, const OutputPtr& output) {
    WithPrefixedErrors(output, kGetFailedPrefix, [&] {
        LmxCtl::System::SystemInfoImpl system;
        LmxCtl::System::ModuleImpl module(kFirewallModuleName);
        auto record = GetOutputStructure();
        bool loaded = module.IsLoaded();
        // An unloaded firewall is reported as disabled and passing traffic.
        bool enabled = loaded ? system.IsFirewallEnabled() : false;
        bool pass = loaded ? system.GetFirewallDefaultAction() : true;
        record->SetField(kLoadedField, loaded);
        record->SetField(kEnabledField, enabled);
        record->SetField(kDefaultActionField, DefaultActionName(pass));
        output->SetRootObject(record);
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
