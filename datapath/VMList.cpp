// network vm list: the VMs that hold ports on the host's switches, with their networks.
#include <map>
#include <vector>

#include "datapath/DatapathCommands.h"
#include "datapath/DatapathShared.h"
#include "frame/CommandFrame.h"
#include "lmxctl/Datapath.h"
#include "lmxctl/VirtualSwitch.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {
constexpr char kRecordName[] = "VM";
constexpr char kWorldIdField[] = "World ID";
constexpr char kNameField[] = "Name";
constexpr char kNumPortsField[] = "Num Ports";
constexpr char kNetworksField[] = "Networks";
constexpr char kListFailedPrefix[] = "Unable to list VM's: ";
const size_t kWorldNamePrefixLength = 5;  // the world kind before the VM's own name
}  // namespace

VMList::VMList() {
    SetDescription("List networking information for the VM's that have active ports.");
    SetDefaultOutputFormatter("table");
    SetDefaultOutputParameter("fields:VM", "World ID,Name,Num Ports,Networks");
}

std::shared_ptr<VMList> VMList::New() { return std::shared_ptr<VMList>(new VMList()); }

VMList::~VMList() = default;

RecordPtr VMList::GetOutputStructure() {
    return RecordTemplate(kRecordName)
        .Int(kWorldIdField)
        .String(kNameField)
        .Int(kNumPortsField)
        .StringList(kNetworksField);
}

InputSpecPtr VMList::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

OutputSpecPtr VMList::GetOutputSpecInternal() { return MakeOutputSpec(MakeRecordList(GetOutputStructure())); }

void VMList::ExecuteInternal(const InputPtr&, const OutputPtr& output) {
    WithPrefixedErrors(output, kListFailedPrefix, [&] {
        std::map<int64_t, std::vector<std::string>> networks;
        LmxCtl::Network::VirtualSwitchInfoImpl switches;
        for (const auto& vswitch : switches.GetAllSwitches()) {
            if (!vswitch) continue;
            std::string name = vswitch->GetName();
            bool legacy = switches.IsLegacySwitch(name);
            bool distributed = switches.IsDVSwitch(name);
            bool opaque = switches.IsOpaqueSwitch(name);
            for (const auto& info : vswitch->GetPorts()) {
                LmxCtl::Network::PortImpl port(name, info.portId);
                int64_t world = port.GetWorldLeader();
                if (world == 0) continue;
                if (legacy || opaque) {
                    networks[world].push_back(port.GetPortGroupName());
                } else if (distributed) {
                    LmxCtl::Network::DVPortImpl dvport(name, port.GetDVPortID());
                    networks[world].push_back(dvport.GetDVPortgroupId());
                }
            }
        }
        auto list = MakeRecordList(GetOutputStructure());
        for (const auto& [world, names] : networks) {
            std::string worldName = LmxCtl::Resource::WorldImpl(world).GetWorldName();
            auto record = GetOutputStructure();
            record->SetField(kWorldIdField, world);
            record->SetField(kNameField,
                             worldName.size() > kWorldNamePrefixLength ? worldName.substr(kWorldNamePrefixLength) : "");
            record->SetField(kNumPortsField, static_cast<int64_t>(names.size()));
            record->SetField(kNetworksField, names);
            list->Add(record);
        }
        output->SetRootObject(list);
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
