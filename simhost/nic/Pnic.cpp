// Physical NIC queries and the NIC inventory.
#include "kavrel/NetworkInfo.h"
#include "kavrel/Lib.h"
#include "core/Faults.h"
#include "core/HostStore.h"
#include "lmxctl/PnicImpl.h"
#include "model/PnicModel.h"

namespace Kavrel {
namespace Network {

using Lib::KavrelException;
using SimHost::CheckFault;
using SimHost::HostStore;
using SimHost::PnicInventory;
using SimHost::PnicModel;

namespace {
const PnicModel& Existing(const std::string& name) {
    const auto* pnic = SimHost::FindPnic(HostStore::Instance().Read<PnicInventory>(), name);
    if (!pnic) throw KavrelException("No such pnic: " + name);
    return *pnic;
}
}  // namespace

Pnic::Pnic(const std::string& name) : name_(name) {}
Pnic::~Pnic() = default;

std::string Pnic::GetName() const { return name_; }

std::string Pnic::GetDriverName() const {
    CheckFault("Pnic::GetDriverName");
    return Existing(name_).driver;
}

MacAddress Pnic::GetMacAddress() const {
    CheckFault("Pnic::GetMacAddress");
    return MacAddress(Existing(name_).macAddress);
}

uint32_t Pnic::GetMtu() const {
    CheckFault("Pnic::GetMtu");
    return Existing(name_).mtu;
}

bool Pnic::IsLinkUp() {
    CheckFault("Pnic::IsLinkUp");
    const auto& pnic = Existing(name_);
    return pnic.adminUp && pnic.linkUp;
}

bool Pnic::GetLinkStatus() const {
    CheckFault("Pnic::GetLinkStatus");
    const auto& pnic = Existing(name_);
    return pnic.adminUp && pnic.linkUp;
}

bool Pnic::GetAdminStatus() const {
    CheckFault("Pnic::GetAdminStatus");
    return Existing(name_).adminUp;
}

uint32_t Pnic::GetSpeed() const {
    CheckFault("Pnic::GetSpeed");
    const auto& pnic = Existing(name_);
    return pnic.adminUp && pnic.linkUp ? pnic.speed : 0;
}

uint32_t Pnic::GetDuplex() const {
    CheckFault("Pnic::GetDuplex");
    return Existing(name_).duplex;
}

std::vector<std::unique_ptr<Pnic>> NetworkInfo::GetPnics(int type) {
    CheckFault("NetworkInfo::GetPnics");
    std::vector<std::unique_ptr<Pnic>> pnics;
    for (const auto& pnic : HostStore::Instance().Read<PnicInventory>().pnics) {
        if (type == PNIC_GET_LOADED && !pnic.driverLoaded) continue;
        pnics.push_back(std::make_unique<LmxCtl::Network::PnicImpl>(pnic.name));
    }
    return pnics;
}

std::unique_ptr<Pnic> NetworkInfo::GetPnicByName(const std::string& name) {
    CheckFault("NetworkInfo::GetPnicByName");
    if (!SimHost::FindPnic(HostStore::Instance().Read<PnicInventory>(), name)) return nullptr;
    return std::make_unique<LmxCtl::Network::PnicImpl>(name);
}

}  // namespace Network
}  // namespace Kavrel

namespace LmxCtl {
namespace Network {

using Kavrel::Lib::KavrelException;
using SimHost::CheckFault;
using SimHost::HostStore;
using SimHost::PnicInventory;

PnicImpl::PnicImpl(const std::string& name) : Kavrel::Network::Pnic(name) {
    CheckFault("PnicImpl::PnicImpl");
    if (!SimHost::FindPnic(HostStore::Instance().Read<PnicInventory>(), name)) {
        throw KavrelException("No such pnic: " + name);
    }
}

PnicImpl::~PnicImpl() = default;

bool PnicImpl::IsValidPnic(const std::string& name) {
    CheckFault("PnicImpl::IsValidPnic");
    return SimHost::FindPnic(HostStore::Instance().Read<PnicInventory>(), name) != nullptr;
}

bool PnicImpl::IsLinkUp() {
    if (stale_) {
        Refresh();
        stale_ = false;
    }
    return linkUp_;
}

void PnicImpl::Refresh() { linkUp_ = Kavrel::Network::Pnic::IsLinkUp(); }

}  // namespace Network
}  // namespace LmxCtl
