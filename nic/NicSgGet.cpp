// nic sg get: not implemented yet.
#include "nic/NicCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

NicSgGet::NicSgGet() {}

std::shared_ptr<NicSgGet> NicSgGet::New() { return std::shared_ptr<NicSgGet>(new NicSgGet()); }

NicSgGet::~NicSgGet() = default;

std::shared_ptr<Parvik::MetaObj::MetaStruct> NicSgGet::GetOutputStructure() {
    return Parvik::MetaObj::MetaStruct::New("NicSgGet");
}

std::shared_ptr<Parvik::CallSpec::InputSpec> NicSgGet::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> NicSgGet::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void NicSgGet::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                              const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
