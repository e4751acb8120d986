// network nic negotiate restart: restarts a NIC's link auto-negotiation.
#include "nic/NicDiagnosticCommands.h"
#include "nic/NicQueueShared.h"
#include "nic/NicShared.h"

namespace NorvaleCli {
namespace NetworkNamespace {

NicNegotiationRestart::NicNegotiationRestart() { SetDescription("Restart N-Way negotiation on a nic"); }

std::shared_ptr<NicNegotiationRestart> NicNegotiationRestart::New() {
    return std::shared_ptr<NicNegotiationRestart>(new NicNegotiationRestart());
}

NicNegotiationRestart::~NicNegotiationRestart() = default;

InputSpecPtr NicNegotiationRestart::GetInputSpecInternal() {
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kPnicParameter, Parvik::CallSpec::PARAM_STRING, "n", "Name of pnic to restart negotiation",
                 true);
    return spec;
}

OutputSpecPtr NicNegotiationRestart::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void NicNegotiationRestart::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    WithStandardErrors(output, [&] {
        const std::string& nicName = input->GetParameter(kPnicParameter);
        auto pnic = FindNic(nicName, output, PnicNotFoundMessage(nicName));
        if (!pnic) return;
        pnic->RestartNegotiation();
        SetSuccess(output);
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
