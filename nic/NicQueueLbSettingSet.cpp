// network nic queue loadbalancer set: allows or disallows netqueue load balancer settings of a NIC.
#include "nic/NicDiagnosticCommands.h"
#include "nic/NicQueueShared.h"
#include "nic/NicShared.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {
struct SettingOption {
    const char* name;
    const char* description;
};
// In the record's setting order: option i sets mask bit i and allowed flag i.
const SettingOption kOptions[] = {
    {"rxqpair", "Configure Rx queue pair at netqueue load balancer."},
    {"rxqnofeat", "Configure Rx queue no feature at netqueue load balancer."},
    {"rxqpreempt", "Configure pre-emptible queue at netqueue load balancer."},
    {"rxqlatency", "Configure Rx queue latency at netqueue load balancer."},
    {"rxdynlb", "Configure RX dynamic load balancing at netqueue load balancer."},
    {"dynpoollb", "Configure Dynamic queue pool at netqueue load balancer."},
    {"maclearnlb", "Configure Mac learn load balancing at netqueue load balancer."},
    {"rsslb", "Configure Receive Side Scaling at netqueue load balancer."},
    {"lrolb", "Configure Large Receive Offload at netqueue load balancer."},
    {"geneveoamlb", "Configure Geneve OAM at netqueue load balancer."},
    {"rsslrolb", "Configure Receive Side Scaling with Large Receive Offload at netqueue load balancer."},
};
static_assert(sizeof(kOptions) / sizeof(kOptions[0]) == Kavrel::Network::PnicNetqueueInfo::SETTING_COUNT,
              "one option per load balancer setting");
}  // namespace

NicQueueLbSettingSet::NicQueueLbSettingSet() {
    SetDescription("Enable/disable netqueue load balancer setting on a NIC.");
}

std::shared_ptr<NicQueueLbSettingSet> NicQueueLbSettingSet::New() {
    return std::shared_ptr<NicQueueLbSettingSet>(new NicQueueLbSettingSet());
}

NicQueueLbSettingSet::~NicQueueLbSettingSet() = default;

InputSpecPtr NicQueueLbSettingSet::GetInputSpecInternal() {
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kPnicParameter, Parvik::CallSpec::PARAM_STRING, "n",
                 "Name of pnic to update netqueue load balancer setting.", true);
    for (const auto& option : kOptions) {
        AddParameter(spec, option.name, Parvik::CallSpec::PARAM_BOOLEAN, "", option.description, false);
    }
    return spec;
}

OutputSpecPtr NicQueueLbSettingSet::GetOutputSpecInternal() { return MakeOutputSpec(Parvik::MetaObj::MetaBool::New()); }

void NicQueueLbSettingSet::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    ChangeNetqueue(input, output, PnicNotFoundMessage, [&](Kavrel::Network::PnicNetqueueInfo& info) {
        for (uint32_t i = 0; i < Kavrel::Network::PnicNetqueueInfo::SETTING_COUNT; ++i) {
            if (!input->HasParameter(kOptions[i].name)) continue;
            info.settingMask |= Kavrel::Network::PnicNetqueueInfo::SettingBit(i);
            info.settingAllowed[i] = input->GetParameterBool(kOptions[i].name);
        }
        return info.settingMask != 0;
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
