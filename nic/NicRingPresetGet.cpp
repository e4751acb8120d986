// nic ring preset get: not implemented yet.
#include "nic/NicCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

NicRingPresetGet::NicRingPresetGet() {}

std::shared_ptr<NicRingPresetGet> NicRingPresetGet::New() { return std::shared_ptr<NicRingPresetGet>(new NicRingPresetGet()); }

NicRingPresetGet::~NicRingPresetGet() = default;

std::shared_ptr<Parvik::MetaObj::MetaStruct> NicRingPresetGet::GetOutputStructure() {
    return Parvik::MetaObj::MetaStruct::New("NicRingPresetGet");
}

std::shared_ptr<Parvik::CallSpec::InputSpec> NicRingPresetGet::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> NicRingPresetGet::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void NicRingPresetGet::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                      const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
