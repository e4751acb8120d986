// Address value types: what parses, and how addresses print.
#include <arpa/inet.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "kavrel/Address.h"
#include "kavrel/IpConfig.h"
#include "kavrel/Lib.h"
#include "kavrel/Misc.h"

namespace {

using namespace Kavrel::Network;
using Kavrel::Lib::KavrelException;

TEST(Ipv4, AcceptsOnlyDottedQuads) {
    for (const char* good : {"0.0.0.0", "10.0.0.5", "255.255.255.255"}) EXPECT_TRUE(Ipv4Address::IsValidAddress(good));
    for (const char* bad : {"", "10.0.0", "10.0.0.256", "010.0.0.1", "1.2.3.4 ", "a.b.c.d", "1.2.3.4/24"}) {
        EXPECT_FALSE(Ipv4Address::IsValidAddress(bad)) << bad;
        EXPECT_THROW(Ipv4Address{std::string(bad)}, KavrelException) << bad;
    }
    EXPECT_EQ(Ipv4Address("192.168.1.20").GetStringAddress(), "192.168.1.20");
}

// The address parser accepts exactly what the C library's parser accepts, and
// reads the same value.
TEST(Ipv4, ParsesLikeTheCLibrary) {
    std::vector<std::string> texts = {"1.2.3.4",         "0.0.0.0",    "255.255.255.255", "1.2.3.04", "00.1.2.3",
                                      "1.2.3",           "1.2.3.4.",   ".1.2.3.4",        "1..2.3",   "1.2.3.4.5",
                                      "256.1.1.1",       "1.2.3.2550", "999.1.1.1",       "1.2.3.-4", "+1.2.3.4",
                                      " 1.2.3.4",        "1.2.3.4\n",  "0x1.2.3.4",       "1.2.3.4a", "1.2.3.",
                                      "100.200.250.255", "10.0.0.0",   "1.20.3.255"};
    texts.push_back(std::string("1.2.3.4\0", 8));
    texts.push_back(std::string("1.2\0.3.4", 8));
    for (const auto& text : texts) {
        in_addr expected{};
        const bool valid = inet_pton(AF_INET, text.c_str(), &expected) == 1 && text.find('\0') == std::string::npos;
        EXPECT_EQ(Ipv4Address::IsValidAddress(text), valid) << text;
        if (valid) {
            EXPECT_EQ(Ipv4Address(text).GetValue(), ntohl(expected.s_addr)) << text;
        }
    }
}

TEST(Ipv4, NetworksAreMaskedAndPrintTheirMask) {
    Ipv4Network network("10.1.2.3/16");
    EXPECT_EQ(network.GetNetwork().GetStringAddress(), "10.1.0.0");
    EXPECT_EQ(network.GetNetmask().GetStringAddress(), "255.255.0.0");
    EXPECT_EQ(network.GetStringAddress(), "10.1.0.0/16");
    EXPECT_EQ(Ipv4Network("0.0.0.0/0").GetNetmask().GetStringAddress(), "0.0.0.0");
    EXPECT_TRUE(network.Contains(Ipv4Address("10.1.200.1")));
    for (const char* bad : {"10.0.0.0", "10.0.0.0/33", "10.0.0.0/", "10.0.0.0/-1", "/8", "10.0.0.0/8/8"}) {
        EXPECT_FALSE(Ipv4Network::IsValidNetwork(bad)) << bad;
    }
}

TEST(Ipv6, PrintsCanonicalTextAndParsesPrefixes) {
    EXPECT_EQ(Ipv6Address("FD00:0:0:0::0001").GetStringAddress(), "fd00::1");
    EXPECT_EQ(Ipv6Address().GetStringAddress(), "::");
    EXPECT_TRUE(Ipv6Network::IsValidAddressAndNetmask("1:2:3:4::/64"));
    EXPECT_FALSE(Ipv6Network::IsValidAddressAndNetmask("1:2:3:4::"));
    EXPECT_FALSE(Ipv6Network::IsValidAddressAndNetmask("1:2:3:4::/129"));
    EXPECT_EQ(Ipv6Network::NetmaskFromNumber(64).GetStringAddress(), "ffff:ffff:ffff:ffff::");
    EXPECT_EQ(Ipv6Network::NetmaskFromNumber(0).GetStringAddress(), "::");
    EXPECT_EQ(Ipv6Network("fd00::1/64").GetNetmask(), 64);
    EXPECT_FALSE(Ipv6Address::IsValidAddress("1.2.3.4"));
}

TEST(IpAddressAndMac, RecogniseTheirForms) {
    EXPECT_FALSE(IpAddress("10.0.0.1").IsIpv6());
    EXPECT_TRUE(IpAddress("::1").IsIpv6());
    EXPECT_THROW(IpAddress("host.example"), KavrelException);
    EXPECT_EQ(MacAddress("00:50:AB:cd:01:02").GetStringAddress(), "00:50:ab:cd:01:02");
    EXPECT_EQ(MacAddress("fe:0F:f0:10:a9:9a").GetStringAddress(), "fe:0f:f0:10:a9:9a");
    EXPECT_TRUE(MacAddress::IsValid("02:00:00:00:00:01"));
    EXPECT_FALSE(MacAddress::IsValid("01:00:5e:00:00:01"));  // a group address is not unicast
    EXPECT_FALSE(MacAddress::IsValid("00:50:ab:cd:01"));
    EXPECT_FALSE(MacAddress::IsValid("00:50:ab:cd:01:0g"));
}

TEST(TextUtilities, TokenizeSkipsEmptyPiecesAndPrintfFormats) {
    std::vector<std::string> tokens;
    Kavrel::Misc::StringTokenize("  a.example  b.example ", tokens, " ");
    EXPECT_EQ(tokens, (std::vector<std::string>{"a.example", "b.example"}));
    EXPECT_EQ(Kavrel::Misc::StrPrintf("%s,%s,%d", "x", "y", 3), "x,y,3");
    EXPECT_EQ(Kavrel::Misc::StrCat("lmx", 3, '/', 2.5), "lmx3/2.5");
}

// Two configurations are equal only when every setting is: each setting
// changed alone makes them differ.
TEST(IpConfig, EqualOnlyWhenEverySettingIs) {
    const std::vector<std::function<void(IpConfig&)>> changes = {
        [](IpConfig& c) { c.SetIpv4Address(Ipv4Address("10.0.0.5")); },
        [](IpConfig& c) { c.SetIpv4Netmask(Ipv4Address("255.255.0.0")); },
        [](IpConfig& c) { c.SetIpv4Gateway(Ipv4Address("10.0.0.1")); },
        [](IpConfig& c) { c.SetUseDhcp(true); },
        [](IpConfig& c) { c.SetDhcpDns(true); },
        [](IpConfig& c) { c.SetUseIpv6(false); },
        [](IpConfig& c) { c.SetUseIpv6Dhcp(true); },
        [](IpConfig& c) { c.SetUseIpv6RouterAdvertised(true); },
        [](IpConfig& c) { c.SetIpv6DhcpDns(true); },
        [](IpConfig& c) { c.SetIpv6Gateway(Ipv6Address("fe80::1")); },
        [](IpConfig& c) { c.AddIpv6Network(Ipv6Network("2001:db8::5/64")); },
    };
    const IpConfig base;
    EXPECT_TRUE(base == IpConfig());
    for (size_t i = 0; i < changes.size(); ++i) {
        IpConfig changed;
        changes[i](changed);
        EXPECT_FALSE(changed == base) << i;
        EXPECT_TRUE(changed != base) << i;
        IpConfig same;
        changes[i](same);
        EXPECT_TRUE(changed == same) << i;
    }
}

}  // namespace
