// Helpers shared by the host IP stack commands.
#include "ip/StackShared.h"

#include <cctype>
#include <limits>
#include <sstream>

namespace NorvaleCli {
namespace NetworkNamespace {

constexpr char kDefaultNetstack[] = "defaultTcpipStack";
constexpr char kNetstackParameter[] = "netstack";
constexpr char kNetstackDescription[] = "The network stack instance; if unspecified, use the default netstack instance";
constexpr char kTypeParameter[] = "type";

namespace {
const char* const kTcpStateNames[] = {"CLOSED",     "LISTEN",  "SYN_SENT", "RCVD",       "ESTABLISHED", "CLOSE_WAIT",
                                      "FIN_WAIT_1", "CLOSING", "LAST_ACK", "FIN_WAIT_2", "TIME_WAIT"};
}  // namespace

std::string NetstackOrDefault(const InputPtr& input) {
    if (input->HasParameter(kNetstackParameter) && !input->GetParameter(kNetstackParameter).empty()) {
        return input->GetParameter(kNetstackParameter);
    }
    return kDefaultNetstack;
}

void SelectGivenNetstack(LmxCtl::Network::RoutingInfoImpl& routing, const InputPtr& input) {
    if (input->HasParameter(kNetstackParameter) && !input->GetParameter(kNetstackParameter).empty()) {
        routing.SetNetstackInstanceKey(input->GetParameter(kNetstackParameter));
    }
}

std::shared_ptr<Kavrel::Network::NetstackInstance> FindNetstack(Kavrel::Network::NetworkInfo& network,
                                                                const std::string& key, const OutputPtr& output) {
    auto instance = network.LookupNetstackInstanceByKey(key);
    if (!instance) output->AddErrorMessage("Unable to find a Netstack instance " + key);
    return instance;
}

bool PortsetKindFromType(const InputPtr& input, const OutputPtr& output, const std::string& netstackKey, int& kind) {
    kind = 0;
    if (!input->HasParameter(kTypeParameter)) return true;
    if (input->GetParameter(kTypeParameter) != "system") {
        output->AddErrorMessage("Invalid type value, should be 'system'.");
        return false;
    }
    if (netstackKey != kDefaultNetstack) {
        output->AddErrorMessage("Invalid netstack value, should be 'defaultTcpipStack'.");
        return false;
    }
    kind = 1;
    return true;
}

bool ParseDnsAddress(const std::string& text, const OutputPtr& output, Kavrel::Network::IpAddress& address) {
    if (Kavrel::Network::Ipv4Address::IsValidAddress(text)) {
        address = Kavrel::Network::Ipv4Address(text);
    } else if (Kavrel::Network::Ipv6Address::IsValidAddress(text)) {
        address = Kavrel::Network::Ipv6Address(text);
    } else {
        output->AddErrorMessage("The specified address '" + text + "' is not recognised as a valid IP address");
        return false;
    }
    return true;
}

int SaturatedInt(int64_t value) {
    if (value > std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
    if (value < std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
    return static_cast<int>(value);
}

std::string TcpStateName(int state) {
    if (state < 0 || state > 10) return "";
    return kTcpStateNames[state];
}

std::string RenderSocketAddress(const std::string& address, int port) {
    if (address.find(':') != std::string::npos) return "[" + address + "]:" + std::to_string(port);
    return address + ":" + std::to_string(port);
}

std::string ConvertToHrsMinsAndSecs(uint64_t seconds) {
    if (seconds == 0) return "infinite";
    uint64_t hours = seconds / 3600;
    uint64_t rest = seconds - hours * 3600;
    std::ostringstream text;
    if (seconds >= 3600) text << hours << "h ";
    if (rest >= 60) text << rest / 60 << "m ";
    if (rest % 60 != 0) text << rest % 60 << "s ";
    return text.str();
}

bool ParseHexSpi(const std::string& text, uint32_t& spi) {
    // Stream extraction would also skip leading blanks and take a sign, wrapping "-1"
    // to 0xffffffff; an SPI is written as hex digits only.
    if (text.empty() || !std::isxdigit(static_cast<unsigned char>(text[0]))) return false;
    std::istringstream stream(text);
    uint32_t value = 0;
    stream >> std::hex >> value;
    if (stream.fail() || stream.peek() != std::char_traits<char>::eof()) return false;
    spi = value;
    return true;
}

bool ReadSaEndpoints(const InputPtr& input, const OutputPtr& output, Kavrel::Network::IpSecSadParam& param) {
    param.source = Kavrel::Network::Ipv6Address(input->GetParameter(kSaSourceParameter));
    param.destination = Kavrel::Network::Ipv6Address(input->GetParameter(kSaDestinationParameter));
    const std::string& spiText = input->GetParameter(kSaSpiParameter);
    if (ParseHexSpi(spiText, param.spi)) return true;
    output->AddErrorMessage("Check the input value for '--sa-spi'. Should be hex integer. Got " + spiText);
    return false;
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
