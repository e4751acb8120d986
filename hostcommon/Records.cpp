// The parts of the host's objects that only hold what they were made with:
// every host builds them the same way.
#include <string>
#include <utility>

#include "kavrel/Pnic.h"
#include "lmxctl/IpStack.h"
#include "lmxctl/PnicImpl.h"

namespace Kavrel {
namespace Network {

PciDevice::PciDevice(std::string address, std::string vendorName, std::string deviceName)
    : address_(std::move(address)), vendorName_(std::move(vendorName)), deviceName_(std::move(deviceName)) {}
PciDevice::~PciDevice() = default;
std::string PciDevice::GetAddress() const { return address_; }
std::string PciDevice::GetVendorName() const { return vendorName_; }
std::string PciDevice::GetDeviceName() const { return deviceName_; }

Pnic::Pnic(const std::string& name) : name_(name) {}
Pnic::~Pnic() = default;

std::string Pnic::GetName() const { return name_; }

}  // namespace Network
}  // namespace Kavrel

namespace LmxCtl {
namespace Network {

NetstackInstanceImpl::NetstackInstanceImpl(const std::string& key, int maxConnections, const std::string& ccAlgorithm,
                                           bool ipv6Enabled, int type, const std::string& ecnStatus)
    : key_(key),
      detached_(true),
      maxConnections_(maxConnections),
      ccAlgorithm_(ccAlgorithm),
      ipv6Enabled_(ipv6Enabled),
      type_(type),
      ecnStatus_(ecnStatus) {}

// The link state is read once, then kept until Refresh.
bool PnicImpl::IsLinkUp() {
    if (stale_) Refresh();
    return linkUp_;
}

void PnicImpl::Refresh() {
    linkUp_ = Kavrel::Network::Pnic::IsLinkUp();
    stale_ = false;
}

}  // namespace Network
}  // namespace LmxCtl
