// The framework's one UTF-8 decoder, which the parser's value check, its input
// display and every renderer rely on.
#include <gtest/gtest.h>

#include <string>

#include "Utf8.h"

namespace {

using Parvik::Text::DecodeUtf8;

struct Sequence {
    const char* bytes;
    size_t length;  // bytes taken: the character, or the maximal ill-formed prefix
    bool valid;
    uint32_t codePoint;
};

TEST(Utf8, AcceptsOnlyWellFormedSequencesAndTakesTheMaximalIllFormedPrefix) {
    const Sequence cases[] = {
        {"A", 1, true, 0x41},
        {"\xC2\x80", 2, true, 0x80},
        {"\xDF\xBF", 2, true, 0x7FF},
        {"\xE0\xA0\x80", 3, true, 0x800},
        {"\xED\x9F\xBF", 3, true, 0xD7FF},
        {"\xEF\xBF\xBD", 3, true, 0xFFFD},
        {"\xF0\x90\x80\x80", 4, true, 0x10000},
        {"\xF4\x8F\xBF\xBF", 4, true, 0x10FFFF},
        {"\x80", 1, false, 0},      // a continuation byte alone
        {"\xC0\xAF", 1, false, 0},  // overlong lead bytes never start a character
        {"\xC1\xBF", 1, false, 0},
        {"\xE0\x9F\xBF", 1, false, 0},      // overlong three-byte form
        {"\xED\xA0\x80", 1, false, 0},      // a surrogate
        {"\xF0\x8F\xBF\xBF", 1, false, 0},  // overlong four-byte form
        {"\xF4\x90\x80\x80", 1, false, 0},  // past U+10FFFF
        {"\xF5\x80\x80\x80", 1, false, 0},
        {"\xFF", 1, false, 0},
        {"\xE2\x82", 2, false, 0},  // cut short by the end of the text
        {"\xF0\x9F\x98", 3, false, 0},
        {"\xE2\x82"
         "A",
         2, false, 0},  // cut short by an ASCII byte
        {"\xF0\x9F\x98\xC3", 3, false, 0},
    };
    for (const auto& c : cases) {
        const std::string text = c.bytes;
        const auto ch = DecodeUtf8(text, 0);
        EXPECT_EQ(ch.length, c.length) << testing::PrintToString(text);
        EXPECT_EQ(ch.valid, c.valid) << testing::PrintToString(text);
        if (c.valid) {
            EXPECT_EQ(ch.codePoint, c.codePoint) << testing::PrintToString(text);
        }
        EXPECT_EQ(Parvik::Text::Utf8SequenceLength(text, 0), c.valid ? c.length : 0u) << testing::PrintToString(text);
    }
}

TEST(Utf8, DecodesFromTheGivenPositionOnly) {
    const std::string text = "a\xC3\xA9\xE2\x82";
    EXPECT_EQ(DecodeUtf8(text, 1).codePoint, 0xE9u);
    EXPECT_EQ(DecodeUtf8(text, 3).length, 2u);
    EXPECT_FALSE(DecodeUtf8(text, 3).valid);
    EXPECT_FALSE(DecodeUtf8(text, 2).valid);  // the middle of a character
}

TEST(Utf8, HexByteIsPrefixAndTwoLowerCaseDigits) {
    std::string out = "x";
    Parvik::Text::AppendHexByte(out, "\\u00", 0x9F);
    Parvik::Text::AppendHexByte(out, "0x", 0x0A);
    EXPECT_EQ(out, "x\\u009f0x0a");
}

}  // namespace
