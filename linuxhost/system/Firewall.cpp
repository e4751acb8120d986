// The firewall on a Linux host: a later round maps it onto the kernel's
// packet filter; until then each operation refuses.
#include "core/Refusal.h"
#include "kavrel/System.h"
#include "lmxctl/System.h"

namespace Kavrel {
namespace System {

SystemInfo::~SystemInfo() = default;

}  // namespace System
}  // namespace Kavrel

namespace LmxCtl {
namespace System {

SystemInfoImpl::SystemInfoImpl() {}
SystemInfoImpl::~SystemInfoImpl() = default;
bool SystemInfoImpl::IsFirewallEnabled() { LinuxHost::NotYetOnLinux("Firewall settings"); }
bool SystemInfoImpl::GetFirewallDefaultAction() { LinuxHost::NotYetOnLinux("Firewall settings"); }
void SystemInfoImpl::SetFirewallEnabled(bool) { LinuxHost::NotYetOnLinux("Firewall settings"); }
void SystemInfoImpl::SetFirewallDefaultAction(bool) { LinuxHost::NotYetOnLinux("Firewall settings"); }
void SystemInfoImpl::LoadFirewallRulesets() { LinuxHost::NotYetOnLinux("Firewall settings"); }
void SystemInfoImpl::DestroyFirewallFilters() { LinuxHost::NotYetOnLinux("Firewall settings"); }
std::vector<std::unique_ptr<Kavrel::System::FirewallRuleset>> SystemInfoImpl::GetFirewallRulesets() {
    LinuxHost::NotYetOnLinux("Firewall settings");
}
std::unique_ptr<Kavrel::System::FirewallRuleset> SystemInfoImpl::GetFirewallRulesetById(const std::string&) {
    LinuxHost::NotYetOnLinux("Firewall settings");
}

ModuleImpl::ModuleImpl(const std::string& name) : name_(name) {}
ModuleImpl::~ModuleImpl() = default;
bool ModuleImpl::IsLoaded() { LinuxHost::NotYetOnLinux("Firewall modules"); }
void ModuleImpl::Refresh() { LinuxHost::NotYetOnLinux("Firewall modules"); }
void ModuleImpl::Load(const std::string&, bool) { LinuxHost::NotYetOnLinux("Firewall modules"); }
void ModuleImpl::Unload() { LinuxHost::NotYetOnLinux("Firewall modules"); }

}  // namespace System
}  // namespace LmxCtl
