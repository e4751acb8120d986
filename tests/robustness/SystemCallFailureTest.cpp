// Failures of the operating system under a change, which nothing but a failing
// disk or kernel causes for a process running as root: a new file that cannot
// be created or synced, a lock, the root's real path, the journal's rename.
// A preloaded library makes the one call fail. Each run ends with status 1
// and the exact reason, and the host is as it was.
#include <gtest/gtest.h>

#include <cctype>

#include "support/CliHarness.h"

namespace {

using TalixTest::RunTalixcli;
using TalixTest::SplitWords;
using TalixTest::TempHostRoot;

struct CallFailure {
    const char* failing;     // TALIX_FAIL_CALL: the call and a text of the path it fails on
    const char* command;     // {batch} is a batch of a firewall and a DNS change
    const char* stderrText;  // {root} is the host root; {pid} stands for a process number
};

const CallFailure kFailures[] = {
    {"open:.tmp.", "network firewall set --enabled false",
     "Cannot write {root}/state/firewall.json.tmp.{pid}: Input/output error\n"},
    {"fsync:.tmp.", "network firewall set --enabled false",
     "Cannot write {root}/state/firewall.json.tmp.{pid}: Input/output error\n"},
    {"flock:.lock", "network firewall set --enabled false", "Cannot lock host root {root}: Input/output error\n"},
    {"realpath:", "network firewall set --enabled false", "Cannot open host root {root}: Input/output error\n"},
    {"rename:.journal", "--batch={batch}", "Error: Cannot write host journal {root}/.journal: Input/output error\n"},
};

std::string Replaced(std::string text, const std::string& name, const std::string& value) {
    for (size_t at; (at = text.find(name)) != std::string::npos;) text.replace(at, name.size(), value);
    return text;
}

// The process number a temporary file's name carries, as {pid}.
std::string WithoutProcessNumbers(std::string text) {
    for (size_t at = text.find(".tmp."); at != std::string::npos; at = text.find(".tmp.", at + 1)) {
        size_t end = at + 5;
        while (end < text.size() && std::isdigit(static_cast<unsigned char>(text[end]))) ++end;
        text.replace(at + 5, end - at - 5, "{pid}");
    }
    return text;
}

TEST(SystemCallFailure, EachFailedCallIsReportedAndTheHostStaysAsItWas) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "a preloaded library cannot come before the sanitizer's runtime";
#endif
    for (const auto& failure : kFailures) {
        SCOPED_TRACE(failure.failing);
        TempHostRoot root, files;
        files.WriteFile("two.batch",
                        "network firewall set --enabled false\nnetwork ip dns server add --server 10.20.0.99\n");
        const std::map<std::string, std::string> host = {{"TALIX_HOST_ROOT", root.Path()}};
        const auto before = RunTalixcli(SplitWords("--formatter=json network ip dns server list"), host);
        const auto firewall = RunTalixcli(SplitWords("--formatter=json network firewall get"), host);

        auto environment = host;
        environment["LD_PRELOAD"] = TALIX_FAILING_CALLS;
        environment["TALIX_FAIL_CALL"] = failure.failing;
        const auto run =
            RunTalixcli(SplitWords(Replaced(failure.command, "{batch}", files.Path() + "/two.batch")), environment);
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(WithoutProcessNumbers(run.err), Replaced(failure.stderrText, "{root}", root.Path()));

        EXPECT_EQ(RunTalixcli(SplitWords("--formatter=json network firewall get"), host).out, firewall.out);
        EXPECT_EQ(RunTalixcli(SplitWords("--formatter=json network ip dns server list"), host).out, before.out);
    }
}

}  // namespace
