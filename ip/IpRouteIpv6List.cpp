// network ip route ipv6 list: the IPv6 routes of a netstack.
#include "frame/CommandFrame.h"
#include "ip/RouteShared.h"
#include "ip/StackCommands.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {
constexpr char kRecordName[] = "Ipv6Route";
}  // namespace

IpRouteIpv6List::IpRouteIpv6List() {
    SetDescription("List configured IPv6 routes");
    SetDefaultOutputFormatter("table");
    SetDefaultOutputParameter("fields:Ipv6Route", "Network,Netmask,Gateway,Interface");
}

std::shared_ptr<IpRouteIpv6List> IpRouteIpv6List::New() {
    return std::shared_ptr<IpRouteIpv6List>(new IpRouteIpv6List());
}

IpRouteIpv6List::~IpRouteIpv6List() = default;

RecordPtr IpRouteIpv6List::GetOutputStructure() {
    return RecordTemplate(kRecordName)
        .String(RouteFields::kNetwork)
        .String(RouteFields::kNetmask)
        .String(RouteFields::kGateway)
        .String(RouteFields::kInterface);
}

InputSpecPtr IpRouteIpv6List::GetInputSpecInternal() {
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kNetstackParameter, Parvik::CallSpec::PARAM_STRING, "N", kNetstackDescription, false);
    AddParameter(spec, kTypeParameter, Parvik::CallSpec::PARAM_STRING, "t",
                 "List IPv6 routes with given type(e.g. system).", false);
    return spec;
}

OutputSpecPtr IpRouteIpv6List::GetOutputSpecInternal() { return MakeOutputSpec(MakeRecordList(GetOutputStructure())); }

void IpRouteIpv6List::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    ListRoutes<Ipv6Routes>(input, output, GetOutputStructure());
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
