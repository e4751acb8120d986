// ip set: not implemented yet.
#include "ip/StackCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

IpSet::IpSet() {}

std::shared_ptr<IpSet> IpSet::New() { return std::shared_ptr<IpSet>(new IpSet()); }

IpSet::~IpSet() = default;

std::shared_ptr<Parvik::CallSpec::InputSpec> IpSet::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> IpSet::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void IpSet::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                           const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
