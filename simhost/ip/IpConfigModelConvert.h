// Conversion between the stored IP configuration of an interface and the library's value type.
#pragma once

#include "kavrel/IpConfig.h"
#include "model/LmxNicModel.h"

namespace SimHost {

Kavrel::Network::IpConfig ToIpConfig(const IpConfigModel& model);
IpConfigModel FromIpConfig(const Kavrel::Network::IpConfig& config);

}  // namespace SimHost
