// What the virtual switch commands share besides their policies
// (VswitchPolicy.cpp): lookups, switch types and sizes, NIC names, LACP words.
#include "vswitch/VswitchShared.h"

#include <algorithm>

#include "kavrel/NetworkFactory.h"
#include "lmxctl/NetworkInfoImpl.h"
#include "lmxctl/VirtualSwitch.h"

namespace NorvaleCli {
namespace NetworkNamespace {

using Parvik::CallSpec::PARAM_STRING;

std::string CdpStatusName(uint32_t value) {
    if (value >= sizeof(kCdpStatusNames) / sizeof(kCdpStatusNames[0])) return "unknown";
    return kCdpStatusNames[value];
}

uint32_t CdpStatusValue(const std::string& word) {
    for (uint32_t value = 0; value < 3; ++value) {
        if (kCdpStatusNames[value] == word) return value;
    }
    return 3;
}

std::unique_ptr<Kavrel::Network::Portset> FindSwitch(const std::string& name, const OutputPtr& output) {
    std::unique_ptr<Kavrel::Network::Portset> vswitch;
    if (LmxCtl::Network::PortsetImpl::IsValidVirtualSwitch(name)) {
        LmxCtl::Network::VirtualSwitchInfoImpl switches;
        vswitch = switches.GetVirtualSwitchByName(name, Kavrel::Network::PORTSET_GET_DEFAULT);
    }
    if (!vswitch) output->AddErrorMessage("Unable to find a legacy virtual switch with the name " + name);
    return vswitch;
}

std::unique_ptr<Kavrel::Network::PortGroup> FindPortGroup(const std::string& name, const OutputPtr& output) {
    auto portgroup = Kavrel::Network::NetworkFactory::GetPortGroupByName(name);
    if (!portgroup) output->AddErrorMessage("Unable to find a port group with the name " + name);
    return portgroup;
}

bool ReadPortsetType(const InputPtr& input, const OutputPtr& output, int& type) {
    type = Kavrel::Network::PORTSET_GET_DEFAULT;
    if (!input->HasParameter(kTypeParameter)) return true;
    if (input->GetParameter(kTypeParameter) != "system") {
        output->AddErrorMessage(kInvalidTypeMessage);
        return false;
    }
    type = Kavrel::Network::PORTSET_GET_SYSTEM;
    return true;
}

std::vector<std::string> PhysicalNicNames() {
    LmxCtl::Network::NetworkInfoImpl network;
    std::vector<std::string> names;
    for (const auto& pnic : network.GetPnics(Kavrel::Network::PNIC_GET_ALL)) names.push_back(pnic->GetName());
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<std::string> PhysicalUplinks(const std::vector<std::string>& uplinks,
                                         const std::vector<std::string>& nicNames) {
    std::vector<std::string> kept;
    for (const auto& uplink : uplinks) {
        if (std::binary_search(nicNames.begin(), nicNames.end(), uplink)) kept.push_back(uplink);
    }
    return kept;
}

bool SelectLacpSwitches(const InputPtr& input, const OutputPtr& output,
                        std::vector<std::unique_ptr<Kavrel::Network::DVSwitch>>& switches) {
    switches.clear();
    if (input->HasParameter(kDvsParameter)) {
        auto dvswitch = Kavrel::Network::NetworkFactory::GetDVSwitchByName(input->GetParameter(kDvsParameter));
        if (dvswitch) switches.push_back(std::move(dvswitch));
        return true;
    }
    LmxCtl::Network::VirtualSwitchInfoImpl info;
    switches = info.GetDVSwitches();
    for (auto& opaque : info.GetOpaqueDVSwitches()) switches.push_back(std::move(opaque));
    if (switches.empty()) {
        output->AddErrorMessage(
            "LACP is supported on Norvale DVSwitch only, and there is no DVSwitch configured on host.");
        return false;
    }
    return true;
}

void ChangeSwitchPortGroups(const InputPtr& input, const OutputPtr& output,
                            const std::function<void(Kavrel::Network::Portset&, const std::string&)>& change) {
    WithStandardErrors(output, [&] {
        const std::string& name = input->GetParameter(kVswitchNameParameter);
        auto vswitch =
            Kavrel::Network::NetworkFactory::GetVirtualSwitchById(name, Kavrel::Network::PORTSET_GET_DEFAULT);
        if (!vswitch) {
            output->AddErrorMessage(UnknownVirtualSwitchMessage(name));
            return;
        }
        change(*vswitch, input->GetParameter(kPortgroupNameParameter));
        SetSuccess(output);
    });
}

RecordTemplate& SwitchSizeFields(RecordTemplate& layout) {
    return layout.String(kSwitchClassField)
        .Int(kSwitchNumPortsField)
        .Int(kSwitchUsedPortsField)
        .Int(kSwitchConfiguredPortsField)
        .Int(kSwitchMtuField);
}

void FillSwitchSizeFields(const RecordPtr& record, const Kavrel::Network::Portset& vswitch) {
    record->SetField(kSwitchClassField, vswitch.GetClass());
    record->SetField(kSwitchNumPortsField, vswitch.GetNumPorts());
    record->SetField(kSwitchUsedPortsField, vswitch.GetNumUsedPorts());
    record->SetField(kSwitchConfiguredPortsField, vswitch.GetNumConfiguredPorts());
    record->SetField(kSwitchMtuField, vswitch.GetMTU());
}

InputSpecPtr LacpInputSpec() {
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kDvsParameter, PARAM_STRING, "s", kDvsDescription, false);
    return spec;
}

std::string LacpConfigModeName(uint32_t mode) {
    if (mode == 1) return "Active";
    if (mode == 2) return "Passive";
    return "None";
}

std::string LacpStatusModeName(uint32_t mode) { return mode == 2 ? "Passive" : "Active"; }

std::string LacpLoadBalanceName(uint32_t index) {
    static const char* const kAlgorithms[] = {"None",
                                              "Dst mac",
                                              "Src mac",
                                              "Src and dst mac",
                                              "Dst ip",
                                              "Src ip",
                                              "Src and dst ip",
                                              "Vlan",
                                              "Dst ip and vlan",
                                              "Src ip and vlan",
                                              "Src and dst ip, vlan",
                                              "Dst port",
                                              "Src port",
                                              "Src and dst port",
                                              "Dst ip and dst port",
                                              "Src ip and src port",
                                              "Src and dst ip, port",
                                              "Dst ip and dst port, vlan",
                                              "Src ip and src port, vlan",
                                              "Src and dst ip, port, vlan",
                                              "Src portID"};
    if (index >= sizeof(kAlgorithms) / sizeof(kAlgorithms[0])) return "Unknown";
    return kAlgorithms[index];
}

std::string LacpPortStateText(uint8_t state) {
    static const char* const kBits[] = {"ACT", "FTO", "AGG", "SYN", "COL", "DIST", "DEF", "EXP"};
    std::string text;
    for (unsigned bit = 0; bit < 8; ++bit) {
        if (state & (1u << bit)) text += std::string(kBits[bit]) + ",";
    }
    return text;
}

std::string ConvertToHrsMinsAndSecs(uint32_t seconds) {
    char text[32];
    std::snprintf(text, sizeof(text), "%02u:%02u:%02u", seconds / 3600, (seconds % 3600) / 60, seconds % 60);
    return text;
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
