// ip route ipv4 remove: not implemented yet.
#include "ip/StackCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

IpRouteIpv4Remove::IpRouteIpv4Remove() {}

std::shared_ptr<IpRouteIpv4Remove> IpRouteIpv4Remove::New() { return std::shared_ptr<IpRouteIpv4Remove>(new IpRouteIpv4Remove()); }

IpRouteIpv4Remove::~IpRouteIpv4Remove() = default;

std::shared_ptr<Parvik::CallSpec::InputSpec> IpRouteIpv4Remove::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> IpRouteIpv4Remove::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void IpRouteIpv4Remove::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                       const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
