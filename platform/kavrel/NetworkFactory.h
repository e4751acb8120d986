// Hands out the host's network inventory as an owned object.
#pragma once

#include <memory>

#include "kavrel/NetworkInfo.h"

namespace Kavrel {
namespace Network {

class NetworkFactory {
public:
    static std::unique_ptr<NetworkInfo> GetNetworkInfo();
};

}  // namespace Network
}  // namespace Kavrel
