// The host the interface command tests run on: netstacks, switches and interfaces named by what a test needs.
#pragma once

#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "support/CliHarness.h"
#include "support/ModelJson.h"

namespace IpifTest {

// An interface on port group pg-a of vs0 with a static IPv4 address.
inline nlohmann::json Nic(const std::string& name, const std::string& netstack = "defaultTcpipStack",
                          std::vector<int> tags = {}) {
    nlohmann::json config = {{"ipv4Address", "10.0.0.5"}, {"ipv4Netmask", "255.255.255.0"}, {"ipv4UseNone", false}};
    return {{"name", name},
            {"netstack", netstack},
            {"portset", "vs0"},
            {"portId", 7},
            {"connectionPoint", {{"type", 1}, {"portgroup", "pg-a"}}},
            {"tags", tags},
            {"ipConfig", config},
            {"configuredIpConfig", config}};
}

// The default instance and the three dedicated ones; switch vs0 with two port
// groups; distributed switch cds0 with a free port 5, a port 6 in use and an uplink port.
inline nlohmann::json Host(const std::vector<nlohmann::json>& nics) {
    nlohmann::json host = nlohmann::json::parse(R"({
        "netstacks": {"instances": [{"key": "defaultTcpipStack", "name": "defaultTcpipStack", "type": 1},
            {"key": "travex", "name": "travex", "type": 3},
            {"key": "faultTolerance", "name": "faultTolerance", "type": 3},
            {"key": "CeldraProvisioning", "name": "CeldraProvisioning", "type": 3}]},
        "vswitches": {"vswitches": [{"name": "vs0", "portgroups": [{"name": "pg-a"}, {"name": "pg-b"}]}]},
        "dvswitches": {"dvswitches": [{"name": "cds0", "id": "uuid-cds0", "dvports": [{"id": "5"},
            {"id": "6", "clients": [{"connectionId": 9, "clientName": "vm1.eth0"}]}, {"id": "0", "uplink": true}]}]}})");
    host["lmxnics"] = {{"lmxnics", nlohmann::json(nics)}};
    return host;
}

class IpifHostTest : public TalixTest::MemoryHostTest {
protected:
    nlohmann::json Nics() { return Section("lmxnics")["lmxnics"]; }
    nlohmann::json FindNic(const std::string& name) {
        for (const auto& nic : Nics()) {
            if (nic["name"] == name) return nic;
        }
        return nullptr;
    }
};

}  // namespace IpifTest
