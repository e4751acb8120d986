// Parameter records of the host's IPsec security association and policy databases.
#pragma once

#include <cstdint>
#include <string>

#include "kavrel/Address.h"

namespace Kavrel {
namespace Network {

enum IpSecMode { IPSEC_MODE_ANY = 0, IPSEC_MODE_TRANSPORT = 1, IPSEC_MODE_TUNNEL = 2 };
enum IpSecEncryptAlgo { IPSEC_ENCRYPT_NULL = 0, IPSEC_ENCRYPT_3DES_CBC = 1, IPSEC_ENCRYPT_AES128_CBC = 2 };
enum IpSecAuthAlgo { IPSEC_AUTH_HMAC_SHA1 = 1, IPSEC_AUTH_HMAC_SHA2_256 = 2 };
enum IpSecULProto { IPSEC_ULPROTO_ANY = 255, IPSEC_ULPROTO_TCP = 6, IPSEC_ULPROTO_UDP = 17, IPSEC_ULPROTO_ICMP6 = 58 };
enum IpSecDirection { IPSEC_DIR_IN = 1, IPSEC_DIR_OUT = 2 };
enum IpSecAction { IPSEC_ACTION_NONE = 0, IPSEC_ACTION_DISCARD = 1, IPSEC_ACTION_IPSEC = 2 };

// A security association.
struct IpSecSadParam {
    std::string name;
    Ipv6Address source;
    Ipv6Address destination;
    uint32_t spi = 0;
    IpSecMode mode = IPSEC_MODE_TRANSPORT;
    IpSecEncryptAlgo encryptionAlgorithm = IPSEC_ENCRYPT_NULL;
    std::string encryptionKey;
    IpSecAuthAlgo integrityAlgorithm = IPSEC_AUTH_HMAC_SHA1;
    std::string integrityKey;
    // Filled by the host in listings.
    std::string state;
    uint64_t lifetime = 0;  // seconds; 0 is infinite
    std::string modeText;
    std::string encryptionAlgorithmText;
    std::string integrityAlgorithmText;
};

// A security policy.
struct IpSecSpdParam {
    std::string name;
    std::string saName;
    Ipv6Address sourceAddress;
    int sourcePrefixLength = 0;
    Ipv6Address destinationAddress;
    int destinationPrefixLength = 0;
    int sourcePort = 0;  // 0 is any
    int destinationPort = 0;
    IpSecULProto protocol = IPSEC_ULPROTO_ANY;
    IpSecDirection direction = IPSEC_DIR_OUT;
    IpSecAction action = IPSEC_ACTION_NONE;
    IpSecMode mode = IPSEC_MODE_ANY;
    // Filled by the host in listings.
    std::string protocolText;
    std::string directionText;
    std::string actionText;
    std::string modeText;
};

}  // namespace Network
}  // namespace Kavrel
