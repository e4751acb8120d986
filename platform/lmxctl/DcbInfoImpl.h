// The DCB state of one physical NIC, as an implementation object commands construct by name.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "kavrel/Dcb.h"

namespace LmxCtl {
namespace Network {

class DcbInfoImpl {
public:
    // Throws Kavrel::Lib::KavrelException for a name the host does not know.
    explicit DcbInfoImpl(const std::string& nicName);
    virtual ~DcbInfoImpl();

    // 0 unknown, 1 CEN, 2 CEE, 3 IEEE.
    uint32_t GetMode() const;
    bool IsEnabled() const;
    Kavrel::Network::DcbCapabilities GetCapabilities() const;
    bool IsPfcEnabled() const;
    uint8_t GetPfcConfig() const;  // bit i: PFC on for priority i
    Kavrel::Network::DcbIeeeEtsConfig GetIeeeEtsConfig() const;
    Kavrel::Network::DcbIeeePfcConfig GetIeeePfcConfig() const;
    std::vector<Kavrel::Network::DcbAppInfo> GetAppInfo() const;

private:
    std::string nicName_;
};

}  // namespace Network
}  // namespace LmxCtl
