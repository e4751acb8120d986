// Physical NICs as the host-control library presents them.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "kavrel/Address.h"

namespace Kavrel {
namespace Network {

// Which NICs an inventory query returns.
enum PnicGetType {
    PNIC_GET_ALL = 0,
    PNIC_GET_LOADED = 1,  // NICs whose driver is loaded
};

// One physical NIC, bound to its name; every query reads the host.
class Pnic {
public:
    explicit Pnic(const std::string& name);
    virtual ~Pnic();

    virtual std::string GetName() const;
    virtual std::string GetDriverName() const;
    virtual MacAddress GetMacAddress() const;
    virtual uint32_t GetMtu() const;
    virtual bool IsLinkUp();
    virtual bool GetLinkStatus() const;
    virtual bool GetAdminStatus() const;
    virtual uint32_t GetSpeed() const;   // Mbps
    virtual uint32_t GetDuplex() const;  // 1 full, otherwise half

protected:
    std::string name_;
};

}  // namespace Network
}  // namespace Kavrel
