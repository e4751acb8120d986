// Address and network value types.
#include "kavrel/Address.h"

#include <arpa/inet.h>

#include <cstring>

#include "hostcommon/HexDigit.h"
#include "kavrel/Lib.h"

namespace Kavrel {
namespace Network {

using Lib::KavrelException;

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Dotted decimal, parsed by hand as listings parse an address per entry: four
// octets of at most 255, without leading zeros, and nothing else (what the C
// library's parser accepts).
bool ParseIpv4(const std::string& text, uint32_t& value) {
    uint32_t result = 0;
    size_t i = 0;
    for (int octets = 0; octets < 4; ++octets) {
        if (octets > 0 && (i >= text.size() || text[i++] != '.')) return false;
        if (i >= text.size() || !IsDigit(text[i])) return false;
        unsigned octet = static_cast<unsigned>(text[i++] - '0');
        if (octet == 0 && i < text.size() && IsDigit(text[i])) return false;
        while (i < text.size() && IsDigit(text[i])) {
            octet = octet * 10 + static_cast<unsigned>(text[i++] - '0');
            if (octet > 255) return false;
        }
        result = result << 8 | octet;
    }
    if (i != text.size()) return false;
    value = result;
    return true;
}

bool ParseIpv6(const std::string& text, std::array<uint8_t, 16>& bytes) {
    if (text.empty() || text.size() > 45 || text.find('\0') != std::string::npos) return false;
    in6_addr address{};
    if (inet_pton(AF_INET6, text.c_str(), &address) != 1) return false;
    std::memcpy(bytes.data(), &address, 16);
    return true;
}

// Splits "address/len" with a decimal length in [0, maxLength].
bool SplitPrefix(const std::string& text, int maxLength, std::string& address, int& length) {
    size_t slash = text.find('/');
    if (slash == std::string::npos || slash + 1 >= text.size() || text.size() - slash > 4) return false;
    int value = 0;
    for (size_t i = slash + 1; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') return false;
        value = value * 10 + (text[i] - '0');
    }
    if (value > maxLength) return false;
    address = text.substr(0, slash);
    length = value;
    return true;
}

uint32_t Ipv4Mask(int prefixLength) { return prefixLength == 0 ? 0 : 0xffffffffu << (32 - prefixLength); }

}  // namespace

Ipv4Address::Ipv4Address(const std::string& text) {
    if (!ParseIpv4(text, value_)) throw KavrelException("Invalid IPv4 address: '" + text + "'");
}

bool Ipv4Address::IsValidAddress(const std::string& text) {
    uint32_t value = 0;
    return ParseIpv4(text, value);
}

std::string Ipv4Address::GetStringAddress() const {
    // Dotted decimal, written by hand: listings format an address per row.
    char buffer[16];
    char* out = buffer;
    for (int shift = 24; shift >= 0; shift -= 8) {
        unsigned octet = (value_ >> shift) & 0xff;
        if (octet >= 100) *out++ = static_cast<char>('0' + octet / 100);
        if (octet >= 10) *out++ = static_cast<char>('0' + octet / 10 % 10);
        *out++ = static_cast<char>('0' + octet % 10);
        if (shift > 0) *out++ = '.';
    }
    return std::string(buffer, static_cast<size_t>(out - buffer));
}

Ipv6Address::Ipv6Address(const std::string& text) {
    if (!ParseIpv6(text, bytes_)) throw KavrelException("Invalid IPv6 address: '" + text + "'");
}

bool Ipv6Address::IsValidAddress(const std::string& text) {
    std::array<uint8_t, 16> bytes{};
    return ParseIpv6(text, bytes);
}

std::string Ipv6Address::GetStringAddress() const {
    char buffer[INET6_ADDRSTRLEN];
    in6_addr address{};
    std::memcpy(&address, bytes_.data(), 16);
    inet_ntop(AF_INET6, &address, buffer, sizeof(buffer));
    return buffer;
}

bool Ipv6Address::IsUnspecified() const {
    for (uint8_t byte : bytes_) {
        if (byte) return false;
    }
    return true;
}

IpAddress::IpAddress(const std::string& text) {
    if (Ipv4Address::IsValidAddress(text)) {
        ipv4_ = Ipv4Address(text);
    } else if (Ipv6Address::IsValidAddress(text)) {
        isIpv6_ = true;
        ipv6_ = Ipv6Address(text);
    } else {
        throw KavrelException("Invalid IP address: '" + text + "'");
    }
}

std::string IpAddress::GetStringAddress() const {
    return isIpv6_ ? ipv6_.GetStringAddress() : ipv4_.GetStringAddress();
}

bool IpAddress::operator==(const IpAddress& other) const {
    if (isIpv6_ != other.isIpv6_) return false;
    return isIpv6_ ? ipv6_ == other.ipv6_ : ipv4_ == other.ipv4_;
}

Ipv4Network::Ipv4Network(const std::string& text) {
    std::string address;
    uint32_t value = 0;
    if (!SplitPrefix(text, 32, address, prefixLength_) || !ParseIpv4(address, value)) {
        throw KavrelException("Invalid IPv4 network: '" + text + "'");
    }
    network_ = Ipv4Address(value & Ipv4Mask(prefixLength_));
}

Ipv4Network::Ipv4Network(const Ipv4Address& network, int prefixLength)
    : network_(network.GetValue() & Ipv4Mask(prefixLength)), prefixLength_(prefixLength) {}

bool Ipv4Network::IsValidNetwork(const std::string& text) {
    std::string address;
    int length = 0;
    uint32_t value = 0;
    return SplitPrefix(text, 32, address, length) && ParseIpv4(address, value);
}

Ipv4Address Ipv4Network::GetNetmask() const { return Ipv4Address(Ipv4Mask(prefixLength_)); }

std::string Ipv4Network::GetStringAddress() const {
    return network_.GetStringAddress() + "/" + std::to_string(prefixLength_);
}

bool Ipv4Network::Contains(const Ipv4Address& address) const {
    return (address.GetValue() & Ipv4Mask(prefixLength_)) == network_.GetValue();
}

Ipv6Network::Ipv6Network(const std::string& text) {
    std::string address;
    std::array<uint8_t, 16> bytes{};
    if (!SplitPrefix(text, 128, address, prefixLength_) || !ParseIpv6(address, bytes)) {
        throw KavrelException("Invalid IPv6 network: '" + text + "'");
    }
    address_ = Ipv6Address(bytes);
}

Ipv6Network::Ipv6Network(const Ipv6Address& address, int prefixLength)
    : address_(address), prefixLength_(prefixLength) {}

bool Ipv6Network::IsValidAddressAndNetmask(const std::string& text) {
    std::string address;
    int length = 0;
    std::array<uint8_t, 16> bytes{};
    return SplitPrefix(text, 128, address, length) && ParseIpv6(address, bytes);
}

Ipv6Address Ipv6Network::NetmaskFromNumber(int prefixLength) {
    std::array<uint8_t, 16> bytes{};
    for (int bit = 0; bit < prefixLength && bit < 128; ++bit) {
        bytes[static_cast<size_t>(bit / 8)] |= static_cast<uint8_t>(0x80 >> (bit % 8));
    }
    return Ipv6Address(bytes);
}

std::string Ipv6Network::GetStringAddress() const {
    return address_.GetStringAddress() + "/" + std::to_string(prefixLength_);
}

bool Ipv6Network::Contains(const Ipv6Address& address) const {
    const auto mask = NetmaskFromNumber(prefixLength_).GetBytes();
    for (size_t i = 0; i < 16; ++i) {
        if ((address.GetBytes()[i] & mask[i]) != (address_.GetBytes()[i] & mask[i])) return false;
    }
    return true;
}

namespace {
bool ParseMac(const std::string& text, std::array<uint8_t, 6>& bytes) {
    if (text.size() != 17) return false;
    for (size_t i = 0; i < 6; ++i) {
        int high = SimHost::HexDigitValue(text[i * 3]);
        int low = SimHost::HexDigitValue(text[i * 3 + 1]);
        if (high < 0 || low < 0) return false;
        if (i < 5 && text[i * 3 + 2] != ':' && text[i * 3 + 2] != '-') return false;
        bytes[i] = static_cast<uint8_t>(high * 16 + low);
    }
    return true;
}
}  // namespace

MacAddress::MacAddress(const std::string& text) {
    if (!ParseMac(text, bytes_)) throw KavrelException("Invalid MAC address: '" + text + "'");
}

bool MacAddress::IsValid(const std::string& text) {
    std::array<uint8_t, 6> bytes{};
    return ParseMac(text, bytes) && (bytes[0] & 1) == 0;
}

std::string MacAddress::GetStringAddress() const {
    // Written by hand, as dotted decimal is: neighbour listings format one per row.
    static const char kHex[] = "0123456789abcdef";
    char buffer[17];
    for (size_t i = 0; i < bytes_.size(); ++i) {
        buffer[i * 3] = kHex[bytes_[i] >> 4];
        buffer[i * 3 + 1] = kHex[bytes_[i] & 0xf];
        if (i + 1 < bytes_.size()) buffer[i * 3 + 2] = ':';
    }
    return std::string(buffer, sizeof buffer);
}

bool MacAddress::IsZero() const {
    for (uint8_t byte : bytes_) {
        if (byte) return false;
    }
    return true;
}

}  // namespace Network
}  // namespace Kavrel
