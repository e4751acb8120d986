// network nic ring current get: the RX/TX ring sizes a NIC uses now.
#include "kavrel/NetworkFactory.h"
#include "nic/NicCommands.h"
#include "nic/NicShared.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {
constexpr char kRecordName[] = "RingInfo";
}  // namespace

NicRingCurrentGet::NicRingCurrentGet() {
    SetDescription("Get current RX/TX ring buffer parameters of a NIC");
    SetDefaultOutputFormatter("simple");
    SetDefaultOutputParameter("fields:RingInfo", "RX,RX Mini,RX Jumbo,TX");
}

std::shared_ptr<NicRingCurrentGet> NicRingCurrentGet::New() {
    return std::shared_ptr<NicRingCurrentGet>(new NicRingCurrentGet());
}

NicRingCurrentGet::~NicRingCurrentGet() = default;

RecordPtr NicRingCurrentGet::GetOutputStructure() {
    return RecordTemplate(kRecordName).Int("RX").Int("RX Mini").Int("RX Jumbo").Int("TX");
}

InputSpecPtr NicRingCurrentGet::GetInputSpecInternal() {
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kNicNameParameter, Parvik::CallSpec::PARAM_STRING, "n",
                 "The name of the NIC whose current RX/TX ring buffer parameters should be retrieved.", true);
    return spec;
}

OutputSpecPtr NicRingCurrentGet::GetOutputSpecInternal() { return MakeOutputSpec(GetOutputStructure()); }

void NicRingCurrentGet::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    ShowRingParams(input, output,
                   [&](const Kavrel::Network::PnicRingParams&, const Kavrel::Network::PnicRingParams& current) {
                       auto record = GetOutputStructure();
                       record->SetField("RX", current.rx);
                       record->SetField("RX Mini", current.rxMini);
                       record->SetField("RX Jumbo", current.rxJumbo);
                       record->SetField("TX", current.tx);
                       return record;
                   });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
