// The firewall on a Linux host: a later round maps it onto the kernel's
// packet filter; until then each operation refuses.
#include "core/Refusal.h"
#include "kavrel/System.h"
#include "lmxctl/System.h"

namespace Kavrel {
namespace System {

SystemInfo::~SystemInfo() = default;

// Never handed out on this host (the rulesets are not listed yet), but its
// type is known to every command that checks one.
FirewallRuleset::FirewallRuleset(const std::string& rulesetId) : rulesetId_(rulesetId) {}
FirewallRuleset::~FirewallRuleset() = default;
std::string FirewallRuleset::GetRulesetId() const { return rulesetId_; }
bool FirewallRuleset::IsValid() const { LinuxHost::NotYetOnLinux("Firewall rulesets"); }
bool FirewallRuleset::IsEnabled() const { LinuxHost::NotYetOnLinux("Firewall rulesets"); }
void FirewallRuleset::Enable() { LinuxHost::NotYetOnLinux("Firewall rulesets"); }
void FirewallRuleset::Disable() { LinuxHost::NotYetOnLinux("Firewall rulesets"); }
bool FirewallRuleset::IsAllowedAll() const { LinuxHost::NotYetOnLinux("Firewall rulesets"); }
void FirewallRuleset::SetAllowedAll(bool) { LinuxHost::NotYetOnLinux("Firewall rulesets"); }
FirewallAllowedIps FirewallRuleset::GetAllowedIps() const { LinuxHost::NotYetOnLinux("Firewall rulesets"); }
void FirewallRuleset::AddAllowedIp(const std::string&) { LinuxHost::NotYetOnLinux("Firewall rulesets"); }
void FirewallRuleset::RemoveAllowedIp(const std::string&) { LinuxHost::NotYetOnLinux("Firewall rulesets"); }
std::vector<FirewallPortRule> FirewallRuleset::GetRules() const { LinuxHost::NotYetOnLinux("Firewall rulesets"); }
int64_t FirewallRuleset::GetClientCount() const { LinuxHost::NotYetOnLinux("Firewall rulesets"); }
void FirewallRuleset::AddClient() { LinuxHost::NotYetOnLinux("Firewall rulesets"); }
void FirewallRuleset::RemoveClient() { LinuxHost::NotYetOnLinux("Firewall rulesets"); }
bool FirewallRuleset::CheckConfigurable(int, int) const { LinuxHost::NotYetOnLinux("Firewall rulesets"); }
bool FirewallRuleset::IsEnableDisableFixed() const { LinuxHost::NotYetOnLinux("Firewall rulesets"); }
bool FirewallRuleset::IsAllowedIpFixed() const { LinuxHost::NotYetOnLinux("Firewall rulesets"); }

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

// The loaded state the simulated host caches has nothing to cache here yet.
ModuleImpl::ModuleImpl(const std::string& name) : name_(name) {
    (void)stale_;
    (void)loaded_;
}
ModuleImpl::~ModuleImpl() = default;
bool ModuleImpl::IsLoaded() { LinuxHost::NotYetOnLinux("Firewall modules"); }
void ModuleImpl::Refresh() { LinuxHost::NotYetOnLinux("Firewall modules"); }
void ModuleImpl::Load(const std::string&, bool) { LinuxHost::NotYetOnLinux("Firewall modules"); }
void ModuleImpl::Unload() { LinuxHost::NotYetOnLinux("Firewall modules"); }

}  // namespace System
}  // namespace LmxCtl
