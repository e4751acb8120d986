// The firewall commands through the talixcli binary on a temporary host root:
// JSON output, messages on stderr, exit statuses and persisted changes.
#include "FirewallTestSupport.h"

namespace FirewallTest {
namespace {

using TalixTest::RunOnHost;
using TalixTest::TempHostRoot;

json SmallFirewall() {
    return Firewall(json::array({
        {{"id", "sshServer"}, {"enabled", true}, {"allowedAll", false},
         {"allowedIps", {"fd00::/64", "10.0.0.0/8", "10.1.1.1"}}, {"rules", {Rule(1, 22, 22, 0, 0)}},
         {"clients", 1}},
        {{"id", "ntpClient"}, {"enabled", false}, {"allowedAll", true}, {"rules", {Rule(0, 123, 123, 1, 1)}}},
        {{"id", "dhcp"}, {"enabled", true}, {"allowedAll", true}, {"enableDisableFixed", true},
         {"allowedIpFixed", true}},
    }));
}

TEST(FirewallEndToEnd, DemoHostHasRulesetsOfEveryKind) {
    TempHostRoot root;
    auto r = RunOnHost(root, "--formatter=json network firewall ruleset list");
    ASSERT_EQ(r.status, 0) << r.err;
    json rulesets = json::parse(r.out);
    bool fixedEnabled = false, fixedAllowedIp = false, changeable = false;
    for (const auto& ruleset : rulesets) {
        fixedEnabled |= !ruleset["Enable/Disable configurable"].get<bool>();
        fixedAllowedIp |= !ruleset["Allowed IP configurable"].get<bool>();
        changeable |= ruleset["Enable/Disable configurable"].get<bool>() && ruleset["Allowed IP configurable"].get<bool>();
    }
    EXPECT_TRUE(fixedEnabled && fixedAllowedIp && changeable);

    r = RunOnHost(root, "--formatter=json network firewall ruleset allowedip list");
    ASSERT_EQ(r.status, 0) << r.err;
    bool all = false, bothFamilies = false;
    for (const auto& entry : json::parse(r.out)) {
        std::string joined;
        for (const auto& text : entry["Allowed IP Addresses"]) joined += text.get<std::string>() + " ";
        all |= joined == "All ";
        bothFamilies |= joined.find(':') != std::string::npos && joined.find('.') != std::string::npos &&
                        joined.find('/') != std::string::npos;
    }
    EXPECT_TRUE(all && bothFamilies);

    r = RunOnHost(root, "--formatter=json network firewall ruleset rule list -r dynamicRules");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(json::parse(r.out), json::array());
}

TEST(FirewallEndToEnd, ListsAndLookupFailures) {
    TempHostRoot root;
    root.WriteSection("firewall", SmallFirewall());
    auto r = RunOnHost(root, "--formatter=json network firewall ruleset allowedip list");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(json::parse(r.out), json::array({{{"Ruleset", "sshServer"},
                                                {"Allowed IP Addresses", {"10.1.1.1", "10.0.0.0/8", "fd00::/64"}}},
                                               {{"Ruleset", "ntpClient"}, {"Allowed IP Addresses", {"All"}}},
                                               {{"Ruleset", "dhcp"}, {"Allowed IP Addresses", {"All"}}}}));

    r = RunOnHost(root, "--formatter=json network firewall ruleset rule list -r ntpClient");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(json::parse(r.out), json::array({{{"Ruleset", "ntpClient"},
                                                {"Port Type", "Src"},
                                                {"Port Begin", 123},
                                                {"Port End", 123},
                                                {"Direction", "Outbound"},
                                                {"Protocol", "UDP"}}}));

    r = RunOnHost(root, "--formatter=json network firewall ruleset list -r webAccess");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "Ruleset Not Found: webAccess\n");

    root.WriteSection("faults", {{"FirewallRuleset::IsValid", "sysinfo down"}});
    r = RunOnHost(root, "--formatter=json network firewall ruleset rule list -r dhcp");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "Failed to check loaded status: dhcp\n");
}

