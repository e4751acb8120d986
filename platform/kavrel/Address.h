// Address and network value types of the host-control library.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace Kavrel {
namespace Network {

class Ipv4Address {
public:
    Ipv4Address() = default;  // 0.0.0.0
    // Throws Kavrel::Lib::KavrelException when text is not a dotted-quad address.
    explicit Ipv4Address(const std::string& text);
    explicit Ipv4Address(uint32_t hostOrderValue) : value_(hostOrderValue) {}

    static bool IsValidAddress(const std::string& text);
    std::string GetStringAddress() const;
    uint32_t GetValue() const { return value_; }  // host byte order
    bool IsZero() const { return value_ == 0; }

    bool operator==(const Ipv4Address& other) const { return value_ == other.value_; }
    bool operator!=(const Ipv4Address& other) const { return value_ != other.value_; }

private:
    uint32_t value_ = 0;
};

class Ipv6Address {
public:
    Ipv6Address() = default;  // the unspecified address "::"
    // Throws Kavrel::Lib::KavrelException when text is not an IPv6 address.
    explicit Ipv6Address(const std::string& text);
    explicit Ipv6Address(const std::array<uint8_t, 16>& bytes) : bytes_(bytes) {}

    static bool IsValidAddress(const std::string& text);
    // Canonical text: lower case, longest zero run compressed.
    std::string GetStringAddress() const;
    const std::array<uint8_t, 16>& GetBytes() const { return bytes_; }
    bool IsUnspecified() const;

    bool operator==(const Ipv6Address& other) const { return bytes_ == other.bytes_; }
    bool operator!=(const Ipv6Address& other) const { return bytes_ != other.bytes_; }

private:
    std::array<uint8_t, 16> bytes_{};
};

// An IPv4 or an IPv6 address.
class IpAddress {
public:
    IpAddress() = default;
    IpAddress(const Ipv4Address& address) : isIpv6_(false), ipv4_(address) {}  // NOLINT: implicit by design
    IpAddress(const Ipv6Address& address) : isIpv6_(true), ipv6_(address) {}   // NOLINT: implicit by design
    // Either family; throws Kavrel::Lib::KavrelException for other text.
    explicit IpAddress(const std::string& text);

    bool IsIpv6() const { return isIpv6_; }
    const Ipv4Address& GetIpv4() const { return ipv4_; }
    const Ipv6Address& GetIpv6() const { return ipv6_; }
    std::string GetStringAddress() const;

    bool operator==(const IpAddress& other) const;
    bool operator!=(const IpAddress& other) const { return !(*this == other); }

private:
    bool isIpv6_ = false;
    Ipv4Address ipv4_;
    Ipv6Address ipv6_;
};

class Ipv4Network {
public:
    Ipv4Network() = default;  // 0.0.0.0/0
    // "a.b.c.d/len"; throws Kavrel::Lib::KavrelException for other text.
    explicit Ipv4Network(const std::string& text);
    Ipv4Network(const Ipv4Address& network, int prefixLength);

    static bool IsValidNetwork(const std::string& text);
    Ipv4Address GetNetwork() const { return network_; }
    Ipv4Address GetNetmask() const;  // dotted mask, e.g. 255.255.255.0
    int GetPrefixLength() const { return prefixLength_; }
    std::string GetStringAddress() const;  // "a.b.c.d/len"
    bool Contains(const Ipv4Address& address) const;

    bool operator==(const Ipv4Network& other) const {
        return network_ == other.network_ && prefixLength_ == other.prefixLength_;
    }
    bool operator!=(const Ipv4Network& other) const { return !(*this == other); }

private:
    Ipv4Address network_;
    int prefixLength_ = 0;
};

class Ipv6Network {
public:
    Ipv6Network() = default;  // ::/0
    // "address/len"; throws Kavrel::Lib::KavrelException for other text.
    explicit Ipv6Network(const std::string& text);
    Ipv6Network(const Ipv6Address& address, int prefixLength);

    static bool IsValidAddressAndNetmask(const std::string& text);
    // The mask of a prefix length as an address, e.g. 64 gives ffff:ffff:ffff:ffff::.
    static Ipv6Address NetmaskFromNumber(int prefixLength);

    Ipv6Address GetAddress() const { return address_; }
    int GetNetmask() const { return prefixLength_; }  // the prefix length
    std::string GetStringAddress() const;             // "address/len"
    bool Contains(const Ipv6Address& address) const;

    // Kind and state of an interface address: set by the host for the
    // addresses it reports, 0 (static) and 0 (preferred) otherwise.
    int GetIpv6AddressType() const { return addressType_; }
    int GetIpv6AddressStatus() const { return addressStatus_; }
    void SetIpv6AddressType(int type) { addressType_ = type; }
    void SetIpv6AddressStatus(int status) { addressStatus_ = status; }

    bool operator==(const Ipv6Network& other) const {
        return address_ == other.address_ && prefixLength_ == other.prefixLength_;
    }
    bool operator!=(const Ipv6Network& other) const { return !(*this == other); }

private:
    Ipv6Address address_;
    int prefixLength_ = 0;
    int addressType_ = 0;
    int addressStatus_ = 0;
};

class MacAddress {
public:
    MacAddress() = default;  // 00:00:00:00:00:00, "let the host choose"
    // "xx:xx:xx:xx:xx:xx" (or '-' separated); throws Kavrel::Lib::KavrelException otherwise.
    explicit MacAddress(const std::string& text);
    explicit MacAddress(const std::array<uint8_t, 6>& bytes) : bytes_(bytes) {}

    // A well-formed unicast address (the group bit of the first byte clear).
    static bool IsValid(const std::string& text);
    std::string GetStringAddress() const;  // lower-case, colon separated
    const std::array<uint8_t, 6>& GetBytes() const { return bytes_; }
    bool IsZero() const;

    bool operator==(const MacAddress& other) const { return bytes_ == other.bytes_; }
    bool operator!=(const MacAddress& other) const { return bytes_ != other.bytes_; }

private:
    std::array<uint8_t, 6> bytes_{};
};

}  // namespace Network
}  // namespace Kavrel
