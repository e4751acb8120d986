// Which netstack instance keys the host can hold. A key names a kernel object and the
// instance's directory etc/netstack/<key>/, so it must be one plain path component.
#pragma once

#include <cctype>
#include <string>

namespace SimHost {

constexpr size_t kMaxNetstackKeyLength = 31;

// 1 to 31 letters, digits, '_', '-' and '.', beginning with a letter, digit or '_'
// (so never ".", ".." or a hidden name), with no ".." inside.
inline bool IsValidNetstackKey(const std::string& key) {
    if (key.empty() || key.size() > kMaxNetstackKeyLength) return false;
    const auto first = static_cast<unsigned char>(key[0]);
    if (!std::isalnum(first) && first != '_') return false;
    for (char c : key) {
        const auto byte = static_cast<unsigned char>(c);
        // isalnum is asked only about ASCII: other bytes are never part of a key.
        if (byte >= 0x80 || (!std::isalnum(byte) && c != '_' && c != '-' && c != '.')) return false;
    }
    return key.find("..") == std::string::npos;
}

}  // namespace SimHost
