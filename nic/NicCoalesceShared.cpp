// What the coalescing commands for high and low packet rates share.
#include "nic/NicCoalesceShared.h"

#include "kavrel/NetworkFactory.h"
#include "nic/NicShared.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {
using Coalesce = Kavrel::Network::PnicCoalesceParams;

constexpr char kPacketRateField[] = "Packet rate";
constexpr char kRxDelayTimeField[] = "RX delay time";
constexpr char kRxDelayPacketsField[] = "RX delay packets";
constexpr char kTxDelayTimeField[] = "TX delay time";
constexpr char kTxDelayPacketsField[] = "TX delay packets";

constexpr char kPacketRateParameter[] = "pkt-rate";
constexpr char kRxUsecsParameter[] = "rx-usecs";
constexpr char kRxMaxFramesParameter[] = "rx-max-frames";
constexpr char kTxUsecsParameter[] = "tx-usecs";
constexpr char kTxMaxFramesParameter[] = "tx-max-frames";

std::unique_ptr<Kavrel::Network::Pnic> Lookup(const InputPtr& input, const OutputPtr& output) {
    const std::string& name = input->GetParameter(kPnicParameter);
    auto inventory = Kavrel::Network::NetworkFactory::GetNetworkInfo();
    return FindNic(*inventory, name, output, PnicNotFoundMessage(name));
}
}  // namespace

const RateCoalesceFields kHighRateCoalesce = {"high",
                                              &Coalesce::pktRateHigh,
                                              &Coalesce::rxUsecsHigh,
                                              &Coalesce::rxMaxFramesHigh,
                                              &Coalesce::txUsecsHigh,
                                              &Coalesce::txMaxFramesHigh};
const RateCoalesceFields kLowRateCoalesce = {"low",
                                             &Coalesce::pktRateLow,
                                             &Coalesce::rxUsecsLow,
                                             &Coalesce::rxMaxFramesLow,
                                             &Coalesce::txUsecsLow,
                                             &Coalesce::txMaxFramesLow};

void SetRateCoalesceOutputParameters(Parvik::AutoCli::Command& command, const std::string& recordName) {
    command.SetDefaultOutputParameter(std::string("fields:") + recordName,
                                      "NIC,Packet rate,RX delay time,RX delay packets,TX delay time,TX delay packets");
    command.SetDefaultOutputParameter(std::string("units:") + recordName + "." + kPacketRateField, "pps");
    command.SetDefaultOutputParameter(std::string("units:") + recordName + "." + kRxDelayTimeField, "microsecond");
    command.SetDefaultOutputParameter(std::string("units:") + recordName + "." + kTxDelayTimeField, "microsecond");
}

RecordPtr RateCoalesceRecord(const std::string& recordName) {
    return RecordTemplate(recordName)
        .String(kNicField)
        .Int(kPacketRateField)
        .Int(kRxDelayTimeField)
        .Int(kRxDelayPacketsField)
        .Int(kTxDelayTimeField)
        .Int(kTxDelayPacketsField);
}

InputSpecPtr RateCoalesceGetInputSpec() {
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kPnicParameter, Parvik::CallSpec::PARAM_STRING, "n",
                 "The name of the pnic for which information should be retrieved.", true);
    return spec;
}

InputSpecPtr RateCoalesceSetInputSpec(const RateCoalesceFields& fields, const std::string& packetRateDescription) {
    using Parvik::CallSpec::PARAM_INTEGER;
    const std::string rate = fields.rate;
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kPnicParameter, Parvik::CallSpec::PARAM_STRING, "n",
                 "Name of the pnic for which parameters should be set.", true);
    AddParameter(spec, kPacketRateParameter, PARAM_INTEGER, "p", packetRateDescription, false);
    // The four delays, each described up to the rate's name.
    auto addDelay = [&](const char* name, const char* shortName, const char* helpUpToRate) {
        AddParameter(spec, name, PARAM_INTEGER, shortName, helpUpToRate + rate + " packet rate conditions.", false);
    };
    addDelay(kRxUsecsParameter, "r",
             "The number of microseconds to delay an RX interrupt after a packet arrives under ");
    addDelay(kRxMaxFramesParameter, "R",
             "The maximum number of RX packets to delay an RX interrupt after they arrive under ");
    addDelay(kTxUsecsParameter, "t",
             "The number of microseconds to delay a TX interrupt after a packet is sent under ");
    addDelay(kTxMaxFramesParameter, "T",
             "The maximum number of TX packets to delay an TX interrupt after they are sent under ");
    return spec;
}

void GetRateCoalesce(const InputPtr& input, const OutputPtr& output, const RateCoalesceFields& fields,
                     const RecordPtr& record) {
    WithStandardErrors(output, [&] {
        auto pnic = Lookup(input, output);
        if (!pnic) return;
        Coalesce params;
        pnic->GetCoalesceParams(params);
        // The NIC is shown by the name as typed.
        record->SetField(kNicField, input->GetParameter(kPnicParameter));
        record->SetField(kPacketRateField, params.*fields.packetRate);
        record->SetField(kRxDelayTimeField, params.*fields.rxUsecs);
        record->SetField(kRxDelayPacketsField, params.*fields.rxMaxFrames);
        record->SetField(kTxDelayTimeField, params.*fields.txUsecs);
        record->SetField(kTxDelayPacketsField, params.*fields.txMaxFrames);
        output->SetRootObject(record);
    });
}

void SetRateCoalesce(const InputPtr& input, const OutputPtr& output, const RateCoalesceFields& fields) {
    WithStandardErrors(output, [&] {
        auto pnic = Lookup(input, output);
        if (!pnic) return;
        Coalesce params;
        pnic->GetCoalesceParams(params);
        const std::pair<const char*, uint32_t Coalesce::*> options[] = {
            {kPacketRateParameter, fields.packetRate},   {kRxUsecsParameter, fields.rxUsecs},
            {kRxMaxFramesParameter, fields.rxMaxFrames}, {kTxUsecsParameter, fields.txUsecs},
            {kTxMaxFramesParameter, fields.txMaxFrames},
        };
        for (const auto& option : options) {
            if (input->HasParameter(option.first)) {
                params.*option.second = Uint32Parameter(input, option.first);
            }
        }
        pnic->SetCoalesceParams(params);
        SetSuccess(output);
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
