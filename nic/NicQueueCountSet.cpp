// network nic queue count set: the number of TX and/or RX netqueues of a NIC.
#include "nic/NicDiagnosticCommands.h"
#include "nic/NicQueueShared.h"
#include "nic/NicShared.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {
constexpr char kTxParameter[] = "tx";
constexpr char kRxParameter[] = "rx";
constexpr char kNumParameter[] = "num";
}  // namespace

NicQueueCountSet::NicQueueCountSet() { SetDescription("Set number of netqueues on a nic"); }

std::shared_ptr<NicQueueCountSet> NicQueueCountSet::New() {
    return std::shared_ptr<NicQueueCountSet>(new NicQueueCountSet());
}

NicQueueCountSet::~NicQueueCountSet() = default;

InputSpecPtr NicQueueCountSet::GetInputSpecInternal() {
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kPnicParameter, Parvik::CallSpec::PARAM_STRING, "n", "Name of pnic to set netqueue count.",
                 true);
    AddParameter(spec, kTxParameter, Parvik::CallSpec::PARAM_BOOLEAN, "t", "Tx netqueue to set count.", false);
    AddParameter(spec, kRxParameter, Parvik::CallSpec::PARAM_BOOLEAN, "r", "Rx netqueue to set count.", false);
    AddParameter(spec, kNumParameter, Parvik::CallSpec::PARAM_INTEGER, "q", "Number of queues to set.", true);
    return spec;
}

OutputSpecPtr NicQueueCountSet::GetOutputSpecInternal() { return MakeOutputSpec(Parvik::MetaObj::MetaBool::New()); }

void NicQueueCountSet::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    ChangeNetqueue(input, output, PnicNotFoundMessage, [&](Kavrel::Network::PnicNetqueueInfo& info) {
        // The direction is chosen by presence; the boolean value is not read.
        const auto count = Uint32Parameter(input, kNumParameter);
        if (input->HasParameter(kTxParameter)) {
            info.txQueueCount = count;
            info.txCountChanged = true;
        }
        if (input->HasParameter(kRxParameter)) {
            info.rxQueueCount = count;
            info.rxCountChanged = true;
        }
        return info.txCountChanged || info.rxCountChanged;
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
