// ip d n s server add: not implemented yet.
#include "ip/StackCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

IpDNSServerAdd::IpDNSServerAdd() {}

std::shared_ptr<IpDNSServerAdd> IpDNSServerAdd::New() { return std::shared_ptr<IpDNSServerAdd>(new IpDNSServerAdd()); }

IpDNSServerAdd::~IpDNSServerAdd() = default;

std::shared_ptr<Parvik::CallSpec::InputSpec> IpDNSServerAdd::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> IpDNSServerAdd::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void IpDNSServerAdd::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                    const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
