// ip interface ipv4 get: not implemented yet.
#include "ip/InterfaceCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

IpInterfaceIpv4Get::IpInterfaceIpv4Get() {}

std::shared_ptr<IpInterfaceIpv4Get> IpInterfaceIpv4Get::New() { return std::shared_ptr<IpInterfaceIpv4Get>(new IpInterfaceIpv4Get()); }

IpInterfaceIpv4Get::~IpInterfaceIpv4Get() = default;

std::shared_ptr<Parvik::MetaObj::MetaStruct> IpInterfaceIpv4Get::GetOutputStructure() {
    return Parvik::MetaObj::MetaStruct::New("IpInterfaceIpv4Get");
}

std::shared_ptr<Parvik::CallSpec::InputSpec> IpInterfaceIpv4Get::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> IpInterfaceIpv4Get::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void IpInterfaceIpv4Get::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                        const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
