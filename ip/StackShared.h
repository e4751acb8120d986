// Helpers shared by the host IP stack commands: netstack defaults, address
// parsing and rendering, and the IPsec text conversions.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "frame/CommandFrame.h"
#include "kavrel/Address.h"
#include "kavrel/IpSec.h"
#include "kavrel/IpStack.h"
#include "kavrel/NetworkInfo.h"
#include "lmxctl/IpStack.h"

namespace NorvaleCli {
namespace NetworkNamespace {

extern const char kDefaultNetstack[];  // "defaultTcpipStack"
extern const char kNetstackParameter[];
extern const char kNetstackDescription[];
extern const char kTypeParameter[];

// The netstack parameter's value, or the default instance when absent or empty.
std::string NetstackOrDefault(const InputPtr& input);
// Points a routing object at the "netstack" parameter's instance when it is non-empty.
void SelectGivenNetstack(LmxCtl::Network::RoutingInfoImpl& routing, const InputPtr& input);

// The netstack record of list and get, and the fields both show.
constexpr char kNetstackRecordName[] = "NetstackInstance";
constexpr char kNetstackKeyField[] = "Key";
constexpr char kNetstackNameField[] = "Name";
constexpr char kNetstackStateField[] = "State";

// The netstack instance named key, or none after adding
// "Unable to find a Netstack instance <key>".
std::shared_ptr<Kavrel::Network::NetstackInstance> FindNetstack(Kavrel::Network::NetworkInfo& network,
                                                                const std::string& key, const OutputPtr& output);

// The "type" rule of the list commands: absent gives kind 0; "system" on the
// default instance gives 1; anything else reports its message and returns false.
bool PortsetKindFromType(const InputPtr& input, const OutputPtr& output, const std::string& netstackKey, int& kind);

// An IPv4 or IPv6 address from text, or false after reporting why not.
bool ParseDnsAddress(const std::string& text, const OutputPtr& output, Kavrel::Network::IpAddress& address);

// An integer parameter narrowed for the host, saturating instead of wrapping
// so that an out-of-range value stays out of range.
int SaturatedInt(int64_t value);

// TCP state names by state number; numbers above 10 give "".
std::string TcpStateName(int state);
// "address:port", with an IPv6 address in brackets.
std::string RenderSocketAddress(const std::string& address, int port);

// Seconds as "1h 1m 1s " (each part with its trailing blank); 0 is "infinite".
std::string ConvertToHrsMinsAndSecs(uint64_t seconds);
// One unsigned 32-bit hexadecimal number that is the whole text.
bool ParseHexSpi(const std::string& text, uint32_t& spi);
constexpr char kSaSourceParameter[] = "sa-source";
constexpr char kSaDestinationParameter[] = "sa-destination";
constexpr char kSaSpiParameter[] = "sa-spi";
// An SA's source, destination and SPI parameters, in that order, or false
// after reporting an SPI that is not hexadecimal.
bool ReadSaEndpoints(const InputPtr& input, const OutputPtr& output, Kavrel::Network::IpSecSadParam& param);

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
