// network nic vlan stats get: packet counters per VLAN of a NIC that is a switch uplink.
#include "frame/CommandFrame.h"
#include "lmxctl/VirtualSwitch.h"
#include "nic/NicCommands.h"
#include "nic/NicShared.h"
#include "nic/NicVlanShared.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {
constexpr char kRecordName[] = "NIC";
constexpr char kVlanIdField[] = "VLAN ID";
constexpr char kReceivedField[] = "Packets received";
constexpr char kSentField[] = "Packets sent";
}  // namespace

NicVlanStatsGet::NicVlanStatsGet() {
    SetDescription("List VLAN statistics for active VLAN's on the NIC.");
    SetDefaultOutputFormatter("simple");
    SetDefaultOutputParameter("header:NIC", "VLAN %VLAN ID%");
    SetDefaultOutputParameter("fields:NIC", "Packets received,Packets sent");
}

std::shared_ptr<NicVlanStatsGet> NicVlanStatsGet::New() {
    return std::shared_ptr<NicVlanStatsGet>(new NicVlanStatsGet());
}

NicVlanStatsGet::~NicVlanStatsGet() = default;

RecordPtr NicVlanStatsGet::GetOutputStructure() {
    return RecordTemplate(kRecordName).Int(kVlanIdField).Int(kReceivedField).Int(kSentField);
}

InputSpecPtr NicVlanStatsGet::GetInputSpecInternal() {
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kNicNameParameter, Parvik::CallSpec::PARAM_STRING, "n",
                 "Name of the NIC to get statistics from.", true);
    return spec;
}

OutputSpecPtr NicVlanStatsGet::GetOutputSpecInternal() { return MakeOutputSpec(MakeRecordList(GetOutputStructure())); }

void NicVlanStatsGet::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    const std::string& nicName = input->GetParameter(kNicNameParameter);
    WithPrefixedErrors(output, "Unable to get VLAN stats: ", [&] {
        LmxCtl::Network::VirtualSwitchInfoImpl switches;
        auto all = switches.GetAllSwitches();
        auto* uplinkSwitch = FindUplinkSwitch(all, nicName);
        if (!uplinkSwitch) {
            output->AddErrorMessage(NotAnUplinkMessage(nicName));
            return;
        }
        auto counters = uplinkSwitch->GetUplinkVlanCounters(nicName);
        if (counters.empty()) {
            output->AddErrorMessage("VLAN stats are disabled for " + nicName + " please enable them first.");
            return;
        }
        auto list = MakeRecordList(GetOutputStructure());
        for (const auto& entry : counters) {
            auto record = GetOutputStructure();
            record->SetField(kVlanIdField, entry.vlanId);
            record->SetField(kReceivedField, static_cast<int64_t>(entry.rxPackets));
            record->SetField(kSentField, static_cast<int64_t>(entry.txPackets));
            list->Add(record);
        }
        output->SetRootObject(list);
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
