// The uplink ports of a switch.
#include "vswitch/UplinkPorts.h"

#include <algorithm>

#include "core/HostStore.h"
#include "model/DatapathModel.h"

namespace SimHost {

namespace {
bool IsUplink(const std::vector<std::string>& uplinks, const std::string& pnic) {
    return std::find(uplinks.begin(), uplinks.end(), pnic) != uplinks.end();
}
}  // namespace

void AppendUplinkPorts(const std::vector<std::string>& uplinks, std::vector<Kavrel::Network::PortInfo>& ports) {
    if (uplinks.empty()) return;
    const auto& uplinkPorts = HostStore::Instance().Read<DatapathState>().uplinkPorts;
    for (const auto& uplink : uplinks) {
        for (const auto& entry : uplinkPorts) {
            if (entry.pnic != uplink) continue;
            bool listed = std::any_of(ports.begin(), ports.end(), [&](const Kavrel::Network::PortInfo& port) {
                return port.portId == entry.portId;
            });
            if (!listed) {
                Kavrel::Network::PortInfo port;
                port.portId = entry.portId;
                port.clientName = entry.pnic;
                port.clientType = "uplink";
                ports.push_back(port);
            }
            break;
        }
    }
}

bool IsUplinkPortOf(const std::vector<std::string>& uplinks, uint32_t portId) {
    if (uplinks.empty()) return false;
    for (const auto& entry : HostStore::Instance().Read<DatapathState>().uplinkPorts) {
        if (entry.portId == portId && IsUplink(uplinks, entry.pnic)) return true;
    }
    return false;
}

}  // namespace SimHost
