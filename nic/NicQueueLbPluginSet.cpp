// network nic queue loadbalancer plugin set: enables or disables one netqueue balancer plugin of a NIC.
#include "nic/NicDiagnosticCommands.h"
#include "nic/NicQueueShared.h"
#include "nic/NicShared.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {
constexpr char kEnableParameter[] = "enable";
constexpr char kModuleParameter[] = "module";
constexpr char kPluginParameter[] = "plugin";
}  // namespace

NicQueueLbPluginSet::NicQueueLbPluginSet() { SetDescription("Enable/disable netqueue balancer plugin on a NIC"); }

std::shared_ptr<NicQueueLbPluginSet> NicQueueLbPluginSet::New() {
    return std::shared_ptr<NicQueueLbPluginSet>(new NicQueueLbPluginSet());
}

NicQueueLbPluginSet::~NicQueueLbPluginSet() = default;

InputSpecPtr NicQueueLbPluginSet::GetInputSpecInternal() {
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kPnicParameter, Parvik::CallSpec::PARAM_STRING, "n",
                 "Name of pnic to change netqueue balancer plugin state", true);
    AddParameter(spec, kEnableParameter, Parvik::CallSpec::PARAM_BOOLEAN, "e", "Netqueue balancer plugin state", true);
    AddParameter(spec, kModuleParameter, Parvik::CallSpec::PARAM_STRING, "m", "Name of netqueue balancer module", true);
    AddParameter(spec, kPluginParameter, Parvik::CallSpec::PARAM_STRING, "p", "Name of netqueue balancer plugin", true);
    return spec;
}

OutputSpecPtr NicQueueLbPluginSet::GetOutputSpecInternal() { return MakeOutputSpec(Parvik::MetaObj::MetaBool::New()); }

void NicQueueLbPluginSet::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    ChangeNetqueue(input, output, InvalidPnicNameMessage, [&](Kavrel::Network::PnicNetqueueInfo& info) {
        info.enabledPlugins.push_back(
            {input->GetParameter(kModuleParameter), input->GetParameter(kPluginParameter), std::string()});
        info.pluginChanged = true;
        info.pluginEnable = input->GetParameterBool(kEnableParameter);
        return true;
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
