// The value of one hexadecimal digit, for the host's text readers (MAC
// addresses, escaped characters in stored state).
#pragma once

namespace SimHost {

// 0 to 15, or -1 when c is not a hexadecimal digit.
inline int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace SimHost
