// network nic coalesce set: change a NIC's interrupt coalescing; options left out keep their value.
#include "lmxctl/NetworkInfoImpl.h"
#include "nic/NicCommands.h"
#include "nic/NicShared.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {
using Coalesce = Kavrel::Network::PnicCoalesceParams;

constexpr char kAdaptiveRxParameter[] = "adaptive-rx";
constexpr char kAdaptiveTxParameter[] = "adaptive-tx";

const struct {
    const char* name;
    const char* shortName;
    const char* description;
    uint32_t Coalesce::*field;
} kIntegerOptions[] = {
    {"rx-usecs", "r", "Number of microseconds driver to wait for RX before interrupting.", &Coalesce::rxUsecs},
    {"rx-max-frames", "R", "Maximum number of RX frames driver to process before interrupting.",
     &Coalesce::rxMaxFrames},
    {"tx-usecs", "t", "Number of microseconds driver to wait for completed TX before interrupting.",
     &Coalesce::txUsecs},
    {"tx-max-frames", "T", "Maximum number of completed TX frames driver to process before interrupting.",
     &Coalesce::txMaxFrames},
};
constexpr char kSampleIntervalParameter[] = "sample-interval";
}  // namespace

NicCoalesceSet::NicCoalesceSet() { SetDescription("Set coalesce parameters on a nic"); }

std::shared_ptr<NicCoalesceSet> NicCoalesceSet::New() { return std::shared_ptr<NicCoalesceSet>(new NicCoalesceSet()); }

NicCoalesceSet::~NicCoalesceSet() = default;

InputSpecPtr NicCoalesceSet::GetInputSpecInternal() {
    using Parvik::CallSpec::PARAM_BOOLEAN;
    using Parvik::CallSpec::PARAM_INTEGER;
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kPnicParameter, Parvik::CallSpec::PARAM_STRING, "n", "Name of pnic to set coalesce parameters.",
                 true);
    for (const auto& option : kIntegerOptions) {
        AddParameter(spec, option.name, PARAM_INTEGER, option.shortName, option.description, false);
    }
    AddParameter(spec, kAdaptiveRxParameter, PARAM_BOOLEAN, "a", "enable or disable adaptive RX algorithm in driver.",
                 false);
    AddParameter(spec, kAdaptiveTxParameter, PARAM_BOOLEAN, "A", "enable or disable adaptive TX algorithm in driver.",
                 false);
    AddParameter(spec, kSampleIntervalParameter, PARAM_INTEGER, "i",
                 "Packet rate sampling internal in seconds for the adaptive coalescing algorithm in driver.", false,
                 IntRange(1, 3600));
    return spec;
}

OutputSpecPtr NicCoalesceSet::GetOutputSpecInternal() { return MakeOutputSpec(Parvik::MetaObj::MetaBool::New()); }

void NicCoalesceSet::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    WithStandardErrors(output, [&] {
        const std::string& name = input->GetParameter(kPnicParameter);
        LmxCtl::Network::NetworkInfoImpl inventory;
        auto pnic = FindNic(inventory, name, output, PnicNotFoundMessage(name));
        if (!pnic) return;
        Coalesce params;
        pnic->GetCoalesceParams(params);
        for (const auto& option : kIntegerOptions) {
            if (input->HasParameter(option.name)) {
                params.*option.field = Uint32Parameter(input, option.name);
            }
        }
        if (input->HasParameter(kAdaptiveRxParameter))
            params.adaptiveRx = input->GetParameterBool(kAdaptiveRxParameter);
        if (input->HasParameter(kAdaptiveTxParameter))
            params.adaptiveTx = input->GetParameterBool(kAdaptiveTxParameter);
        if (input->HasParameter(kSampleIntervalParameter)) {
            params.sampleInterval = Uint32Parameter(input, kSampleIntervalParameter);
        }
        pnic->SetCoalesceParams(params);
        SetSuccess(output);
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
