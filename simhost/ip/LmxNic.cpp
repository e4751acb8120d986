// Lumex network interfaces: per-interface queries and the interface inventory.
#include "kavrel/LmxNic.h"

#include "core/Faults.h"
#include "core/HostStore.h"
#include "core/StoredIndex.h"
#include "ip/IpConfigModelConvert.h"
#include "ip/LmxNicLookup.h"
#include "kavrel/Lib.h"
#include "lmxctl/LumexNicInfoImpl.h"
#include "model/LmxNicModel.h"

namespace Kavrel {
namespace Network {

using Lib::KavrelException;
using SimHost::CheckFault;
using SimHost::HostStore;
using SimHost::LmxNicInventory;
using SimHost::LmxNicModel;

using SimHost::ExistingLmxNic;

LmxNic::LmxNic(const std::string& name) : name_(name) {}
LmxNic::~LmxNic() = default;

std::string LmxNic::GetInterfaceName() const { return name_; }

std::string LmxNic::GetNetstackInstanceKey() const {
    CheckFault("LmxNic::GetNetstackInstanceKey");
    return ExistingLmxNic(name_).netstack;
}

MacAddress LmxNic::GetMacAddress() const {
    CheckFault("LmxNic::GetMacAddress");
    return MacAddress(ExistingLmxNic(name_).macAddress);
}

int LmxNic::GetMtu() const {
    CheckFault("LmxNic::GetMtu");
    return ExistingLmxNic(name_).mtu;
}

int LmxNic::GetTsoMss() const {
    CheckFault("LmxNic::GetTsoMss");
    return ExistingLmxNic(name_).tsoMss;
}

int LmxNic::GetNumRxQueue() const {
    CheckFault("LmxNic::GetNumRxQueue");
    return ExistingLmxNic(name_).numRxQueue;
}

bool LmxNic::IsEnabled() const {
    CheckFault("LmxNic::IsEnabled");
    return ExistingLmxNic(name_).enabled;
}

IpConfig LmxNic::GetIpConfig() const {
    CheckFault("LmxNic::GetIpConfig");
    return SimHost::ToIpConfig(ExistingLmxNic(name_).ipConfig);
}

IpConfig LmxNic::GetConfiguredIpConfig() const {
    CheckFault("LmxNic::GetConfiguredIpConfig");
    return SimHost::ToIpConfig(ExistingLmxNic(name_).configuredIpConfig);
}

std::vector<LmxNicTagType> LmxNic::GetTags() const {
    CheckFault("LmxNic::GetTags");
    return ExistingLmxNic(name_).tags;
}

int LmxNic::GetConnectionPointType() const {
    CheckFault("LmxNic::GetConnectionPointType");
    return ExistingLmxNic(name_).connectionPoint.type;
}

std::string LmxNic::GetPortsetName() const {
    CheckFault("LmxNic::GetPortsetName");
    return ExistingLmxNic(name_).portset;
}

std::string LmxNic::GetPortgroupName() const {
    CheckFault("LmxNic::GetPortgroupName");
    return ExistingLmxNic(name_).connectionPoint.portgroup;
}

DVPortParam LmxNic::GetDVPortParam() const {
    CheckFault("LmxNic::GetDVPortParam");
    const auto& point = ExistingLmxNic(name_).connectionPoint;
    return DVPortParam{point.dvsUuid, point.dvPortId, point.connectionId};
}

OpaqueNetworkParam LmxNic::GetOpaqueNetworkParam() const {
    CheckFault("LmxNic::GetOpaqueNetworkParam");
    const auto& point = ExistingLmxNic(name_).connectionPoint;
    return OpaqueNetworkParam{point.opaqueNetworkId, point.opaqueNetworkType, point.externalId};
}

bool LmxNic::HasPort() const {
    CheckFault("LmxNic::HasPort");
    return ExistingLmxNic(name_).portId >= 0;
}

int64_t LmxNic::GetPortId() const {
    CheckFault("LmxNic::GetPortId");
    return ExistingLmxNic(name_).portId;
}

}  // namespace Network
}  // namespace Kavrel

