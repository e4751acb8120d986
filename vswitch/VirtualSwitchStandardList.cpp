// network vswitch standard list: the standard switches with their ports, CDP, beaconing, uplinks and port groups.
#include "frame/CommandFrame.h"
#include "lmxctl/VirtualSwitch.h"
#include "vswitch/VswitchCommands.h"
#include "vswitch/VswitchShared.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {
constexpr char kRecordName[] = "VirtualSwitch";
constexpr char kNameField[] = "Name";
constexpr char kCdpStatusField[] = "CDP Status";
constexpr char kBeaconEnabledField[] = "Beacon Enabled";
constexpr char kBeaconIntervalField[] = "Beacon Interval";
constexpr char kBeaconThresholdField[] = "Beacon Threshold";
constexpr char kBeaconRequiredByField[] = "Beacon Required By";
constexpr char kUplinksField[] = "Uplinks";
constexpr char kPortgroupsField[] = "Portgroups";
}  // namespace

VirtualSwitchStandardList::VirtualSwitchStandardList() {
    SetDescription("List the virtual switches current on the Talix host.");
    SetDefaultOutputFormatter("simple");
    SetDefaultOutputParameter("header:VirtualSwitch", "%Name%");
    SetDefaultOutputParameter("fields:VirtualSwitch",
                              "Name,Class,Num Ports,Used Ports,Configured Ports,MTU,CDP Status,Beacon Enabled,"
                              "Beacon Interval,Beacon Threshold,Beacon Required By,Uplinks,Portgroups");
}

std::shared_ptr<VirtualSwitchStandardList> VirtualSwitchStandardList::New() {
    return std::shared_ptr<VirtualSwitchStandardList>(new VirtualSwitchStandardList());
}

VirtualSwitchStandardList::~VirtualSwitchStandardList() = default;

RecordPtr VirtualSwitchStandardList::GetOutputStructure() {
    RecordTemplate layout(kRecordName);
    return SwitchSizeFields(layout.String(kNameField))
        .String(kCdpStatusField)
        .Bool(kBeaconEnabledField)
        .Int(kBeaconIntervalField)
        .Int(kBeaconThresholdField)
        .StringList(kBeaconRequiredByField)
        .StringList(kUplinksField)
        .StringList(kPortgroupsField);
}

InputSpecPtr VirtualSwitchStandardList::GetInputSpecInternal() {
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kVswitchNameParameter, Parvik::CallSpec::PARAM_STRING, "v",
                 "Limit the output of this command to only virtual switches with the given name.", false);
    AddParameter(spec, kTypeParameter, Parvik::CallSpec::PARAM_STRING, "t",
                 "List virtual switches with given type(e.g. system).", false);
    return spec;
}

OutputSpecPtr VirtualSwitchStandardList::GetOutputSpecInternal() {
    return MakeOutputSpec(MakeRecordList(GetOutputStructure()));
}

void VirtualSwitchStandardList::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    WithStandardErrors(output, [&] {
        int type = Kavrel::Network::PORTSET_GET_DEFAULT;
        if (!ReadPortsetType(input, output, type)) return;
        LmxCtl::Network::VirtualSwitchInfoImpl switches;
        std::vector<std::unique_ptr<Kavrel::Network::Portset>> candidates;
        if (input->HasParameter(kVswitchNameParameter)) {
            candidates.push_back(switches.GetVirtualSwitchByName(input->GetParameter(kVswitchNameParameter), type));
        } else {
            candidates = switches.GetVirtualSwitches(type);
        }
        const std::vector<std::string> nicNames = PhysicalNicNames();
        auto list = MakeRecordList(GetOutputStructure());
        for (const auto& vswitch : candidates) {
            if (!vswitch) {
                output->AddErrorMessage("Unable to access null portset.");
                continue;
            }
            auto record = GetOutputStructure();
            record->SetField(kNameField, vswitch->GetName());
            FillSwitchSizeFields(record, *vswitch);
            record->SetField(kCdpStatusField, CdpStatusName(vswitch->GetCdpStatus()));
            record->SetField(kBeaconEnabledField, vswitch->IsBeaconEnabled());
            record->SetField(kBeaconIntervalField, vswitch->GetBeaconInterval());
            record->SetField(kBeaconThresholdField, vswitch->GetBeaconThreshold());
            record->SetField(kBeaconRequiredByField, vswitch->GetBeaconRequiredBy());
            record->SetField(kUplinksField, PhysicalUplinks(vswitch->GetUplinks(), nicNames));
            std::vector<std::string> portgroups;
            for (const auto& portgroup : vswitch->GetPortGroups()) portgroups.push_back(portgroup->GetName());
            record->SetField(kPortgroupsField, portgroups);
            list->Add(record);
        }
        output->SetRootObject(list);
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
