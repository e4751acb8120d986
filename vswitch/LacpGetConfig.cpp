// network vswitch dvs norvale lacp config get: the LACP groups configured on distributed switches.
#include <map>

#include "frame/CommandFrame.h"
#include "kavrel/DVSwitch.h"
#include "vswitch/VswitchCommands.h"
#include "vswitch/VswitchShared.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {
constexpr char kRecordName[] = "LACP";
constexpr char kDvsNameField[] = "DVS Name";
constexpr char kLagNameField[] = "LAG Name";
constexpr char kLagIdField[] = "LAG ID";
constexpr char kNicsField[] = "NICs";
constexpr char kEnabledField[] = "Enabled";
constexpr char kModeField[] = "Mode";
constexpr char kLoadBalanceField[] = "Load balance";
constexpr char kDefaultLagName[] = "default_uplink_pg_lag";

std::string Join(const std::vector<std::string>& names) {
    std::string text;
    for (const auto& name : names) text += (text.empty() ? "" : ",") + name;
    return text;
}

// The physical NICs behind the group's uplink slots "<name>-0", "<name>-1", ...
std::string SlotNics(const Kavrel::Network::DVSwitch& dvswitch, const Kavrel::Network::LacpLagConfig& lag) {
    std::vector<std::unique_ptr<Kavrel::Network::DVPort>> uplinkPorts;
    for (const auto& key : dvswitch.GetUplinkPortKeys()) {
        if (auto port = dvswitch.GetDVPort(key)) uplinkPorts.push_back(std::move(port));
    }
    std::vector<std::string> nics;
    for (uint32_t slot = 0; slot < lag.uplinkCount; ++slot) {
        const std::string slotName = lag.name + "-" + std::to_string(slot);
        for (const auto& port : uplinkPorts) {
            if (port->GetUplinkName() != slotName) continue;
            std::string nic = port->GetPnicName();
            if (!nic.empty()) nics.push_back(nic);
            break;
        }
    }
    return Join(nics);
}
}  // namespace

LacpGetConfig::LacpGetConfig() {
    SetDescription("Get LACP configuration on DVS");
    SetDefaultOutputFormatter("table");
    SetDefaultOutputParameter("fields:LACP", "DVS Name,LAG Name,LAG ID,NICs,Enabled,Mode,Load balance");
}

std::shared_ptr<LacpGetConfig> LacpGetConfig::New() { return std::shared_ptr<LacpGetConfig>(new LacpGetConfig()); }

LacpGetConfig::~LacpGetConfig() = default;

RecordPtr LacpGetConfig::GetOutputStructure() {
    return RecordTemplate(kRecordName)
        .String(kDvsNameField)
        .String(kLagNameField)
        .String(kLagIdField)
        .String(kNicsField)
        .Bool(kEnabledField)
        .String(kModeField)
        .String(kLoadBalanceField);
}

InputSpecPtr LacpGetConfig::GetInputSpecInternal() { return LacpInputSpec(); }

OutputSpecPtr LacpGetConfig::GetOutputSpecInternal() { return MakeOutputSpec(MakeRecordList(GetOutputStructure())); }

void LacpGetConfig::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    auto addRows = [&](const Kavrel::Network::DVSwitch& dvswitch, Parvik::MetaObj::MetaList& list) {
        const std::string name = dvswitch.GetDvsName();
        auto lags = dvswitch.GetLagConfigs();
        if (!lags.empty()) {
            for (const auto& lag : lags) {
                auto record = GetOutputStructure();
                record->SetField(kDvsNameField, name);
                record->SetField(kLagNameField, lag.name);
                record->SetField(kLagIdField, lag.lagId);
                record->SetField(kNicsField, SlotNics(dvswitch, lag));
                record->SetField(kEnabledField, true);
                record->SetField(kModeField, LacpConfigModeName(lag.mode));
                record->SetField(kLoadBalanceField, LacpLoadBalanceName(lag.loadBalance));
                list.Add(record);
            }
            return;
        }
        // No enhanced group: each uplink port group forms the default group.
        std::vector<std::string> order;
        std::map<std::string, std::vector<std::unique_ptr<Kavrel::Network::DVPort>>> byPortgroup;
        for (const auto& key : dvswitch.GetUplinkPortKeys()) {
            auto port = dvswitch.GetDVPort(key);
            if (!port) continue;
            std::string portgroup = port->GetDVPortgroupId();
            if (!byPortgroup.count(portgroup)) order.push_back(portgroup);
            byPortgroup[portgroup].push_back(std::move(port));
        }
        for (const auto& portgroup : order) {
            std::vector<std::string> nics;
            bool enabled = false;
            uint32_t mode = 0;
            for (const auto& port : byPortgroup[portgroup]) {
                if (!port->IsLacpEnabled()) continue;
                if (!enabled) mode = port->GetLacpMode();
                enabled = true;
                std::string nic = port->GetPnicName();
                if (!nic.empty()) nics.push_back(nic);
            }
            auto record = GetOutputStructure();
            record->SetField(kDvsNameField, name);
            record->SetField(kLagNameField, kDefaultLagName);
            record->SetField(kLagIdField, "0");
            record->SetField(kNicsField, Join(nics));
            record->SetField(kEnabledField, enabled);
            record->SetField(kModeField, enabled ? LacpConfigModeName(mode) : "");
            record->SetField(kLoadBalanceField, "---");
            list.Add(record);
        }
    };
    ListLacpRows(input, output, GetOutputStructure(), addRows, [] { return "LACP is disabled on DVSwitch."; });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
