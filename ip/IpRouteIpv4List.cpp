// network ip route ipv4 list: the IPv4 routes of a netstack, with the default route's source.
#include "frame/CommandFrame.h"
#include "ip/RouteShared.h"
#include "ip/StackCommands.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {
constexpr char kRecordName[] = "Ipv4Route";
}  // namespace

IpRouteIpv4List::IpRouteIpv4List() {
    SetDescription("List configured IPv4 routes");
    SetDefaultOutputFormatter("table");
    SetDefaultOutputParameter("fields:Ipv4Route", "Network,Netmask,Gateway,Interface,Source");
}

std::shared_ptr<IpRouteIpv4List> IpRouteIpv4List::New() {
    return std::shared_ptr<IpRouteIpv4List>(new IpRouteIpv4List());
}

IpRouteIpv4List::~IpRouteIpv4List() = default;

RecordPtr IpRouteIpv4List::GetOutputStructure() {
    return RecordTemplate(kRecordName)
        .String(RouteFields::kNetwork)
        .String(RouteFields::kNetmask)
        .String(RouteFields::kGateway)
        .String(RouteFields::kInterface)
        .String(RouteFields::kSource);
}

InputSpecPtr IpRouteIpv4List::GetInputSpecInternal() {
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kNetstackParameter, Parvik::CallSpec::PARAM_STRING, "N", kNetstackDescription, false);
    AddParameter(spec, kTypeParameter, Parvik::CallSpec::PARAM_STRING, "t",
                 "List IPv4 routes with given type(e.g. system).", false);
    return spec;
}

OutputSpecPtr IpRouteIpv4List::GetOutputSpecInternal() { return MakeOutputSpec(MakeRecordList(GetOutputStructure())); }

void IpRouteIpv4List::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    ListRoutes<Ipv4Routes>(input, output, GetOutputStructure());
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
