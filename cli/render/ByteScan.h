// Looking for bytes eight at a time. Renderers check every cell or string
// they write for bytes that need care (control bytes, quotes, non-ASCII);
// nearly all are short ASCII text, which these tests clear with a few word
// loads instead of a loop over bytes.
#pragma once

#include <cstdint>
#include <cstring>
#include <string_view>

namespace Parvik {
namespace Render {
namespace Detail {

constexpr uint64_t kHighBits = 0x8080808080808080ULL;
constexpr uint64_t kEachByte = 0x0101010101010101ULL;

inline uint64_t LoadWord(const char* bytes) {
    uint64_t word;
    std::memcpy(&word, bytes, sizeof(word));
    return word;
}

// Every byte of the text gathered into words (overlapping where the length is
// not a multiple of eight, since the tests look for any byte); Test(word)
// returns true when a byte of the word is one it looks for. A blank stands
// for missing bytes of text shorter than four: no test may look for blanks.
template <typename Test>
bool AnyByte(std::string_view text, Test test) {
    const char* bytes = text.data();
    const size_t size = text.size();
    if (size >= 8) {
        for (size_t i = 0; i + 8 < size; i += 8) {
            if (test(LoadWord(bytes + i))) return true;
        }
        return test(LoadWord(bytes + size - 8));
    }
    if (size >= 4) {
        uint32_t head;
        uint32_t tail;
        std::memcpy(&head, bytes, 4);
        std::memcpy(&tail, bytes + size - 4, 4);
        return test(uint64_t{head} << 32 | tail);
    }
    uint64_t word = 0x20 * kEachByte;
    if (size > 0) std::memcpy(&word, bytes, size);
    return test(word);
}

inline bool HasHighBit(uint64_t word) { return (word & kHighBits) != 0; }
// Exact for "some byte is below 0x20": a borrow only ever follows a byte that is.
inline bool HasControlByte(uint64_t word) { return ((word - 0x20 * kEachByte) & ~word & kHighBits) != 0; }
// Exact for "some byte is value", as above.
inline bool HasByte(uint64_t word, unsigned char value) {
    const uint64_t x = word ^ (value * kEachByte);
    return ((x - kEachByte) & ~x & kHighBits) != 0;
}

}  // namespace Detail
}  // namespace Render
}  // namespace Parvik
