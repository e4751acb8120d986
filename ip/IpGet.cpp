// network ip get: the host-wide IP settings.
#include "frame/CommandFrame.h"
#include "ip/StackCommands.h"
#include "lmxctl/NetworkInfoImpl.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {
constexpr char kRecordName[] = "IPInfo";
constexpr char kIpv6Field[] = "IPv6 Enabled";
}  // namespace

IpGet::IpGet() {
    SetDescription("Get global IP settings");
    SetDefaultOutputFormatter("simple");
}

std::shared_ptr<IpGet> IpGet::New() { return std::shared_ptr<IpGet>(new IpGet()); }

IpGet::~IpGet() = default;

RecordPtr IpGet::GetOutputStructure() { return RecordTemplate(kRecordName).Bool(kIpv6Field); }

InputSpecPtr IpGet::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

OutputSpecPtr IpGet::GetOutputSpecInternal() { return MakeOutputSpec(GetOutputStructure()); }

void IpGet::ExecuteInternal(const InputPtr&, const OutputPtr& output) {
    WithStandardErrors(output, [&] {
        LmxCtl::Network::NetworkInfoImpl network;
        auto record = GetOutputStructure();
        record->SetField(kIpv6Field, network.IsLmxIpv6Enabled());
        output->SetRootObject(record);
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
