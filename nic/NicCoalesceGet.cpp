// network nic coalesce get: interrupt coalescing parameters of one or all NICs.
#include "lmxctl/NetworkInfoImpl.h"
#include "nic/NicCommands.h"
#include "nic/NicShared.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {
constexpr char kRecordName[] = "CoalesceParams";
constexpr char kRxUsecsField[] = "RX microseconds";
constexpr char kRxMaxFramesField[] = "RX maximum frames";
constexpr char kTxUsecsField[] = "TX microseconds";
constexpr char kTxMaxFramesField[] = "TX Maximum frames";
constexpr char kAdaptiveRxField[] = "Adaptive RX";
constexpr char kAdaptiveTxField[] = "Adaptive TX";
constexpr char kSampleIntervalField[] = "Sample interval seconds";
}  // namespace

NicCoalesceGet::NicCoalesceGet() {
    SetDescription("Get coalesce parameters");
    SetDefaultOutputFormatter("table");
    SetDefaultOutputParameter(
        "fields:CoalesceParams",
        "NIC,RX microseconds,RX maximum frames,TX microseconds,TX Maximum frames,Adaptive RX,Adaptive TX,"
        "Sample interval seconds");
}

std::shared_ptr<NicCoalesceGet> NicCoalesceGet::New() { return std::shared_ptr<NicCoalesceGet>(new NicCoalesceGet()); }

NicCoalesceGet::~NicCoalesceGet() = default;

RecordPtr NicCoalesceGet::GetOutputStructure() {
    return RecordTemplate(kRecordName)
        .String(kNicField)
        .String(kRxUsecsField)
        .String(kRxMaxFramesField)
        .String(kTxUsecsField)
        .String(kTxMaxFramesField)
        .String(kAdaptiveRxField)
        .String(kAdaptiveTxField)
        .String(kSampleIntervalField);
}

InputSpecPtr NicCoalesceGet::GetInputSpecInternal() {
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kPnicParameter, Parvik::CallSpec::PARAM_STRING, "n",
                 "The name of pnic to get coalesce parameters", false);
    return spec;
}

OutputSpecPtr NicCoalesceGet::GetOutputSpecInternal() { return MakeOutputSpec(MakeRecordList(GetOutputStructure())); }

void NicCoalesceGet::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    WithStandardErrors(output, [&] {
        LmxCtl::Network::NetworkInfoImpl inventory;
        std::vector<std::unique_ptr<Kavrel::Network::Pnic>> pnics;
        if (!SelectPnics(inventory, input, output, kPnicParameter, "Pnic with name ", " not found", pnics)) return;
        auto list = MakeRecordList(GetOutputStructure());
        for (const auto& pnic : pnics) {
            Kavrel::Network::PnicCoalesceParams params;
            pnic->GetCoalesceParams(params);
            auto record = GetOutputStructure();
            record->SetField(kNicField, pnic->GetName());
            record->SetField(kRxUsecsField, std::to_string(params.rxUsecs));
            record->SetField(kRxMaxFramesField, std::to_string(params.rxMaxFrames));
            record->SetField(kTxUsecsField, std::to_string(params.txUsecs));
            record->SetField(kTxMaxFramesField, std::to_string(params.txMaxFrames));
            record->SetField(kAdaptiveRxField, OnOffCapitalised(params.adaptiveRx));
            record->SetField(kAdaptiveTxField, OnOffCapitalised(params.adaptiveTx));
            record->SetField(kSampleIntervalField, std::to_string(params.sampleInterval));
            list->Add(record);
        }
        output->SetRootObject(list);
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
