// network nic get: one NIC's generic settings, pause state and driver.
#include "nic/NicCommands.h"
#include "nic/NicShared.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {
constexpr char kRecordName[] = "NICInfo";
constexpr char kNameField[] = "Name";
constexpr char kSupportedPortsField[] = "Supported Ports";
constexpr char kSupportsAutoNegField[] = "Supports Auto Negotiation";
constexpr char kAdvertisedModesField[] = "Advertised Link Modes";
constexpr char kAdvertisedAutoNegField[] = "Advertised Auto Negotiation";
constexpr char kCableTypeField[] = "Cable Type";
constexpr char kPhyAddressField[] = "PHY Address";
constexpr char kVirtualAddressField[] = "Virtual Address";
constexpr char kTransceiverField[] = "Transceiver";
constexpr char kAutoNegField[] = "Auto Negotiation";
constexpr char kSupportsWakeonField[] = "Supports Wakeon";
constexpr char kWakeonField[] = "Wakeon";
constexpr char kMessageLevelField[] = "Current Message Level";
constexpr char kLinkDetectedField[] = "Link Detected";
constexpr char kSupportsPauseField[] = "Supports Pause";
constexpr char kPauseAutoNegField[] = "Pause Autonegotiate";
constexpr char kPauseRxField[] = "Pause RX";
constexpr char kPauseTxField[] = "Pause TX";
constexpr char kLinkStatusField[] = "Link Status";
constexpr char kDriverInfoField[] = "Driver Info";
constexpr char kBackingDpuField[] = "Backing DPU Id";

constexpr char kDriverRecordName[] = "NICDriverInfo";
constexpr char kDriverField[] = "Driver";
constexpr char kVersionField[] = "Version";
constexpr char kFirmwareField[] = "Firmware Version";
constexpr char kBusInfoField[] = "Bus Info";

std::string TransceiverText(uint32_t transceiver) {
    if (transceiver == 0) return "internal";
    if (transceiver == 1) return "external";
    return "";
}
}  // namespace

NicGet::NicGet() {
    SetDescription("Get the generic configuration of a network device");
    SetDefaultOutputFormatter("simple");
}

std::shared_ptr<NicGet> NicGet::New() { return std::shared_ptr<NicGet>(new NicGet()); }

NicGet::~NicGet() = default;

InputSpecPtr NicGet::GetInputSpecInternal() {
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kNicNameParameter, Parvik::CallSpec::PARAM_STRING, "n",
                 "The name of the NIC to configured. This must be one of the cards listed in the nic list command.",
                 true);
    return spec;
}

OutputSpecPtr NicGet::GetOutputSpecInternal() { return MakeOutputSpec(GetOutputStructure()); }

RecordPtr NicGet::GetDriverInfoStructure() {
    return RecordTemplate(kDriverRecordName)
        .String(kDriverField)
        .String(kVersionField)
        .String(kFirmwareField)
        .String(kBusInfoField);
}

RecordPtr NicGet::GetOutputStructure() {
    return RecordTemplate(kRecordName)
        .String(kNameField)
        .StringList(kSupportedPortsField)
        .Bool(kSupportsAutoNegField)
        .StringList(kAdvertisedModesField)
        .Bool(kAdvertisedAutoNegField)
        .String(kCableTypeField)
        .Int(kPhyAddressField)
        .String(kVirtualAddressField)
        .String(kTransceiverField)
        .Bool(kAutoNegField)
        .Bool(kSupportsWakeonField)
        .StringList(kWakeonField)
        .Int(kMessageLevelField)
        .Bool(kLinkDetectedField)
        .Bool(kSupportsPauseField)
        .Bool(kPauseAutoNegField)
        .Bool(kPauseRxField)
        .Bool(kPauseTxField)
        .String(kLinkStatusField)
        .Record(kDriverInfoField, GetDriverInfoStructure())
        .String(kBackingDpuField);
}

void NicGet::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    WithStandardErrors(output, [&] {
        const std::string& name = input->GetParameter(kNicNameParameter);
        auto pnic = FindNic(name, output, NoPnicMessage(name));
        if (!pnic) return;
        Kavrel::Network::PnicInfo info;
        pnic->GetPnicInfo(info);
        Kavrel::Network::PnicPauseParams pause;
        pnic->GetPauseParams(pause);
        Kavrel::Network::PnicDriverInfo driver;
        pnic->GetDriverInfo(driver);

        auto record = GetOutputStructure();
        record->SetField(kNameField, name);
        std::vector<std::string> ports;
        for (uint32_t port : info.supportedPorts) ports.push_back(SupportedPortText(port));
        record->SetField(kSupportedPortsField, ports);
        record->SetField(kSupportsAutoNegField, info.supportsAutoNegotiation);
        std::vector<std::string> modes;
        for (const auto& mode : info.advertisedLinkModes) modes.push_back(LinkModeText(mode));
        record->SetField(kAdvertisedModesField, modes);
        record->SetField(kAdvertisedAutoNegField, info.advertisedAutoNegotiation);
        record->SetField(kCableTypeField, CableTypeText(info.port));
        record->SetField(kPhyAddressField, info.phyAddress);
        record->SetField(kVirtualAddressField, info.virtualAddress);
        record->SetField(kTransceiverField, TransceiverText(info.transceiver));
        record->SetField(kAutoNegField, info.autoNegotiation);
        std::vector<std::string> wakeOn;
        if (info.supportsWakeOn) {
            for (uint32_t mode : info.wakeOnModes) wakeOn.push_back(WakeOnText(mode));
        } else {
            wakeOn.push_back("None");
        }
        record->SetField(kSupportsWakeonField, info.supportsWakeOn);
        record->SetField(kWakeonField, wakeOn);
        record->SetField(kMessageLevelField,
                         info.supportsMessageLevel ? static_cast<int64_t>(info.messageLevel) : int64_t{-1});
        record->SetField(kLinkDetectedField, pnic->IsLinkUp());
        record->SetField(kSupportsPauseField, pause.supported);
        if (pause.supported) {
            record->SetField(kPauseAutoNegField, pause.autoNegotiation);
            record->SetField(kPauseRxField, pause.rx);
            record->SetField(kPauseTxField, pause.tx);
        }
        record->SetField(kLinkStatusField, info.linkStatus);
        auto driverRecord = GetDriverInfoStructure();
        driverRecord->SetField(kDriverField, driver.driver);
        driverRecord->SetField(kVersionField, driver.version);
        driverRecord->SetField(kFirmwareField, driver.firmwareVersion);
        driverRecord->SetField(kBusInfoField, driver.busInfo);
        record->SetField(kDriverInfoField, driverRecord);
        record->SetField(kBackingDpuField, "N/A");
        output->SetRootObject(record);
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
