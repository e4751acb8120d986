// network vswitch dvs norvale list: the distributed switches present on this host with their ports and clients.
#include "frame/CommandFrame.h"
#include "kavrel/NetworkFactory.h"
#include "lmxctl/VirtualSwitch.h"
#include "vswitch/VswitchCommands.h"
#include "vswitch/VswitchShared.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {
constexpr char kCdsNameParameter[] = "cds-name";
constexpr char kRecordName[] = "CDS";
constexpr char kNameField[] = "Name";
constexpr char kCdsIdField[] = "CDS ID";
constexpr char kCdpStatusField[] = "CDP Status";
constexpr char kBeaconTimeoutField[] = "Beacon Timeout";
constexpr char kUplinksField[] = "Uplinks";
constexpr char kBrandedField[] = "Norvale Branded";
constexpr char kDVPortField[] = "DVPort";
constexpr char kDVPortRecordName[] = "DVPort";
constexpr char kPortIdField[] = "Port ID";
constexpr char kInUseField[] = "In Use";
constexpr char kDVPortgroupIdField[] = "DVPortgroup ID";
constexpr char kClientField[] = "Client";
}  // namespace

VirtualSwitchDVSNorvaleList::VirtualSwitchDVSNorvaleList() {
    SetDescription("List the Norvale Celdra Distributed Switch currently configured on the Talix host.");
    SetDefaultOutputFormatter("simple");
    SetDefaultOutputParameter("header:CDS", "%Name%");
    SetDefaultOutputParameter("table-columns",
                              "Name,CDS ID,Class,Num Ports,Used Ports,Configured Ports,MTU,CDP Status,Beacon Timeout,"
                              "Uplinks,Norvale Branded,DVPort");
}

std::shared_ptr<VirtualSwitchDVSNorvaleList> VirtualSwitchDVSNorvaleList::New() {
    return std::shared_ptr<VirtualSwitchDVSNorvaleList>(new VirtualSwitchDVSNorvaleList());
}

VirtualSwitchDVSNorvaleList::~VirtualSwitchDVSNorvaleList() = default;

RecordPtr VirtualSwitchDVSNorvaleList::GetDVPortStructure() {
    return RecordTemplate(kDVPortRecordName)
        .String(kPortIdField)
        .Bool(kInUseField)
        .String(kDVPortgroupIdField)
        .StringList(kClientField);
}

ListPtr VirtualSwitchDVSNorvaleList::GetDVPortList(const std::vector<std::unique_ptr<Kavrel::Network::DVPort>>& ports) {
    auto list = MakeRecordList(GetDVPortStructure());
    for (const auto& port : ports) {
        const auto* dvport = dynamic_cast<const LmxCtl::Network::DVPortImpl*>(port.get());
        if (!dvport) continue;
        std::vector<std::string> clients;
        bool inUse = dvport->IsInUse(clients);
        auto record = GetDVPortStructure();
        record->SetField(kPortIdField, dvport->GetId());
        record->SetField(kInUseField, inUse);
        record->SetField(kDVPortgroupIdField, dvport->GetDVPortgroupId());
        record->SetField(kClientField, clients);
        list->Add(record);
    }
    return list;
}

RecordPtr VirtualSwitchDVSNorvaleList::GetOutputStructure() {
    RecordTemplate layout(kRecordName);
    return SwitchSizeFields(layout.String(kNameField).String(kCdsIdField))
        .String(kCdpStatusField)
        .Int(kBeaconTimeoutField)
        .StringList(kUplinksField)
        .Bool(kBrandedField)
        .RecordList(kDVPortField, GetDVPortStructure());
}

InputSpecPtr VirtualSwitchDVSNorvaleList::GetInputSpecInternal() {
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kCdsNameParameter, Parvik::CallSpec::PARAM_STRING, "v",
                 "Limit the output of this command to only cDS with the given name.", false);
    return spec;
}

OutputSpecPtr VirtualSwitchDVSNorvaleList::GetOutputSpecInternal() {
    return MakeOutputSpec(MakeRecordList(GetOutputStructure()));
}

void VirtualSwitchDVSNorvaleList::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    WithStandardErrors(output, [&] {
        const std::string name = ParameterOr(input, kCdsNameParameter);
        std::vector<std::unique_ptr<Kavrel::Network::DVSwitch>> candidates;
        if (name.empty()) {
            LmxCtl::Network::VirtualSwitchInfoImpl switches;
            candidates = switches.GetDVSwitches();
        } else if (auto dvswitch = Kavrel::Network::NetworkFactory::GetDVSwitchByName(name)) {
            candidates.push_back(std::move(dvswitch));
        }
        const std::vector<std::string> nicNames = PhysicalNicNames();
        auto list = MakeRecordList(GetOutputStructure());
        for (const auto& candidate : candidates) {
            const auto* dvswitch = dynamic_cast<const LmxCtl::Network::DVSwitchImpl*>(candidate.get());
            if (!dvswitch) {
                output->AddErrorMessage("Unable to access all cDS");
                break;
            }
            auto record = GetOutputStructure();
            record->SetField(kNameField, dvswitch->GetDvsName());
            record->SetField(kCdsIdField, dvswitch->GetDvsId());
            FillSwitchSizeFields(record, *dvswitch);
            record->SetField(kCdpStatusField, dvswitch->GetCdpStatusString());
            record->SetField(kBeaconTimeoutField, dvswitch->GetBeaconTimeout());
            record->SetField(kUplinksField, PhysicalUplinks(dvswitch->GetUplinks(), nicNames));
            record->SetField(kBrandedField, dvswitch->IsNorvaleBranded());
            record->SetField(kDVPortField, GetDVPortList(dvswitch->GetDVPorts()));
            list->Add(record);
        }
        output->SetRootObject(list);
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
