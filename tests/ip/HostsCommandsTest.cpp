// Hosts table commands: user entries only, and the file they keep.
#include "IpStackFixtures.h"
#include "kavrel/Lib.h"
#include "lmxctl/IpStack.h"

namespace {

using IpStackTest::IpStackHostTest;
using nlohmann::json;

const char kHosts[] = "etc/hosts";
const char kSystemPart[] =
    "127.0.0.1\tlocalhost\n"
    "10.0.0.11\tself.example self\n"
    "# --- user specified entries ---\n";

class HostsCommands : public IpStackHostTest {
protected:
    void SetUp() override {
        IpStackHostTest::SetUp();
        UseHost({{"netstacks", IpStackTest::Netstacks()}},
                {{kHosts, std::string(kSystemPart) + "10.0.0.40\tbuild.example build\t# build server\n"}});
    }
};

TEST_F(HostsCommands, ListShowsOnlyUserEntries) {
    EXPECT_EQ(Run("network ip hosts list").root, json::parse(R"([{"IP address": "10.0.0.40",
        "HostName": "build.example", "Aliases": ["build"], "Comment": "build server"}])"));
}

TEST_F(HostsCommands, AddWithoutAliasesOrCommentAndWithSeveralAliasesInOrder) {
    EXPECT_EQ(Run("network ip hosts add -I 2001:db8::5 -H plain.example").root, true);
    EXPECT_EQ(Run("network ip hosts add -I 10.0.0.50 -H multi.example -A m1 -A m2 -A m3 -C \"three aliases\"").root,
              true);
    auto list = Run("network ip hosts list").root;
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[1], json::parse(R"({"IP address": "2001:db8::5", "HostName": "plain.example", "Aliases": [],
        "Comment": ""})"));
    EXPECT_EQ(list[2]["Aliases"], json({"m1", "m2", "m3"}));
    EXPECT_EQ(File(kHosts), std::string(kSystemPart) +
                                "10.0.0.40\tbuild.example build\t# build server\n"
                                "2001:db8::5\tplain.example\n"
                                "10.0.0.50\tmulti.example m1 m2 m3\t# three aliases\n");
}

TEST_F(HostsCommands, RemoveDropsTheUserEntryAndKeepsTheSystemPart) {
    EXPECT_EQ(Run("network ip hosts remove -I 10.0.0.40 -H build.example").root, true);
    EXPECT_EQ(Run("network ip hosts list").root, json::array());
    EXPECT_EQ(File(kHosts), kSystemPart);
}

TEST_F(HostsCommands, LibraryRefusalsAreJoinedToTheirPrefixWithoutASeparator) {
    for (const auto& [command, message] : std::vector<std::pair<const char*, const char*>>{
             {"network ip hosts add -I 10.0.0.40 -H BUILD.example",
              "Error adding etc host item:An entry for BUILD.example with address 10.0.0.40 already exists"},
             {"network ip hosts add -I 10.0.0.11 -H self.example",
              "Error adding etc host item:An entry for self.example with address 10.0.0.11 already exists"},
             {"network ip hosts add -I 10.0.0.300 -H x.example",
              "Error adding etc host item:Invalid IP address '10.0.0.300'"},
             {"network ip hosts add -I 10.0.0.60 -H bad_name",
              "Error adding etc host item:Invalid host name 'bad_name'"},
             {"network ip hosts add -I 10.0.0.60 -H ok.example -A -bad",
              "Error adding etc host item:Invalid alias '-bad'"},
             {"network ip hosts remove -I 10.0.0.41 -H build.example",
              "Error removing etc host item:No entry for build.example with address 10.0.0.41"},
             {"network ip hosts remove -I 127.0.0.1 -H localhost",
              "Error removing etc host item:The entry for localhost with address 127.0.0.1 is a system entry and "
              "cannot be removed"}}) {
        ExpectRefused(command, message);
    }
    EXPECT_EQ(Run("network ip hosts list").root.size(), 1u);
}

TEST_F(HostsCommands, MissingFileIsAnEmptyTableThatAddCreates) {
    UseHost({{"netstacks", IpStackTest::Netstacks()}});
    EXPECT_EQ(Run("network ip hosts list").root, json::array());
    EXPECT_EQ(Run("network ip hosts add -I 10.0.0.7 -H seven.example").root, true);
    EXPECT_EQ(File(kHosts), "# --- user specified entries ---\n10.0.0.7\tseven.example\n");
}

