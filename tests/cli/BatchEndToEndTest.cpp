// --batch and --dry-run through the talixcli binary on a temporary host root
// (the demo host): splitting, one transaction, output, exit statuses, and the
// change set of a dry run.
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <thread>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "robustness/RobustnessSupport.h"
#include "support/CaseTable.h"
#include "support/CliHarness.h"

namespace {

using nlohmann::json;
using TalixRobustness::HostFiles;
using TalixRobustness::Snapshot;
using TalixTest::ProcessResult;
using TalixTest::RunOnHost;
using TalixTest::RunTalixcli;
using TalixTest::TempHostRoot;

class BatchEndToEnd : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(RunOnHost(root, "network nic list").status, 0); }

    // Runs talixcli with the batch text in a file: framework options first.
    ProcessResult Batch(const std::string& text, const std::vector<std::string>& options = {"--formatter=json"}) {
        const std::string file = scratch.Path() + "/batch" + std::to_string(++batches_);
        std::ofstream(file, std::ios::binary) << text;
        std::vector<std::string> args = options;
        args.push_back("--batch=" + file);
        return RunTalixcli(args, {{"TALIX_HOST_ROOT", root.Path()}});
    }
    HostFiles Files() const { return Snapshot(root.Path()); }
    json Listing(const std::string& command) { return TalixTest::JsonOnHost(root, command); }
    // A batch that must succeed: its lines' JSON objects, and how many there must be.
    json Lines(const std::string& text, size_t count) {
        auto result = Batch(text);
        EXPECT_EQ(result.status, 0) << result.err;
        EXPECT_EQ(result.err, "");
        json lines = result.status == 0 ? json::parse(result.out) : json::array();
        EXPECT_EQ(lines.size(), count) << result.out;
        return lines.size() == count ? lines : json(std::vector<json>(count, json::object()));
    }
    bool RouteListed(const std::string& network) {
        for (const auto& route : Listing("network ip route ipv4 list")) {
            if (route["Network"] == network) return true;
        }
        return false;
    }

    TempHostRoot root;
    TempHostRoot scratch;

private:
    int batches_ = 0;
};

TEST_F(BatchEndToEnd, QuotingCommentsAndBlankLinesSplitAsAShellWould) {
    auto lines = Lines(
        "# a comment line\n"
        "\n"
        "   \t\n"
        "network ip hosts add -I 10.77.0.5 -H 'one.example' -C \"a comment\"   # trailing comment\n"
        "network ip hosts add -I 10.77.0.6 -H two\\.example -C \"say \\\"hi\\\" \\$HOME\"\n"
        "network ip hosts add -I 10.77.0.7 \\\n"
        "   -H three.example -C '$HOME*;|'\n",
        3);
    EXPECT_EQ(json::array({lines[0]["line"], lines[1]["line"], lines[2]["line"]}), json::array({4, 5, 6}));
    EXPECT_EQ(lines[2]["command"], "network ip hosts add -I 10.77.0.7 \\\n   -H three.example -C '$HOME*;|'");
    std::map<std::string, json> byName;
    for (const auto& entry : Listing("network ip hosts list")) byName[entry["HostName"]] = entry["Comment"];
    // No expansion of any kind: $HOME, * and the rest stay as written.
    EXPECT_EQ(byName["one.example"], "a comment");
    EXPECT_EQ(byName["two.example"], "say \"hi\" $HOME");
    EXPECT_EQ(byName["three.example"], "$HOME*;|");
}

// A failing line (command error or usage error) anywhere: the batch stops at
// it, says which, and the host files stay byte for byte as they were.
TEST_F(BatchEndToEnd, AFailingLineAnywhereWritesNothing) {
    const HostFiles before = Files();
    for (const auto& row : TalixTest::ReadCaseTable("cli/failing_batches.tsv", 4)) {
        SCOPED_TRACE(row.where + " " + row.fields[0]);
        const int failingLine = std::stoi(row.fields[2]), status = std::stoi(row.fields[3]);
        auto result = Batch(row.fields[1]);
        EXPECT_EQ(result.status, status);
        auto lines = json::parse(result.out);
        ASSERT_EQ(lines.size(), static_cast<size_t>(failingLine));
        EXPECT_EQ(lines.back()["line"], failingLine);
        EXPECT_EQ(lines.back()["status"], status);
        EXPECT_EQ(lines.back()["output"], nullptr);
        EXPECT_FALSE(lines.back()["errors"].empty());
        EXPECT_NE(result.err.find("Error: line " + row.fields[2] + ": "), std::string::npos) << result.err;
        EXPECT_EQ(TalixRobustness::Difference(before, Files()), "");
    }
    EXPECT_FALSE(RouteListed("10.81.0.0"));
}

