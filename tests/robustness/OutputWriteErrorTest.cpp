// Output that cannot be written: on every path that prints to stdout, a
// refused write (a full device, a closed descriptor) ends the run with status
// 1 and one line on stderr naming the error, and the host root never receives
// the output in place of stdout.
#include <gtest/gtest.h>

#include "robustness/RobustnessSupport.h"
#include "support/CliHarness.h"

namespace {

using TalixTest::RunTalixcliWithStdout;
using TalixTest::SplitWords;
using TalixTest::TempHostRoot;

struct Target {
    const char* stdoutTarget;  // "" closes stdout
    const char* reported;
};

const Target kTargets[] = {
    {"/dev/full", "talixcli: write error: No space left on device\n"},
    {"", "talixcli: write error: Bad file descriptor\n"},
    {TalixTest::kClosedPipe, "talixcli: write error: Broken pipe\n"},
};

// Every way talixcli prints to stdout, and each formatter on a listing.
const char* const kOutputPaths[] = {
    "--help",
    "" /* no command: the top-level help */,
    "network --help",
    "network nic list --help",
    "--list-commands",
    "--complete network nic",
    "--completion bash",
    "--version",
    "network nic list",
    "--formatter=table network nic list",
    "--formatter=json network nic list",
    "--formatter=xml network nic list",
    "--formatter=csv network nic list",
    "--formatter=keyvalue network nic list",
    "network firewall get",
    "network ip dns server list",
    "--formatter=json network firewall refresh",
    "--dry-run network nic list",
    "--dry-run network ip hosts add -I 10.20.0.9 -H w.example",
    "--formatter=json --dry-run network nic list",
    "--batch=BATCH",
    "--formatter=json --batch=BATCH",
    "--dry-run --batch=BATCH",
};

TEST(OutputWriteErrors, EveryStdoutPathReportsARefusedWriteAndFails) {
    TempHostRoot root;
    ASSERT_EQ(TalixTest::RunOnHost(root, "network nic list").status, 0);  // the demo host, written on first use
    TempHostRoot files;
    files.WriteFile("reads.batch", "network nic list\nnetwork firewall get\n");
    for (const auto& target : kTargets) {
        for (const char* line : kOutputPaths) {
            std::string words = line;
            if (words.find("BATCH") != std::string::npos)
                words.replace(words.find("BATCH"), 5, files.Path() + "/reads.batch");
            auto result =
                RunTalixcliWithStdout(target.stdoutTarget, SplitWords(words), {{"TALIX_HOST_ROOT", root.Path()}});
            EXPECT_EQ(result.status, 1) << line << " > " << target.stdoutTarget;
            EXPECT_EQ(result.err, target.reported) << line << " > " << target.stdoutTarget;
        }
    }
}

TEST(OutputWriteErrors, ACommandWithNothingToPrintSucceedsWithStdoutClosed) {
    TempHostRoot root;
    auto result = RunTalixcliWithStdout("", SplitWords("network firewall refresh"), {{"TALIX_HOST_ROOT", root.Path()}});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.err, "");
}

// With stdout closed, the first file a command opens would take descriptor 1
// and the output would be written into the host root.
TEST(OutputWriteErrors, AClosedStdoutNeverSendsOutputIntoTheHostRoot) {
    TempHostRoot root;
    ASSERT_EQ(TalixTest::RunOnHost(root, "network nic list").status, 0);
    const auto before = TalixRobustness::Snapshot(root.Path());
    const std::string lockBefore = root.ReadFile(".lock");
    for (const char* line :
         {"network nic list", "--formatter=json network ip interface list", "network vswitch standard list"}) {
        auto result = RunTalixcliWithStdout("", SplitWords(line), {{"TALIX_HOST_ROOT", root.Path()}});
        EXPECT_EQ(result.status, 1) << line;
    }
    EXPECT_EQ(TalixRobustness::Difference(before, TalixRobustness::Snapshot(root.Path())), "");
    EXPECT_EQ(root.ReadFile(".lock"), lockBefore);
}

TEST(OutputWriteErrors, ARefusedCommandKeepsItsUsageStatus) {
    auto result = RunTalixcliWithStdout("/dev/full", SplitWords("network nic list --bogus"));
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.err.find("talixcli: write error"), std::string::npos) << result.err;
}

}  // namespace
