// network vm port list: the ports one VM holds on the host's switches.
#include <algorithm>
#include <vector>

#include "datapath/DatapathCommands.h"
#include "datapath/DatapathShared.h"
#include "frame/CommandFrame.h"
#include "kavrel/DVSwitch.h"
#include "lmxctl/Datapath.h"
#include "lmxctl/PnicImpl.h"
#include "lmxctl/VirtualSwitch.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {
constexpr char kWorldIdParameter[] = "world-id";
constexpr char kRecordName[] = "Port";
constexpr char kPortIdField[] = "Port ID";
constexpr char kSwitchField[] = "vSwitch";
constexpr char kPortgroupField[] = "Portgroup";
constexpr char kDVPortIdField[] = "DVPort ID";
constexpr char kMacField[] = "MAC Address";
constexpr char kIpField[] = "IP Address";
constexpr char kTeamUplinkField[] = "Team Uplink";
constexpr char kUplinkPortIdField[] = "Uplink Port ID";
constexpr char kFiltersField[] = "Active Filters";
constexpr char kNoSuchVm[] = "Couldn't find VM with given world ID";
}  // namespace

VMPortList::VMPortList() {
    SetDescription("List of active ports for a given VM.");
    SetDefaultOutputFormatter("simple");
    SetDefaultOutputParameter("fields:Port",
                              "Port ID,vSwitch,Portgroup,DVPort ID,MAC Address,IP Address,Team Uplink,Uplink Port "
                              "ID,Active Filters");
}

std::shared_ptr<VMPortList> VMPortList::New() { return std::shared_ptr<VMPortList>(new VMPortList()); }

VMPortList::~VMPortList() = default;

RecordPtr VMPortList::GetOutputStructure() {
    return RecordTemplate(kRecordName)
        .Int(kPortIdField)
        .String(kSwitchField)
        .String(kPortgroupField)
        .String(kDVPortIdField)
        .String(kMacField)
        .String(kIpField)
        .String(kTeamUplinkField)
        .Int(kUplinkPortIdField)
        .StringList(kFiltersField);
}

InputSpecPtr VMPortList::GetInputSpecInternal() {
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kWorldIdParameter, Parvik::CallSpec::PARAM_INTEGER, "w", "World ID of the VM for listing ports.",
                 true);
    return spec;
}

OutputSpecPtr VMPortList::GetOutputSpecInternal() { return MakeOutputSpec(MakeRecordList(GetOutputStructure())); }

void VMPortList::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    WithStandardErrors(output, [&] {
        auto world = static_cast<int32_t>(ParseDecimal(input->GetParameter(kWorldIdParameter)));
        auto list = MakeRecordList(GetOutputStructure());
        bool found = false;
        LmxCtl::Network::VirtualSwitchInfoImpl switches;
        for (const auto& vswitch : switches.GetAllSwitches()) {
            if (!vswitch) continue;
            std::string name = vswitch->GetName();
            bool standardKind = switches.IsLegacySwitch(name) || switches.IsOpaqueSwitch(name);
            for (const auto& info : vswitch->GetPorts()) {
                LmxCtl::Network::PortImpl port(name, info.portId);
                int64_t leader = port.GetWorldLeader();
                if (leader == 0 || leader != world) continue;
                found = true;
                auto record = GetOutputStructure();
                record->SetField(kPortIdField, static_cast<int64_t>(port.GetId()));
                if (!standardKind) {
                    auto* dvswitch = dynamic_cast<Kavrel::Network::DVSwitch*>(vswitch.get());
                    std::string dvPortId = port.GetDVPortID();
                    LmxCtl::Network::DVPortImpl dvport(name, dvPortId);
                    record->SetField(kSwitchField, dvswitch ? dvswitch->GetDvsName() : name);
                    record->SetField(kPortgroupField, dvport.GetDVPortgroupId());
                    record->SetField(kDVPortIdField, dvPortId);
                } else {
                    record->SetField(kSwitchField, name);
                    record->SetField(kPortgroupField, port.GetPortGroupName());
                    record->SetField(kDVPortIdField, "");
                }
                auto macs = port.GetMacAddresses();
                record->SetField(kMacField, macs.empty() ? std::string() : macs.front().GetStringAddress());
                record->SetField(kIpField, port.GetPortClientIpv4Address().GetStringAddress());
                // A port not scheduled on any uplink shows no uplink and port 0.
                std::string uplink = port.GetSchedTeamUplink();
                int64_t uplinkPortId = 0;
                if (!uplink.empty()) {
                    LmxCtl::Network::PnicImpl pnic(uplink);
                    uplink = pnic.GetName();
                    uplinkPortId = pnic.GetPort()->GetId();
                }
                record->SetField(kTeamUplinkField, uplink);
                record->SetField(kUplinkPortIdField, uplinkPortId);
                std::vector<std::string> filters;
                for (const auto& filter : port.GetFilterStats()) {
                    if (!filter->active) continue;
                    if (std::find(filters.begin(), filters.end(), filter->name) == filters.end()) {
                        filters.push_back(filter->name);
                    }
                }
                record->SetField(kFiltersField, filters);
                list->Add(record);
            }
        }
        if (!found) {
            output->AddErrorMessage(kNoSuchVm);
            return;
        }
        output->SetRootObject(list);
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
