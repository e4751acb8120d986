// nic queue lb setting list: not implemented yet.
#include "nic/NicDiagnosticCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

NicQueueLbSettingList::NicQueueLbSettingList() {}

std::shared_ptr<NicQueueLbSettingList> NicQueueLbSettingList::New() { return std::shared_ptr<NicQueueLbSettingList>(new NicQueueLbSettingList()); }

NicQueueLbSettingList::~NicQueueLbSettingList() = default;

std::shared_ptr<Parvik::MetaObj::MetaStruct> NicQueueLbSettingList::GetOutputStructure() {
    return Parvik::MetaObj::MetaStruct::New("NicQueueLbSettingList");
}

std::shared_ptr<Parvik::CallSpec::InputSpec> NicQueueLbSettingList::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> NicQueueLbSettingList::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void NicQueueLbSettingList::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                           const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
