// Host fixtures for the IP stack tests: netstacks and interfaces named by what a test needs.
#pragma once

#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "support/CliHarness.h"
#include "support/ModelJson.h"

namespace IpStackTest {

// An interface with a static IPv4 address (empty: no IPv4) on a netstack.
nlohmann::json Nic(const std::string& name, const std::string& netstack, const std::string& ipv4,
                   const std::string& netmask = "255.255.255.0", bool system = false);
// The netstacks section: the default instance plus the given keys (enabled).
nlohmann::json Netstacks(const std::vector<std::string>& extraKeys = {}, bool ipv6Enabled = true);

// The in-memory host and its plain files.
class IpStackHostTest : public TalixTest::MemoryHostTest {
protected:
    // A plain file of the in-memory host ("" when absent).
    std::string File(const std::string& path);
};

}  // namespace IpStackTest
