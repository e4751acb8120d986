// nic get: not implemented yet.
#include "nic/NicCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

NicGet::NicGet() {}

std::shared_ptr<NicGet> NicGet::New() { return std::shared_ptr<NicGet>(new NicGet()); }

NicGet::~NicGet() = default;

std::shared_ptr<Parvik::MetaObj::MetaStruct> NicGet::GetOutputStructure() {
    return Parvik::MetaObj::MetaStruct::New("NicGet");
}

std::shared_ptr<Parvik::CallSpec::InputSpec> NicGet::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> NicGet::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void NicGet::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                            const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
