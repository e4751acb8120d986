// network nic ring preset get: the largest RX/TX ring sizes a NIC allows.
#include "kavrel/NetworkFactory.h"
#include "nic/NicCommands.h"
#include "nic/NicShared.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {
constexpr char kRecordName[] = "RingInfo";
}  // namespace

NicRingPresetGet::NicRingPresetGet() {
    SetDescription("Get preset maximums for RX/TX ring buffer parameters of a NIC.");
    SetDefaultOutputFormatter("simple");
    SetDefaultOutputParameter("fields:RingInfo", "Max RX,Max RX Mini,Max RX Jumbo,Max TX");
}

std::shared_ptr<NicRingPresetGet> NicRingPresetGet::New() {
    return std::shared_ptr<NicRingPresetGet>(new NicRingPresetGet());
}

NicRingPresetGet::~NicRingPresetGet() = default;

RecordPtr NicRingPresetGet::GetOutputStructure() {
    return RecordTemplate(kRecordName)
        .Int("RX")
        .Int("RX Mini")
        .Int("RX Jumbo")
        .Int("TX")
        .Int("Max RX")
        .Int("Max RX Mini")
        .Int("Max RX Jumbo")
        .Int("Max TX");
}

InputSpecPtr NicRingPresetGet::GetInputSpecInternal() {
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kNicNameParameter, Parvik::CallSpec::PARAM_STRING, "n",
                 "The name of the NIC whose preset maximums for RX/TX ring buffer parameters should be retrieved.",
                 true);
    return spec;
}

OutputSpecPtr NicRingPresetGet::GetOutputSpecInternal() { return MakeOutputSpec(GetOutputStructure()); }

void NicRingPresetGet::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    ShowRingParams(input, output,
                   [&](const Kavrel::Network::PnicRingParams& preset, const Kavrel::Network::PnicRingParams&) {
                       auto record = GetOutputStructure();
                       // Both groups show the preset maximums.
                       for (const std::string prefix : {"", "Max "}) {
                           record->SetField(prefix + "RX", preset.rx);
                           record->SetField(prefix + "RX Mini", preset.rxMini);
                           record->SetField(prefix + "RX Jumbo", preset.rxJumbo);
                           record->SetField(prefix + "TX", preset.tx);
                       }
                       return record;
                   });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
