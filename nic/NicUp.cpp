// network nic up: bring a NIC administratively up.
#include "nic/NicCommands.h"
#include "nic/NicShared.h"

namespace NorvaleCli {
namespace NetworkNamespace {

NicUp::NicUp() { SetDescription("Bring up the specified network device."); }

std::shared_ptr<NicUp> NicUp::New() { return std::shared_ptr<NicUp>(new NicUp()); }

NicUp::~NicUp() = default;

InputSpecPtr NicUp::GetInputSpecInternal() {
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kNicNameParameter, Parvik::CallSpec::PARAM_STRING, "n",
                 "The name of the NIC to configured. This must be one of the cards listed in the nic list command.",
                 true);
    return spec;
}

OutputSpecPtr NicUp::GetOutputSpecInternal() { return MakeOutputSpec(Parvik::MetaObj::MetaBool::New()); }

void NicUp::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    WithStandardErrors(output, [&] {
        const std::string& nicName = input->GetParameter(kNicNameParameter);
        auto pnic = FindNic(nicName, output, NoPnicMessage(nicName));
        if (!pnic) return;
        pnic->SetAdminStatus(true);
        SetSuccess(output);
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
