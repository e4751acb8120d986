// network nic dcb status get: a NIC's Data Center Bridging mode, capabilities, ETS, PFC and application entries.
#include <cstdio>

#include "lmxctl/DcbInfoImpl.h"
#include "nic/NicDiagnosticCommands.h"
#include "nic/NicShared.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {
constexpr char kRecordName[] = "DCBStatus";
constexpr char kNicNameField[] = "Nic Name";
constexpr char kModeField[] = "Mode";
constexpr char kEnabledField[] = "Enabled";
constexpr char kCapabilitiesField[] = "Capabilities";
constexpr char kPfcEnabledField[] = "PFC Enabled";
constexpr char kPfcConfigField[] = "PFC Configuration";
constexpr char kIeeePfcField[] = "IEEE PFC Configuration";
constexpr char kIeeeEtsField[] = "IEEE ETS Configuration";
constexpr char kAppsField[] = "DCB Apps";

constexpr char kCapabilitiesRecord[] = "DcbCapabilities";
constexpr char kPriorityGroupField[] = "Priority Group";
constexpr char kPriorityFlowControlField[] = "Priority Flow Control";
constexpr char kUpToTcMapField[] = "UP to TC Map";
constexpr char kPgTrafficClassesField[] = "PG Traffic Classes";
constexpr char kPfcTrafficClassesField[] = "PFC Traffic Classes";

constexpr char kEtsRecord[] = "DcbIeeeEtsConfig";
constexpr char kWillingField[] = "Willing Bit In ETS Config TLV";
constexpr char kCapacityField[] = "Supported Capacity";
constexpr char kCbsField[] = "Credit Based Shaper ETS Algorithm Supported";
constexpr char kTxBandwidthField[] = "TX Bandwidth Per TC";
constexpr char kRxBandwidthField[] = "RX Bandwidth Per TC";
constexpr char kTsaTableField[] = "TSA Assignment Table Per TC";
constexpr char kPriorityAssignmentField[] = "Priority Assignment Per TC";
constexpr char kRecommendedBandwidthField[] = "Recommended TC Bandwidth Per TC";
constexpr char kRecommendedBandwithField[] = "Recommended TC Bandwith Per TC";
constexpr char kRecommendedTsaField[] = "Recommended TSA Assignment Per TC";
constexpr char kRecommendedPriorityField[] = "Recommended Priority Assignment Per TC";

constexpr char kPfcRecord[] = "DcbIeeePfcConfig";
constexpr char kTrafficClassesField[] = "Number Of Traffic Classes";
constexpr char kMacsecField[] = "Macsec Bypass Capability Is Enabled";
constexpr char kDelayField[] = "Round Trip Propagation Delay Of Link";
constexpr char kSentFramesField[] = "Sent PFC Frames";
constexpr char kReceivedFramesField[] = "Received PFC Frames";

constexpr char kAppsRecord[] = "DcbApps";
constexpr char kAppTypeField[] = "App Type";
constexpr char kProtocolIdField[] = "Protocol ID";
constexpr char kUserPriorityField[] = "User Priority";

const char* const kModeNames[] = {"Unknown", "CEN Mode", "CEE Mode", "IEEE Mode"};
}  // namespace

std::string DcbModeToString(uint32_t mode) {
    char text[64];
    // A mode outside the table reads as unknown, with its number kept.
    std::snprintf(text, sizeof(text), "%u - %s", mode, mode < 4 ? kModeNames[mode] : kModeNames[0]);
    return text;
}

std::string DcbIntMaskToString(uint8_t mask) {
    char text[32];
    std::snprintf(text, sizeof(text), "%d %d %d %d %d %d %d %d", mask & 1, (mask >> 1) & 1, (mask >> 2) & 1,
                  (mask >> 3) & 1, (mask >> 4) & 1, (mask >> 5) & 1, (mask >> 6) & 1, (mask >> 7) & 1);
    return text;
}

std::string DcbArrayToString(const uint8_t (&values)[8]) {
    char text[48];
    std::snprintf(text, sizeof(text), "%d %d %d %d %d %d %d %d", values[0], values[1], values[2], values[3], values[4],
                  values[5], values[6], values[7]);
    return text;
}

