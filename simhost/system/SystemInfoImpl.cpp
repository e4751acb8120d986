// The firewall's global state and the kernel module that carries it.
#include "lmxctl/System.h"

#include "core/Faults.h"
#include "core/HostStore.h"
#include "kavrel/Lib.h"
#include "model/FirewallModel.h"

namespace LmxCtl {
namespace System {

using Kavrel::Lib::KavrelException;
using SimHost::CheckFault;
using SimHost::FirewallModel;
using SimHost::HostStore;

namespace {

const FirewallModel& Firewall() { return HostStore::Instance().Read<FirewallModel>(); }

// The firewall only answers while its module is loaded.
void RequireModule(const FirewallModel& firewall) {
    if (!firewall.moduleLoaded) {
        throw KavrelException("Firewall module " + firewall.moduleName + " is not loaded");
    }
}

}  // namespace

SystemInfoImpl::SystemInfoImpl() = default;
SystemInfoImpl::~SystemInfoImpl() = default;

bool SystemInfoImpl::IsFirewallEnabled() {
    CheckFault("SystemInfoImpl::IsFirewallEnabled");
    RequireModule(Firewall());
    return Firewall().enabled;
}

bool SystemInfoImpl::GetFirewallDefaultAction() {
    CheckFault("SystemInfoImpl::GetFirewallDefaultAction");
    RequireModule(Firewall());
    return Firewall().defaultActionPass;
}

void SystemInfoImpl::SetFirewallEnabled(bool enabled) {
    CheckFault("SystemInfoImpl::SetFirewallEnabled");
    HostStore::Instance().Update<FirewallModel>([&](FirewallModel& firewall) {
        RequireModule(firewall);
        firewall.enabled = enabled;
    });
}

void SystemInfoImpl::SetFirewallDefaultAction(bool pass) {
    CheckFault("SystemInfoImpl::SetFirewallDefaultAction");
    HostStore::Instance().Update<FirewallModel>([&](FirewallModel& firewall) {
        RequireModule(firewall);
        firewall.defaultActionPass = pass;
    });
}

void SystemInfoImpl::LoadFirewallRulesets() {
    CheckFault("SystemInfoImpl::LoadFirewallRulesets");
    HostStore::Instance().Update<FirewallModel>([](FirewallModel& firewall) {
        RequireModule(firewall);
        firewall.rulesetsLoaded = true;
    });
}

void SystemInfoImpl::DestroyFirewallFilters() {
    CheckFault("SystemInfoImpl::DestroyFirewallFilters");
    HostStore::Instance().Update<FirewallModel>([](FirewallModel& firewall) {
        RequireModule(firewall);
        firewall.rulesetsLoaded = false;
    });
}

std::vector<std::unique_ptr<Kavrel::System::FirewallRuleset>> SystemInfoImpl::GetFirewallRulesets() {
    CheckFault("SystemInfoImpl::GetFirewallRulesets");
    std::vector<std::unique_ptr<Kavrel::System::FirewallRuleset>> rulesets;
    for (const auto& ruleset : Firewall().rulesets) {
        rulesets.push_back(std::make_unique<Kavrel::System::FirewallRuleset>(ruleset.id));
    }
    return rulesets;
}

std::unique_ptr<Kavrel::System::FirewallRuleset> SystemInfoImpl::GetFirewallRulesetById(const std::string& rulesetId) {
    CheckFault("SystemInfoImpl::GetFirewallRulesetById");
    return std::make_unique<Kavrel::System::FirewallRuleset>(rulesetId);
}

ModuleImpl::ModuleImpl(const std::string& name) : name_(name) {}
ModuleImpl::~ModuleImpl() = default;

bool ModuleImpl::IsLoaded() {
    if (stale_) {
        Refresh();
        stale_ = false;
    }
    return loaded_;
}

void ModuleImpl::Refresh() {
    CheckFault("ModuleImpl::Refresh");
    const auto& firewall = Firewall();
    loaded_ = name_ == firewall.moduleName && firewall.moduleLoaded;
}

void ModuleImpl::Load(const std::string&, bool force) {
    CheckFault("ModuleImpl::Load");
    HostStore::Instance().Update<FirewallModel>([&](FirewallModel& firewall) {
        if (name_ != firewall.moduleName) throw KavrelException("Unknown module " + name_);
        if (firewall.moduleLoaded) return;
        if (firewall.moduleDisabled && !force) throw KavrelException("Module " + name_ + " is disabled");
        firewall.moduleLoaded = true;
    });
    stale_ = true;
}

void ModuleImpl::Unload() {
    CheckFault("ModuleImpl::Unload");
    HostStore::Instance().Update<FirewallModel>([&](FirewallModel& firewall) {
        if (name_ != firewall.moduleName || !firewall.moduleLoaded) {
            throw KavrelException("Module " + name_ + " is not loaded");
        }
        // Installed filters hold the module.
        if (firewall.rulesetsLoaded) throw KavrelException("Module " + name_ + " is in use by the firewall filters");
        firewall.moduleLoaded = false;
    });
    stale_ = true;
}

}  // namespace System
}  // namespace LmxCtl

namespace Kavrel {
namespace System {
SystemInfo::~SystemInfo() = default;
}  // namespace System
}  // namespace Kavrel
