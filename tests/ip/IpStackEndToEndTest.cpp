// The hosts file through the talixcli binary on a temporary host root: bytes a
// transcript cannot hold.
#include "IpStackFixtures.h"

namespace {

using nlohmann::json;
using TalixTest::ChangeOnHost;
using TalixTest::JsonOnHost;
using TalixTest::TempHostRoot;

void WriteBaseHost(TempHostRoot& root) { root.WriteSection("netstacks", IpStackTest::Netstacks()); }

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