// An empty batch, and a batch read from standard input. (The messages for a
// missing file and for words after --batch, and the text layout, are pinned
// by tests/golden/batch.cmds.)
TEST_F(BatchEndToEnd, EmptyBatchesAndStandardInput) {
    EXPECT_EQ(Batch("").status, 0);
    EXPECT_EQ(Batch("").out, "[]\n");
    EXPECT_EQ(Batch("# only comments\n\n").out, "[]\n");

    const std::string file = scratch.Path() + "/stdin";
    std::ofstream(file) << "network firewall get\nnetwork ip route ipv4 add -n 10.82.0.0/16 -g 10.20.0.254\n";
    auto text = RunTalixcli({"--batch=-"}, {{"TALIX_HOST_ROOT", root.Path()}}, file);
    ASSERT_EQ(text.status, 0) << text.err;
    EXPECT_EQ(text.out.rfind("# line 1: network firewall get\n" + RunOnHost(root, "network firewall get").out +
                                 "# line 2: network ip route ipv4 add -n 10.82.0.0/16 -g 10.20.0.254\n",
                             0),
              0u)
        << text.out;
    EXPECT_TRUE(RouteListed("10.82.0.0"));
}

// Batch input is read whole before the batch starts, so it is bounded: what
// is not a regular file or a pipe is refused before it is read, and input
// past 64 MiB is refused, with one message, status 2 and the host untouched.
TEST_F(BatchEndToEnd, BatchInputIsARegularFileOrAPipeOfBoundedSize) {
    const HostFiles before = Files();
    const std::string large = scratch.Path() + "/large.batch";
    {
        std::ofstream file(large, std::ios::binary);
        const std::string line = "network firewall get\n";
        for (size_t written = 0; written <= (size_t{64} << 20); written += line.size()) file << line;
    }
    const struct {
        std::string batch, input, message;
    } cases[] = {
        {"/dev/zero", "", "Error: Cannot read batch file \"/dev/zero\": it is not a regular file or a pipe.\n"},
        {scratch.Path(), "",
         "Error: Cannot read batch file \"" + scratch.Path() + "\": it is not a regular file or a pipe.\n"},
        {"-", "/dev/zero",
         "Error: Cannot read standard input: it holds more than 64 MiB; split it into smaller batches.\n"},
        {large, "",
         "Error: Cannot read batch file \"" + large +
             "\": it holds more than 64 MiB; split it into smaller batches.\n"},
    };
    for (const auto& c : cases) {
        auto result = RunTalixcli({"--batch=" + c.batch}, {{"TALIX_HOST_ROOT", root.Path()}}, c.input);
        EXPECT_EQ(result.status, 2) << c.batch;
        EXPECT_EQ(result.err, c.message);
        EXPECT_EQ(result.out, "");
    }
    EXPECT_EQ(TalixRobustness::Difference(before, Files()), "");
    // A named pipe is read as it comes.
    const std::string fifo = scratch.Path() + "/lines";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::thread feeder([&] { std::ofstream(fifo) << "network firewall get\n"; });
    auto piped = RunTalixcli({"--batch=" + fifo}, {{"TALIX_HOST_ROOT", root.Path()}});
    feeder.join();
    EXPECT_EQ(piped.status, 0) << piped.err;
    EXPECT_EQ(piped.out.rfind("# line 1: network firewall get\n", 0), 0u) << piped.out;
}

