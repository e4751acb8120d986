// network nic cso get: checksum offload settings of one or all NICs.
#include "nic/NicCommands.h"
#include "nic/NicShared.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {
constexpr char kRecordName[] = "CSOSettings";
constexpr char kRxField[] = "RX Checksum Offload";
constexpr char kTxField[] = "TX Checksum Offload";
}  // namespace

NicCsoGet::NicCsoGet() {
    SetDescription("Get checksum offload settings");
    SetDefaultOutputFormatter("table");
    SetDefaultOutputParameter("fields:CSOSettings", "NIC,RX Checksum Offload,TX Checksum Offload");
}

std::shared_ptr<NicCsoGet> NicCsoGet::New() { return std::shared_ptr<NicCsoGet>(new NicCsoGet()); }

NicCsoGet::~NicCsoGet() = default;

RecordPtr NicCsoGet::GetOutputStructure() {
    return RecordTemplate(kRecordName).String(kNicField).String(kRxField).String(kTxField);
}

InputSpecPtr NicCsoGet::GetInputSpecInternal() {
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kPnicParameter, Parvik::CallSpec::PARAM_STRING, "n", "The name of pnic to get CSO settings",
                 false);
    return spec;
}

OutputSpecPtr NicCsoGet::GetOutputSpecInternal() { return MakeOutputSpec(MakeRecordList(GetOutputStructure())); }

void NicCsoGet::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    ListOffloadSettings(
        input, output, [this] { return GetOutputStructure(); },
        [](const RecordPtr& record, const Kavrel::Network::PnicOffloadSettings& settings) {
            record->SetField(kRxField, OnOff(settings.rxChecksum));
            record->SetField(kTxField, OnOff(settings.txChecksum));
        });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
