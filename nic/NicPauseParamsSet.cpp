// network nic pauseParams set: change a NIC's flow control; options left out keep their value.
#include "kavrel/NetworkFactory.h"
#include "nic/NicCommands.h"
#include "nic/NicShared.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {
constexpr char kAutoParameter[] = "auto";
constexpr char kRxParameter[] = "rx";
constexpr char kTxParameter[] = "tx";
}  // namespace

NicPauseParamsSet::NicPauseParamsSet() { SetDescription("Set pause parameters for a NIC"); }

std::shared_ptr<NicPauseParamsSet> NicPauseParamsSet::New() {
    return std::shared_ptr<NicPauseParamsSet>(new NicPauseParamsSet());
}

NicPauseParamsSet::~NicPauseParamsSet() = default;

InputSpecPtr NicPauseParamsSet::GetInputSpecInternal() {
    using Parvik::CallSpec::PARAM_BOOLEAN;
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kNicNameParameter, Parvik::CallSpec::PARAM_STRING, "n",
                 "Name of NIC whose pause parameters should be set.", true);
    AddParameter(spec, kAutoParameter, PARAM_BOOLEAN, "a", "Enable/disable auto negotiation.", false);
    AddParameter(spec, kRxParameter, PARAM_BOOLEAN, "r", "Enable/disable pause RX flow control.", false);
    AddParameter(spec, kTxParameter, PARAM_BOOLEAN, "t", "Enable/disable pause TX flow control.", false);
    return spec;
}

OutputSpecPtr NicPauseParamsSet::GetOutputSpecInternal() { return MakeOutputSpec(Parvik::MetaObj::MetaBool::New()); }

void NicPauseParamsSet::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    WithStandardErrors(output, [&] {
        auto inventory = Kavrel::Network::NetworkFactory::GetNetworkInfo();
        const std::string& nicName = input->GetParameter(kNicNameParameter);
        auto pnic = FindNic(*inventory, nicName, output, NicNotFoundMessage(nicName));
        if (!pnic) return;
        Kavrel::Network::PnicPauseParams pause;
        pnic->GetPauseParams(pause);
        if (input->HasParameter(kAutoParameter)) pause.autoNegotiation = input->GetParameterBool(kAutoParameter);
        if (input->HasParameter(kRxParameter)) pause.rx = input->GetParameterBool(kRxParameter);
        if (input->HasParameter(kTxParameter)) pause.tx = input->GetParameterBool(kTxParameter);
        pnic->SetPauseParams(pause);
        SetSuccess(output);
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
