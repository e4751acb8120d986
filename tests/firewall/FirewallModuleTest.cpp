// The firewall module commands against an in-memory host: get, set, load,
// refresh and unload, with their checks and host failures.
#include "FirewallTestSupport.h"

namespace FirewallTest {
namespace {

class FirewallModuleTest : public FirewallHostTest {
protected:
    void UseModule(bool loaded, bool enabled = true, bool pass = false) {
        json firewall = Firewall();
        firewall["moduleLoaded"] = loaded;
        firewall["rulesetsLoaded"] = loaded;
        firewall["enabled"] = enabled;
        firewall["defaultActionPass"] = pass;
        UseFirewall(firewall);
    }
    // The stored module and rulesets flags.
    json Loaded() { return json::array({Stored()["moduleLoaded"], Stored()["rulesetsLoaded"]}); }
};

TEST_F(FirewallModuleTest, GetReportsTheLoadedFirewall) {
    UseModule(true, true, false);
    EXPECT_EQ(Root("network firewall get"), (json{{"Loaded", true}, {"Enabled", true}, {"DefaultAction", "DROP"}}));
    UseModule(true, false, true);
    EXPECT_EQ(Root("network firewall get"), (json{{"Loaded", true}, {"Enabled", false}, {"DefaultAction", "PASS"}}));
}

TEST_F(FirewallModuleTest, GetWithoutModuleShowsDisabledAndPassWithoutAskingTheFirewall) {
    UseModule(false, true, false);
    InjectFault("SystemInfoImpl::IsFirewallEnabled", "must not be asked");
    InjectFault("SystemInfoImpl::GetFirewallDefaultAction", "must not be asked");
    EXPECT_EQ(Root("network firewall get"), (json{{"Loaded", false}, {"Enabled", false}, {"DefaultAction", "PASS"}}));
}

TEST_F(FirewallModuleTest, GetPrefixesHostFailures) {
    for (const char* operation :
         {"ModuleImpl::Refresh", "SystemInfoImpl::IsFirewallEnabled", "SystemInfoImpl::GetFirewallDefaultAction"}) {
        UseModule(true);
        InjectFault(operation, "sysinfo unavailable");
        EXPECT_EQ(OnlyError("network firewall get"), "Unable to get firewall status.\nsysinfo unavailable")
            << operation;
    }
}

TEST_F(FirewallModuleTest, SetChecksParametersBeforeTheModule) {
    UseModule(false);
    ExpectRefused("network firewall set", "Need parameter --enabled or --default-action");
    ExpectRefused("network firewall set --enabled true", "Firewall module is not loaded");
    ExpectRefused("network firewall set -d false", "Firewall module is not loaded");
}

TEST_F(FirewallModuleTest, SetChangesOnlyWhatDiffers) {
    UseModule(true, true, true);
    InjectFault("SystemInfoImpl::SetFirewallEnabled", "must not be called");
    InjectFault("SystemInfoImpl::SetFirewallDefaultAction", "must not be called");
    EXPECT_EQ(Root("network firewall set --enabled true --default-action true"), true);
}

TEST_F(FirewallModuleTest, SetDisablesAndDrops) {
    UseModule(true, true, true);
    auto state = [&] { return json::array({Stored()["enabled"], Stored()["defaultActionPass"]}); };
    EXPECT_EQ(Root("network firewall set --enabled false --default-action false"), true);
    EXPECT_EQ(state(), json::array({false, false}));
    EXPECT_EQ(Root("network firewall set -e true"), true);
    EXPECT_EQ(state(), json::array({true, false}));
}

TEST_F(FirewallModuleTest, SetReportsHostFailures) {
    for (const char* operation : {"ModuleImpl::Refresh", "SystemInfoImpl::IsFirewallEnabled",
                                  "SystemInfoImpl::GetFirewallDefaultAction", "SystemInfoImpl::SetFirewallEnabled"}) {
        UseModule(true, true, true);
        InjectFault(operation, "host kernel busy");
        ExpectRefused("network firewall set -e false -d false", "host kernel busy");
    }
}

TEST_F(FirewallModuleTest, LoadLoadsModuleAndRulesets) {
    UseModule(false);
    EXPECT_EQ(Root("network firewall load"), true);
    EXPECT_EQ(Loaded(), json::array({true, true}));
    // Loading again is no error.
    EXPECT_EQ(Root("network firewall load"), true);
}

TEST_F(FirewallModuleTest, LoadOfADisabledModuleIsRefusedWithoutForce) {
    json firewall = Firewall();
    firewall["moduleLoaded"] = false;
    firewall["rulesetsLoaded"] = false;
    firewall["moduleDisabled"] = true;
    UseFirewall(firewall);
    ExpectRefused("network firewall load", "Module talixfw is disabled");
}

TEST_F(FirewallModuleTest, LoadFailingAfterTheModuleLeavesItLoaded) {
    UseModule(false);
    InjectFault("SystemInfoImpl::LoadFirewallRulesets", "ruleset file corrupt");
    EXPECT_EQ(OnlyError("network firewall load"), "ruleset file corrupt");
    EXPECT_EQ(Loaded(), json::array({true, false}));

    UseModule(false);
    InjectFault("ModuleImpl::Load", "insmod failed");
    EXPECT_EQ(OnlyError("network firewall load"), "insmod failed");
    EXPECT_EQ(Stored()["moduleLoaded"], false);
}

TEST_F(FirewallModuleTest, RefreshLoadsRulesetsWithoutConsultingTheModule) {
    json firewall = Firewall();
    firewall["rulesetsLoaded"] = false;
    UseFirewall(firewall);
    InjectFault("ModuleImpl::Refresh", "must not be asked");
    EXPECT_EQ(Root("network firewall refresh"), true);
    EXPECT_EQ(Stored()["rulesetsLoaded"], true);
}

TEST_F(FirewallModuleTest, RefreshReportsTheHostRefusalWhenTheModuleIsNotLoaded) {
    UseModule(false);
    EXPECT_EQ(OnlyError("network firewall refresh"), "Firewall module talixfw is not loaded");
    UseModule(true);
    InjectFault("SystemInfoImpl::LoadFirewallRulesets", "no rulesets");
    EXPECT_EQ(OnlyError("network firewall refresh"), "no rulesets");
}

TEST_F(FirewallModuleTest, UnloadDestroysFiltersThenUnloads) {
    UseModule(true);
    EXPECT_EQ(Root("network firewall unload"), true);
    EXPECT_EQ(Loaded(), json::array({false, false}));
    EXPECT_EQ(Root("network firewall get"), (json{{"Loaded", false}, {"Enabled", false}, {"DefaultAction", "PASS"}}));
}

TEST_F(FirewallModuleTest, UnloadOfAnUnloadedModuleCallsNothing) {
    UseModule(false);
    InjectFault("SystemInfoImpl::DestroyFirewallFilters", "must not be called");
    InjectFault("ModuleImpl::Unload", "must not be called");
    EXPECT_EQ(Root("network firewall unload"), true);
}

TEST_F(FirewallModuleTest, UnloadFailures) {
    UseModule(true);
    InjectFault("SystemInfoImpl::DestroyFirewallFilters", "filters busy");
    EXPECT_EQ(OnlyError("network firewall unload"), "filters busy");
    EXPECT_EQ(Loaded(), json::array({true, true}));

    // The filters are gone before the module refuses to go.
    UseModule(true);
    InjectFault("ModuleImpl::Unload", "module in use");
    EXPECT_EQ(OnlyError("network firewall unload"), "module in use");
    EXPECT_EQ(Loaded(), json::array({true, false}));
}

}  // namespace
}  // namespace FirewallTest
