// ip route ipv6 remove: not implemented yet.
#include "ip/StackCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

IpRouteIpv6Remove::IpRouteIpv6Remove() {}

std::shared_ptr<IpRouteIpv6Remove> IpRouteIpv6Remove::New() { return std::shared_ptr<IpRouteIpv6Remove>(new IpRouteIpv6Remove()); }

IpRouteIpv6Remove::~IpRouteIpv6Remove() = default;

std::shared_ptr<Parvik::CallSpec::InputSpec> IpRouteIpv6Remove::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> IpRouteIpv6Remove::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void IpRouteIpv6Remove::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                       const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
