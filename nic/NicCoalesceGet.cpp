// nic coalesce get: not implemented yet.
#include "nic/NicCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

NicCoalesceGet::NicCoalesceGet() {}

std::shared_ptr<NicCoalesceGet> NicCoalesceGet::New() { return std::shared_ptr<NicCoalesceGet>(new NicCoalesceGet()); }

NicCoalesceGet::~NicCoalesceGet() = default;

std::shared_ptr<Parvik::MetaObj::MetaStruct> NicCoalesceGet::GetOutputStructure() {
    return Parvik::MetaObj::MetaStruct::New("NicCoalesceGet");
}

std::shared_ptr<Parvik::CallSpec::InputSpec> NicCoalesceGet::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> NicCoalesceGet::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void NicCoalesceGet::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                    const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
