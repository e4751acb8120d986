// IPsec security association and policy commands.
#include "IpStackFixtures.h"

namespace {

using IpStackTest::IpStackHostTest;
using nlohmann::json;

const char kAes128Key[] = "0x00112233445566778899aabbccddeeff";
const char kSha1Key[] = "0x0102030405060708090a0b0c0d0e0f1011121314";
std::string SaAdd(const std::string& name, const std::string& spi, const std::string& rest) {
    return "network ip ipsec sa add -n " + name + " -s 2001:db8::1 -d 2001:db8::2 -p " + spi + " " + rest;
}

class IpsecCommands : public IpStackHostTest {
protected:
    void SetUp() override {
        IpStackHostTest::SetUp();
        UseHost({{"ipsec", json::parse(R"({"sas": [{"name": "auto", "source": "2001:db8::1",
            "destination": "2001:db8::9", "spi": 4096, "lifetime": 90}]})")}});
    }
};

TEST_F(IpsecCommands, SaAddParsesTheSpiAndListRendersIt) {
    EXPECT_EQ(
        Run(SaAdd("sa1", "ff", std::string("-e aes128-cbc -k ") + kAes128Key + " -i hmac-sha1 -K " + kSha1Key)).root,
        true);
    auto list = Run("network ip ipsec sa list").root;
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0]["Lifetime"], "1m 30s ");
    EXPECT_EQ(list[1], json::parse(R"({"Name": "sa1", "Source Address": "2001:db8::1",
        "Destination Address": "2001:db8::2", "State": "mature", "SPI": "0xff", "Mode": "transport",
        "Encryption Algorithm": "aes128-cbc", "Integrity Algorithm": "hmac-sha1", "Lifetime": "infinite"})"));
    EXPECT_EQ(Section("ipsec")["sas"][1]["spi"], 255);
}

TEST_F(IpsecCommands, SaAddOwnChecks) {
    for (const auto& [command, message] : std::vector<std::pair<std::string, std::string>>{
             {SaAdd("sa1", "ffz", "-e null -i hmac-sha1 -K abcdefghijklmnopqrst"),
              "Check the input value for '--sa-spi'. Should be hex integer. Got ffz"},
             // a sign or a blank is no part of a hex integer (-1 would wrap to 0xffffffff)
             {"network ip ipsec sa add -n sa1 -s 2001:db8::1 -d 2001:db8::2 --sa-spi=-1 -e null -i hmac-sha1 -K x",
              "Check the input value for '--sa-spi'. Should be hex integer. Got -1"},
             {"network ip ipsec sa add -n sa1 -s 2001:db8::1 -d 2001:db8::2 --sa-spi=-0x10 -e null -i hmac-sha1 -K x",
              "Check the input value for '--sa-spi'. Should be hex integer. Got -0x10"},
             {"network ip ipsec sa add -n sa1 -s 2001:db8::1 -d 2001:db8::2 --sa-spi=+10 -e null -i hmac-sha1 -K x",
              "Check the input value for '--sa-spi'. Should be hex integer. Got +10"},
             {SaAdd("sa1", "\" 0x10\"", "-e null -i hmac-sha1 -K abcdefghijklmnopqrst"),
              "Check the input value for '--sa-spi'. Should be hex integer. Got  0x10"},
             {SaAdd("sa1", "100000000", "-e null -i hmac-sha1 -K abcdefghijklmnopqrst"),
              "Check the input value for '--sa-spi'. Should be hex integer. Got 100000000"},
             {SaAdd("sa1", "100", "-e aes128-cbc -i hmac-sha1 -K abcdefghijklmnopqrst"), "Missing encryption key"},
             {SaAdd("sa1", "100", "-e aes128-cbc -k short -i hmac-sha1 -K abcdefghijklmnopqrst"),
              "Invalid encryption key length for aes128-cbc: expected 16 bytes, got 5"},
             {SaAdd("sa1", "100", "-e null -i hmac-sha2-256 -K 0x0102"),
              "Invalid integrity key length for hmac-sha2-256: expected 32 bytes, got 2"},
             {SaAdd("auto", "100", "-e null -i hmac-sha1 -K abcdefghijklmnopqrst"), "The name auto is reserved"},
             {"network ip ipsec sa add -n sa1 -s 10.0.0.1 -d 2001:db8::2 -p 1 -e null -i hmac-sha1 -K x",
              "Invalid IPv6 address: '10.0.0.1'"}}) {
        ExpectRefused(command, message);
    }
    EXPECT_EQ(Section("ipsec")["sas"].size(), 1u);
}

TEST_F(IpsecCommands, SpiTakesHexDigitsWithOrWithoutPrefix) {
    EXPECT_EQ(Run(SaAdd("sa1", "0x10", "-e null -i hmac-sha1 -K abcdefghijklmnopqrst")).root, true);
    EXPECT_EQ(Run(SaAdd("sa2", "ffffffff", "-e null -i hmac-sha1 -K abcdefghijklmnopqrst")).root, true);
    EXPECT_EQ(Section("ipsec")["sas"][1]["spi"], 16);
    EXPECT_EQ(Section("ipsec")["sas"][2]["spi"], 4294967295u);
    auto removal = Run("network ip ipsec sa remove -n auto -s 2001:db8::1 -d 2001:db8::2 --sa-spi=-1");
    EXPECT_EQ(removal.errors,
              std::vector<std::string>{"Check the input value for '--sa-spi'. Should be hex integer. Got -1"});
    EXPECT_EQ(Section("ipsec")["sas"].size(), 3u);
}

