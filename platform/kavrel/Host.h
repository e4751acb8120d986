// The host as a whole: the factory commands ask for shared information objects.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "kavrel/System.h"

namespace Kavrel {
namespace Network {
class NetworkInfo;
}

class Host {
public:
    virtual ~Host();
    virtual std::unique_ptr<System::SystemInfo> GetSystemInfo();
    virtual std::shared_ptr<Network::NetworkInfo> GetNetworkInfo();
};

class HostFactory {
public:
    static std::shared_ptr<Host> GetHost();
};

}  // namespace Kavrel
