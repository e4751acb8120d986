// The network inventory as an implementation object commands construct themselves.
#pragma once

#include "kavrel/NetworkInfo.h"

namespace LmxCtl {
namespace Network {

class NetworkInfoImpl : public Kavrel::Network::NetworkInfo {
public:
    NetworkInfoImpl();
    ~NetworkInfoImpl() override;
};

}  // namespace Network
}  // namespace LmxCtl
