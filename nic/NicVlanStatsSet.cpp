// network nic vlan stats set: switch per-VLAN counting on or off for a NIC that is a switch uplink.
#include "frame/CommandFrame.h"
#include "lmxctl/VirtualSwitch.h"
#include "nic/NicCommands.h"
#include "nic/NicShared.h"
#include "nic/NicVlanShared.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {
constexpr char kEnabledParameter[] = "enabled";
}  // namespace

NicVlanStatsSet::NicVlanStatsSet() { SetDescription("Enable/disable VLAN statistics collection on the NIC."); }

std::shared_ptr<NicVlanStatsSet> NicVlanStatsSet::New() {
    return std::shared_ptr<NicVlanStatsSet>(new NicVlanStatsSet());
}

NicVlanStatsSet::~NicVlanStatsSet() = default;

InputSpecPtr NicVlanStatsSet::GetInputSpecInternal() {
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kNicNameParameter, Parvik::CallSpec::PARAM_STRING, "n",
                 "Name of the NIC to get statistics from.", true);
    AddParameter(spec, kEnabledParameter, Parvik::CallSpec::PARAM_BOOLEAN, "e",
                 "Whether to enable or disable VLAN statistics", true);
    return spec;
}

OutputSpecPtr NicVlanStatsSet::GetOutputSpecInternal() { return MakeOutputSpec(Parvik::MetaObj::MetaBool::New()); }

void NicVlanStatsSet::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    const std::string& nicName = input->GetParameter(kNicNameParameter);
    bool enabled = input->GetParameterBool(kEnabledParameter);
    WithPrefixedErrors(output, "Unable to set VLAN stats: ", [&] {
        LmxCtl::Network::VirtualSwitchInfoImpl switches;
        auto all = switches.GetAllSwitches();
        auto* uplinkSwitch = FindUplinkSwitch(all, nicName);
        // A NIC on no switch is reported, and the command still answers true.
        if (!uplinkSwitch) {
            output->AddErrorMessage(NotAnUplinkMessage(nicName));
        } else {
            uplinkSwitch->SetUplinkVlanCounting(nicName, enabled);
        }
        SetSuccess(output);
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
