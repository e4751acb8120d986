// ip route ipv6 list: not implemented yet.
#include "ip/StackCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

IpRouteIpv6List::IpRouteIpv6List() {}

std::shared_ptr<IpRouteIpv6List> IpRouteIpv6List::New() { return std::shared_ptr<IpRouteIpv6List>(new IpRouteIpv6List()); }

IpRouteIpv6List::~IpRouteIpv6List() = default;

std::shared_ptr<Parvik::MetaObj::MetaStruct> IpRouteIpv6List::GetOutputStructure() {
    return Parvik::MetaObj::MetaStruct::New("IpRouteIpv6List");
}

std::shared_ptr<Parvik::CallSpec::InputSpec> IpRouteIpv6List::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> IpRouteIpv6List::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void IpRouteIpv6List::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                     const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
