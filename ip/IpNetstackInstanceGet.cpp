// network ip netstack get: the configured and runtime settings of one netstack instance.
#include "frame/CommandFrame.h"
#include "ip/StackCommands.h"
#include "ip/StackShared.h"
#include "lmxctl/NetworkInfoImpl.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {
constexpr char kEnabledField[] = "Enabled";
constexpr char kMaxConnField[] = "Max Connections";
constexpr char kCurrentMaxConnField[] = "Current Max Connections";
constexpr char kCcAlgoField[] = "Congestion Control Algorithm";
constexpr char kIpv6Field[] = "IPv6 Enabled";
constexpr char kCurrentIpv6Field[] = "Current IPv6 Enabled";
constexpr char kEcnField[] = "ECN Status";
}  // namespace

IpNetstackInstanceGet::IpNetstackInstanceGet() {
    SetDescription("Get runtime/configuration settings for a given Netstack Instance.");
    SetDefaultOutputFormatter("simple");
    SetDefaultOutputParameter("header:NetstackInstance", "%Key%");
    SetDefaultOutputParameter("fields:NetstackInstance",
                              "Key,Name,Enabled,Max Connections,Current Max Connections,Congestion Control "
                              "Algorithm,IPv6 Enabled,Current IPv6 Enabled,ECN Status,State");
}

std::shared_ptr<IpNetstackInstanceGet> IpNetstackInstanceGet::New() {
    return std::shared_ptr<IpNetstackInstanceGet>(new IpNetstackInstanceGet());
}

IpNetstackInstanceGet::~IpNetstackInstanceGet() = default;

RecordPtr IpNetstackInstanceGet::GetOutputStructure() {
    return RecordTemplate(kNetstackRecordName)
        .String(kNetstackKeyField)
        .String(kNetstackNameField)
        .Bool(kEnabledField)
        .Int(kMaxConnField)
        .Int(kCurrentMaxConnField)
        .String(kCcAlgoField)
        .Bool(kIpv6Field)
        .Bool(kCurrentIpv6Field)
        .String(kEcnField)
        .Int(kNetstackStateField);
}

InputSpecPtr IpNetstackInstanceGet::GetInputSpecInternal() {
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kNetstackParameter, Parvik::CallSpec::PARAM_STRING, "N", "The network stack instance", true);
    return spec;
}

OutputSpecPtr IpNetstackInstanceGet::GetOutputSpecInternal() {
    return MakeOutputSpec(MakeRecordList(GetOutputStructure()));
}

void IpNetstackInstanceGet::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    WithPrefixedErrors(output, "Error getting Netstack instance configuration. . Error was : ", [&] {
        LmxCtl::Network::NetworkInfoImpl network;
        auto instance = FindNetstack(network, input->GetParameter(kNetstackParameter), output);
        if (!instance) return;
        auto record = GetOutputStructure();
        int state = instance->GetState();
        record->SetField(kNetstackKeyField, instance->GetKey());
        record->SetField(kNetstackNameField, instance->GetName());
        record->SetField(kEnabledField, state == Kavrel::Network::NETSTACK_STATE_ENABLED);
        record->SetField(kMaxConnField, instance->GetMaxConnections());
        record->SetField(kCurrentMaxConnField, instance->GetCurrentMaxConnections());
        record->SetField(kCcAlgoField, instance->GetCongestionControlAlgorithm());
        record->SetField(kIpv6Field, instance->GetIpv6Enabled());
        record->SetField(kCurrentIpv6Field, instance->GetCurrentIpv6Enabled());
        record->SetField(kEcnField, instance->GetEcnStatus());
        record->SetField(kNetstackStateField, state);
        auto list = MakeRecordList(GetOutputStructure());
        list->Add(record);
        output->SetRootObject(list);
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
