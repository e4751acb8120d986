// The words of the IPsec settings and the values they stand for.
#include <string>

#include "kavrel/Lib.h"
#include "lmxctl/IpStack.h"

namespace LmxCtl {
namespace Network {

using namespace Kavrel::Network;
using Kavrel::Lib::KavrelException;

namespace {

template <typename Value>
struct Word {
    const char* text;
    Value value;
};

const Word<IpSecMode> kModes[] = {
    {"any", IPSEC_MODE_ANY}, {"transport", IPSEC_MODE_TRANSPORT}, {"tunnel", IPSEC_MODE_TUNNEL}};
const Word<IpSecEncryptAlgo> kEncryptAlgos[] = {
    {"null", IPSEC_ENCRYPT_NULL}, {"3des-cbc", IPSEC_ENCRYPT_3DES_CBC}, {"aes128-cbc", IPSEC_ENCRYPT_AES128_CBC}};
const Word<IpSecAuthAlgo> kAuthAlgos[] = {{"hmac-sha1", IPSEC_AUTH_HMAC_SHA1},
                                          {"hmac-sha2-256", IPSEC_AUTH_HMAC_SHA2_256}};
const Word<IpSecULProto> kProtocols[] = {
    {"any", IPSEC_ULPROTO_ANY}, {"tcp", IPSEC_ULPROTO_TCP}, {"udp", IPSEC_ULPROTO_UDP}, {"icmp6", IPSEC_ULPROTO_ICMP6}};
const Word<IpSecDirection> kDirections[] = {{"in", IPSEC_DIR_IN}, {"out", IPSEC_DIR_OUT}};
const Word<IpSecAction> kActions[] = {
    {"none", IPSEC_ACTION_NONE}, {"discard", IPSEC_ACTION_DISCARD}, {"ipsec", IPSEC_ACTION_IPSEC}};

template <typename Value, size_t N>
Value FromWord(const Word<Value> (&words)[N], const std::string& word, const char* what) {
    for (const auto& entry : words) {
        if (word == entry.text) return entry.value;
    }
    throw KavrelException(std::string("Invalid ") + what + " '" + word + "'");
}

template <typename Value, size_t N>
std::string ToWord(const Word<Value> (&words)[N], Value value) {
    for (const auto& entry : words) {
        if (entry.value == value) return entry.text;
    }
    return "unknown";
}

}  // namespace

IpSecMode IpSecConfigImpl::StringToIpSecMode(const std::string& word) {
    return word.empty() ? IPSEC_MODE_TRANSPORT : FromWord(kModes, word, "IPsec mode");
}
IpSecEncryptAlgo IpSecConfigImpl::StringToIpSecEncyptAlgo(const std::string& word) {
    return word.empty() ? IPSEC_ENCRYPT_NULL : FromWord(kEncryptAlgos, word, "encryption algorithm");
}
IpSecAuthAlgo IpSecConfigImpl::StringToIpSecAuthAlgo(const std::string& word) {
    return word.empty() ? IPSEC_AUTH_HMAC_SHA1 : FromWord(kAuthAlgos, word, "integrity algorithm");
}
IpSecULProto IpSecConfigImpl::StringToIpSecULProtoType(const std::string& word) {
    return word.empty() ? IPSEC_ULPROTO_ANY : FromWord(kProtocols, word, "upper layer protocol");
}
IpSecDirection IpSecConfigImpl::StringToIpSecDirection(const std::string& word) {
    return word.empty() ? IPSEC_DIR_OUT : FromWord(kDirections, word, "flow direction");
}
IpSecAction IpSecConfigImpl::StringToIpSecAction(const std::string& word) {
    return word.empty() ? IPSEC_ACTION_NONE : FromWord(kActions, word, "action");
}
std::string IpSecConfigImpl::IpSecModeToString(IpSecMode mode) { return ToWord(kModes, mode); }
std::string IpSecConfigImpl::IpSecEncryptAlgoToString(IpSecEncryptAlgo algorithm) {
    return ToWord(kEncryptAlgos, algorithm);
}
std::string IpSecConfigImpl::IpSecAuthAlgoToString(IpSecAuthAlgo algorithm) { return ToWord(kAuthAlgos, algorithm); }
std::string IpSecConfigImpl::IpSecULProtoToString(IpSecULProto protocol) { return ToWord(kProtocols, protocol); }
std::string IpSecConfigImpl::IpSecDirectionToString(IpSecDirection direction) { return ToWord(kDirections, direction); }
std::string IpSecConfigImpl::IpSecActionToString(IpSecAction action) { return ToWord(kActions, action); }

}  // namespace Network
}  // namespace LmxCtl
