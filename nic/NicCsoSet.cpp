// network nic cso set: turn checksum offload settings of a NIC on or off (not persistent).
#include "nic/NicCommands.h"
#include "nic/NicShared.h"

namespace NorvaleCli {
namespace NetworkNamespace {

NicCsoSet::NicCsoSet() { SetDescription("Set checksum offload settings on a nic, which is not persistent."); }

std::shared_ptr<NicCsoSet> NicCsoSet::New() { return std::shared_ptr<NicCsoSet>(new NicCsoSet()); }

NicCsoSet::~NicCsoSet() = default;

InputSpecPtr NicCsoSet::GetInputSpecInternal() {
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kPnicParameter, Parvik::CallSpec::PARAM_STRING, "n", "Name of pnic to set offload settings.",
                 true);
    AddParameter(spec, "enable", Parvik::CallSpec::PARAM_INTEGER, "e", "RX/TX checksum offload", true, IntRange(0, 1));
    return spec;
}

OutputSpecPtr NicCsoSet::GetOutputSpecInternal() { return MakeOutputSpec(Parvik::MetaObj::MetaBool::New()); }

void NicCsoSet::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    SetOffloadSettings(input, output,
                       Kavrel::Network::PnicOffloadSettings::RX_CSO | Kavrel::Network::PnicOffloadSettings::TX_CSO);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
