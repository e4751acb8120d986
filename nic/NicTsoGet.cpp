// nic tso get: not implemented yet.
#include "nic/NicCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

NicTsoGet::NicTsoGet() {}

std::shared_ptr<NicTsoGet> NicTsoGet::New() { return std::shared_ptr<NicTsoGet>(new NicTsoGet()); }

NicTsoGet::~NicTsoGet() = default;

std::shared_ptr<Parvik::MetaObj::MetaStruct> NicTsoGet::GetOutputStructure() {
    return Parvik::MetaObj::MetaStruct::New("NicTsoGet");
}

std::shared_ptr<Parvik::CallSpec::InputSpec> NicTsoGet::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> NicTsoGet::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void NicTsoGet::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                               const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
