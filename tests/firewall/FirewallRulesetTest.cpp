// The ruleset commands against an in-memory host: host failures of the
// lookup, the lists, set, allowed-address editing and client counting
// (texts, checks and changes are in the firewall-rulesets transcript).
#include <limits>

#include "FirewallTestSupport.h"

namespace FirewallTest {
namespace {

json Rulesets() {
    return json::array({
        {{"id", "sshServer"},
         {"enabled", true},
         {"allowedAll", false},
         // Stored in the order added; listed by family and kind.
         {"allowedIps", {"fd00:10::/64", "192.168.10.0/24", "fd00::15", "10.20.0.5", "10.20.0.4"}},
         {"rules", {Rule(1, 22, 22, 0, 0)}},
         {"clients", 1}},
        {{"id", "ntpClient"},
         {"enabled", false},
         {"allowedAll", true},
         {"allowedIps", {"10.1.1.1"}},
         {"rules", {Rule(1, 123, 123, 1, 1), Rule(0, 1024, 65535, 0, 1)}}},
        {{"id", "dhcp"},
         {"enabled", true},
         {"allowedAll", true},
         {"enableDisableFixed", true},
         {"allowedIpFixed", true},
         {"clients", 2}},
        {{"id", "hostAgent"}, {"enabled", true}, {"allowedAll", false}, {"enableDisableFixed", true}},
        {{"id", "emptyList"}, {"enabled", false}, {"allowedAll", false}},
    });
}

class FirewallRulesetTest : public FirewallHostTest {
protected:
    void SetUp() override {
        FirewallHostTest::SetUp();
        UseFirewall(Firewall(Rulesets()));
    }
};

// Every list command shares the lookup and its failures.
class RulesetSelectionTest : public FirewallRulesetTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(RulesetSelectionTest, FailedValidityCheckReportsTheIdNotTheHostText) {
    InjectFault("FirewallRuleset::IsValid", "internal lookup error");
    EXPECT_EQ(OnlyError(std::string(GetParam()) + " --ruleset-id dhcp"), "Failed to check loaded status: dhcp");
}

TEST_P(RulesetSelectionTest, FailedLookupReportsTheHostText) {
    InjectFault("SystemInfoImpl::GetFirewallRulesetById", "lookup failed");
    EXPECT_EQ(OnlyError(std::string(GetParam()) + " -r dhcp"), "lookup failed");
    InjectFault("SystemInfoImpl::GetFirewallRulesets", "listing failed");
    EXPECT_EQ(OnlyError(GetParam()), "listing failed");
}

TEST_P(RulesetSelectionTest, FailureWhileFillingLeavesNoList) {
    InjectFault("FirewallRuleset::GetRulesetId", "ruleset vanished");
    EXPECT_EQ(OnlyError(GetParam()), "ruleset vanished");
}

INSTANTIATE_TEST_SUITE_P(ListCommands, RulesetSelectionTest,
                         ::testing::Values("network firewall ruleset list", "network firewall ruleset rule list",
                                           "network firewall ruleset allowedip list"));

// --- Rules ------------------------------------------------------------------

TEST_F(FirewallRulesetTest, RuleQueryFailureIsReported) {
    InjectFault("FirewallRuleset::GetRules", "rule table unreadable");
    EXPECT_EQ(OnlyError("network firewall ruleset rule list -r sshServer"), "rule table unreadable");
}

// --- ruleset set ----------------------------------------------------------------

TEST_F(FirewallRulesetTest, SetToTheCurrentEnabledStateChangesNothing) {
    InjectFault("FirewallRuleset::Enable", "must not be called");
    InjectFault("FirewallRuleset::Disable", "must not be called");
    EXPECT_EQ(Root("network firewall ruleset set -r sshServer -e true"), true);
    EXPECT_EQ(Root("network firewall ruleset set -r emptyList -e false"), true);
}

TEST_F(FirewallRulesetTest, SetReportsHostFailures) {
    for (const char* operation :
         {"FirewallRuleset::IsValid", "FirewallRuleset::IsEnabled", "FirewallRuleset::IsAllowedAll",
          "FirewallRuleset::CheckConfigurable", "FirewallRuleset::SetAllowedAll", "FirewallRuleset::Enable"}) {
        UseFirewall(Firewall(Rulesets()));
        InjectFault(operation, "host says no");
        EXPECT_EQ(OnlyError("network firewall ruleset set -r ntpClient -a false -e true"), "host says no") << operation;
        EXPECT_EQ(StoredRuleset("ntpClient")["enabled"], false) << operation;
    }
}

// --- allowedip add and remove -------------------------------------------------------

class AllowedIpChangeTest : public FirewallRulesetTest, public ::testing::WithParamInterface<const char*> {
protected:
    std::string Command(const std::string& rest) {
        return std::string("network firewall ruleset allowedip ") + GetParam() + " " + rest;
    }
};

TEST_P(AllowedIpChangeTest, HostFailureIsReported) {
    InjectFault(std::string("FirewallRuleset::") + (GetParam() == std::string("add") ? "Add" : "Remove") + "AllowedIp",
                "allowed list locked");
    EXPECT_EQ(OnlyError(Command("-r sshServer -i 10.20.0.5")), "allowed list locked");
}

INSTANTIATE_TEST_SUITE_P(AddAndRemove, AllowedIpChangeTest, ::testing::Values("add", "remove"));

// --- Clients ----------------------------------------------------------------------

TEST_F(FirewallRulesetTest, ClientHostFailuresAreReported) {
    struct Case {
        const char* verb;
        const char* operation;
    } cases[] = {{"get", "FirewallRuleset::GetClientCount"},
                 {"add", "FirewallRuleset::AddClient"},
                 {"remove", "FirewallRuleset::RemoveClient"},
                 {"get", "FirewallRuleset::IsValid"},
                 {"add", "SystemInfoImpl::GetFirewallRulesetById"}};
    for (const auto& c : cases) {
        UseFirewall(Firewall(Rulesets()));
        InjectFault(c.operation, "client table busy");
        EXPECT_EQ(OnlyError(std::string("network firewall ruleset client ") + c.verb + " -r sshServer"),
                  "client table busy")
            << c.operation;
        EXPECT_EQ(StoredRuleset("sshServer")["clients"], 1) << c.operation;
    }
}

// The count stops at its largest value rather than wrap round to the smallest.
TEST_F(FirewallRulesetTest, ClientAddAtTheLargestCountIsRefused) {
    const int64_t largest = std::numeric_limits<int64_t>::max();
    json rulesets = Rulesets();
    rulesets[0]["clients"] = largest;
    UseFirewall(Firewall(rulesets));
    EXPECT_EQ(OnlyError("network firewall ruleset client add -r sshServer"),
              "Ruleset sshServer already has the largest number of clients it can count (9223372036854775807).");
    EXPECT_EQ(StoredRuleset("sshServer")["clients"], largest);
    Change("network firewall ruleset client remove -r sshServer");
    EXPECT_EQ(StoredRuleset("sshServer")["clients"], largest - 1);
}

// A fault's text reaches the user as one printable message: control
// characters are shown escaped, and a fault without text is described.
TEST_F(FirewallRulesetTest, InjectedFaultTextsArePrintable) {
    const struct {
        std::string text;
        std::string shown;
    } cases[] = {
        {"", "Injected failure of FirewallRuleset::AddClient (the fault has no description)."},
        {"busy\x1b[2J\nnow\x7f", "busy\\x1b[2J\\x0anow\\x7f"},
        {"caf\xc3\xa9 busy", "caf\xc3\xa9 busy"},
    };
    for (const auto& c : cases) {
        UseFirewall(Firewall(Rulesets()));
        InjectFault("FirewallRuleset::AddClient", c.text);
        EXPECT_EQ(OnlyError("network firewall ruleset client add -r sshServer"), c.shown) << c.text;
    }
}

}  // namespace
}  // namespace FirewallTest