// One changing command of each family (the shell-options transcript pins each one's
// dry run): the dry run changes nothing, and the real run changes exactly
// the files the dry run showed.
TEST_F(BatchEndToEnd, DryRunShowsEachFamilysChangeAndLeavesTheHostUntouched) {
    for (const char* command :
         {"network firewall ruleset set -r ntpClient -e true", "network ip hosts add -I 10.83.0.1 -H dry.example",
          "network ip dns server add -s 10.20.0.98", "network nic set -n pnic0 -S 1000 -D full",
          "network vswitch standard add -v vs-dry", "network ens lcore add -l 5"}) {
        const HostFiles before = Files();
        auto dry = RunOnHost(root, std::string("--formatter=json --dry-run ") + command);
        ASSERT_EQ(dry.status, 0) << command << ": " << dry.err;
        EXPECT_EQ(TalixRobustness::Difference(before, Files()), "") << command;
        std::set<std::string> shown, changed;
        const json changes = json::parse(dry.out)["changes"];
        for (const auto& change : changes) shown.insert(change["path"].get<std::string>());
        ASSERT_EQ(RunOnHost(root, command).status, 0) << command;
        for (const auto& file : Files()) {
            if (!before.count(file.first) || before.at(file.first) != file.second) changed.insert(file.first);
        }
        EXPECT_EQ(changed, shown) << command;
    }
}

TEST_F(BatchEndToEnd, DryRunDiffAppliesToTheFileAsItIs) {
    const std::string hosts = root.ReadFile("etc/hosts");
    auto dry = RunOnHost(root, "--dry-run network ip hosts add -I 10.84.0.1 -H exact.example");
    ASSERT_EQ(dry.status, 0) << dry.err;
    // The diff applies to the file as it is and gives what the command writes.
    const std::string patchFile = scratch.Path() + "/change.diff";
    const std::string diff = dry.out.substr(dry.out.find("--- a/etc/hosts"));
    std::ofstream(patchFile) << diff;
    std::filesystem::copy(root.Path(), scratch.Path() + "/copy", std::filesystem::copy_options::recursive);
    ASSERT_EQ(std::system(("cd " + scratch.Path() + "/copy && patch -s -p1 < " + patchFile).c_str()), 0) << diff;
    ASSERT_EQ(RunOnHost(root, "network ip hosts add -I 10.84.0.1 -H exact.example").status, 0);
    std::ifstream patched(scratch.Path() + "/copy/etc/hosts");
    std::string patchedText((std::istreambuf_iterator<char>(patched)), std::istreambuf_iterator<char>());
    EXPECT_EQ(patchedText, root.ReadFile("etc/hosts"));
    EXPECT_NE(patchedText, hosts);
    // What a dry run of a command that only reads shows is in the shell-options transcript.
}

TEST_F(BatchEndToEnd, DryRunOfABatchShowsTheWholeChangeAndWritesNothing) {
    const HostFiles before = Files();
    auto result = Batch(
        "network ip route ipv4 add -n 10.85.0.0/16 -g 10.20.0.254\n"
        "network ip route ipv4 add -n 10.86.0.0/16 -g 10.20.0.254\n"
        "network ip hosts add -I 10.85.0.1 -H batch-dry.example\n",
        {"--formatter=json", "--dry-run"});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(TalixRobustness::Difference(before, Files()), "");
    auto shown = json::parse(result.out);
    ASSERT_EQ(shown["output"].size(), 3u);
    ASSERT_EQ(shown["changes"].size(), 2u) << result.out;
    EXPECT_EQ(shown["changes"][0]["path"], "etc/hosts");
    EXPECT_EQ(shown["changes"][1]["path"], "state/routes.json");
    const std::string routes = shown["changes"][1]["diff"];
    EXPECT_NE(routes.find("+     \"network\": \"10.85.0.0/16\""), std::string::npos) << routes;
    EXPECT_NE(routes.find("10.86.0.0/16"), std::string::npos) << routes;

    // A batch that would fail shows the failure and an empty change set.
    auto failing = Batch("network ip route ipv4 add -n 10.87.0.0/16 -g 10.20.0.254\nnetwork ip nothing\n",
                         {"--formatter=json", "--dry-run"});
    EXPECT_EQ(failing.status, 2);
    EXPECT_EQ(json::parse(failing.out)["changes"], json::array());
}

}  // namespace
