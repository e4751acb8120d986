// ip route ipv4 list: not implemented yet.
#include "ip/StackCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

IpRouteIpv4List::IpRouteIpv4List() {}

std::shared_ptr<IpRouteIpv4List> IpRouteIpv4List::New() { return std::shared_ptr<IpRouteIpv4List>(new IpRouteIpv4List()); }

IpRouteIpv4List::~IpRouteIpv4List() = default;

std::shared_ptr<Parvik::MetaObj::MetaStruct> IpRouteIpv4List::GetOutputStructure() {
    return Parvik::MetaObj::MetaStruct::New("IpRouteIpv4List");
}

std::shared_ptr<Parvik::CallSpec::InputSpec> IpRouteIpv4List::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> IpRouteIpv4List::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void IpRouteIpv4List::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                     const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
