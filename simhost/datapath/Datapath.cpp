// The interface inventory with multicast memberships, SR-IOV NICs and their
// VFs, and the ENS logical core table.
#include <algorithm>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/Faults.h"
#include "core/HostStore.h"
#include "core/StoredIndex.h"
#include "kavrel/Lib.h"
#include "kavrel/NetworkInfo.h"
#include "model/DatapathModel.h"
#include "model/LmxNicModel.h"
#include "model/PnicModel.h"
#include "model/VswitchModel.h"

namespace Kavrel {
namespace Network {

using Lib::KavrelException;
using SimHost::CheckFault;
using SimHost::HostStore;

namespace {

constexpr char kNoSwitch[] = "null";
const int64_t kEnsLcoreLimit = 64;  // lcores the datapath can run at most

const SimHost::PnicModel* FindSriovPnic(const std::string& name) {
    const auto* pnic = SimHost::StoredPnic(name);
    return pnic && pnic->maxVfs > 0 ? pnic : nullptr;
}

const SimHost::PnicModel& ExistingSriovPnic(const std::string& name) {
    const auto* pnic = FindSriovPnic(name);
    if (!pnic) throw KavrelException("Pnic " + name + " is not an SRIOV capable NIC");
    return *pnic;
}

std::vector<SimHost::VfModel> VfsOf(const std::string& name) {
    for (const auto& pf : HostStore::Instance().Read<SimHost::SriovState>().pfs) {
        if (pf.pnic == name) return pf.vfs;
    }
    return {};
}

std::string LcoreText(int64_t lcoreId) { return "ENS lcore " + std::to_string(lcoreId); }

const SimHost::EnsLcoreModel& ExistingLcore(const SimHost::DatapathState& state, int64_t lcoreId) {
    for (const auto& lcore : state.lcores) {
        if (lcore.id == lcoreId) return lcore;
    }
    throw KavrelException(LcoreText(lcoreId) + " does not exist");
}

SimHost::EnsLcoreModel& ExistingLcore(SimHost::DatapathState& state, int64_t lcoreId) {
    for (auto& lcore : state.lcores) {
        if (lcore.id == lcoreId) return lcore;
    }
    throw KavrelException(LcoreText(lcoreId) + " does not exist");
}

// Every interface entry of a name, in stored order: the multicast listing
// asks for the memberships of each interface.
struct InterfacesByName {
    std::unordered_map<std::string_view, std::vector<const SimHost::LmxNicModel*>> byName;
};

bool SwitchExists(const std::string& name) {
    return SimHost::StoredVirtualSwitch(name) || SimHost::StoredDVSwitch(name);
}

}  // namespace

// --- interface inventory and multicast memberships

NetInterface::NetInterface(const std::string& name) : name_(name) {}
NetInterface::~NetInterface() = default;

std::string NetInterface::GetName() const { return name_; }

std::vector<MulticastMembership> NetInterface::GetMulticastMemberships() const {
    CheckFault("NetInterface::GetMulticastMemberships");
    std::vector<MulticastMembership> memberships;
    const auto& index = HostStore::Instance().Derived<SimHost::LmxNicInventory, InterfacesByName>(
        [](const SimHost::LmxNicInventory& inventory) {
            InterfacesByName built;
            for (const auto& lmxnic : inventory.lmxnics) built.byName[lmxnic.name].push_back(&lmxnic);
            return built;
        });
    auto found = index.byName.find(name_);
    if (found == index.byName.end()) return memberships;
    for (const auto* lmxnic : found->second) {
        for (const auto& group : lmxnic->multicast) {
            memberships.push_back(MulticastMembership{name_, group.group, group.linkLayer, group.refcount});
        }
    }
    return memberships;
}

InterfaceInventory::~InterfaceInventory() = default;

std::vector<std::unique_ptr<NetInterface>> InterfaceInventory::GetInterfaces(int selector) {
    CheckFault("InterfaceInventory::GetInterfaces");
    if (selector != INTERFACES_ALL) throw KavrelException("Invalid interface selector " + std::to_string(selector));
    std::vector<std::unique_ptr<NetInterface>> interfaces;
    for (const auto& lmxnic : HostStore::Instance().Read<SimHost::LmxNicInventory>().lmxnics) {
        interfaces.push_back(std::make_unique<NetInterface>(lmxnic.name));
    }
    return interfaces;
}

std::unique_ptr<InterfaceInventory> NetworkInfo::GetInterfaceInventory() {
    CheckFault("NetworkInfo::GetInterfaceInventory");
    return std::make_unique<InterfaceInventory>();
}

// --- SR-IOV NICs

SriovNic::SriovNic(const std::string& name) : Pnic(name) {}
SriovNic::~SriovNic() = default;

std::vector<std::unique_ptr<SriovNic>> NetworkInfo::GetSriovNics() {
    CheckFault("NetworkInfo::GetSriovNics");
    std::vector<std::unique_ptr<SriovNic>> nics;
    for (const auto& pnic : HostStore::Instance().Read<SimHost::PnicInventory>().pnics) {
        if (pnic.maxVfs > 0) nics.push_back(std::make_unique<SriovNic>(pnic.name));
    }
    return nics;
}

std::unique_ptr<SriovNic> NetworkInfo::GetSriovNicByName(const std::string& name) {
    CheckFault("NetworkInfo::GetSriovNicByName");
    if (!FindSriovPnic(name)) return nullptr;
    return std::make_unique<SriovNic>(name);
}

std::vector<SriovNicVFInfo> NetworkInfo::GetSriovNicVFInfo(const std::string& name) {
    CheckFault("NetworkInfo::GetSriovNicVFInfo");
    ExistingSriovPnic(name);
    std::vector<SriovNicVFInfo> infos;
    for (const auto& vf : VfsOf(name)) {
        infos.push_back(SriovNicVFInfo{vf.id, vf.active, vf.pciAddress, vf.ownerWorldId});
    }
    return infos;
}

void NetworkInfo::GetSriovNicVFStats(const std::string& name, int64_t vfId, SriovNicVFStats& stats) {
    CheckFault("NetworkInfo::GetSriovNicVFStats");
    const auto& pnic = ExistingSriovPnic(name);
    if (vfId < 0 || vfId >= static_cast<int64_t>(pnic.maxVfs)) {
        throw KavrelException("VF " + std::to_string(vfId) + " is out of range for " + name + ": it has " +
                              std::to_string(pnic.maxVfs) + " VFs");
    }
    for (const auto& vf : VfsOf(name)) {
        if (static_cast<int64_t>(vf.id) != vfId) continue;
        stats = vf.stats;
        return;
    }
    throw KavrelException("VF " + std::to_string(vfId) + " is not enabled on " + name);
}

// --- ENS logical cores

void NetworkInfo::CreateEnsLcore(int64_t lcoreId) {
    CheckFault("NetworkInfo::CreateEnsLcore");
    HostStore::Instance().Update<SimHost::DatapathState>([&](SimHost::DatapathState& state) {
        if (lcoreId < 0 || lcoreId >= state.maxLcores) {
            throw KavrelException("Invalid " + LcoreText(lcoreId) + ": IDs range from 0 to " +
                                  std::to_string(state.maxLcores - 1));
        }
        // IDs are below the maximum and unique, so a new one in range never exceeds the count.
        for (const auto& lcore : state.lcores) {
            if (lcore.id == lcoreId) throw KavrelException(LcoreText(lcoreId) + " already exists");
        }
        SimHost::EnsLcoreModel lcore;
        lcore.id = lcoreId;
        state.lcores.push_back(lcore);
    });
}

void NetworkInfo::DestroyEnsLcore(int64_t lcoreId) {
    CheckFault("NetworkInfo::DestroyEnsLcore");
    HostStore::Instance().Update<SimHost::DatapathState>([&](SimHost::DatapathState& state) {
        ExistingLcore(state, lcoreId);
        state.lcores.erase(std::remove_if(state.lcores.begin(), state.lcores.end(),
                                          [&](const SimHost::EnsLcoreModel& lcore) { return lcore.id == lcoreId; }),
                           state.lcores.end());
    });
}

std::vector<int64_t> NetworkInfo::GetEnsLcores() {
    CheckFault("NetworkInfo::GetEnsLcores");
    std::vector<int64_t> ids;
    for (const auto& lcore : HostStore::Instance().Read<SimHost::DatapathState>().lcores) ids.push_back(lcore.id);
    return ids;
}

std::string NetworkInfo::GetEnsLcoreSwitch(int64_t lcoreId) {
    CheckFault("NetworkInfo::GetEnsLcoreSwitch");
    return ExistingLcore(HostStore::Instance().Read<SimHost::DatapathState>(), lcoreId).switchName;
}

int64_t NetworkInfo::GetEnsLcoreAffinity(int64_t lcoreId) {
    CheckFault("NetworkInfo::GetEnsLcoreAffinity");
    return ExistingLcore(HostStore::Instance().Read<SimHost::DatapathState>(), lcoreId).affinity;
}

void NetworkInfo::SetEnsLcoreSwitch(const std::string& switchName, int64_t lcoreId) {
    CheckFault("NetworkInfo::SetEnsLcoreSwitch");
    if (switchName != kNoSwitch && !SwitchExists(switchName)) {
        throw KavrelException("Virtual switch " + switchName + " does not exist");
    }
    HostStore::Instance().Update<SimHost::DatapathState>(
        [&](SimHost::DatapathState& state) { ExistingLcore(state, lcoreId).switchName = switchName; });
}

void NetworkInfo::SetEnsLcoreAffinity(int64_t affinity, int64_t lcoreId) {
    CheckFault("NetworkInfo::SetEnsLcoreAffinity");
    HostStore::Instance().Update<SimHost::DatapathState>([&](SimHost::DatapathState& state) {
        auto& lcore = ExistingLcore(state, lcoreId);
        if (affinity < 0 || affinity >= state.numaNodes) {
            throw KavrelException("Invalid affinity " + std::to_string(affinity) + ": the host has NUMA nodes 0 to " +
                                  std::to_string(state.numaNodes - 1));
        }
        lcore.affinity = affinity;
    });
}

int64_t NetworkInfo::GetEnsMaxLcores() {
    CheckFault("NetworkInfo::GetEnsMaxLcores");
    return HostStore::Instance().Read<SimHost::DatapathState>().maxLcores;
}

void NetworkInfo::SetEnsMaxLcores(int64_t count) {
    CheckFault("NetworkInfo::SetEnsMaxLcores");
    HostStore::Instance().Update<SimHost::DatapathState>([&](SimHost::DatapathState& state) {
        if (count < 1 || count > kEnsLcoreLimit) {
            throw KavrelException("Invalid maximum of " + std::to_string(count) + " lcores: it must be between 1 and " +
                                  std::to_string(kEnsLcoreLimit));
        }
        for (const auto& lcore : state.lcores) {
            if (lcore.id >= count) {
                throw KavrelException("Cannot lower the maximum to " + std::to_string(count) + ": " +
                                      LcoreText(lcore.id) + " exists");
            }
        }
        state.maxLcores = count;
    });
}

}  // namespace Network
}  // namespace Kavrel
