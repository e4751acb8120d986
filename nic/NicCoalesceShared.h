// The coalescing commands for high and low packet rates, which differ only in
// the fields of the coalescing record they show and change.
#pragma once

#include <string>

#include "frame/CommandFrame.h"
#include "kavrel/Pnic.h"

namespace NorvaleCli {
namespace NetworkNamespace {

struct RateCoalesceFields {
    const char* rate;  // "high" or "low", as the option texts say it
    uint32_t Kavrel::Network::PnicCoalesceParams::*packetRate;
    uint32_t Kavrel::Network::PnicCoalesceParams::*rxUsecs;
    uint32_t Kavrel::Network::PnicCoalesceParams::*rxMaxFrames;
    uint32_t Kavrel::Network::PnicCoalesceParams::*txUsecs;
    uint32_t Kavrel::Network::PnicCoalesceParams::*txMaxFrames;
};

extern const RateCoalesceFields kHighRateCoalesce;
extern const RateCoalesceFields kLowRateCoalesce;

void SetRateCoalesceOutputParameters(Parvik::AutoCli::Command& command, const std::string& recordName);
RecordPtr RateCoalesceRecord(const std::string& recordName);
InputSpecPtr RateCoalesceGetInputSpec();
InputSpecPtr RateCoalesceSetInputSpec(const RateCoalesceFields& fields, const std::string& packetRateDescription);
void GetRateCoalesce(const InputPtr& input, const OutputPtr& output, const RateCoalesceFields& fields,
                     const RecordPtr& record);
void SetRateCoalesce(const InputPtr& input, const OutputPtr& output, const RateCoalesceFields& fields);

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
