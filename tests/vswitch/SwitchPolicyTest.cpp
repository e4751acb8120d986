// Standard switch policies through the framework: host failures of each policy
// (ordering, words, security and shaping are in the vswitch-policies transcript).
#include <string>

#include "VswitchFixture.h"

namespace VswitchTest {
namespace {

// vs0 has pnic0..pnic3 as uplinks with the order pnic0, pnic1 (active), pnic2 (standby); pnic3 is unused.
json OrderedSwitch() {
    return {{"name", "vs0"},
            {"uplinks", {"pnic0", "pnic1", "pnic2", "pnic3"}},
            {"teaming", {{"uplinkOrder", {"pnic0", "pnic1", "pnic2"}}, {"maxActive", 2}}}};
}

class SwitchPolicyTest : public VswitchHostTest {
protected:
    void SetUp() override {
        VswitchHostTest::SetUp();
        UseHost(Host(json::array({OrderedSwitch(), {{"name", "other"}}})));
    }
};

TEST_F(SwitchPolicyTest, WriteFailuresOfThePoliciesBecomeMessages) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"Portset::SetTeamingPolicy", "failover set -v vs0 -l iphash"},
        {"Portset::GetTeamingPolicy", "failover get -v vs0"},
        {"Portset::SetSecurityPolicy", "security set -v vs0 -p true"},
        {"Portset::SetShapingPolicy", "shaping set -v vs0 -e false"},
        {"PortsetImpl::IsValidVirtualSwitch", "shaping get -v vs0"},
    };
    for (const auto& entry : cases) {
        SetUp();
        InjectFault(entry.first, "policy store is read-only");
        ExpectRefused("network vswitch standard policy " + entry.second, "policy store is read-only");
    }
}

}  // namespace
}  // namespace VswitchTest
