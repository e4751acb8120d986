// nic coalesce low get: not implemented yet.
#include "nic/NicCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

NicCoalesceLowGet::NicCoalesceLowGet() {}

std::shared_ptr<NicCoalesceLowGet> NicCoalesceLowGet::New() { return std::shared_ptr<NicCoalesceLowGet>(new NicCoalesceLowGet()); }

NicCoalesceLowGet::~NicCoalesceLowGet() = default;

std::shared_ptr<Parvik::MetaObj::MetaStruct> NicCoalesceLowGet::GetOutputStructure() {
    return Parvik::MetaObj::MetaStruct::New("NicCoalesceLowGet");
}

std::shared_ptr<Parvik::CallSpec::InputSpec> NicCoalesceLowGet::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> NicCoalesceLowGet::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void NicCoalesceLowGet::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                       const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
