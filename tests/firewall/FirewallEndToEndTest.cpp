// The firewall commands through the talixcli binary on a temporary host root:
// JSON output, messages on stderr, exit statuses and persisted changes.
#include "FirewallTestSupport.h"

namespace FirewallTest {
namespace {

using TalixTest::ChangeOnHost;
using TalixTest::JsonOnHost;
using TalixTest::RunOnHost;
using TalixTest::TempHostRoot;

json SmallFirewall() {
    return Firewall(json::array({
        {{"id", "sshServer"},
         {"enabled", true},
         {"allowedAll", false},
         {"allowedIps", {"fd00::/64", "10.0.0.0/8", "10.1.1.1"}},
         {"rules", {Rule(1, 22, 22, 0, 0)}},
         {"clients", 1}},
        {{"id", "ntpClient"}, {"enabled", false}, {"allowedAll", true}, {"rules", {Rule(0, 123, 123, 1, 1)}}},
        {{"id", "dhcp"},
         {"enabled", true},
         {"allowedAll", true},
         {"enableDisableFixed", true},
         {"allowedIpFixed", true}},
    }));
}

TEST(FirewallEndToEnd, RulesetChangesPersist) {
    TempHostRoot root;
    root.WriteSection("firewall", SmallFirewall());
    ChangeOnHost(root, "network firewall ruleset set -r ntpClient -a false -e true");
    ChangeOnHost(root, "network firewall ruleset allowedip add -r ntpClient -i 2001:DB8::9");
    EXPECT_EQ(JsonOnHost(root, "network firewall ruleset allowedip list -r ntpClient"),
              json::array({{{"Ruleset", "ntpClient"}, {"Allowed IP Addresses", {"2001:db8::9"}}}}));
    EXPECT_EQ(JsonOnHost(root, "network firewall ruleset list -r ntpClient")[0]["Enabled"], true);

    auto r = RunOnHost(root, "--formatter=json network firewall ruleset set -r ntpClient -a false");
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

}  // namespace
}  // namespace FirewallTest
