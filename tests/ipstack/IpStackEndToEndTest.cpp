// The IP stack commands through the talixcli binary on a temporary host root.
#include "IpStackFixtures.h"

namespace {

using nlohmann::json;
using TalixTest::ChangeOnHost;
using TalixTest::JsonOnHost;
using TalixTest::TempHostRoot;

void WriteBaseHost(TempHostRoot& root) {
    root.WriteSection("netstacks", IpStackTest::Netstacks({"backupNet"}));
    root.WriteSection("lmxnics", {{"lmxnics", {IpStackTest::Nic("lmx0", "defaultTcpipStack", "10.0.0.11")}}});
    root.WriteSection(
        "routes",
        {{"tables",
          {{{"netstack", "defaultTcpipStack"}, {"ipv4Gateway", "10.0.0.1"}, {"ipv4ConfiguredGateway", "10.0.0.1"}}}}});
}

TEST(IpStackEndToEnd, RoutesAndNetstacksChangeTheirSections) {
    TempHostRoot root;
    WriteBaseHost(root);
    ChangeOnHost(root, "network ip route ipv4 remove -n default -g 10.0.0.1");
    EXPECT_EQ(root.ReadSection("routes")["tables"][0]["ipv4Gateway"], "0.0.0.0");
    ChangeOnHost(root, "network ip netstack add -N storage -d");
    EXPECT_EQ(JsonOnHost(root, "network ip netstack get -N storage")[0]["Enabled"], false);
    auto removeDefault = TalixTest::RunOnHost(root, "--formatter=json network ip netstack remove -N defaultTcpipStack");
    EXPECT_NE(removeDefault.status, 0);
    EXPECT_EQ(removeDefault.err,
              "Unable to Remove Netstack Instance. Error was : The default netstack instance cannot be removed\n");
}

// What the host cannot store is refused with one message, exit status 1 and no change.
TEST(IpStackEndToEnd, NamesAndValuesTheHostCannotStoreAreRefused) {
    TempHostRoot root;
    WriteBaseHost(root);
    const auto netstacks = root.ReadSection("netstacks");
    const auto nics = root.ReadSection("lmxnics");
    struct Case {
        const char* command;
        const char* err;
    };
    for (const auto& c : std::vector<Case>{
             {"network ip netstack add -N ..",
              "Unable to add Netstack Instance. Error was : Invalid netstack instance key '..': a key is 1 to 31 "
              "letters, digits, '_', '-' and '.', begins with a letter, a digit or '_' and has no \"..\"\n"},
             {"network ip interface ipv4 set -i lmx0 -t static -I 10.0.0.11 -N 255.0.255.0",
              "Error changing IPv4 configuration for the interface lmx0. Error was : Netmask 255.0.255.0 is not a "
              "contiguous netmask\n"},
             {"network ip interface ipv6 address add -i lmx0 -I ff02::1/64",
              "Error adding IPv6 address for the interface lmx0. Error was : IPv6 address ff02::1 is a multicast "
              "address\n"},
             {"network ip ipsec sa add -n sa1 -s 2001:db8::1 -d 2001:db8::2 --sa-spi=-1 -e null -i hmac-sha1 -K x",
              "Check the input value for '--sa-spi'. Should be hex integer. Got -1\n"}}) {
        auto result = TalixTest::RunOnHost(root, std::string("--formatter=json ") + c.command);
        EXPECT_EQ(result.status, 1) << c.command;
        EXPECT_EQ(result.out, "") << c.command;
        EXPECT_EQ(result.err, c.err) << c.command;
    }
    EXPECT_EQ(root.ReadSection("netstacks"), netstacks);
    EXPECT_EQ(root.ReadSection("lmxnics"), nics);
}

// The hosts file keeps every line the host does not manage; the human formats show
// what was written into it escaped, never as terminal control.
TEST(IpStackEndToEnd, HostsFileKeepsForeignLinesAndListingsEscapeControls) {
    TempHostRoot root;
    WriteBaseHost(root);
    const std::string hand =
        "# --- user specified entries ---\n"
        "\x01\x02\xff\n"
        "garbage line\n"
        "10.0.0.41\tcolour.example\t# \x1b[31mred\x1b[0m\n";
    root.WriteFile("etc/hosts", hand);
    ChangeOnHost(root, "network ip hosts add -I 10.0.0.42 -H new.example");
    EXPECT_EQ(root.ReadFile("etc/hosts"), hand + "10.0.0.42\tnew.example\n");
    ChangeOnHost(root, "network ip hosts remove -I 10.0.0.42 -H new.example");
    EXPECT_EQ(root.ReadFile("etc/hosts"), hand);
    EXPECT_EQ(JsonOnHost(root, "network ip hosts list")[0]["Comment"], "\x1b[31mred\x1b[0m");
    for (const char* formatter : {"simple", "table"}) {
        auto shown = TalixTest::RunOnHost(root, std::string("--formatter=") + formatter + " network ip hosts list");
        ASSERT_EQ(shown.status, 0) << shown.err;
        EXPECT_EQ(shown.out.find('\x1b'), std::string::npos) << formatter;
        EXPECT_NE(shown.out.find("\\x1b[31mred\\x1b[0m"), std::string::npos) << formatter << ": " << shown.out;
    }
}

// keyvalue, whose values are read back by scripts, shows the same escapes as the
// human formats, with the text's own backslashes doubled.
TEST(IpStackEndToEnd, KeyValueListingEscapesControlBytesOfHostsFileAliases) {
    TempHostRoot root;
    WriteBaseHost(root);
    root.WriteFile("etc/hosts", std::string("# --- user specified entries ---\n"
                                            "10.0.0.51\tplain.example\tal\x1b[2Jias\x7f\x01\x1f\\x1b \xc2\x9b"
                                            "1m\n"
                                            "10.0.0.52\tsecond.example\t# bell\x07 cr\r end\n"));
    auto shown = TalixTest::RunOnHost(root, "--formatter=keyvalue network ip hosts list");
    ASSERT_EQ(shown.status, 0) << shown.err;
    EXPECT_EQ(shown.out,
              "IpHostList[0].IP address.string=10.0.0.51\n"
              "IpHostList[0].HostName.string=plain.example\n"
              "IpHostList[0].Aliases[0].string=al\\x1b[2Jias\\x7f\\x01\\x1f\\\\x1b\n"
              "IpHostList[0].Aliases[1].string=\\u009b1m\n"
              "IpHostList[0].Comment.string=\n"
              "IpHostList[1].IP address.string=10.0.0.52\n"
              "IpHostList[1].HostName.string=second.example\n"
              "IpHostList[1].Comment.string=bell\\x07 cr\\r end\n");
    // The host's own text is untouched: json still holds the raw bytes.
    EXPECT_EQ(JsonOnHost(root, "network ip hosts list")[0]["Aliases"][0], "al\x1b[2Jias\x7f\x01\x1f\\x1b");
}

}  // namespace
