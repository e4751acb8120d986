// network nic ring current set: resize a NIC's RX/TX rings; only the sizes given are applied.
#include "kavrel/NetworkFactory.h"
#include "nic/NicCommands.h"
#include "nic/NicShared.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {
using Ring = Kavrel::Network::PnicRingParams;

const MaskedOption<Ring, uint32_t> kOptions[] = {
    {"rx", "r", "Number of ring entries for the RX ring.", Ring::RX, &Ring::rx},
    {"rx-mini", "m", "Number of ring entries for the RX mini ring.", Ring::RX_MINI, &Ring::rxMini},
    {"rx-jumbo", "j", "Number of ring entries for the RX jumbo ring.", Ring::RX_JUMBO, &Ring::rxJumbo},
    {"tx", "t", "Number of ring entries for the TX ring.", Ring::TX, &Ring::tx},
};
}  // namespace

NicRingCurrentSet::NicRingCurrentSet() { SetDescription("Set current RX/TX ring buffer parameters of a NIC"); }

std::shared_ptr<NicRingCurrentSet> NicRingCurrentSet::New() {
    return std::shared_ptr<NicRingCurrentSet>(new NicRingCurrentSet());
}

NicRingCurrentSet::~NicRingCurrentSet() = default;

InputSpecPtr NicRingCurrentSet::GetInputSpecInternal() {
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kNicNameParameter, Parvik::CallSpec::PARAM_STRING, "n",
                 "The name of the NIC whose current RX/TX ring buffer parameters should be set.", true);
    for (const auto& option : kOptions) {
        AddParameter(spec, option.name, Parvik::CallSpec::PARAM_INTEGER, option.shortName, option.description, false);
    }
    return spec;
}

OutputSpecPtr NicRingCurrentSet::GetOutputSpecInternal() { return MakeOutputSpec(Parvik::MetaObj::MetaBool::New()); }

void NicRingCurrentSet::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    WithStandardErrors(output, [&] {
        auto inventory = Kavrel::Network::NetworkFactory::GetNetworkInfo();
        const std::string& nicName = input->GetParameter(kNicNameParameter);
        auto pnic = FindNic(*inventory, nicName, output, NicNotFoundMessage(nicName));
        if (!pnic) return;
        Ring ring = GivenOptions(input, kOptions, Uint32Parameter);
        if (ring.mask != 0) pnic->SetRingParams(ring);
        SetSuccess(output);
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
