// The framework's one UTF-8 decoder, which the parser's value check, its input
// display and every renderer rely on.
#include <gtest/gtest.h>

#include <string>

#include "Utf8.h"
#include "support/CaseTable.h"

namespace {

using Parvik::Text::DecodeUtf8;

TEST(Utf8, AcceptsOnlyWellFormedSequencesAndTakesTheMaximalIllFormedPrefix) {
    for (const auto& row : TalixTest::ReadCaseTable("cli/utf8_sequences.tsv", 3)) {
        SCOPED_TRACE(row.where);
        const std::string& text = row.fields[0];
        const size_t length = std::stoul(row.fields[1]);
        const bool valid = row.fields[2] != "invalid";
        const auto ch = DecodeUtf8(text, 0);
        EXPECT_EQ(ch.length, length);
        EXPECT_EQ(ch.valid, valid);
        if (valid) {
            EXPECT_EQ(ch.codePoint, std::stoul(row.fields[2], nullptr, 16));
        }
        EXPECT_EQ(Parvik::Text::Utf8SequenceLength(text, 0), valid ? length : 0u);
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