NicDcbStatusGet::NicDcbStatusGet() {
    SetDescription("Get the DCB information for a NIC.");
    SetDefaultOutputFormatter("simple");
    SetDefaultOutputParameter("fields:DCBStatus",
                              "Nic Name,Mode,Enabled,Capabilities,PFC Enabled,PFC Configuration,IEEE ETS "
                              "Configuration,IEEE PFC Configuration,DCB Apps");
    SetDefaultOutputParameter("fields:DcbIeeeEtsConfig",
                              "Willing Bit In ETS Config TLV,Supported Capacity,Credit Based Shaper ETS Algorithm "
                              "Supported,TX Bandwidth Per TC,RX Bandwidth Per TC,TSA Assignment Table Per TC,Priority "
                              "Assignment Per TC,Recommended TC Bandwidth Per TC,Recommended TSA Assignment Per "
                              "TC,Recommended Priority Assignment Per TC");
    SetDefaultOutputParameter("fields:DcbIeeePfcConfig",
                              "Number Of Traffic Classes,PFC Configuration,Macsec Bypass Capability Is Enabled,Round "
                              "Trip Propagation Delay Of Link,Sent PFC Frames,Received PFC Frames");
    SetDefaultOutputParameter("fields:DcbApps", "App Type,Protocol ID,User Priority");
    SetDefaultOutputParameter("fields:DcbCapabilities",
                              "Priority Group,Priority Flow Control,PG Traffic Classes,PFC Traffic Classes");
}

std::shared_ptr<NicDcbStatusGet> NicDcbStatusGet::New() { return std::make_shared<NicDcbStatusGet>(); }

NicDcbStatusGet::~NicDcbStatusGet() = default;

RecordPtr NicDcbStatusGet::GetDcbCapabilitiesStructure() {
    return RecordTemplate(kCapabilitiesRecord)
        .Bool(kPriorityGroupField)
        .Bool(kPriorityFlowControlField)
        .Bool(kUpToTcMapField)
        .Int(kPgTrafficClassesField)
        .Int(kPfcTrafficClassesField);
}

RecordPtr NicDcbStatusGet::GetDcbIeeeEtsConfigStructure() {
    return RecordTemplate(kEtsRecord)
        .Int(kWillingField)
        .Int(kCapacityField)
        .String(kCbsField)
        .String(kTxBandwidthField)
        .String(kRxBandwidthField)
        .String(kTsaTableField)
        .String(kPriorityAssignmentField)
        .String(kRecommendedBandwidthField)
        .String(kRecommendedBandwithField)
        .String(kRecommendedTsaField)
        .String(kRecommendedPriorityField);
}

RecordPtr NicDcbStatusGet::GetDcbIeeePfcConfigStructure() {
    return RecordTemplate(kPfcRecord)
        .Int(kTrafficClassesField)
        .String(kPfcConfigField)
        .Int(kMacsecField)
        .Int(kDelayField)
        .String(kSentFramesField)
        .String(kReceivedFramesField);
}

RecordPtr NicDcbStatusGet::GetDcbAppsStructure() {
    return RecordTemplate(kAppsRecord).String(kAppTypeField).String(kProtocolIdField).String(kUserPriorityField);
}

RecordPtr NicDcbStatusGet::GetOutputStructure() {
    return RecordTemplate(kRecordName)
        .String(kNicNameField)
        .String(kModeField)
        .Bool(kEnabledField)
        .Record(kCapabilitiesField, GetDcbCapabilitiesStructure())
        .Bool(kPfcEnabledField)
        .String(kPfcConfigField)
        .Record(kIeeePfcField, GetDcbIeeePfcConfigStructure())
        .Record(kIeeeEtsField, GetDcbIeeeEtsConfigStructure())
        .RecordList(kAppsField, GetDcbAppsStructure());
}

InputSpecPtr NicDcbStatusGet::GetInputSpecInternal() {
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kNicNameParameter, Parvik::CallSpec::PARAM_STRING, "n",
                 "The name of the NIC for which you need the info. See \"nic list\" command.", true);
    return spec;
}

