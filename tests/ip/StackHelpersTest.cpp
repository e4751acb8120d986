// The text conversions the IP stack commands share.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ip/StackShared.h"

namespace {

using namespace NorvaleCli::NetworkNamespace;

TEST(ConvertToHrsMinsAndSecs, EachPartKeepsItsTrailingBlank) {
    struct Case {
        uint64_t seconds;
        const char* text;
    };
    for (const auto& c : std::vector<Case>{{0, "infinite"},
                                           {59, "59s "},
                                           {60, "1m "},
                                           {90, "1m 30s "},
                                           {3600, "1h "},
                                           {3601, "1h 1s "},
                                           {3661, "1h 1m 1s "},
                                           {7260, "2h 1m "},
                                           {90000, "25h "}}) {
        EXPECT_EQ(ConvertToHrsMinsAndSecs(c.seconds), c.text) << c.seconds;
    }
}

TEST(ParseHexSpi, AcceptsOnlyOneWholeHexNumber) {
    struct Case {
        const char* text;
        bool accepted;
        uint32_t value;
    };
    for (const auto& c : std::vector<Case>{{"ff", true, 255},
                                           {"FF", true, 255},
                                           {"1001", true, 0x1001},
                                           {"ffffffff", true, 0xffffffffu},
                                           {"ffz", false, 0},
                                           {"ff ", false, 0},
                                           {"", false, 0},
                                           {"zz", false, 0},
                                           {"100000000", false, 0}}) {
        uint32_t spi = 0;
        EXPECT_EQ(ParseHexSpi(c.text, spi), c.accepted) << c.text;
        if (c.accepted) {
            EXPECT_EQ(spi, c.value) << c.text;
        }
    }
}

// The names themselves are what users read in the connection list transcripts.
TEST(TcpStateName, OutOfRangeIsEmpty) {
    EXPECT_EQ(TcpStateName(-1), "");
    EXPECT_EQ(TcpStateName(11), "");
    EXPECT_EQ(TcpStateName(1000), "");
}

TEST(RenderSocketAddress, BracketsOnlyAddressesWithAColon) {
    EXPECT_EQ(RenderSocketAddress("10.0.0.1", 22), "10.0.0.1:22");
    EXPECT_EQ(RenderSocketAddress("fe80::1", 443), "[fe80::1]:443");
    EXPECT_EQ(RenderSocketAddress("::", 0), "[::]:0");
}

}  // namespace
