// nic ring current get: not implemented yet.
#include "nic/NicCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

NicRingCurrentGet::NicRingCurrentGet() {}

std::shared_ptr<NicRingCurrentGet> NicRingCurrentGet::New() { return std::shared_ptr<NicRingCurrentGet>(new NicRingCurrentGet()); }

NicRingCurrentGet::~NicRingCurrentGet() = default;

std::shared_ptr<Parvik::MetaObj::MetaStruct> NicRingCurrentGet::GetOutputStructure() {
    return Parvik::MetaObj::MetaStruct::New("NicRingCurrentGet");
}

std::shared_ptr<Parvik::CallSpec::InputSpec> NicRingCurrentGet::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> NicRingCurrentGet::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void NicRingCurrentGet::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                       const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
