// The host object and its factory.
#include "kavrel/Host.h"

#include "lmxctl/NetworkInfoImpl.h"
#include "lmxctl/System.h"

namespace Kavrel {

Host::~Host() = default;

std::unique_ptr<System::SystemInfo> Host::GetSystemInfo() { return std::make_unique<LmxCtl::System::SystemInfoImpl>(); }

std::shared_ptr<Network::NetworkInfo> Host::GetNetworkInfo() {
    return std::make_shared<LmxCtl::Network::NetworkInfoImpl>();
}

std::shared_ptr<Host> HostFactory::GetHost() { return std::make_shared<Host>(); }

namespace Network {
NetworkInfo::NetworkInfo() = default;
NetworkInfo::~NetworkInfo() = default;
}  // namespace Network

}  // namespace Kavrel

namespace LmxCtl {
namespace Network {
NetworkInfoImpl::NetworkInfoImpl() = default;
NetworkInfoImpl::~NetworkInfoImpl() = default;
}  // namespace Network
}  // namespace LmxCtl
