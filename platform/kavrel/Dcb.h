// Data Center Bridging value records of one NIC.
#pragma once

#include <cstdint>
#include <string>

namespace Kavrel {
namespace Network {

struct DcbCapabilities {
    bool priorityGroup = false;
    bool priorityFlowControl = false;
    bool upToTcMap = false;
    uint8_t pgTrafficClasses = 0;
    uint8_t pfcTrafficClasses = 0;
};

// IEEE ETS configuration; the arrays hold one entry per traffic class.
struct DcbIeeeEtsConfig {
    uint8_t willing = 0;
    uint8_t supportedCapacity = 0;
    std::string creditBasedShaper;
    uint8_t txBandwidth[8] = {};
    uint8_t rxBandwidth[8] = {};
    uint8_t tsaTable[8] = {};
    uint8_t priorityAssignment[8] = {};
    uint8_t recommendedBandwidth[8] = {};
    uint8_t recommendedTsa[8] = {};
    uint8_t recommendedPriority[8] = {};
};

// IEEE PFC configuration; the frame counters are per priority.
struct DcbIeeePfcConfig {
    uint8_t trafficClasses = 0;
    uint8_t pfcMask = 0;
    uint8_t macsecBypass = 0;
    uint8_t delay = 0;
    uint8_t sentFrames[8] = {};
    uint8_t receivedFrames[8] = {};
};

// One DCB application priority entry.
struct DcbAppInfo {
    std::string appType;
    std::string protocolId;
    std::string userPriority;
};

}  // namespace Network
}  // namespace Kavrel
