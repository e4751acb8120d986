// ip d n s search add: not implemented yet.
#include "ip/StackCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

IpDNSSearchAdd::IpDNSSearchAdd() {}

std::shared_ptr<IpDNSSearchAdd> IpDNSSearchAdd::New() { return std::shared_ptr<IpDNSSearchAdd>(new IpDNSSearchAdd()); }

IpDNSSearchAdd::~IpDNSSearchAdd() = default;

std::shared_ptr<Parvik::CallSpec::InputSpec> IpDNSSearchAdd::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> IpDNSSearchAdd::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void IpDNSSearchAdd::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                    const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
