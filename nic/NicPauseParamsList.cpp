// nic pause params list: not implemented yet.
#include "nic/NicCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

NicPauseParamsList::NicPauseParamsList() {}

std::shared_ptr<NicPauseParamsList> NicPauseParamsList::New() { return std::shared_ptr<NicPauseParamsList>(new NicPauseParamsList()); }

NicPauseParamsList::~NicPauseParamsList() = default;

std::shared_ptr<Parvik::MetaObj::MetaStruct> NicPauseParamsList::GetOutputStructure() {
    return Parvik::MetaObj::MetaStruct::New("NicPauseParamsList");
}

std::shared_ptr<Parvik::CallSpec::InputSpec> NicPauseParamsList::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> NicPauseParamsList::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void NicPauseParamsList::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                        const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
