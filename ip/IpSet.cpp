// network ip set: change the host-wide IPv6 switch.
#include "frame/CommandFrame.h"
#include "ip/StackCommands.h"
#include "lmxctl/NetworkInfoImpl.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {
constexpr char kIpv6Parameter[] = "ipv6-enabled";
}  // namespace

IpSet::IpSet() { SetDescription("Update global IP settings"); }

std::shared_ptr<IpSet> IpSet::New() { return std::shared_ptr<IpSet>(new IpSet()); }

IpSet::~IpSet() = default;

InputSpecPtr IpSet::GetInputSpecInternal() {
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kIpv6Parameter, Parvik::CallSpec::PARAM_BOOLEAN, "e", "Enable or disable IPv6 (Reboot Required)",
                 false);
    return spec;
}

OutputSpecPtr IpSet::GetOutputSpecInternal() { return MakeOutputSpec(Parvik::MetaObj::MetaBool::New()); }

void IpSet::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    WithStandardErrors(output, [&] {
        if (input->HasParameter(kIpv6Parameter)) {
            LmxCtl::Network::NetworkInfoImpl network;
            network.SetLmxIpv6Enabled(input->GetParameterBool(kIpv6Parameter));
        }
        SetSuccess(output);
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
