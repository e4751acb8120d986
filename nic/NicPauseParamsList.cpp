// network nic pauseParams list: flow-control settings and their negotiated outcome per NIC.
#include "kavrel/NetworkFactory.h"
#include "nic/NicCommands.h"
#include "nic/NicShared.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {
constexpr char kRecordName[] = "PauseParamsSettings";
constexpr char kSupportedField[] = "Pause Params Supported";
constexpr char kAutoNegField[] = "Auto Negotiation";
constexpr char kRxField[] = "Pause RX";
constexpr char kTxField[] = "Pause TX";
constexpr char kResolutionAvailField[] = "Auto Negotiation Resolution Avail";
constexpr char kRxResolutionField[] = "RX Auto Negotiation Resolution";
constexpr char kTxResolutionField[] = "TX Auto Negotiation Resolution";
}  // namespace

NicPauseParamsList::NicPauseParamsList() {
    SetDescription("List pause parameters of all NICs");
    SetDefaultOutputFormatter("table");
    SetDefaultOutputParameter("fields:PauseParamsSettings",
                              "NIC,Pause Params Supported,Pause RX,Pause TX,Auto Negotiation,Auto Negotiation "
                              "Resolution Avail,RX Auto Negotiation Resolution,TX Auto Negotiation Resolution");
}

std::shared_ptr<NicPauseParamsList> NicPauseParamsList::New() {
    return std::shared_ptr<NicPauseParamsList>(new NicPauseParamsList());
}

NicPauseParamsList::~NicPauseParamsList() = default;

RecordPtr NicPauseParamsList::GetOutputStructure() {
    return RecordTemplate(kRecordName)
        .String(kNicField)
        .Bool(kSupportedField)
        .Bool(kAutoNegField)
        .Bool(kRxField)
        .Bool(kTxField)
        .Bool(kResolutionAvailField)
        .Bool(kRxResolutionField)
        .Bool(kTxResolutionField);
}

InputSpecPtr NicPauseParamsList::GetInputSpecInternal() {
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kNicNameParameter, Parvik::CallSpec::PARAM_STRING, "n",
                 "The name of the NIC whose pause parameters should be retrieved.", false);
    return spec;
}

OutputSpecPtr NicPauseParamsList::GetOutputSpecInternal() {
    return MakeOutputSpec(MakeRecordList(GetOutputStructure()));
}

void NicPauseParamsList::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    WithStandardErrors(output, [&] {
        auto inventory = Kavrel::Network::NetworkFactory::GetNetworkInfo();
        std::vector<std::unique_ptr<Kavrel::Network::Pnic>> pnics;
        if (!SelectPnics(*inventory, input, output, kNicNameParameter, "NIC with name ", " not found", pnics)) return;
        auto list = MakeRecordList(GetOutputStructure());
        for (const auto& pnic : pnics) {
            Kavrel::Network::PnicPauseParams pause;
            pnic->GetPauseParams(pause);
            bool supported = pause.supported;
            // Resolutions count only when both directions have one.
            bool resolved = supported && pause.rxResolution != 0 && pause.txResolution != 0;
            auto record = GetOutputStructure();
            record->SetField(kNicField, pnic->GetName());
            record->SetField(kSupportedField, supported);
            record->SetField(kAutoNegField, supported && pause.autoNegotiation);
            record->SetField(kRxField, supported && pause.rx);
            record->SetField(kTxField, supported && pause.tx);
            record->SetField(kResolutionAvailField, resolved);
            record->SetField(kRxResolutionField, resolved && pause.rxResolution == 1);
            record->SetField(kTxResolutionField, resolved && pause.txResolution == 1);
            list->Add(record);
        }
        output->SetRootObject(list);
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
