// The uplink ports of a switch: the port through which each of its physical NICs
// joins it, kept in section `datapath`. They are ports of the switch like any other,
// so that every port ID the host shows can be looked up.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "kavrel/Portset.h"

namespace SimHost {

// Adds, in uplink order, a "uplink" port for each uplink of the switch that has an
// uplink port, unless `ports` already holds that port ID.
void AppendUplinkPorts(const std::vector<std::string>& uplinks, std::vector<Kavrel::Network::PortInfo>& ports);

// Whether the port ID is the uplink port of one of these uplinks.
bool IsUplinkPortOf(const std::vector<std::string>& uplinks, uint32_t portId);

}  // namespace SimHost
