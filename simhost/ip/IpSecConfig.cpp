// The IPv6 IPsec security association and policy databases.
#include <algorithm>
#include <cctype>

#include "core/Faults.h"
#include "core/HostStore.h"
#include "kavrel/Lib.h"
#include "lmxctl/IpStack.h"
#include "model/IpStackModel.h"

namespace LmxCtl {
namespace Network {

using namespace Kavrel::Network;
using Kavrel::Lib::KavrelException;
using SimHost::CheckFault;
using SimHost::HostStore;
using SimHost::IpSecDatabase;
using SimHost::SecurityAssociationModel;
using SimHost::SecurityPolicyModel;

namespace {

const char kAutoSaName[] = "auto";
const char kDeletedSaName[] = "UNKNOWN";

// A word read back from the host: an empty one is as invalid as any unknown
// word (an empty word given by a user takes its kind's default instead).
template <typename Convert>
auto FromStoredWord(const std::string& word, const char* what, Convert convert) {
    if (word.empty()) throw KavrelException(std::string("Invalid ") + what + " ''");
    return convert(word);
}

// Key bytes: "0x" and hexadecimal digits, or the ASCII text itself.
size_t KeyBytes(const std::string& key) {
    if (key.size() > 2 && key[0] == '0' && (key[1] == 'x' || key[1] == 'X')) {
        bool hex = std::all_of(key.begin() + 2, key.end(),
                               [](char c) { return std::isxdigit(static_cast<unsigned char>(c)); });
        if (hex) {
            if ((key.size() - 2) % 2 != 0) throw KavrelException("A hexadecimal key needs an even number of digits");
            return (key.size() - 2) / 2;
        }
    }
    return key.size();
}

void CheckKey(const std::string& key, size_t expected, const std::string& kind, const std::string& algorithm) {
    size_t got = KeyBytes(key);
    if (got != expected) {
        throw KavrelException("Invalid " + kind + " key length for " + algorithm + ": expected " +
                              std::to_string(expected) + " bytes, got " + std::to_string(got));
    }
}

size_t EncryptKeyBytes(IpSecEncryptAlgo algorithm) {
    switch (algorithm) {
    case IPSEC_ENCRYPT_3DES_CBC: return 24;
    case IPSEC_ENCRYPT_AES128_CBC: return 16;
    default: return 0;
    }
}

size_t AuthKeyBytes(IpSecAuthAlgo algorithm) { return algorithm == IPSEC_AUTH_HMAC_SHA2_256 ? 32 : 20; }

void MarkPoliciesOrphaned(IpSecDatabase& database, const std::string& saName) {
    for (auto& policy : database.sps) {
        if (policy.saName == saName) policy.saName = kDeletedSaName;
    }
}

}  // namespace

IpSecConfigImpl::IpSecConfigImpl() = default;
IpSecConfigImpl::~IpSecConfigImpl() = default;

void IpSecConfigImpl::AddSADConfig(const IpSecSadParam& param) {
    CheckFault("IpSecConfigImpl::AddSADConfig");
    if (param.name.empty()) throw KavrelException("A Security Association needs a name");
    if (param.name == kAutoSaName || param.name == kDeletedSaName) {
        throw KavrelException("The name " + param.name + " is reserved");
    }
    std::string encryption = IpSecEncryptAlgoToString(param.encryptionAlgorithm);
    std::string integrity = IpSecAuthAlgoToString(param.integrityAlgorithm);
    CheckKey(param.encryptionKey, EncryptKeyBytes(param.encryptionAlgorithm), "encryption", encryption);
    CheckKey(param.integrityKey, AuthKeyBytes(param.integrityAlgorithm), "integrity", integrity);
    HostStore::Instance().Update<IpSecDatabase>([&](IpSecDatabase& database) {
        for (const auto& sa : database.sas) {
            if (sa.name == param.name) throw KavrelException("Security Association " + param.name + " already exists");
            if (Ipv6Address(sa.source) == param.source && Ipv6Address(sa.destination) == param.destination &&
                sa.spi == param.spi) {
                throw KavrelException("A Security Association with the same source, destination and SPI exists: " +
                                      sa.name);
            }
        }
        SecurityAssociationModel sa;
        sa.name = param.name;
        sa.source = param.source.GetStringAddress();
        sa.destination = param.destination.GetStringAddress();
        sa.spi = param.spi;
        sa.mode = IpSecModeToString(param.mode);
        sa.encryptionAlgorithm = encryption;
        sa.encryptionKey = param.encryptionKey;
        sa.integrityAlgorithm = integrity;
        sa.integrityKey = param.integrityKey;
        database.sas.push_back(sa);
    });
}

void IpSecConfigImpl::GetSADConfigList(std::vector<IpSecSadParam>& list) {
    CheckFault("IpSecConfigImpl::GetSADConfigList");
    for (const auto& sa : HostStore::Instance().Read<IpSecDatabase>().sas) {
        IpSecSadParam param;
        param.name = sa.name;
        param.source = Ipv6Address(sa.source);
        param.destination = Ipv6Address(sa.destination);
        param.spi = sa.spi;
        param.mode = FromStoredWord(sa.mode, "IPsec mode", IpSecConfigImpl::StringToIpSecMode);
        param.encryptionAlgorithm =
            FromStoredWord(sa.encryptionAlgorithm, "encryption algorithm", IpSecConfigImpl::StringToIpSecEncyptAlgo);
        param.integrityAlgorithm =
            FromStoredWord(sa.integrityAlgorithm, "integrity algorithm", IpSecConfigImpl::StringToIpSecAuthAlgo);
        param.state = sa.state;
        param.lifetime = sa.lifetime;
        param.modeText = sa.mode;
        param.encryptionAlgorithmText = sa.encryptionAlgorithm;
        param.integrityAlgorithmText = sa.integrityAlgorithm;
        list.push_back(param);
    }
}

void IpSecConfigImpl::RemoveSADConfig(const std::string& name) {
    CheckFault("IpSecConfigImpl::RemoveSADConfig");
    HostStore::Instance().Update<IpSecDatabase>([&](IpSecDatabase& database) {
        auto found = std::find_if(database.sas.begin(), database.sas.end(),
                                  [&](const SecurityAssociationModel& sa) { return sa.name == name; });
        if (found == database.sas.end() || name == kAutoSaName) {
            throw KavrelException("Security Association " + name + " not found");
        }
        database.sas.erase(found);
        MarkPoliciesOrphaned(database, name);
    });
}

void IpSecConfigImpl::RemoveAutoSADConfig(const IpSecSadParam& param) {
    CheckFault("IpSecConfigImpl::RemoveAutoSADConfig");
    HostStore::Instance().Update<IpSecDatabase>([&](IpSecDatabase& database) {
        auto found = std::find_if(database.sas.begin(), database.sas.end(), [&](const SecurityAssociationModel& sa) {
            return sa.name == kAutoSaName && Ipv6Address(sa.source) == param.source &&
                   Ipv6Address(sa.destination) == param.destination && sa.spi == param.spi;
        });
        if (found == database.sas.end()) {
            throw KavrelException("No auto Security Association from " + param.source.GetStringAddress() + " to " +
                                  param.destination.GetStringAddress() + " with that SPI");
        }
        database.sas.erase(found);
    });
}

void IpSecConfigImpl::FlushSADConfig() {
    CheckFault("IpSecConfigImpl::FlushSADConfig");
    HostStore::Instance().Update<IpSecDatabase>([&](IpSecDatabase& database) {
        for (const auto& sa : database.sas) {
            if (sa.name != kAutoSaName) MarkPoliciesOrphaned(database, sa.name);
        }
        database.sas.clear();
    });
}

void IpSecConfigImpl::AddSPDConfig(const IpSecSpdParam& param) {
    CheckFault("IpSecConfigImpl::AddSPDConfig");
    if (param.name.empty()) throw KavrelException("A Security Policy needs a name");
    for (int port : {param.sourcePort, param.destinationPort}) {
        if (port < 0 || port > 65535) throw KavrelException("Port " + std::to_string(port) + " is out of range");
    }
    HostStore::Instance().Update<IpSecDatabase>([&](IpSecDatabase& database) {
        for (const auto& sp : database.sps) {
            if (sp.name == param.name) throw KavrelException("Security Policy " + param.name + " already exists");
        }
        SecurityPolicyModel sp;
        sp.name = param.name;
        sp.source = Ipv6Network(param.sourceAddress, param.sourcePrefixLength).GetStringAddress();
        sp.destination = Ipv6Network(param.destinationAddress, param.destinationPrefixLength).GetStringAddress();
        sp.sourcePort = param.sourcePort;
        sp.destinationPort = param.destinationPort;
        sp.protocol = IpSecULProtoToString(param.protocol);
        sp.direction = IpSecDirectionToString(param.direction);
        sp.action = IpSecActionToString(param.action);
        if (param.action == IPSEC_ACTION_IPSEC) {
            sp.mode = IpSecModeToString(param.mode);
            if (param.saName.empty()) {
                sp.saName = kAutoSaName;
            } else {
                bool known = std::any_of(database.sas.begin(), database.sas.end(),
                                         [&](const SecurityAssociationModel& sa) { return sa.name == param.saName; });
                if (!known || param.saName == kAutoSaName) {
                    throw KavrelException("Security Association " + param.saName + " not found");
                }
                sp.saName = param.saName;
            }
        } else {
            sp.mode = IpSecModeToString(IPSEC_MODE_ANY);
        }
        database.sps.push_back(sp);
    });
}

void IpSecConfigImpl::GetSPDConfigList(std::vector<IpSecSpdParam>& list) {
    CheckFault("IpSecConfigImpl::GetSPDConfigList");
    for (const auto& sp : HostStore::Instance().Read<IpSecDatabase>().sps) {
        IpSecSpdParam param;
        param.name = sp.name;
        param.saName = sp.saName;
        Ipv6Network source(sp.source);
        Ipv6Network destination(sp.destination);
        param.sourceAddress = source.GetAddress();
        param.sourcePrefixLength = source.GetNetmask();
        param.destinationAddress = destination.GetAddress();
        param.destinationPrefixLength = destination.GetNetmask();
        param.sourcePort = sp.sourcePort;
        param.destinationPort = sp.destinationPort;
        param.protocol = FromStoredWord(sp.protocol, "upper layer protocol", IpSecConfigImpl::StringToIpSecULProtoType);
        param.direction = FromStoredWord(sp.direction, "flow direction", IpSecConfigImpl::StringToIpSecDirection);
        param.action = FromStoredWord(sp.action, "action", IpSecConfigImpl::StringToIpSecAction);
        param.mode = FromStoredWord(sp.mode, "IPsec mode", IpSecConfigImpl::StringToIpSecMode);
        param.protocolText = sp.protocol;
        param.directionText = sp.direction;
        param.actionText = sp.action;
        param.modeText = sp.mode;
        list.push_back(param);
    }
}

void IpSecConfigImpl::RemoveSPDConfig(const std::string& name) {
    CheckFault("IpSecConfigImpl::RemoveSPDConfig");
    HostStore::Instance().Update<IpSecDatabase>([&](IpSecDatabase& database) {
        auto found = std::find_if(database.sps.begin(), database.sps.end(),
                                  [&](const SecurityPolicyModel& sp) { return sp.name == name; });
        if (found == database.sps.end()) throw KavrelException("Security Policy " + name + " not found");
        database.sps.erase(found);
    });
}

void IpSecConfigImpl::FlushSPDConfig() {
    CheckFault("IpSecConfigImpl::FlushSPDConfig");
    HostStore::Instance().Update<IpSecDatabase>([&](IpSecDatabase& database) { database.sps.clear(); });
}

}  // namespace Network
}  // namespace LmxCtl
