// The framework's one reading of UTF-8 and its one way of writing a byte in
// hexadecimal, shared by the parser's checks and the renderers' escapes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace Parvik {
namespace Text {

struct Utf8Char {
    size_t length;  // bytes used; for an ill-formed sequence its maximal prefix, at least 1
    bool valid;
    uint32_t codePoint;
};

// Decodes the character at text[pos] (pos < size), accepting only well-formed UTF-8:
// no overlong forms, surrogates or values past U+10FFFF.
inline Utf8Char DecodeUtf8(std::string_view text, size_t pos) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    if (lead < 0x80) return {1, true, lead};
    size_t trailing = 0;
    uint32_t codePoint = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        trailing = 1;
        codePoint = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        trailing = 2;
        codePoint = lead & 0x0F;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        trailing = 3;
        codePoint = lead & 0x07;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return {1, false, 0};
    }
    for (size_t i = 1; i <= trailing; ++i) {
        if (pos + i >= text.size()) return {i, false, 0};
        const auto next = static_cast<unsigned char>(text[pos + i]);
        if (next < low || next > high) return {i, false, 0};
        low = 0x80;
        high = 0xBF;
        codePoint = (codePoint << 6) | (next & 0x3F);
    }
    return {trailing + 1, true, codePoint};
}

// Length of the well-formed UTF-8 sequence at text[pos], or 0 when none starts there.
inline size_t Utf8SequenceLength(std::string_view text, size_t pos) {
    const Utf8Char ch = DecodeUtf8(text, pos);
    return ch.valid ? ch.length : 0;
}

// Appends prefix and the byte's two lower-case hexadecimal digits.
inline void AppendHexByte(std::string& out, const char* prefix, unsigned char byte) {
    static const char kDigits[] = "0123456789abcdef";
    out += prefix;
    out.push_back(kDigits[byte >> 4]);
    out.push_back(kDigits[byte & 0xf]);
}

}  // namespace Text
}  // namespace Parvik
