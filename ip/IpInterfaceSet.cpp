// ip interface set: not implemented yet.
#include "ip/InterfaceCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

IpInterfaceSet::IpInterfaceSet() {}

std::shared_ptr<IpInterfaceSet> IpInterfaceSet::New() { return std::shared_ptr<IpInterfaceSet>(new IpInterfaceSet()); }

IpInterfaceSet::~IpInterfaceSet() = default;

std::shared_ptr<Parvik::CallSpec::InputSpec> IpInterfaceSet::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> IpInterfaceSet::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void IpInterfaceSet::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                    const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
