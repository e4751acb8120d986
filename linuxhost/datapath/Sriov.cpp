// SR-IOV NICs and ENS logical cores on a Linux host. A NIC's virtual
// functions are in sysfs (device/sriov_numvfs, device/virtfnN); ENS logical
// cores have no counterpart in the kernel.
#include <unistd.h>

#include <sstream>

#include "core/KernelFiles.h"
#include "core/Refusal.h"
#include "kavrel/Datapath.h"
#include "kavrel/Lib.h"
#include "kavrel/NetworkInfo.h"
#include "nic/NicHost.h"

namespace Kavrel {
namespace Network {

namespace {

// The number in a device attribute file; 0 when it is missing.
uint32_t DeviceNumber(const std::string& nic, const std::string& attribute) {
    std::istringstream in(LinuxHost::ReadKernelFile("/sys/class/net/" + nic + "/device/" + attribute));
    uint32_t value = 0;
    in >> value;
    return in ? value : 0;
}

bool IsSriovCapable(const std::string& nic) {
    return LinuxHost::IsNicDevice(nic) && DeviceNumber(nic, "sriov_totalvfs") > 0;
}

}  // namespace

SriovNic::SriovNic(const std::string& name) : Pnic(name) {}
SriovNic::~SriovNic() = default;

std::vector<std::unique_ptr<SriovNic>> NetworkInfo::GetSriovNics() {
    std::vector<std::unique_ptr<SriovNic>> nics;
    for (const auto& link : LinuxHost::AllLinks()) {
        if (IsSriovCapable(link.device)) nics.push_back(std::make_unique<SriovNic>(link.device));
    }
    return nics;
}

std::unique_ptr<SriovNic> NetworkInfo::GetSriovNicByName(const std::string& name) {
    if (!IsSriovCapable(name)) return nullptr;
    return std::make_unique<SriovNic>(name);
}

// Every enabled VF, by its PCI function; no VM owns one on a Linux host.
std::vector<SriovNicVFInfo> NetworkInfo::GetSriovNicVFInfo(const std::string& name) {
    if (!IsSriovCapable(name)) throw Lib::KavrelException(name + " is not an SR-IOV capable NIC");
    std::vector<SriovNicVFInfo> functions;
    const uint32_t count = DeviceNumber(name, "sriov_numvfs");
    for (uint32_t vf = 0; vf < count; ++vf) {
        SriovNicVFInfo info;
        info.vfId = vf;
        char target[4096];
        const std::string link = "/sys/class/net/" + name + "/device/virtfn" + std::to_string(vf);
        const ssize_t length = ::readlink(link.c_str(), target, sizeof target - 1);
        if (length > 0) {
            target[length] = '\0';
            info.pciAddress = target;
            info.pciAddress = info.pciAddress.substr(info.pciAddress.rfind('/') + 1);
        }
        info.active = ::access((link + "/driver").c_str(), F_OK) == 0;  // a driver has claimed it
        functions.push_back(info);
    }
    return functions;
}

void NetworkInfo::GetSriovNicVFStats(const std::string&, int64_t, SriovNicVFStats&) {
    LinuxHost::NotYetOnLinux("SR-IOV virtual function counters");
}

void NetworkInfo::CreateEnsLcore(int64_t) { LinuxHost::NoEquivalent("ENS logical cores"); }
void NetworkInfo::DestroyEnsLcore(int64_t) { LinuxHost::NoEquivalent("ENS logical cores"); }
std::vector<int64_t> NetworkInfo::GetEnsLcores() { LinuxHost::NoEquivalent("ENS logical cores"); }
std::string NetworkInfo::GetEnsLcoreSwitch(int64_t) { LinuxHost::NoEquivalent("ENS logical cores"); }
int64_t NetworkInfo::GetEnsLcoreAffinity(int64_t) { LinuxHost::NoEquivalent("ENS logical cores"); }
void NetworkInfo::SetEnsLcoreSwitch(const std::string&, int64_t) { LinuxHost::NoEquivalent("ENS logical cores"); }
void NetworkInfo::SetEnsLcoreAffinity(int64_t, int64_t) { LinuxHost::NoEquivalent("ENS logical cores"); }
int64_t NetworkInfo::GetEnsMaxLcores() { LinuxHost::NoEquivalent("ENS logical cores"); }
void NetworkInfo::SetEnsMaxLcores(int64_t) { LinuxHost::NoEquivalent("ENS logical cores"); }

}  // namespace Network
}  // namespace Kavrel
