// nic coalesce high get: not implemented yet.
#include "nic/NicCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

NicCoalesceHighGet::NicCoalesceHighGet() {}

std::shared_ptr<NicCoalesceHighGet> NicCoalesceHighGet::New() { return std::shared_ptr<NicCoalesceHighGet>(new NicCoalesceHighGet()); }

NicCoalesceHighGet::~NicCoalesceHighGet() = default;

std::shared_ptr<Parvik::MetaObj::MetaStruct> NicCoalesceHighGet::GetOutputStructure() {
    return Parvik::MetaObj::MetaStruct::New("NicCoalesceHighGet");
}

std::shared_ptr<Parvik::CallSpec::InputSpec> NicCoalesceHighGet::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> NicCoalesceHighGet::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void NicCoalesceHighGet::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                        const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