TEST_F(IpsecCommands, NullEncryptionNeedsNoKey) {
    EXPECT_EQ(Run(SaAdd("sa1", "100", "-e null -i hmac-sha1 -K abcdefghijklmnopqrst -m tunnel")).root, true);
    EXPECT_EQ(Run("network ip ipsec sa list").root[1]["Mode"], "tunnel");
}

// The forms that name no one operation are refused in the error transcript.
TEST_F(IpsecCommands, SaRemoveOfAnAutoSaAndOfAnUnknownOne) {
    EXPECT_EQ(Run("network ip ipsec sa remove -n auto -s 2001:db8::1 -d 2001:db8::9 -p 1000").root, true);
    EXPECT_EQ(Section("ipsec")["sas"], json::array());
    ExpectRefused("network ip ipsec sa remove -n sa9", "Security Association sa9 not found");
}

TEST_F(IpsecCommands, DeletedSaStarsItsPoliciesWithAWarning) {
    Run(SaAdd("sa1", "100", "-e null -i hmac-sha1 -K abcdefghijklmnopqrst"));
    EXPECT_EQ(Run("network ip ipsec sp add -n sp1 -a sa1 -s any -d 2001:db8:5::/48 -p 0 -P 22 -A ipsec -u tcp -w in "
                  "-m transport")
                  .root,
              true);
    EXPECT_EQ(Run("network ip ipsec sp add -n sp2 -s 2001:db8::/64 -d any -p 1 -P 2 -m tunnel").root, true);
    auto list = Run("network ip ipsec sp list");
    EXPECT_TRUE(list.errors.empty());
    EXPECT_EQ(list.root, json::parse(R"([
        {"Name": "sp1", "Source Address": "::/0", "Source Port": 0, "Destination Address": "2001:db8:5::/48",
         "Destination Port": 22, "Protocol": "tcp", "Flow": "in", "Action": "ipsec", "Mode": "transport", "SA Name": "sa1"},
        {"Name": "sp2", "Source Address": "2001:db8::/64", "Source Port": 1, "Destination Address": "::/0",
         "Destination Port": 2, "Protocol": "any", "Flow": "out", "Action": "none", "Mode": "any", "SA Name": ""}])"));
    EXPECT_EQ(Run("network ip ipsec sa remove -n sa1").root, true);
    auto starred = Run("network ip ipsec sp list");
    EXPECT_EQ(starred.root[0]["Name"], "sp1*");
    EXPECT_EQ(starred.root[1]["Name"], "sp2");
    EXPECT_EQ(starred.errors,
              std::vector<std::string>{"*Some SPs with unique but deleted SAs were found. Please remove "
                                       "these SPs as they cannot be used anymore."});
}

TEST_F(IpsecCommands, SpAddRefusalsAndRemoveForms) {
    ExpectRefused("network ip ipsec sp add -n sp1 -a nosuch -s any -d any -p 0 -P 0 -A ipsec",
                  "Security Association nosuch not found");
    ExpectRefused("network ip ipsec sp add -n sp1 -s 2001:db8::/200 -d any -p 0 -P 0",
                  "Invalid IPv6 network: '2001:db8::/200'");
    ExpectRefused("network ip ipsec sp add -n sp1 -s any -d any -p 70000 -P 0", "Port 70000 is out of range");
    for (const char* command : {"network ip ipsec sp remove", "network ip ipsec sp remove -n sp1 -a"}) {
        ExpectRefused(command, "You should specify exactly one of : --remove-all, --sp-name");
    }
    Run("network ip ipsec sp add -n sp1 -s any -d any -p 0 -P 0");
    Run("network ip ipsec sp add -n sp2 -s any -d any -p 0 -P 0");
    EXPECT_EQ(Run("network ip ipsec sp remove -n sp1").root, true);
    EXPECT_EQ(Run("network ip ipsec sp list").root.size(), 1u);
    EXPECT_EQ(Run("network ip ipsec sp remove -a").root, true);
    EXPECT_EQ(Run("network ip ipsec sp list").root, json::array());
    ExpectRefused("network ip ipsec sp remove -n sp1", "Security Policy sp1 not found");
}

TEST_F(IpsecCommands, FlushRemovesEverySa) {
    Run(SaAdd("sa1", "100", "-e null -i hmac-sha1 -K abcdefghijklmnopqrst"));
    EXPECT_EQ(Run("network ip ipsec sa remove -a").root, true);
    EXPECT_EQ(Run("network ip ipsec sa list").root, json::array());
    InjectFault("IpSecConfigImpl::GetSADConfigList", "ipsec module not loaded");
    ExpectRefused("network ip ipsec sa list", "ipsec module not loaded");
}

}  // namespace
