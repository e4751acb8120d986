// network ip interface ipv6 address remove: remove an IPv6 address from a Lumex interface.
#include "frame/CommandFrame.h"
#include "ip/InterfaceCommands.h"
#include "ip/InterfaceShared.h"
#include "lmxctl/LumexNicInfoImpl.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {
constexpr char kIpv6Parameter[] = "ipv6";
}  // namespace

IpInterfaceIpv6AddressRemove::IpInterfaceIpv6AddressRemove() {
    SetDescription("Remove an IPv6 address from a given Lumex network interface.");
}

std::shared_ptr<IpInterfaceIpv6AddressRemove> IpInterfaceIpv6AddressRemove::New() {
    return std::shared_ptr<IpInterfaceIpv6AddressRemove>(new IpInterfaceIpv6AddressRemove());
}

IpInterfaceIpv6AddressRemove::~IpInterfaceIpv6AddressRemove() = default;

InputSpecPtr IpInterfaceIpv6AddressRemove::GetInputSpecInternal() {
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kInterfaceNameParameter, Parvik::CallSpec::PARAM_STRING, "i",
                 "The name of the Lumex network interface to remove an IPv6 address from. This name must be an "
                 "interface listed in the interface list command.",
                 true);
    AddParameter(spec, kIpv6Parameter, Parvik::CallSpec::PARAM_STRING, "I",
                 "The IPv6 address to remove from the given Lumex network interface. This must be in X:X:X::/X format",
                 true);
    return spec;
}

OutputSpecPtr IpInterfaceIpv6AddressRemove::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void IpInterfaceIpv6AddressRemove::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    const std::string& name = input->GetParameter(kInterfaceNameParameter);
    ChangeIpv6Address(name, input->GetParameter(kIpv6Parameter),
                      "Error removing IPv6 address for the interface " + name + ". Error was : ",
                      &Kavrel::Network::IpConfig::RemoveIpv6Network, output);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
