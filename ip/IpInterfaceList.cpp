// network ip interface list: the Lumex interfaces with their connection points and settings.
#include "frame/CommandFrame.h"
#include "ip/InterfaceCommands.h"
#include "ip/InterfaceShared.h"
#include "ip/StackShared.h"
#include "lmxctl/LumexNicInfoImpl.h"
#include "lmxctl/VirtualSwitch.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {
constexpr char kRecordName[] = "NetworkInterface";
constexpr char kNameField[] = "Name";
constexpr char kMacField[] = "MAC Address";
constexpr char kPortsetField[] = "Portset";
constexpr char kPortgroupField[] = "Portgroup";
constexpr char kNetstackField[] = "Netstack Instance";
constexpr char kCdsNameField[] = "CDS Name";
constexpr char kCdsUuidField[] = "CDS UUID";
constexpr char kCdsPortField[] = "CDS Port";
constexpr char kCdsConnectionField[] = "CDS Connection";
constexpr char kOpaqueIdField[] = "Opaque Network ID";
constexpr char kOpaqueTypeField[] = "Opaque Network Type";
constexpr char kExternalIdField[] = "External ID";
constexpr char kMtuField[] = "MTU";
constexpr char kTsoMssField[] = "TSO MSS";
constexpr char kRxQueueField[] = "RXDispQueue Size";
constexpr char kEnabledField[] = "Enabled";
constexpr char kPortIdField[] = "Port ID";
constexpr char kNotApplicable[] = "N/A";

// Every connection field, "Portset" and "Netstack Instance" included, as not applicable.
void SetNoConnection(const RecordPtr& record) {
    for (const char* field : {kPortsetField, kPortgroupField, kNetstackField, kCdsNameField, kCdsUuidField,
                              kCdsPortField, kOpaqueIdField, kOpaqueTypeField, kExternalIdField}) {
        record->SetField(field, kNotApplicable);
    }
    record->SetField(kCdsConnectionField, int64_t(-1));
}
}  // namespace

IpInterfaceList::IpInterfaceList() {
    SetDescription("This command will list the Lumex network interfaces currently known to the system.");
    SetDefaultOutputFormatter("simple");
    SetDefaultOutputParameter("header:NetworkInterface", "%Name%");
    SetDefaultOutputParameter("fields:NetworkInterface",
                              "Name,MAC Address,Enabled,Portset,Portgroup,Netstack Instance,CDS Name,CDS UUID,CDS "
                              "Port,CDS Connection,Opaque Network ID,Opaque Network Type,External ID,MTU,TSO "
                              "MSS,RXDispQueue Size,Port ID");
}

std::shared_ptr<IpInterfaceList> IpInterfaceList::New() {
    return std::shared_ptr<IpInterfaceList>(new IpInterfaceList());
}

IpInterfaceList::~IpInterfaceList() = default;

RecordPtr IpInterfaceList::GetOutputStructure() {
    return RecordTemplate(kRecordName)
        .String(kNameField)
        .String(kMacField)
        .String(kPortsetField)
        .String(kPortgroupField)
        .String(kNetstackField)
        .String(kCdsNameField)
        .String(kCdsUuidField)
        .String(kCdsPortField)
        .Int(kCdsConnectionField)
        .String(kOpaqueIdField)
        .String(kOpaqueTypeField)
        .String(kExternalIdField)
        .Int(kMtuField)
        .Int(kTsoMssField)
        .Int(kRxQueueField)
        .Bool(kEnabledField)
        .Int(kPortIdField);
}

InputSpecPtr IpInterfaceList::GetInputSpecInternal() {
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kNetstackParameter, Parvik::CallSpec::PARAM_STRING, "N",
                 "The network stack instance; if unspecified, consider all netstack instances", false);
    AddParameter(spec, kTypeParameter, Parvik::CallSpec::PARAM_STRING, "t",
                 "List Lumex network interfaces with given type(e.g. system).", false);
    return spec;
}

OutputSpecPtr IpInterfaceList::GetOutputSpecInternal() { return MakeOutputSpec(MakeRecordList(GetOutputStructure())); }

void IpInterfaceList::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    WithStandardErrors(output, [&] {
        std::string netstack = ParameterOr(input, kNetstackParameter);
        int kind = 0;
        if (!PortsetKindFromType(input, output, netstack.empty() ? kDefaultNetstack : netstack, kind)) return;
        LmxCtl::Network::LumexNicInfoImpl info;
        auto nics = netstack.empty() ? info.GetLumexNics(kind) : info.GetLumexNicsByInstanceKey(netstack, kind);
        auto list = MakeRecordList(GetOutputStructure());
        for (const auto& nic : nics) {
            auto record = GetOutputStructure();
            record->SetField(kNameField, nic->GetInterfaceName());
            record->SetField(kMacField, nic->GetMacAddress().GetStringAddress());
            int type = nic->GetConnectionPointType();
            if (type == Kavrel::Network::CONNECTION_POINT_NONE) {
                SetNoConnection(record);
            } else if (type < Kavrel::Network::CONNECTION_POINT_PORTGROUP ||
                       type > Kavrel::Network::CONNECTION_POINT_OPAQUE_NETWORK) {
                output->AddErrorMessage("Unknown ConnectionPoint type found in list of Lumex network interfaces.");
                SetNoConnection(record);
            } else {
                SetNoConnection(record);
                std::string portset = nic->GetPortsetName();
                record->SetField(kPortsetField, portset.empty() ? kNotApplicable : portset);
                record->SetField(kNetstackField, nic->GetNetstackInstanceKey());
                if (type == Kavrel::Network::CONNECTION_POINT_PORTGROUP) {
                    record->SetField(kPortgroupField, nic->GetPortgroupName());
                } else if (type == Kavrel::Network::CONNECTION_POINT_DVPORT) {
                    auto param = nic->GetDVPortParam();
                    LmxCtl::Network::VirtualSwitchInfoImpl switches;
                    auto dvswitch = switches.GetDVSwitchByName(portset);
                    if (dvswitch) {
                        record->SetField(kCdsNameField, dvswitch->GetDvsName());
                    } else {
                        output->AddErrorMessage("Unable to access the associated CDS");
                    }
                    record->SetField(kCdsUuidField, param.switchUuid);
                    record->SetField(kCdsPortField, param.portId);
                    record->SetField(kCdsConnectionField, int64_t(param.connectionId));
                } else {
                    auto opaque = nic->GetOpaqueNetworkParam();
                    record->SetField(kOpaqueIdField, opaque.networkId);
                    record->SetField(kOpaqueTypeField, opaque.networkType);
                    record->SetField(kExternalIdField, opaque.externalId);
                }
            }
            record->SetField(kMtuField, int64_t(nic->GetMtu()));
            record->SetField(kTsoMssField, int64_t(nic->GetTsoMss()));
            record->SetField(kRxQueueField, int64_t(nic->GetNumRxQueue()));
            record->SetField(kEnabledField, nic->IsEnabled());
            if (nic->HasPort()) record->SetField(kPortIdField, int64_t(nic->GetPortId()));
            list->Add(record);
        }
        output->SetRootObject(list);
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
