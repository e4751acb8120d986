// network ip interface ipv6 address add: add a static IPv6 address to a Lumex interface.
#include "frame/CommandFrame.h"
#include "ip/InterfaceCommands.h"
#include "ip/InterfaceShared.h"
#include "lmxctl/LumexNicInfoImpl.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {
constexpr char kIpv6Parameter[] = "ipv6";
}  // namespace

IpInterfaceIpv6AddressAdd::IpInterfaceIpv6AddressAdd() {
    SetDescription("Add a static IPv6 address to a given Lumex network interface.");
}

std::shared_ptr<IpInterfaceIpv6AddressAdd> IpInterfaceIpv6AddressAdd::New() {
    return std::shared_ptr<IpInterfaceIpv6AddressAdd>(new IpInterfaceIpv6AddressAdd());
}

IpInterfaceIpv6AddressAdd::~IpInterfaceIpv6AddressAdd() = default;

InputSpecPtr IpInterfaceIpv6AddressAdd::GetInputSpecInternal() {
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kInterfaceNameParameter, Parvik::CallSpec::PARAM_STRING, "i",
                 "The name of the Lumex network interface to add a static IPv6 address to. This name must be an "
                 "interface listed in the interface list command.",
                 true);
    AddParameter(spec, kIpv6Parameter, Parvik::CallSpec::PARAM_STRING, "I",
                 "The IPv6 address to add to the given Lumex network interface. This must be in X:X:X::/X format",
                 true);
    return spec;
}

OutputSpecPtr IpInterfaceIpv6AddressAdd::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void IpInterfaceIpv6AddressAdd::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    const std::string& name = input->GetParameter(kInterfaceNameParameter);
    ChangeIpv6Address(name, input->GetParameter(kIpv6Parameter),
                      "Error adding IPv6 address for the interface " + name + ". Error was : ",
                      &Kavrel::Network::IpConfig::AddIpv6Network, output);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
