// Implementation objects for the host's system state: firewall and kernel modules.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "kavrel/System.h"

namespace LmxCtl {
namespace System {

class SystemInfoImpl : public Kavrel::System::SystemInfo {
public:
    SystemInfoImpl();
    ~SystemInfoImpl() override;

    bool IsFirewallEnabled();
    bool GetFirewallDefaultAction();  // true: PASS, false: DROP
    void SetFirewallEnabled(bool enabled);
    void SetFirewallDefaultAction(bool pass);
    void LoadFirewallRulesets();
    void DestroyFirewallFilters();

    std::vector<std::unique_ptr<Kavrel::System::FirewallRuleset>> GetFirewallRulesets() override;
    std::unique_ptr<Kavrel::System::FirewallRuleset> GetFirewallRulesetById(const std::string& rulesetId) override;
};

// A kernel module of the host, by name. The loaded state is fetched lazily:
// the first query after construction (or after a change) refreshes it.
class ModuleImpl {
public:
    explicit ModuleImpl(const std::string& name);
    ~ModuleImpl();

    bool IsLoaded();
    void Refresh();
    // options: module parameters; force: load even if the host marks the module disabled.
    void Load(const std::string& options, bool force);
    void Unload();
    const std::string& GetName() const { return name_; }

private:
    std::string name_;
    bool stale_ = true;
    bool loaded_ = false;
};

}  // namespace System
}  // namespace LmxCtl
