// Host fixtures for the IP stack tests.
#include "IpStackFixtures.h"

#include "core/SimHostTesting.h"

namespace IpStackTest {

nlohmann::json Nic(const std::string& name, const std::string& netstack, const std::string& ipv4,
                   const std::string& netmask, bool system) {
    nlohmann::json config = {{"useIpv6", true}};
    if (!ipv4.empty()) {
        config["ipv4Address"] = ipv4;
        config["ipv4Netmask"] = netmask;
        config["ipv4UseNone"] = false;
    }
    return {{"name", name},
            {"netstack", netstack},
            {"system", system},
            {"ipConfig", config},
            {"configuredIpConfig", config}};
}

nlohmann::json Netstacks(const std::vector<std::string>& extraKeys, bool ipv6Enabled) {
    nlohmann::json instances = nlohmann::json::array();
    instances.push_back({{"key", "defaultTcpipStack"}, {"name", "defaultTcpipStack"}, {"type", 1}});
    for (const auto& key : extraKeys) instances.push_back({{"key", key}, {"name", key}});
    return {{"ipv6Enabled", ipv6Enabled}, {"instances", instances}};
}

std::string IpStackHostTest::File(const std::string& path) {
    auto files = SimHost::MemoryHostFiles();
    auto found = files.find(path);
    return found == files.end() ? "" : found->second;
}

}  // namespace IpStackTest
