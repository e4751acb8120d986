// Fixtures of the virtual switch tests: a small host with physical NICs and
// switches described only by what a test needs.
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "support/CliHarness.h"

namespace VswitchTest {

using nlohmann::json;

// The "pnics" section holding NICs of these names.
inline json Pnics(std::initializer_list<const char*> names) {
    json pnics = json::array();
    for (const char* name : names) pnics.push_back({{"name", name}, {"driver", "ixgb"}});
    return {{"pnics", pnics}};
}

// A host with pnic0..pnic4 and the given standard and distributed switches.
inline json Host(const json& vswitches, const json& dvswitches = json::array()) {
    return {{"pnics", Pnics({"pnic0", "pnic1", "pnic2", "pnic3", "pnic4"})},
            {"vswitches", {{"vswitches", vswitches}}},
            {"dvswitches", {{"dvswitches", dvswitches}}}};
}

class VswitchHostTest : public TalixTest::MemoryHostTest {
protected:
    // The stored switch of that name, or null.
    json StoredSwitch(const std::string& name) {
        json stored = Section("vswitches");
        for (const auto& vswitch : stored["vswitches"]) {
            if (vswitch["name"] == name) return vswitch;
        }
        return nullptr;
    }
};

}  // namespace VswitchTest
