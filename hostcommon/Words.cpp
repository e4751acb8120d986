// Words, constants and option texts every host spells the same way.
#include <string>

#include "kavrel/IpStack.h"
#include "kavrel/LmxNic.h"
#include "lmxctl/IpStack.h"
#include "lmxctl/LumexNicInfoImpl.h"
#include "lmxctl/Util.h"

namespace Kavrel {
namespace Network {
const int LmxNic::MIN_MTU = 1280;
const int LmxNic::MAX_MTU = 9000;
ConnectionPoint::~ConnectionPoint() = default;
NetstackInstance::~NetstackInstance() = default;
}  // namespace Network
}  // namespace Kavrel

namespace LmxCtl {
namespace Network {

using Kavrel::Network::LmxNicTagType;

const char* const kDefaultNetstackKey = "defaultTcpipStack";
const char* const HostsFile::kPath = "etc/hosts";
const Kavrel::Network::Ipv4Network RoutingInfoImpl::DEFAULT_IPV4_ROUTE = Kavrel::Network::Ipv4Network();  // 0.0.0.0/0
const Kavrel::Network::Ipv6Network RoutingInfoImpl::DEFAULT_IPV6_ROUTE = Kavrel::Network::Ipv6Network();  // ::/0

namespace {
const char* const kTagNames[] = {"HostControl",   "Migration",     "FaultTolerance", "Replication",
                                 "ReplicaIntake", "Provisioning",  "ClusterStorage", "StorageWitness",
                                 "BlockOverTcp",  "BlockOverRdma", "Backup",         "Telemetry"};
constexpr int kTagCount = 12;
}  // namespace

const char* LmxNicTagIdToName(LmxNicTagType tag) {
    if (tag < 1 || tag > kTagCount) return nullptr;
    return kTagNames[tag - 1];
}

LmxNicTagType LmxNicTagNameToId(const std::string& name) {
    for (int tag = 1; tag <= kTagCount; ++tag) {
        if (name == kTagNames[tag - 1]) return tag;
    }
    return LMXNIC_TAG_UNKNOWN;
}

}  // namespace Network

namespace Util {

std::string MakeChildRpLmxOption(int memoryMb) {
    return "--resource-pool=host/system/daemons --min-memory=" + std::to_string(memoryMb) + "M";
}

}  // namespace Util
}  // namespace LmxCtl
