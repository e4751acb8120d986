// A physical NIC as an implementation object commands construct by name.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "kavrel/Pnic.h"
#include "lmxctl/Datapath.h"

namespace LmxCtl {
namespace Network {

class PnicImpl : public Kavrel::Network::Pnic {
public:
    // Throws Kavrel::Lib::KavrelException for a name the host does not know.
    explicit PnicImpl(const std::string& name);
    ~PnicImpl() override;

    static bool IsValidPnic(const std::string& name);

    // Cached link state: refreshed on the first query after construction.
    bool IsLinkUp() override;
    bool IsStale() const { return stale_; }
    void Refresh();

    void GetPnicStats(Kavrel::Network::PnicStats& stats) const;
    // The NIC's uplink port; refuses a NIC that is no switch's uplink.
    std::unique_ptr<PortImpl> GetPort() const;

    // The name of hardware capability bit index; "Unknown" past the known ones.
    static std::string GetHwCapName(uint8_t index);

private:
    bool stale_ = true;
    bool linkUp_ = false;
};

}  // namespace Network
}  // namespace LmxCtl
