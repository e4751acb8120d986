// Fixture for the physical NIC commands: an in-memory host holding the given NICs.
#pragma once

#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "support/CliHarness.h"

namespace NicTest {

using nlohmann::json;
using TalixTest::ChangeOnHost;
using TalixTest::JsonOnHost;
using TalixTest::RunOnHost;
using TalixTest::TempHostRoot;

class NicCommandTest : public TalixTest::MemoryHostTest {
protected:
    // A host whose only state is these NICs.
    void UseNics(const std::vector<json>& pnics) {
        json section = json::object();
        section["pnics"] = json(pnics);
        json sections = json::object();
        sections["pnics"] = section;
        UseHost(sections);
    }

    // The stored model of one NIC, after changes.
    json StoredNic(const std::string& name) {
        const json section = Section("pnics");
        if (!section.contains("pnics")) return nullptr;
        for (const auto& pnic : section["pnics"]) {
            if (pnic["name"] == name) return pnic;
        }
        return nullptr;
    }
};

}  // namespace NicTest