TEST(FirewallEndToEnd, RulesetChangesPersist) {
    TempHostRoot root;
    root.WriteSection("firewall", SmallFirewall());
    auto r = RunOnHost(root, "--formatter=json network firewall ruleset set -r ntpClient -a false -e true");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(json::parse(r.out), true);
    r = RunOnHost(root, "--formatter=json network firewall ruleset allowedip add -r ntpClient -i 2001:DB8::9");
    ASSERT_EQ(r.status, 0) << r.err;
    r = RunOnHost(root, "--formatter=json network firewall ruleset allowedip list -r ntpClient");
    EXPECT_EQ(json::parse(r.out),
              json::array({{{"Ruleset", "ntpClient"}, {"Allowed IP Addresses", {"2001:db8::9"}}}}));
    r = RunOnHost(root, "--formatter=json network firewall ruleset list -r ntpClient");
    EXPECT_EQ(json::parse(r.out)[0]["Enabled"], true);

    r = RunOnHost(root, "--formatter=json network firewall ruleset set -r ntpClient -a false");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "Already use allowed ip list\n");
    r = RunOnHost(root, "--formatter=json network firewall ruleset set -r dhcp -e false");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "The enabled state of ruleset dhcp cannot be changed\n");
    r = RunOnHost(root, "--formatter=json network firewall ruleset allowedip add -r dhcp -i 10.0.0.1");
    EXPECT_EQ(r.err, "Couldn't update allowed ip list when allowed-all flag is true.\n");
    r = RunOnHost(root, "--formatter=json network firewall ruleset allowedip remove -r sshServer -i 10.9.9.9");
    EXPECT_EQ(r.err, "Ip address 10.9.9.9 is not in the allowed list of ruleset sshServer\n");

    // An empty address is a message beside a true result, and changes nothing.
    r = RunOnHost(root, "--formatter=json network firewall ruleset allowedip add -r sshServer -i \"\"");
    EXPECT_EQ(json::parse(r.out), true);
    EXPECT_EQ(r.err, "Invalid allowedip parameter.\n");
    EXPECT_EQ(root.ReadSection("firewall")["rulesets"][0]["allowedIps"].size(), 3u);
}

TEST(FirewallEndToEnd, ClientCounting) {
    TempHostRoot root;
    root.WriteSection("firewall", SmallFirewall());
    auto count = [&] {
        auto r = RunOnHost(root, "--formatter=json network firewall ruleset client get -r sshServer");
        EXPECT_EQ(r.status, 0) << r.err;
        return json::parse(r.out)["Ruleset Client Count"].get<int>();
    };
    EXPECT_EQ(count(), 1);
    EXPECT_EQ(RunOnHost(root, "--formatter=json network firewall ruleset client add -r sshServer").status, 0);
    EXPECT_EQ(count(), 2);
    EXPECT_EQ(RunOnHost(root, "--formatter=json network firewall ruleset client remove -r sshServer").status, 0);
    EXPECT_EQ(RunOnHost(root, "--formatter=json network firewall ruleset client remove -r sshServer").status, 0);
    EXPECT_EQ(count(), 0);
    EXPECT_EQ(root.ReadSection("firewall")["rulesets"][0]["enabled"], false);
    auto r = RunOnHost(root, "--formatter=json network firewall ruleset client remove -r sshServer");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "Ruleset sshServer has no clients to remove\n");
    r = RunOnHost(root, "--formatter=json network firewall ruleset client get -r nosuch");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "Invalid Ruleset Id.\n");
}

TEST(FirewallEndToEnd, ModuleLifecycle) {
    TempHostRoot root;
    root.WriteSection("firewall", SmallFirewall());
    auto get = [&] {
        auto r = RunOnHost(root, "--formatter=json network firewall get");
        EXPECT_EQ(r.status, 0) << r.err;
        return json::parse(r.out);
    };
    EXPECT_EQ(get(), (json{{"Loaded", true}, {"Enabled", true}, {"DefaultAction", "DROP"}}));
    auto r = RunOnHost(root, "--formatter=json network firewall set --default-action true");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(get()["DefaultAction"], "PASS");

    r = RunOnHost(root, "--formatter=json network firewall unload");
    EXPECT_EQ(json::parse(r.out), true);
    EXPECT_EQ(get(), (json{{"Loaded", false}, {"Enabled", false}, {"DefaultAction", "PASS"}}));
    r = RunOnHost(root, "--formatter=json network firewall set -e true");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "Firewall module is not loaded\n");
    r = RunOnHost(root, "--formatter=json network firewall refresh");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "Firewall module talixfw is not loaded\n");

    r = RunOnHost(root, "--formatter=json network firewall load");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(get(), (json{{"Loaded", true}, {"Enabled", true}, {"DefaultAction", "PASS"}}));
    EXPECT_EQ(RunOnHost(root, "--formatter=json network firewall refresh").status, 0);
}

TEST(FirewallEndToEnd, InjectedFailures) {
    TempHostRoot root;
    root.WriteSection("firewall", SmallFirewall());
    root.WriteSection("faults", {{"ModuleImpl::Refresh", "module table unreadable"},
                                 {"SystemInfoImpl::LoadFirewallRulesets", "ruleset files missing"},
                                 {"FirewallRuleset::SetAllowedAll", "ruleset busy"}});
    auto r = RunOnHost(root, "--formatter=json network firewall get");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "Unable to get firewall status.\nmodule table unreadable\n");
    r = RunOnHost(root, "--formatter=json network firewall refresh");
    EXPECT_EQ(r.err, "ruleset files missing\n");
    r = RunOnHost(root, "--formatter=json network firewall ruleset set -r ntpClient -a false -e true");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "ruleset busy\n");
    EXPECT_EQ(root.ReadSection("firewall"), SmallFirewall());
}

}  // namespace
}  // namespace FirewallTest
