// network nic queue loadbalancer state set: turns a NIC's netqueue balancer on or off.
#include "nic/NicDiagnosticCommands.h"
#include "nic/NicQueueShared.h"
#include "nic/NicShared.h"

namespace NorvaleCli {
namespace NetworkNamespace {

NicQueueLbStateSet::NicQueueLbStateSet() { SetDescription("Enable/disable netqueue balancer on a NIC"); }

std::shared_ptr<NicQueueLbStateSet> NicQueueLbStateSet::New() {
    return std::shared_ptr<NicQueueLbStateSet>(new NicQueueLbStateSet());
}

NicQueueLbStateSet::~NicQueueLbStateSet() = default;

InputSpecPtr NicQueueLbStateSet::GetInputSpecInternal() {
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kPnicParameter, Parvik::CallSpec::PARAM_STRING, "n",
                 "Name of pnic to change netqueue balancer state", true);
    AddParameter(spec, "enable", Parvik::CallSpec::PARAM_BOOLEAN, "e", "Netqueue balancer state", true);
    return spec;
}

OutputSpecPtr NicQueueLbStateSet::GetOutputSpecInternal() { return MakeOutputSpec(Parvik::MetaObj::MetaBool::New()); }

void NicQueueLbStateSet::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    ChangeNetqueue(input, output, InvalidPnicNameMessage, [&](Kavrel::Network::PnicNetqueueInfo& info) {
        info.stateChanged = true;
        info.balancerEnabled = input->GetParameterBool("enable");
        return true;
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
