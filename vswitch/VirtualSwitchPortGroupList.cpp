// network vswitch standard portgroup list: every port group with its switch, clients and VLAN.
#include "frame/CommandFrame.h"
#include "lmxctl/NetworkInfoImpl.h"
#include "vswitch/VswitchCommands.h"
#include "vswitch/VswitchShared.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {
constexpr char kRecordName[] = "PortGroup";
constexpr char kNameField[] = "Name";
constexpr char kVirtualSwitchField[] = "Virtual Switch";
constexpr char kActiveClientsField[] = "Active Clients";
constexpr char kVlanIdField[] = "VLAN ID";
}  // namespace

VirtualSwitchPortGroupList::VirtualSwitchPortGroupList() {
    SetDescription("List all of the port groups currently on the system.");
    SetDefaultOutputFormatter("table");
    SetDefaultOutputParameter("fields:PortGroup", "Name,Virtual Switch,Active Clients,VLAN ID");
}

std::shared_ptr<VirtualSwitchPortGroupList> VirtualSwitchPortGroupList::New() {
    return std::shared_ptr<VirtualSwitchPortGroupList>(new VirtualSwitchPortGroupList());
}

VirtualSwitchPortGroupList::~VirtualSwitchPortGroupList() = default;

RecordPtr VirtualSwitchPortGroupList::GetOutputStructure() {
    return RecordTemplate(kRecordName)
        .String(kNameField)
        .String(kVirtualSwitchField)
        .Int(kActiveClientsField)
        .Int(kVlanIdField);
}

InputSpecPtr VirtualSwitchPortGroupList::GetInputSpecInternal() {
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kTypeParameter, Parvik::CallSpec::PARAM_STRING, "t",
                 "List port groups with given type(e.g. system).", false);
    return spec;
}

OutputSpecPtr VirtualSwitchPortGroupList::GetOutputSpecInternal() {
    return MakeOutputSpec(MakeRecordList(GetOutputStructure()));
}

void VirtualSwitchPortGroupList::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    WithStandardErrors(output, [&] {
        int type = Kavrel::Network::PORTSET_GET_DEFAULT;
        if (!ReadPortsetType(input, output, type)) return;
        LmxCtl::Network::NetworkInfoImpl network;
        auto list = MakeRecordList(GetOutputStructure());
        for (const auto& portgroup : network.GetAllPortGroups(type)) {
            auto record = GetOutputStructure();
            record->SetField(kNameField, portgroup->GetName());
            record->SetField(kVirtualSwitchField, portgroup->GetVirtualSwitchName());
            record->SetField(kActiveClientsField, portgroup->GetActiveClients());
            record->SetField(kVlanIdField, static_cast<uint16_t>(portgroup->GetVlanId()));
            list->Add(record);
        }
        output->SetRootObject(list);
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
