// Fixtures of the virtual switch tests: a small host with physical NICs and
// switches described only by what a test needs.
#pragma once

#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "support/CliHarness.h"

namespace VswitchTest {

using nlohmann::json;

// A host with pnic0..pnic4 (tests/hosts/five-pnics, the transcripts' host of
// the same name) and the given standard and distributed switches.
inline json Host(const json& vswitches, const json& dvswitches = json::array()) {
    json sections = TalixTest::ReadHostFolder("five-pnics").sections;
    sections["vswitches"] = {{"vswitches", vswitches}};
    sections["dvswitches"] = {{"dvswitches", dvswitches}};
    return sections;
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
