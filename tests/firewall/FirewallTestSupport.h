// Fixture pieces shared by the firewall tests: compact host sections.
#pragma once

#include <string>

#include <nlohmann/json.hpp>

#include "support/CliHarness.h"

namespace FirewallTest {

using nlohmann::json;

inline json Rule(int portType, int begin, int end, int direction, int protocol) {
    return {{"portType", portType}, {"portBegin", begin}, {"portEnd", end}, {"direction", direction},
            {"protocol", protocol}};
}

// A firewall section: module loaded, enabled, DROP, with the given rulesets.
inline json Firewall(const json& rulesets = json::array()) {
    return {{"moduleLoaded", true}, {"enabled", true}, {"defaultActionPass", false}, {"rulesets", rulesets}};
}

class FirewallHostTest : public TalixTest::MemoryHostTest {
protected:
    void UseFirewall(const json& firewall) { UseHost({{"firewall", firewall}}); }
    json Stored() { return Section("firewall"); }
    json StoredRuleset(const std::string& id) {
        json firewall = Stored();
        for (const auto& ruleset : firewall["rulesets"]) {
            if (ruleset["id"] == id) return ruleset;
        }
        return nullptr;
    }
    // Runs a command expected to fail with exactly one message and no root.
    std::string FailureOf(const std::string& commandLine) {
        auto result = cli.Invoke(commandLine);
        EXPECT_EQ(TalixTest::RootJson(result), nullptr) << commandLine;
        auto errors = TalixTest::Errors(result);
        EXPECT_EQ(errors.size(), 1u) << commandLine;
        return errors.empty() ? "" : errors.front();
    }
    // Runs a command expected to succeed without messages; returns its root.
    json SuccessOf(const std::string& commandLine) {
        auto result = cli.Invoke(commandLine);
        EXPECT_EQ(TalixTest::Errors(result), std::vector<std::string>{}) << commandLine;
        return TalixTest::RootJson(result);
    }
};

}  // namespace FirewallTest
