// nic cso get: not implemented yet.
#include "nic/NicCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

NicCsoGet::NicCsoGet() {}

std::shared_ptr<NicCsoGet> NicCsoGet::New() { return std::shared_ptr<NicCsoGet>(new NicCsoGet()); }

NicCsoGet::~NicCsoGet() = default;

std::shared_ptr<Parvik::MetaObj::MetaStruct> NicCsoGet::GetOutputStructure() {
    return Parvik::MetaObj::MetaStruct::New("NicCsoGet");
}

std::shared_ptr<Parvik::CallSpec::InputSpec> NicCsoGet::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> NicCsoGet::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void NicCsoGet::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                               const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
