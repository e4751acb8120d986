// network nic queue loadbalancer plugin list: the netqueue balancer plugins of the NICs and which are enabled.
#include <algorithm>

#include "nic/NicDiagnosticCommands.h"
#include "nic/NicQueueShared.h"
#include "nic/NicShared.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {
constexpr char kRecordName[] = "NetqBalPlugin";
constexpr char kModuleField[] = "Module Name";
constexpr char kPluginField[] = "Plugin Name";
constexpr char kEnabledField[] = "Enabled";
constexpr char kDescriptionField[] = "Description";
}  // namespace

NicQueueLbPluginList::NicQueueLbPluginList() {
    SetDescription(
        "Details of netqueue balancer plugins on all physical NICs currently installed and loaded on the system");
    SetDefaultOutputFormatter("table");
    SetDefaultOutputParameter("fields:NetqBalPlugin", "NIC,Module Name,Plugin Name,Enabled,Description");
    SetDefaultOutputParameter("wrap-last", "true");
}

std::shared_ptr<NicQueueLbPluginList> NicQueueLbPluginList::New() {
    return std::shared_ptr<NicQueueLbPluginList>(new NicQueueLbPluginList());
}

NicQueueLbPluginList::~NicQueueLbPluginList() = default;

RecordPtr NicQueueLbPluginList::GetOutputStructure() {
    return RecordTemplate(kRecordName)
        .String(kNicField)
        .String(kModuleField)
        .String(kPluginField)
        .Bool(kEnabledField)
        .String(kDescriptionField);
}

InputSpecPtr NicQueueLbPluginList::GetInputSpecInternal() {
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kPnicParameter, Parvik::CallSpec::PARAM_STRING, "n",
                 "The name of pnic to get netqueue plugin details", false);
    return spec;
}

OutputSpecPtr NicQueueLbPluginList::GetOutputSpecInternal() {
    return MakeOutputSpec(MakeRecordList(GetOutputStructure()));
}

void NicQueueLbPluginList::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    ListNetqueue(
        input, output, GetOutputStructure(), InvalidPnicNameMessage,
        [&](const ListPtr& list, const Kavrel::Network::Pnic& pnic, const Kavrel::Network::PnicNetqueueInfo& info) {
            for (const auto& plugin : info.plugins) {
                // Enabled only when both the module and the plugin name match.
                bool enabled =
                    std::any_of(info.enabledPlugins.begin(), info.enabledPlugins.end(), [&](const auto& entry) {
                        return entry.moduleName == plugin.moduleName && entry.pluginName == plugin.pluginName;
                    });
                auto record = GetOutputStructure();
                record->SetField(kNicField, pnic.GetName());
                record->SetField(kModuleField, plugin.moduleName);
                record->SetField(kPluginField, plugin.pluginName);
                record->SetField(kEnabledField, enabled);
                record->SetField(kDescriptionField, plugin.description);
                list->Add(record);
            }
        });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
