// Helpers shared by the physical NIC commands.
#include "nic/NicShared.h"

#include <cstring>

#include "kavrel/NetworkFactory.h"
#include "lmxctl/NetworkInfoImpl.h"

namespace NorvaleCli {
namespace NetworkNamespace {

constexpr char kNicNameParameter[] = "nic-name";
constexpr char kPnicParameter[] = "pnic";

namespace {
const char* const kMediaNames[] = {
    "None",     "Unknown", "BaseT",        "BaseX",      "BaseKX",         "BaseSX",  "BaseLX",  "BaseKR",
    "BaseLR",   "BaseSR",  "BaseER",       "BaseTwinax", "BaseTwinaxLong", "BaseLRM", "BaseCR1", "BaseKR2",
    "BaseMLD2", "BaseKR4", "BaseKX4",      "BaseCR4",    "BaseSR4",        "BaseLR4", "BaseR4",  "BaseSGMII",
    "BaseSFI",  "XLPPI",   "BaseCX-SGMII", "BaseDR4",    "BaseFR4",        "AUI-8",   "AUI-4",   "BaseSR16",
    "BaseFR8",  "BaseLR8", "AUI-16",       "BaseER4",    "BaseER8",        "BaseCX4", "BaseCR2"};
constexpr int kMediaCount = sizeof(kMediaNames) / sizeof(kMediaNames[0]);
static_assert(kMediaCount == 39, "one media name per index 0 to 38");

const char* const kPseudoKinds[] = {"USB-NIC", "ACPI-NIC", "PhyDev"};
constexpr char kUnknown[] = "Unknown";
}  // namespace

uint32_t Uint32Parameter(const InputPtr& input, const std::string& name) {
    const int64_t value = input->GetParameterInt(name);
    if (value < static_cast<int64_t>(INT32_MIN) || value > static_cast<int64_t>(UINT32_MAX)) {
        throw Kavrel::Lib::KavrelException("Invalid value " + std::to_string(value) + " for --" + name +
                                           ": it does not fit in 32 bits");
    }
    return static_cast<uint32_t>(value);
}

std::string PnicNotFoundMessage(const std::string& name) { return "Pnic with name " + name + " not found"; }

std::string NoPnicMessage(const std::string& name) { return "There is no pnic with name " + name; }

std::string NicNotFoundMessage(const std::string& name) { return "NIC with name " + name + " not found"; }

std::unique_ptr<Kavrel::Network::Pnic> FindNic(Kavrel::Network::NetworkInfo& inventory, const std::string& name,
                                               const OutputPtr& output, const std::string& notFound) {
    auto pnic = inventory.GetPnicByName(name);
    if (!pnic) output->AddErrorMessage(notFound);
    return pnic;
}

std::unique_ptr<Kavrel::Network::Pnic> FindNic(const std::string& name, const OutputPtr& output,
                                               const std::string& notFound) {
    LmxCtl::Network::NetworkInfoImpl inventory;
    return FindNic(inventory, name, output, notFound);
}

bool SelectPnics(Kavrel::Network::NetworkInfo& inventory, const InputPtr& input, const OutputPtr& output,
                 const std::string& parameter, const std::string& notFoundPrefix, const std::string& notFoundSuffix,
                 std::vector<std::unique_ptr<Kavrel::Network::Pnic>>& pnics) {
    if (!input->HasParameter(parameter)) {
        for (auto& pnic : inventory.GetPnics(Kavrel::Network::PNIC_GET_LOADED)) {
            if (pnic) pnics.push_back(std::move(pnic));
        }
        return true;
    }
    const std::string& name = input->GetParameter(parameter);
    auto pnic = FindNic(inventory, name, output, notFoundPrefix + name + notFoundSuffix);
    if (!pnic) return false;
    pnics.push_back(std::move(pnic));
    return true;
}

bool SelectPnicList(Kavrel::Network::NetworkInfo& inventory, const InputPtr& input, const OutputPtr& output,
                    const std::string& parameter, std::vector<std::unique_ptr<Kavrel::Network::Pnic>>& pnics) {
    if (!input->HasParameter(parameter)) {
        for (auto& pnic : inventory.GetPnics(Kavrel::Network::PNIC_GET_LOADED)) {
            if (pnic) pnics.push_back(std::move(pnic));
        }
        return true;
    }
    std::vector<std::string> names;
    input->GetParameterList(parameter, names);
    for (const auto& name : names) {
        auto pnic = FindNic(inventory, name, output, "Can't find PNIC with name " + name);
        if (!pnic) return false;
        pnics.push_back(std::move(pnic));
    }
    return true;
}

void ShowRingParams(const InputPtr& input, const OutputPtr& output,
                    const std::function<RecordPtr(const Kavrel::Network::PnicRingParams& preset,
                                                  const Kavrel::Network::PnicRingParams& current)>& show) {
    WithStandardErrors(output, [&] {
        auto inventory = Kavrel::Network::NetworkFactory::GetNetworkInfo();
        const std::string& nicName = input->GetParameter(kNicNameParameter);
        auto pnic = FindNic(*inventory, nicName, output, NicNotFoundMessage(nicName));
        if (!pnic) return;
        Kavrel::Network::PnicRingParams preset;
        Kavrel::Network::PnicRingParams current;
        pnic->GetRingParams(preset, current);
        output->SetRootObject(show(preset, current));
    });
}

void ListOffloadSettings(
    const InputPtr& input, const OutputPtr& output, const std::function<RecordPtr()>& makeRecord,
    const std::function<void(const RecordPtr&, const Kavrel::Network::PnicOffloadSettings&)>& fill) {
    WithStandardErrors(output, [&] {
        LmxCtl::Network::NetworkInfoImpl inventory;
        std::vector<std::unique_ptr<Kavrel::Network::Pnic>> pnics;
        if (!SelectPnics(inventory, input, output, kPnicParameter, "Pnic with name ", " not found", pnics)) return;
        auto list = MakeRecordList(makeRecord());
        for (const auto& pnic : pnics) {
            auto record = makeRecord();
            record->SetField(kNicField, pnic->GetName());
            Kavrel::Network::PnicOffloadSettings settings;
            pnic->GetOffloadSettings(settings);
            fill(record, settings);
            list->Add(record);
        }
        output->SetRootObject(list);
    });
}

void SetOffloadSettings(const InputPtr& input, const OutputPtr& output, uint8_t mask) {
    using Offload = Kavrel::Network::PnicOffloadSettings;
    WithStandardErrors(output, [&] {
        const std::string& name = input->GetParameter(kPnicParameter);
        LmxCtl::Network::NetworkInfoImpl inventory;
        auto pnic = FindNic(inventory, name, output, PnicNotFoundMessage(name));
        if (!pnic) return;
        Offload settings;
        pnic->GetOffloadSettings(settings);
        bool enable = input->GetParameterInt("enable") != 0;
        settings.mask = mask;
        if (mask & Offload::RX_CSO) settings.rxChecksum = enable;
        if (mask & Offload::TX_CSO) settings.txChecksum = enable;
        if (mask & Offload::SG) settings.scatterGather = enable;
        if (mask & Offload::TSO) settings.tso = enable;
        pnic->SetOffloadSettings(settings);
        SetSuccess(output);
    });
}

std::string SupportedPortText(uint32_t port) {
    static const char* const names[] = {"TP", "AUI", "BNC", "MII", "FIBRE", "DA", "BACKPLANE"};
    return port < 7 ? names[port] : "UNKNOWN";
}

std::string CableTypeText(uint32_t port) {
    static const char* const names[] = {"Twisted Pair", "AUI", "BNC", "MII", "FIBRE", "DA", "BACKPLANE"};
    return port < 7 ? names[port] : "";
}

std::string WakeOnText(uint32_t mode) {
    static const char* const names[] = {"PHY Activity",
                                        "Unicast Messagess",
                                        "Multicast Messages",
                                        "Broadcast Messages",
                                        "ARP",
                                        "MagicPacket(tm)",
                                        "Enable SecureOn(tm) Password for                            MagicPacket(tm)",
                                        "Unsupported",
                                        "Disabled"};
    return mode < 9 ? names[mode] : "None";
}

std::string LinkModeText(const Kavrel::Network::PnicLinkMode& mode) {
    if (mode.speed == 0) return "Auto";
    std::string duplex;
    if (mode.duplex == 1) {
        duplex = "Full";
    } else if (mode.duplex == 2) {
        duplex = "Half";
    } else if (mode.duplex == 0) {
        duplex = "Auto";
    }
    std::string media = mode.media >= 0 && mode.media < kMediaCount ? kMediaNames[mode.media] : kUnknown;
    return std::to_string(mode.speed) + media + "/" + duplex;
}

std::pair<std::string, std::string> PseudoNicNames(const std::string& description) {
    // The description is read through a 128-byte buffer.
    char buffer[128] = {};
    std::strncpy(buffer, description.c_str(), sizeof(buffer) - 1);
    std::vector<std::string> fields;
    char* saved = nullptr;
    for (char* token = strtok_r(buffer, ":", &saved); token; token = strtok_r(nullptr, ":", &saved)) {
        fields.emplace_back(token);
    }
    if (fields.empty()) return {kUnknown, kUnknown};
    bool known = false;
    for (const char* kind : kPseudoKinds) {
        if (fields[0].compare(0, std::strlen(kind), kind) == 0) known = true;
    }
    if (!known) return {kUnknown, kUnknown};
    // A field the description leaves out reads as unknown.
    return {fields.size() > 1 ? fields[1] : kUnknown, fields.size() > 2 ? fields[2] : kUnknown};
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