// The file is the user's too: only the host's own entry lines are ever touched.
TEST_F(HostsCommands, LinesTheHostDoesNotManageSurviveEveryChangeByteForByte) {
    const std::string foreign =
        "# a comment the admin wrote\n"
        "\n"
        "garbage line\n"
        "\x01\x02\xff\n"
        "10.0.0.41  spaced.example\talias   # spacing kept\r\n"
        "   \t  \n";
    UseHost({{"netstacks", IpStackTest::Netstacks()}},
            {{kHosts, std::string(kSystemPart) + foreign + "10.0.0.40\tbuild.example build\t# build server\n"}});
    // Unparsable lines are not entries; a hand-written entry with odd spacing is.
    auto list = Run("network ip hosts list").root;
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0], json::parse(R"({"IP address": "10.0.0.41", "HostName": "spaced.example",
        "Aliases": ["alias"], "Comment": "spacing kept"})"));

    ASSERT_EQ(Run("network ip hosts add -I 10.0.0.50 -H new.example").root, true);
    EXPECT_EQ(File(kHosts), std::string(kSystemPart) + foreign +
                                "10.0.0.40\tbuild.example build\t# build server\n10.0.0.50\tnew.example\n");
    ASSERT_EQ(Run("network ip hosts remove -I 10.0.0.40 -H build.example").root, true);
    ASSERT_EQ(Run("network ip hosts remove -I 10.0.0.50 -H new.example").root, true);
    EXPECT_EQ(File(kHosts), std::string(kSystemPart) + foreign);
    ASSERT_EQ(Run("network ip hosts remove -I 10.0.0.41 -H spaced.example").root, true);
    EXPECT_EQ(File(kHosts),
              std::string(kSystemPart) + "# a comment the admin wrote\n\ngarbage line\n\x01\x02\xff\n   \t  \n");
}

TEST_F(HostsCommands, AMarkerWithACarriageReturnIsStillTheMarker) {
    UseHost({{"netstacks", IpStackTest::Netstacks()}},
            {{kHosts, "127.0.0.1\tlocalhost\r\n# --- user specified entries ---\r\n10.0.0.6\tsix.example\r\n"}});
    EXPECT_EQ(Run("network ip hosts list").root.size(), 1u);
    ASSERT_EQ(Run("network ip hosts add -I 10.0.0.7 -H seven.example").root, true);
    EXPECT_EQ(File(kHosts),
              "127.0.0.1\tlocalhost\r\n# --- user specified entries ---\r\n10.0.0.6\tsix.example\r\n"
              "10.0.0.7\tseven.example\n");
}

TEST_F(HostsCommands, AddEndsAnUnterminatedLastLineAndAddsTheMarkerOnlyOnce) {
    UseHost({{"netstacks", IpStackTest::Netstacks()}}, {{kHosts, "127.0.0.1\tlocalhost"}});
    ASSERT_EQ(Run("network ip hosts add -I 10.0.0.7 -H seven.example").root, true);
    ASSERT_EQ(Run("network ip hosts add -I 10.0.0.8 -H eight.example").root, true);
    EXPECT_EQ(File(kHosts),
              "127.0.0.1\tlocalhost\n# --- user specified entries ---\n10.0.0.7\tseven.example\n"
              "10.0.0.8\teight.example\n");
}

// The framework already refuses control characters in parameters; the table itself
// refuses them too, for any other caller of the library.
TEST_F(HostsCommands, TheTableRefusesCommentsThatWouldBreakTheFile) {
    const std::string before = File(kHosts);
    LmxCtl::Network::HostsFile hosts;
    for (const char* comment : {"two\nlines", "carriage\rreturn", "escape\x1b[2J", "delete\x7f"}) {
        try {
            hosts.AddEntryFromUser("10.0.0.9", "nine.example", {}, comment);
            ADD_FAILURE() << "accepted " << comment;
        } catch (const Kavrel::Lib::KavrelException& refused) {
            EXPECT_EQ(refused.GetDescription().rfind("A comment ", 0), 0u) << refused.GetDescription();
        }
    }
    EXPECT_EQ(File(kHosts), before);
    hosts.AddEntryFromUser("10.0.0.9", "nine.example", {}, "tab\tis fine");
    EXPECT_EQ(File(kHosts), before + "10.0.0.9\tnine.example\t# tab\tis fine\n");
}

TEST_F(HostsCommands, HostControlFailures) {
    InjectFault("HostsFile::AddEntryFromUser", "file system is read-only");
    ExpectRefused("network ip hosts add -I 10.0.0.7 -H seven.example",
                  "Error adding etc host item:file system is read-only");
    InjectFault("HostsFile::GetEntriesFromConfig", "cannot read hosts");
    ExpectRefused("network ip hosts list", "cannot read hosts");
}

}  // namespace
