// The simulated host's ruleset objects called directly: what only a host
// caller can reach, and state files written by hand.
#include "FirewallTestSupport.h"
#include "kavrel/Lib.h"
#include "lmxctl/System.h"
#include "support/SectionCodec.h"

namespace FirewallTest {
namespace {

using Kavrel::Lib::KavrelException;

class FirewallHostModelTest : public FirewallHostTest {
protected:
    std::unique_ptr<Kavrel::System::FirewallRuleset> Ruleset(const std::string& id) {
        return LmxCtl::System::SystemInfoImpl().GetFirewallRulesetById(id);
    }
};

TEST_F(FirewallHostModelTest, CheckConfigurableKnowsTwoKinds) {
    UseFirewall(Firewall(json::array({{{"id", "open"}}, {{"id", "locked"}, {"enableDisableFixed", true}}})));
    EXPECT_TRUE(Ruleset("open")->CheckConfigurable(0, 0));
    EXPECT_TRUE(Ruleset("open")->CheckConfigurable(1, 0));
    EXPECT_TRUE(Ruleset("locked")->CheckConfigurable(1, 0));
    EXPECT_THROW(Ruleset("locked")->CheckConfigurable(0, 0), KavrelException);
    EXPECT_THROW(Ruleset("open")->CheckConfigurable(2, 0), KavrelException);
}

TEST_F(FirewallHostModelTest, AbsentRulesetIsInvalidAndRefusesEverythingElse) {
    UseFirewall(Firewall());
    auto ruleset = Ruleset("ghost");
    EXPECT_FALSE(ruleset->IsValid());
    EXPECT_EQ(ruleset->GetRulesetId(), "ghost");
    try {
        ruleset->IsEnabled();
        FAIL() << "an absent ruleset answered";
    } catch (const KavrelException& failure) {
        EXPECT_EQ(failure.GetDescription(), "Ruleset ghost does not exist");
    }
    EXPECT_THROW(ruleset->AddClient(), KavrelException);
    EXPECT_THROW(ruleset->AddAllowedIp("10.0.0.1"), KavrelException);
    EXPECT_EQ(Stored(), TalixTest::SpelledOutSection("firewall", Firewall().dump()));
}

TEST_F(FirewallHostModelTest, HandWrittenEntriesAreClassifiedAndMatchedCanonically) {
    UseFirewall(Firewall(json::array({{{"id", "r"},
                                       {"allowedAll", false},
                                       {"allowedIps", {"FD00::1:0/64", "10.1.2.3/8", "2001:DB8::1", "junk"}}}})));
    auto allowed = Ruleset("r")->GetAllowedIps();
    ASSERT_EQ(allowed.ipv4Networks.size(), 1u);
    EXPECT_EQ(allowed.ipv4Networks[0].GetStringAddress(), "10.0.0.0/8");
    ASSERT_EQ(allowed.ipv6Networks.size(), 1u);
    EXPECT_EQ(allowed.ipv6Networks[0].GetStringAddress(), "fd00::/64");
    ASSERT_EQ(allowed.ipv6Addresses.size(), 1u);
    EXPECT_EQ(allowed.ipv6Addresses[0].GetStringAddress(), "2001:db8::1");
    EXPECT_TRUE(allowed.ipv4Addresses.empty());

    Ruleset("r")->RemoveAllowedIp("fd00::/64");
    EXPECT_THROW(Ruleset("r")->AddAllowedIp("2001:db8:0::1"), KavrelException);
    EXPECT_EQ(StoredRuleset("r")["allowedIps"], json::array({"10.1.2.3/8", "2001:DB8::1", "junk"}));
}

}  // namespace
}  // namespace FirewallTest
