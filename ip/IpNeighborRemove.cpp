// network ip neighbor remove: delete one neighbour entry from a netstack's ARP or IPv6 cache.
#include "frame/CommandFrame.h"
#include "ip/InterfaceShared.h"
#include "ip/StackCommands.h"
#include "ip/StackShared.h"
#include "lmxctl/IpStack.h"
#include "lmxctl/LumexNicInfoImpl.h"
#include "lmxctl/NetworkInfoImpl.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {
constexpr char kVersionParameter[] = "version";
constexpr char kInterfaceParameter[] = "interface-name";
constexpr char kAddressParameter[] = "neighbor-addr";
}  // namespace

IpNeighborRemove::IpNeighborRemove() { SetDescription("Remove ARP table entries"); }

std::shared_ptr<IpNeighborRemove> IpNeighborRemove::New() {
    return std::shared_ptr<IpNeighborRemove>(new IpNeighborRemove());
}

IpNeighborRemove::~IpNeighborRemove() = default;

InputSpecPtr IpNeighborRemove::GetInputSpecInternal() {
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kVersionParameter, Parvik::CallSpec::PARAM_STRING, "v", "IP version: %ENUM%", true,
                 StringEnum({{"4", nullptr}, {"6", nullptr}}));
    AddParameter(spec, kNetstackParameter, Parvik::CallSpec::PARAM_STRING, "N", kNetstackDescription, false);
    AddParameter(spec, kInterfaceParameter, Parvik::CallSpec::PARAM_STRING, "i",
                 "The name of the Lumex network interface to remove the neighbor entry from. If not specified, "
                 "neighbor will be removed from all interfaces",
                 false);
    AddParameter(spec, kAddressParameter, Parvik::CallSpec::PARAM_STRING, "a", "The IPv4/IPv6 address of the neighbor.",
                 true);
    return spec;
}

OutputSpecPtr IpNeighborRemove::GetOutputSpecInternal() { return MakeOutputSpec(Parvik::MetaObj::MetaBool::New()); }

void IpNeighborRemove::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    WithStandardErrors(output, [&] {
        std::string interfaceName = ParameterOr(input, kInterfaceParameter);
        const std::string& version = input->GetParameter(kVersionParameter);
        LmxCtl::Network::RoutingInfoImpl routing(kDefaultNetstack);
        if (!interfaceName.empty()) {
            auto nic = FindInterface(interfaceName, output);
            if (!nic) return;
            routing.SetNetstackInstanceKey(nic->GetNetstackInstanceKey());
        } else {
            routing.SetNetstackInstanceKey(NetstackOrDefault(input));
        }
        const std::string& address = input->GetParameter(kAddressParameter);
        if (version == "4") {
            Kavrel::Network::Ipv4Neighbor neighbor;
            neighbor.address = Kavrel::Network::Ipv4Address(address);
            neighbor.interfaceName = interfaceName;
            routing.RemoveIpv4Neighbor(neighbor);
        } else if (version == "6") {
            LmxCtl::Network::NetworkInfoImpl network;
            if (network.IsLmxIpv6Enabled()) {
                Kavrel::Network::Ipv6Neighbor neighbor;
                neighbor.address = Kavrel::Network::Ipv6Address(address);
                neighbor.interfaceName = interfaceName;
                routing.RemoveIpv6Neighbor(neighbor);
            }
        }
        SetSuccess(output);
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