OutputSpecPtr NicDcbStatusGet::GetOutputSpecInternal() { return MakeOutputSpec(GetOutputStructure()); }

void NicDcbStatusGet::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    WithStandardErrors(output, [&] {
        const std::string& name = input->GetParameter(kNicNameParameter);
        LmxCtl::Network::DcbInfoImpl dcb(name);
        auto status = GetOutputStructure();
        status->SetField(kNicNameField, name);
        status->SetField(kModeField, DcbModeToString(dcb.GetMode()));
        status->SetField(kEnabledField, dcb.IsEnabled());

        const auto caps = dcb.GetCapabilities();
        auto capabilities = GetDcbCapabilitiesStructure();
        capabilities->SetField(kPriorityGroupField, caps.priorityGroup);
        capabilities->SetField(kPriorityFlowControlField, caps.priorityFlowControl);
        capabilities->SetField(kUpToTcMapField, caps.upToTcMap);
        capabilities->SetField(kPgTrafficClassesField, static_cast<int64_t>(caps.pgTrafficClasses));
        capabilities->SetField(kPfcTrafficClassesField, static_cast<int64_t>(caps.pfcTrafficClasses));
        status->SetField(kCapabilitiesField, capabilities);

        status->SetField(kPfcEnabledField, dcb.IsPfcEnabled());
        status->SetField(kPfcConfigField, DcbIntMaskToString(dcb.GetPfcConfig()));

        const auto ets = dcb.GetIeeeEtsConfig();
        auto etsRecord = GetDcbIeeeEtsConfigStructure();
        etsRecord->SetField(kWillingField, static_cast<int64_t>(ets.willing));
        etsRecord->SetField(kCapacityField, static_cast<int64_t>(ets.supportedCapacity));
        etsRecord->SetField(kCbsField, ets.creditBasedShaper);
        etsRecord->SetField(kTxBandwidthField, DcbArrayToString(ets.txBandwidth));
        etsRecord->SetField(kRxBandwidthField, DcbArrayToString(ets.rxBandwidth));
        etsRecord->SetField(kTsaTableField, DcbArrayToString(ets.tsaTable));
        etsRecord->SetField(kPriorityAssignmentField, DcbArrayToString(ets.priorityAssignment));
        etsRecord->SetField(kRecommendedBandwidthField, DcbArrayToString(ets.recommendedBandwidth));
        etsRecord->SetField(kRecommendedBandwithField, DcbArrayToString(ets.recommendedBandwidth));
        etsRecord->SetField(kRecommendedTsaField, DcbArrayToString(ets.recommendedTsa));
        etsRecord->SetField(kRecommendedPriorityField, DcbArrayToString(ets.recommendedPriority));
        status->SetField(kIeeeEtsField, etsRecord);

        const auto pfc = dcb.GetIeeePfcConfig();
        auto pfcRecord = GetDcbIeeePfcConfigStructure();
        pfcRecord->SetField(kTrafficClassesField, static_cast<int64_t>(pfc.trafficClasses));
        pfcRecord->SetField(kPfcConfigField, DcbIntMaskToString(pfc.pfcMask));
        pfcRecord->SetField(kMacsecField, static_cast<int64_t>(pfc.macsecBypass));
        pfcRecord->SetField(kDelayField, static_cast<int64_t>(pfc.delay));
        pfcRecord->SetField(kSentFramesField, DcbArrayToString(pfc.sentFrames));
        pfcRecord->SetField(kReceivedFramesField, DcbArrayToString(pfc.receivedFrames));
        status->SetField(kIeeePfcField, pfcRecord);

        auto apps = MakeRecordList(GetDcbAppsStructure());
        for (const auto& app : dcb.GetAppInfo()) {
            auto appRecord = GetDcbAppsStructure();
            appRecord->SetField(kAppTypeField, app.appType);
            appRecord->SetField(kProtocolIdField, app.protocolId);
            appRecord->SetField(kUserPriorityField, app.userPriority);
            apps->Add(appRecord);
        }
        status->SetField(kAppsField, apps);
        output->SetRootObject(status);
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