namespace LmxCtl {
namespace Network {

using Kavrel::Lib::KavrelException;
using Kavrel::Network::PORTSET_GET_SYSTEM;
using SimHost::CheckFault;
using SimHost::HostStore;
using SimHost::LmxNicInventory;
using SimHost::LmxNicModel;

namespace {
bool OfKind(const LmxNicModel& nic, int kind) { return nic.system == (kind == PORTSET_GET_SYSTEM); }
}  // namespace

LmxNicImpl::LmxNicImpl(const std::string& name) : Kavrel::Network::LmxNic(name) {
    CheckFault("LmxNicImpl::LmxNicImpl");
    if (!SimHost::StoredLmxNic(name)) throw SimHost::NoSuchLmxNic(name);
}

LmxNicImpl::~LmxNicImpl() = default;

void LmxNicImpl::Refresh() {
    CheckFault("LmxNicImpl::Refresh");
    stale_ = true;
    Load();
}

void LmxNicImpl::Load() const {
    if (!stale_) return;
    netstackKey_ = LmxNic::GetNetstackInstanceKey();
    ipConfig_ = LmxNic::GetIpConfig();
    configuredIpConfig_ = LmxNic::GetConfiguredIpConfig();
    stale_ = false;
}

std::string LmxNicImpl::GetInterfaceName() const { return name_; }

std::string LmxNicImpl::GetNetstackInstanceKey() const {
    Load();
    return netstackKey_;
}

Kavrel::Network::IpConfig LmxNicImpl::GetIpConfig() const {
    Load();
    return ipConfig_;
}

Kavrel::Network::IpConfig LmxNicImpl::GetConfiguredIpConfig() const {
    Load();
    return configuredIpConfig_;
}

LumexNicInfoImpl::LumexNicInfoImpl() = default;
LumexNicInfoImpl::~LumexNicInfoImpl() = default;

std::vector<std::shared_ptr<LmxNicImpl>> LumexNicInfoImpl::GetLumexNics(int kind) {
    CheckFault("LumexNicInfoImpl::GetLumexNics");
    std::vector<std::shared_ptr<LmxNicImpl>> nics;
    for (const auto& nic : HostStore::Instance().Read<LmxNicInventory>().lmxnics) {
        if (OfKind(nic, kind)) nics.push_back(std::make_shared<LmxNicImpl>(nic.name));
    }
    return nics;
}

std::vector<std::shared_ptr<LmxNicImpl>> LumexNicInfoImpl::GetLumexNicsByInstanceKey(const std::string& netstack,
                                                                                     int kind) {
    CheckFault("LumexNicInfoImpl::GetLumexNicsByInstanceKey");
    std::vector<std::shared_ptr<LmxNicImpl>> nics;
    for (const auto& nic : HostStore::Instance().Read<LmxNicInventory>().lmxnics) {
        if (OfKind(nic, kind) && nic.netstack == netstack) nics.push_back(std::make_shared<LmxNicImpl>(nic.name));
    }
    return nics;
}

std::shared_ptr<LmxNicImpl> LumexNicInfoImpl::GetLumexNicByInterface(const std::string& name, bool refresh, int kind) {
    CheckFault("LumexNicInfoImpl::GetLumexNicByInterface");
    const auto* nic = SimHost::StoredLmxNic(name);
    if (!nic || !OfKind(*nic, kind)) return nullptr;
    auto found = std::make_shared<LmxNicImpl>(name);
    if (refresh) found->Refresh();
    return found;
}

void LumexNicInfoImpl::GetLmxnicNamesByInstanceKey(std::vector<std::string>& names, const std::string& netstack,
                                                   int kind) {
    CheckFault("LumexNicInfoImpl::GetLmxnicNamesByInstanceKey");
    for (const auto& nic : HostStore::Instance().Read<LmxNicInventory>().lmxnics) {
        if (OfKind(nic, kind) && nic.netstack == netstack) names.push_back(nic.name);
    }
}

std::vector<std::shared_ptr<LmxNicImpl>> LumexNicInfoImpl::GetLumexNicsByTag(Kavrel::Network::LmxNicTagType tag) {
    CheckFault("LumexNicInfoImpl::GetLumexNicsByTag");
    std::vector<std::shared_ptr<LmxNicImpl>> nics;
    for (const auto& nic : HostStore::Instance().Read<LmxNicInventory>().lmxnics) {
        for (int existing : nic.tags) {
            if (existing == tag) {
                nics.push_back(std::make_shared<LmxNicImpl>(nic.name));
                break;
            }
        }
    }
    return nics;
}

}  // namespace Network
}  // namespace LmxCtl
