// The ruleset commands against an in-memory host: selection and lookup
// messages, rule and allowed-address texts, set checks, allowed-address
// editing and client counting, with host failures.
#include "FirewallTestSupport.h"

namespace FirewallTest {
namespace {

using TalixTest::Errors;
using TalixTest::RootJson;

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

// --- Selection of the three list commands -------------------------------------

TEST_F(FirewallRulesetTest, ListShowsEveryRulesetInHostOrder) {
    json expected = json::array();
    for (const auto& ruleset : Rulesets()) {
        expected.push_back({{"Name", ruleset["id"]},
                            {"Enabled", ruleset["enabled"]},
                            {"Enable/Disable configurable", !ruleset.value("enableDisableFixed", false)},
                            {"Allowed IP configurable", !ruleset.value("allowedIpFixed", false)}});
    }
    EXPECT_EQ(Root("network firewall ruleset list"), expected);
    EXPECT_EQ(Root("network firewall ruleset list -r dhcp"), json::array({{{"Name", "dhcp"},
                                                                           {"Enabled", true},
                                                                           {"Enable/Disable configurable", false},
                                                                           {"Allowed IP configurable", false}}}));
}

TEST_F(FirewallRulesetTest, EmptyHostListsNothing) {
    UseFirewall(Firewall());
    for (const char* command : {"network firewall ruleset list", "network firewall ruleset rule list",
                                "network firewall ruleset allowedip list"}) {
        EXPECT_EQ(Root(command), json::array()) << command;
    }
}

// Every list command shares the lookup and its messages.
class RulesetSelectionTest : public FirewallRulesetTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(RulesetSelectionTest, UnknownIdIsNotFound) {
    EXPECT_EQ(OnlyError(std::string(GetParam()) + " -r sshserver"), "Ruleset Not Found: sshserver");
}

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

TEST_F(FirewallRulesetTest, RuleTextsFollowTheCodes) {
    struct Case {
        json rule;
        const char* portType;
        const char* direction;
        const char* protocol;
    } cases[] = {
        {Rule(1, 22, 22, 0, 0), "Dst", "Inbound", "TCP"},
        {Rule(0, 1024, 2048, 1, 1), "Src", "Outbound", "UDP"},
        {Rule(2, 7, 9, 5, 17), "Src", "Outbound", "UDP"},
    };
    for (const auto& c : cases) {
        UseFirewall(Firewall(json::array({{{"id", "r"}, {"rules", {c.rule}}}})));
        EXPECT_EQ(Root("network firewall ruleset rule list"), json::array({{{"Ruleset", "r"},
                                                                            {"Port Type", c.portType},
                                                                            {"Port Begin", c.rule["portBegin"]},
                                                                            {"Port End", c.rule["portEnd"]},
                                                                            {"Direction", c.direction},
                                                                            {"Protocol", c.protocol}}}))
            << c.rule.dump();
    }
}

TEST_F(FirewallRulesetTest, RulesFollowRulesetOrderAndSkipRulesetsWithoutRules) {
    json rules = Root("network firewall ruleset rule list");
    std::vector<std::string> owners;
    for (const auto& rule : rules) owners.push_back(rule["Ruleset"]);
    EXPECT_EQ(owners, (std::vector<std::string>{"sshServer", "ntpClient", "ntpClient"}));
    EXPECT_EQ(rules[2]["Port Begin"], 1024);
    EXPECT_EQ(rules[2]["Port End"], 65535);
    EXPECT_EQ(Root("network firewall ruleset rule list -r dhcp"), json::array());
}

TEST_F(FirewallRulesetTest, RuleQueryFailureIsReported) {
    InjectFault("FirewallRuleset::GetRules", "rule table unreadable");
    EXPECT_EQ(OnlyError("network firewall ruleset rule list -r sshServer"), "rule table unreadable");
}

// --- Allowed addresses --------------------------------------------------------

TEST_F(FirewallRulesetTest, AllowedIpsListedByFamilyAndKind) {
    EXPECT_EQ(Root("network firewall ruleset allowedip list -r sshServer"),
              json::array({{{"Ruleset", "sshServer"},
                            {"Allowed IP Addresses",
                             {"10.20.0.5", "10.20.0.4", "fd00::15", "192.168.10.0/24", "fd00:10::/64"}}}}));
}

TEST_F(FirewallRulesetTest, AllowedAllShowsOnlyAll) {
    // ntpClient still keeps an address list, which "All" hides.
    EXPECT_EQ(Root("network firewall ruleset allowedip list -r ntpClient"),
              json::array({{{"Ruleset", "ntpClient"}, {"Allowed IP Addresses", {"All"}}}}));
    EXPECT_EQ(Root("network firewall ruleset allowedip list -r emptyList"),
              json::array({{{"Ruleset", "emptyList"}, {"Allowed IP Addresses", json::array()}}}));
    EXPECT_EQ(Root("network firewall ruleset allowedip list").size(), Rulesets().size());
}

// --- ruleset set ----------------------------------------------------------------

TEST_F(FirewallRulesetTest, SetNeedsAParameterBeforeLookingUp) {
    EXPECT_EQ(OnlyError("network firewall ruleset set -r nosuch"), "Need parameter --enabled or --allowed-all");
    EXPECT_EQ(OnlyError("network firewall ruleset set -r nosuch -e true"), "Invalid Ruleset Id.");
}

TEST_F(FirewallRulesetTest, SetRefusesTheCurrentAllowedAllAndSkipsEnabled) {
    ExpectRefused("network firewall ruleset set -r ntpClient --allowed-all true --enabled true",
                  "Already allowed all ip");
    ExpectRefused("network firewall ruleset set -r sshServer -a false -e false", "Already use allowed ip list");
}

TEST_F(FirewallRulesetTest, SetChangesAllowedAllThenEnabled) {
    EXPECT_EQ(Root("network firewall ruleset set -r ntpClient -a false -e true"), true);
    EXPECT_EQ(StoredRuleset("ntpClient")["allowedAll"], false);
    EXPECT_EQ(StoredRuleset("ntpClient")["enabled"], true);
    EXPECT_EQ(Root("network firewall ruleset set -r ntpClient -e false"), true);
    EXPECT_EQ(StoredRuleset("ntpClient")["enabled"], false);
}

TEST_F(FirewallRulesetTest, SetToTheCurrentEnabledStateChangesNothing) {
    InjectFault("FirewallRuleset::Enable", "must not be called");
    InjectFault("FirewallRuleset::Disable", "must not be called");
    EXPECT_EQ(Root("network firewall ruleset set -r sshServer -e true"), true);
    EXPECT_EQ(Root("network firewall ruleset set -r emptyList -e false"), true);
}

TEST_F(FirewallRulesetTest, SetOfAFixedSettingIsRefusedByTheHost) {
    json before = Stored();
    EXPECT_EQ(OnlyError("network firewall ruleset set -r dhcp -a false"),
              "The allowed ip list of ruleset dhcp cannot be changed");
    // The check comes before the comparison: a fixed setting is refused even unchanged.
    EXPECT_EQ(OnlyError("network firewall ruleset set -r dhcp -e true"),
              "The enabled state of ruleset dhcp cannot be changed");
    EXPECT_EQ(OnlyError("network firewall ruleset set -r hostAgent -e false"),
              "The enabled state of ruleset hostAgent cannot be changed");
    EXPECT_EQ(Stored(), before);
    // Only its enabled state is fixed: the address setting still changes.
    EXPECT_EQ(Root("network firewall ruleset set -r hostAgent -a true"), true);
    EXPECT_EQ(StoredRuleset("hostAgent")["allowedAll"], true);
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

TEST_P(AllowedIpChangeTest, ChecksInOrder) {
    ExpectRefused(Command("-r nosuch -i 10.0.0.1"), "Invalid Ruleset Id.");
    ExpectRefused(Command("-r ntpClient -i \"\""), "Couldn't update allowed ip list when allowed-all flag is true.");
    ExpectRefused(Command("-r ntpClient -i 10.1.1.1"),
                  "Couldn't update allowed ip list when allowed-all flag is true.");
}

TEST_P(AllowedIpChangeTest, EmptyAddressIsReportedButSucceeds) {
    json before = Stored();
    auto result = cli.Invoke(Command("-r sshServer -i \"\""));
    EXPECT_EQ(Errors(result), std::vector<std::string>{"Invalid allowedip parameter."});
    EXPECT_EQ(RootJson(result), true);
    EXPECT_EQ(Stored(), before);
}

TEST_P(AllowedIpChangeTest, HostFailureIsReported) {
    InjectFault(std::string("FirewallRuleset::") + (GetParam() == std::string("add") ? "Add" : "Remove") + "AllowedIp",
                "allowed list locked");
    EXPECT_EQ(OnlyError(Command("-r sshServer -i 10.20.0.5")), "allowed list locked");
}

INSTANTIATE_TEST_SUITE_P(AddAndRemove, AllowedIpChangeTest, ::testing::Values("add", "remove"));

TEST_F(FirewallRulesetTest, AddAcceptsAddressesAndNetworksOfBothFamilies) {
    struct Case {
        const char* given;
        const char* stored;
    } cases[] = {
        {"10.9.8.7", "10.9.8.7"},
        {"10.9.0.0/16", "10.9.0.0/16"},
        {"172.16.33.4/20", "172.16.32.0/20"},
        {"2001:DB8:0:0::1", "2001:db8::1"},
        {"2001:db8:1::/48", "2001:db8:1::/48"},
        {"2001:db8:1:2::7/64", "2001:db8:1:2::/64"},
        {"0.0.0.0/0", "0.0.0.0/0"},
    };
    for (const auto& c : cases) {
        UseFirewall(Firewall(Rulesets()));
        EXPECT_EQ(Root(std::string("network firewall ruleset allowedip add -r emptyList -i ") + c.given), true)
            << c.given;
        EXPECT_EQ(StoredRuleset("emptyList")["allowedIps"], json::array({c.stored})) << c.given;
    }
}

TEST_F(FirewallRulesetTest, AddRefusesWhatIsNoAddressOrNetwork) {
    for (const char* text : {"10.0.0", "10.0.0.256", "10.0.0.1/33", "10.0.0.0/", "/24", "fd00::/129", "fd00:::1",
                             "host.example", " 10.0.0.1", "10.0.0.1-10.0.0.9", "10.0.0.1/8x"}) {
        ExpectRefused(std::string("network firewall ruleset allowedip add -r emptyList -i \"") + text + "\"",
                      std::string("Invalid ip address or range: '") + text + "'");
    }
}

TEST_F(FirewallRulesetTest, AddRefusesADuplicateInAnySpelling) {
    EXPECT_EQ(OnlyError("network firewall ruleset allowedip add -r sshServer -i 192.168.10.77/24"),
              "Ip address 192.168.10.0/24 is already allowed in ruleset sshServer");
    EXPECT_EQ(OnlyError("network firewall ruleset allowedip add -r sshServer -i FD00:0::15"),
              "Ip address fd00::15 is already allowed in ruleset sshServer");
}

TEST_F(FirewallRulesetTest, AddOnAFixedListIsRefused) {
    UseFirewall(Firewall(json::array({{{"id", "locked"}, {"allowedAll", false}, {"allowedIpFixed", true}}})));
    EXPECT_EQ(OnlyError("network firewall ruleset allowedip add -r locked -i 10.0.0.1"),
              "The allowed ip list of ruleset locked cannot be changed");
}

TEST_F(FirewallRulesetTest, RemoveTakesTheEntryAwayInAnySpelling) {
    EXPECT_EQ(Root("network firewall ruleset allowedip remove -r sshServer -i fd00:10:0::/64"), true);
    EXPECT_EQ(Root("network firewall ruleset allowedip remove -r sshServer -i 10.20.0.5"), true);
    EXPECT_EQ(StoredRuleset("sshServer")["allowedIps"], json::array({"192.168.10.0/24", "fd00::15", "10.20.0.4"}));
    EXPECT_EQ(OnlyError("network firewall ruleset allowedip remove -r sshServer -i 10.20.0.5"),
              "Ip address 10.20.0.5 is not in the allowed list of ruleset sshServer");
    EXPECT_EQ(OnlyError("network firewall ruleset allowedip remove -r sshServer -i 10.20.0.5/40"),
              "Invalid ip address or range: '10.20.0.5/40'");
}

// --- Clients ----------------------------------------------------------------------

TEST_F(FirewallRulesetTest, ClientCountingEnablesAndDisables) {
    EXPECT_EQ(Root("network firewall ruleset client get -r emptyList"), (json{{"Ruleset Client Count", 0}}));
    EXPECT_EQ(Root("network firewall ruleset client add -r emptyList"), true);
    EXPECT_EQ(StoredRuleset("emptyList")["enabled"], true);
    EXPECT_EQ(Root("network firewall ruleset client add -r emptyList"), true);
    EXPECT_EQ(Root("network firewall ruleset client get -r emptyList"), (json{{"Ruleset Client Count", 2}}));
    EXPECT_EQ(Root("network firewall ruleset client remove -r emptyList"), true);
    EXPECT_EQ(StoredRuleset("emptyList")["enabled"], true);
    EXPECT_EQ(Root("network firewall ruleset client remove -r emptyList"), true);
    EXPECT_EQ(StoredRuleset("emptyList")["enabled"], false);
    EXPECT_EQ(StoredRuleset("emptyList")["clients"], 0);
    EXPECT_EQ(OnlyError("network firewall ruleset client remove -r emptyList"),
              "Ruleset emptyList has no clients to remove");
    EXPECT_EQ(StoredRuleset("emptyList")["clients"], 0);
}

TEST_F(FirewallRulesetTest, ClientsOfAFixedRulesetLeaveItsEnabledState) {
    EXPECT_EQ(Root("network firewall ruleset client remove -r dhcp"), true);
    EXPECT_EQ(Root("network firewall ruleset client remove -r dhcp"), true);
    EXPECT_EQ(StoredRuleset("dhcp")["clients"], 0);
    EXPECT_EQ(StoredRuleset("dhcp")["enabled"], true);
}

TEST_F(FirewallRulesetTest, ClientCommandsRefuseAnUnknownRuleset) {
    for (const char* verb : {"get", "add", "remove"}) {
        ExpectRefused(std::string("network firewall ruleset client ") + verb + " -r DHCP", "Invalid Ruleset Id.");
    }
}

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

}  // namespace
}  // namespace FirewallTest
