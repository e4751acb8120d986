// Fixture pieces shared by the firewall tests: compact host sections.
#pragma once

#include <string>

#include <nlohmann/json.hpp>

#include "support/CliHarness.h"

namespace FirewallTest {

using nlohmann::json;

inline json Rule(int portType, int begin, int end, int direction, int protocol) {
    return {{"portType", portType},
            {"portBegin", begin},
            {"portEnd", end},
            {"direction", direction},
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
};

}  // namespace FirewallTest
