// Hosts for the VM, port and datapath tests: builders of the sections they name.
#pragma once

#include <string>

#include <nlohmann/json.hpp>

#include "support/CliHarness.h"

namespace DatapathTest {

using json = nlohmann::json;

// A VM port on a standard switch.
inline json VmPort(uint32_t portId, int64_t world, const std::string& portgroup, const json& datapath = json::object(),
                   const json& macs = json::array({"00:50:7a:00:00:01"})) {
    return {{"portId", portId},    {"clientName", "vm" + std::to_string(world)},
            {"clientType", "vm"},  {"portgroup", portgroup},
            {"worldId", world},    {"macAddresses", macs},
            {"datapath", datapath}};
}

inline json StandardSwitch(const std::string& name, const json& ports, const json& uplinks = json::array()) {
    return {{"name", name}, {"uplinks", uplinks}, {"ports", ports}};
}

// A flag that is not set is left out, as a host that never set it stores the
// filter: its default then applies.
inline json Filter(const std::string& name, const std::string& sortKey, bool active, bool reverse,
                   bool extended = false) {
    json filter = {{"name", name}, {"sortKey", sortKey}, {"active", active}, {"in", 10},
                   {"out", 9},     {"dropped", 1},       {"filtered", 2},    {"faulted", 3},
                   {"queued", 4},  {"injected", 5},      {"errors", 6}};
    if (reverse) filter["reverse"] = true;
    if (extended) filter["extended"] = true;
    return filter;
}

inline json Worlds(const json& worlds) { return {{"worlds", worlds}}; }

using DatapathHostTest = TalixTest::MemoryHostTest;

}  // namespace DatapathTest
