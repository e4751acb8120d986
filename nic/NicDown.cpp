// network nic down: bring a NIC administratively down.
#include "nic/NicCommands.h"
#include "nic/NicShared.h"

namespace NorvaleCli {
namespace NetworkNamespace {

NicDown::NicDown() { SetDescription("Bring down the specified network device."); }

std::shared_ptr<NicDown> NicDown::New() { return std::shared_ptr<NicDown>(new NicDown()); }

NicDown::~NicDown() = default;

InputSpecPtr NicDown::GetInputSpecInternal() {
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kNicNameParameter, Parvik::CallSpec::PARAM_STRING, "n",
                 "The name of the NIC to configured. This must be one of the cards listed in the nic list command.",
                 true);
    return spec;
}

OutputSpecPtr NicDown::GetOutputSpecInternal() { return MakeOutputSpec(Parvik::MetaObj::MetaBool::New()); }

void NicDown::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    WithStandardErrors(output, [&] {
        const std::string& nicName = input->GetParameter(kNicNameParameter);
        auto pnic = FindNic(nicName, output, NoPnicMessage(nicName));
        if (!pnic) return;
        pnic->SetAdminStatus(false);
        SetSuccess(output);
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
