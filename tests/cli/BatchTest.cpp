// The pieces of --batch and --dry-run: splitting batch input into words, the
// unified diff (against diff -u and patch on generated texts), and batches run
// through the framework API on an in-memory demo host with injected failures.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <set>
#include <sstream>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "ShellWords.h"
#include "UnifiedDiff.h"
#include "core/Backends.h"
#include "core/HostStore.h"
#include "core/SimHostTesting.h"
#include "parvik/PluginHooks.h"
#include "support/CaseTable.h"
#include "support/CliHarness.h"

namespace {

using nlohmann::json;
using Parvik::AutoCli::DiffHunks;
using Parvik::AutoCli::SplitBatch;
using Parvik::AutoCli::UnifiedDiff;
using Words = std::vector<std::string>;

TEST(ShellWords, SplitsLikeAPosixShellWithoutExpansion) {
    for (const auto& row : TalixTest::ReadCaseTable("cli/shell_words.tsv", 2)) {
        SCOPED_TRACE(row.where);
        auto lines = SplitBatch(row.fields[0]);
        ASSERT_EQ(lines.size(), 1u);
        EXPECT_EQ(lines[0].error, "");
        EXPECT_EQ(lines[0].words, json::parse(row.fields[1]).get<Words>());
    }
}

TEST(ShellWords, LinesNumbersCommentsAndErrors) {
    auto lines = SplitBatch("# comment\n\none 'a\nb'\ncont \\\n inued\n  # indented comment\nlast");
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].number, 3u);
    EXPECT_EQ(lines[0].words, (Words{"one", "a\nb"}));
    EXPECT_EQ(lines[0].text, "one 'a\nb'");
    EXPECT_EQ(lines[1].number, 5u);
    EXPECT_EQ(lines[1].words, (Words{"cont", "inued"}));
    EXPECT_EQ(lines[2].number, 8u);
    EXPECT_EQ(lines[2].words, (Words{"last"}));

    for (const char* broken : {"x 'open", "x \"open", "x \\"}) {
        auto refused = SplitBatch(std::string("good\n") + broken);
        ASSERT_EQ(refused.size(), 2u) << broken;
        EXPECT_EQ(refused[0].error, "");
        EXPECT_EQ(refused[1].number, 2u);
        EXPECT_NE(refused[1].error, "") << broken;
    }
}

TEST(UnifiedDiff, HunkHeadersEmptyRangesAndMissingNewlines) {
    for (const auto& row : TalixTest::ReadCaseTable("cli/diff_hunks.tsv", 3)) {
        SCOPED_TRACE(row.where);
        EXPECT_EQ(DiffHunks(row.fields[0], row.fields[1]), row.fields[2]);
    }
    EXPECT_EQ(UnifiedDiff("etc/hosts", std::nullopt, std::string("x\n")),
              "--- /dev/null\n+++ b/etc/hosts\n@@ -0,0 +1 @@\n+x\n");
    EXPECT_EQ(UnifiedDiff("etc/hosts", std::string("x\n"), std::nullopt),
              "--- a/etc/hosts\n+++ /dev/null\n@@ -1 +0,0 @@\n-x\n");
}

class DiffAgainstTools : public ::testing::Test {
protected:
    std::string Write(const std::string& name, const std::string& text) {
        scratch.WriteFile(name, text);
        return scratch.Path() + "/" + name;
    }
    // diff -u's hunks (its two header lines dropped).
    std::string SystemHunks(const std::string& before, const std::string& after) {
        const std::string a = Write("a.txt", before), b = Write("b.txt", after), out = scratch.Path() + "/out";
        int status = std::system(("diff -u " + a + " " + b + " > " + out).c_str());
        EXPECT_NE(status, -1);
        std::string text = scratch.ReadFile("out");
        for (int header = 0; header < 2 && !text.empty(); ++header) text.erase(0, text.find('\n') + 1);
        return text;
    }
    // Applies our diff with patch(1) to before; returns the patched text.
    std::string Patched(const std::string& before, const std::string& after) {
        std::filesystem::remove_all(scratch.Path() + "/tree");
        Write("tree/f", before);
        const std::string patch = Write("patch.diff", UnifiedDiff("f", before, after));
        int status = std::system(("cd " + scratch.Path() + "/tree && patch -s -p1 < " + patch).c_str());
        EXPECT_EQ(status, 0);
        return scratch.ReadFile("tree/f");
    }
    static size_t ChangedLines(const std::string& hunks) {
        size_t count = 0;
        std::istringstream lines(hunks);
        for (std::string line; std::getline(lines, line);) count += !line.empty() && (line[0] == '+' || line[0] == '-');
        return count;
    }
    TalixTest::TempHostRoot scratch;
};

// Texts of distinct lines changed without moving any line: the least set of
// changes is unique, so our hunks must be diff -u's byte for byte.
TEST_F(DiffAgainstTools, DistinctLinesGiveExactlyDiffsHunks) {
    std::mt19937 random(6122026);
    int fresh = 1000;
    for (int round = 0; round < 60; ++round) {
        std::vector<std::string> before, after;
        const int size = static_cast<int>(random() % 40);
        for (int i = 0; i < size; ++i) before.push_back("line " + std::to_string(i));
        for (const auto& line : before) {
            switch (random() % 8) {
            case 0: break;                                                     // removed
            case 1: after.push_back("new " + std::to_string(fresh++)); break;  // replaced
            case 2:
                after.push_back("new " + std::to_string(fresh++));
                after.push_back(line);
                break;
            default: after.push_back(line);
            }
        }
        if (random() % 3 == 0) after.push_back("new " + std::to_string(fresh++));
        auto join = [&](const std::vector<std::string>& lines, bool newlineAtEnd) {
            std::string text;
            for (size_t i = 0; i < lines.size(); ++i)
                text += lines[i] + (i + 1 < lines.size() || newlineAtEnd ? "\n" : "");
            return text;
        };
        const std::string a = join(before, random() % 4 != 0), b = join(after, random() % 4 != 0);
        EXPECT_EQ(DiffHunks(a, b), SystemHunks(a, b)) << "round " << round;
    }
}

// Lines that repeat allow several least sets of changes: ours must be as
// small as diff's and must patch the old text into the new one.
TEST_F(DiffAgainstTools, RepeatedLinesPatchCorrectlyWithNoMoreChangesThanDiff) {
    std::mt19937 random(7122026);
    for (int round = 0; round < 40; ++round) {
        std::string a, b;
        for (int i = static_cast<int>(random() % 30); i > 0; --i)
            a += std::string(1, static_cast<char>('a' + random() % 4)) + "\n";
        for (int i = static_cast<int>(random() % 30); i > 0; --i)
            b += std::string(1, static_cast<char>('a' + random() % 4)) + "\n";
        const std::string ours = DiffHunks(a, b);
        EXPECT_LE(ChangedLines(ours), ChangedLines(SystemHunks(a, b))) << "round " << round;
        if (a != b) {
            EXPECT_EQ(Patched(a, b), b) << "round " << round << "\n" << ours;
        }
    }
}

// The demo host in memory, counting the commits that reach it.
class CountingBackend : public SimHost::MemoryBackend {
public:
    using MemoryBackend::MemoryBackend;
    void Commit(const std::map<std::string, std::optional<std::string>>& changes) override {
        std::set<std::string> paths;
        for (const auto& change : changes) paths.insert(change.first);
        commits.push_back(paths);
        MemoryBackend::Commit(changes);
    }
    std::vector<std::set<std::string>> commits;
};

// Batches through the framework API, on the demo host kept in memory.
class BatchThroughFramework : public ::testing::Test {
protected:
    void SetUp() override {
        std::map<std::string, std::string> files;
        for (const auto& file : SimHost::DemoHostFiles()) files[file.path] = file.content;
        auto backend = std::make_unique<CountingBackend>(files);
        counting = backend.get();
        SimHost::HostStore::Instance().UseBackend(std::move(backend));
        SimHost::EndDryRunForTesting();  // a dry run of an earlier test
        Parvik::AutoCli::TransactionHooks hooks;
        hooks.begin = [](bool dryRun) { AutoCli_BeginTransaction(dryRun ? 1 : 0); };
        hooks.end = [](bool commit) {
            const char* problem = AutoCli_EndTransaction(commit ? 1 : 0);
            return std::string(problem ? problem : "");
        };
        hooks.changes = [](std::vector<Parvik::AutoCli::HostFileChange>& changes) {
            auto visit = [](void* context, const char* path, const char* before, size_t beforeSize, int beforeExists,
                            const char* after, size_t afterSize, int afterExists) {
                Parvik::AutoCli::HostFileChange change{path, std::nullopt, std::nullopt};
                if (beforeExists) change.before = std::string(before, beforeSize);
                if (afterExists) change.after = std::string(after, afterSize);
                static_cast<std::vector<Parvik::AutoCli::HostFileChange>*>(context)->push_back(change);
            };
            const char* problem = AutoCli_TransactionChanges(visit, &changes);
            return std::string(problem ? problem : "");
        };
        cli.GetDispatcher().AddTransactionHooks(hooks);
    }
    void TearDown() override { SimHost::UseMemoryHost(); }

    struct Result {
        int status;
        std::string out, err;
    };
    Result Batch(const std::string& text, bool dryRun = false) {
        const std::string file = scratch.Path() + "/batch";
        std::ofstream(file, std::ios::binary) << text;
        Parvik::AutoCli::TransactionRequest request;
        request.batch = true;
        request.batchFile = file;
        request.dryRun = dryRun;
        request.formatter = "json";
        std::ostringstream out, err;
        int status = cli.GetDispatcher().RunTransaction(request, {}, out, err);
        return {status, out.str(), err.str()};
    }

    Result DryRun(const std::string& line, const std::string& formatter = "") {
        Parvik::AutoCli::TransactionRequest request;
        request.dryRun = true;
        request.formatter = formatter;
        std::ostringstream out, err;
        int status = cli.GetDispatcher().RunTransaction(request, TalixTest::SplitWords(line), out, err);
        return {status, out.str(), err.str()};
    }

    TalixTest::CliHarness cli;
    TalixTest::TempHostRoot scratch;
    CountingBackend* counting = nullptr;
};

TEST_F(BatchThroughFramework, EveryTouchedFileIsWrittenOnceAtTheEnd) {
    std::string batch;
    for (int i = 0; i < 50; ++i)
        batch += "network ip route ipv4 add -n 10.92." + std::to_string(i) + ".0/24 -g 10.20.0.254\n";
    batch +=
        "network ip hosts add -I 10.92.0.1 -H once.example\nnetwork ip route ipv4 remove -n 10.92.7.0/24 -g "
        "10.20.0.254\n";
    auto result = Batch(batch);
    ASSERT_EQ(result.status, 0) << result.err;
    ASSERT_EQ(counting->commits.size(), 1u);
    EXPECT_EQ(counting->commits[0], (std::set<std::string>{"etc/hosts", "state/routes.json"}));
    const std::string routes = SimHost::MemoryHostFiles()["state/routes.json"];
    EXPECT_NE(routes.find("10.92.49.0/24"), std::string::npos);
    EXPECT_EQ(routes.find("10.92.7.0/24"), std::string::npos);
}

// Each change of a batch checks the table as the changes before it left it:
// removing a route in the middle, adding it again, refusing a duplicate.
TEST_F(BatchThroughFramework, RouteChangesSeeTheChangesBeforeThem) {
    auto passed = Batch(
        "network ip route ipv4 add -n 10.93.1.0/24 -g 10.20.0.254\n"
        "network ip route ipv4 add -n 10.93.2.0/24 -g 10.20.0.254\n"
        "network ip route ipv4 add -n 10.93.3.0/24 -g 10.20.0.254\n"
        "network ip route ipv4 remove -n 10.93.2.0/24 -g 10.20.0.254\n"
        "network ip route ipv4 add -n 10.93.2.0/24 -g 10.20.0.254\n"
        "network ip route ipv4 remove -n 10.93.1.0/24 -g 10.20.0.254\n"
        "network ip route ipv6 add -n 2001:db8:91::/48 -g 2001:db8:20::fe\n"
        "network ip route ipv6 add -n 2001:db8:92:1::/48 -g 2001:db8:20::fe\n"  // stored masked
        "network ip route ipv6 remove -n 2001:db8:60::/48 -g 2001:db8:20::fe\n"
        "network ip route ipv6 add -n 2001:db8:60::/48 -g 2001:db8:20::fe\n");
    ASSERT_EQ(passed.status, 0) << passed.err;
    auto tables = json::parse(SimHost::MemoryHostFiles()["state/routes.json"])["tables"];
    std::vector<std::string> ipv4, ipv6;
    for (const auto& route : tables[0]["ipv4Routes"]) ipv4.push_back(route["network"]);
    for (const auto& route : tables[0]["ipv6Routes"]) ipv6.push_back(route["network"]);
    ASSERT_GE(ipv4.size(), 2u);
    EXPECT_EQ(std::vector<std::string>(ipv4.end() - 2, ipv4.end()),
              (std::vector<std::string>{"10.93.3.0/24", "10.93.2.0/24"}));
    EXPECT_EQ(ipv6, (std::vector<std::string>{"2001:db8:91::/48", "2001:db8:92::/48", "2001:db8:60::/48"}));

    // A duplicate of a route the same batch added, of either family, ends the batch.
    const std::pair<std::string, std::string> duplicates[] = {
        {"network ip route ipv4 add -n 10.94.0.0/16 -g 10.20.0.254\n", "A route to 10.94.0.0/16 already exists"},
        {"network ip route ipv6 add -n 2001:db8:94::/48 -g 2001:db8:20::fe\n",
         "A route to 2001:db8:94::/48 already exists"},
    };
    for (const auto& [duplicate, message] : duplicates) {
        const auto before = SimHost::MemoryHostFiles();
        auto failed = Batch(duplicate + "network ip route ipv4 remove -n 10.93.3.0/24 -g 10.20.0.254\n" + duplicate);
        EXPECT_EQ(failed.status, 1) << duplicate;
        auto lines = json::parse(failed.out);
        ASSERT_EQ(lines.size(), 3u) << failed.out;
        EXPECT_EQ(lines[2]["errors"], json::array({message}));
        EXPECT_EQ(SimHost::MemoryHostFiles(), before);
    }
    // What a failed batch did is forgotten by the checks too.
    auto again = Batch(
        "network ip route ipv4 remove -n 10.93.3.0/24 -g 10.20.0.254\n"
        "network ip route ipv4 add -n 10.94.0.0/16 -g 10.20.0.254\n"
        "network ip route ipv4 remove -n 10.93.3.0/24 -g 10.20.0.254\n");
    EXPECT_EQ(again.status, 1);
    EXPECT_NE(again.out.find("No route to 10.93.3.0/24 via 10.20.0.254"), std::string::npos) << again.out;
}

TEST_F(BatchThroughFramework, AnInjectedHostFailureStopsTheBatchAndNothingIsCommitted) {
    SimHost::InjectFault("RoutingInfoImpl::AddLumexRoute", "route table is full");
    const auto before = SimHost::MemoryHostFiles();
    auto failed = Batch(
        "network ip hosts add -I 10.90.0.1 -H api.example\n"
        "network firewall ruleset set -r ntpClient -e true\n"
        "network ip route ipv4 add -n 10.90.0.0/16 -g 10.20.0.254\n"
        "network firewall get\n");
    EXPECT_EQ(failed.status, 1);
    auto lines = json::parse(failed.out);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[2]["errors"], json::array({"route table is full"}));
    EXPECT_EQ(SimHost::MemoryHostFiles(), before);
    // What the failed batch changed in memory is gone too: a read sees the old host.
    auto hosts = cli.Run("--formatter=json network ip hosts list");
    EXPECT_EQ(hosts.out.find("api.example"), std::string::npos);

    SimHost::ClearFaults();
    auto passed = Batch(
        "network ip hosts add -I 10.90.0.1 -H api.example\n"
        "network ip route ipv4 add -n 10.90.0.0/16 -g 10.20.0.254\n");
    ASSERT_EQ(passed.status, 0) << passed.err;
    auto after = SimHost::MemoryHostFiles();
    EXPECT_NE(after["etc/hosts"].find("api.example"), std::string::npos);
    EXPECT_NE(after["state/routes.json"].find("10.90.0.0/16"), std::string::npos);
}

TEST_F(BatchThroughFramework, DryRunListsTheChangedFilesAndKeepsTheHost) {
    const auto before = SimHost::MemoryHostFiles();
    auto shown = Batch("network ip route ipv4 add -n 10.91.0.0/16 -g 10.20.0.254\nnetwork ip route ipv4 list\n", true);
    ASSERT_EQ(shown.status, 0) << shown.err;
    EXPECT_EQ(SimHost::MemoryHostFiles(), before);
    auto parsed = json::parse(shown.out);
    ASSERT_EQ(parsed["changes"].size(), 1u);
    EXPECT_EQ(parsed["changes"][0]["path"], "state/routes.json");
    // The listing inside the dry run saw the route; the host after it does not.
    EXPECT_NE(parsed["output"][1]["output"].dump().find("10.91.0.0"), std::string::npos);
    EXPECT_EQ(cli.Run("--formatter=json network ip route ipv4 list").out.find("10.91.0.0"), std::string::npos);

    // A host failure inside a dry run: the command's status and message.
    SimHost::EndDryRunForTesting();  // to inject the fault
    SimHost::InjectFault("RoutingInfoImpl::AddLumexRoute", "route table is full");
    auto failed = Batch("network ip route ipv4 add -n 10.91.0.0/16 -g 10.20.0.254\n", true);
    EXPECT_EQ(failed.status, 1);
    EXPECT_EQ(json::parse(failed.out)["output"][0]["errors"], json::array({"route table is full"}));
}

// An option's value that reads like a help request is a value: the dry run
// shows the change it would make and keeps the host. Help that the parser
// finds is printed from inside the dry run, alone.
TEST_F(BatchThroughFramework, ADryRunRunsEveryCommandLineInsideItsTransaction) {
    const auto before = SimHost::MemoryHostFiles();
    for (const char* line :
         {"network vswitch standard portgroup add -v vs-core -p --help",
          "network ip hosts add -I 10.20.0.9 -H dry.example -C -h", "network ip dns search add -d --help"}) {
        auto shown = DryRun(line);
        EXPECT_EQ(shown.status, 0) << line << ": " << shown.err;
        EXPECT_NE(shown.out.find("\n+++ b/"), std::string::npos) << line << ":\n" << shown.out;
        EXPECT_EQ(SimHost::MemoryHostFiles(), before) << line;
    }
    for (const char* line :
         {"network vswitch standard portgroup add --help", "network ip hosts add -h", "network --help"}) {
        auto help = DryRun(line);
        EXPECT_EQ(help.status, 0) << line;
        EXPECT_EQ(help.out, cli.Run(line).out) << line;
    }
    EXPECT_EQ(SimHost::MemoryHostFiles(), before);
}

// A failing dry run in JSON carries the messages that also go to stderr: a
// host failure's, each of several, and the framework's refusal (without the
// help that follows it on stderr).
TEST_F(BatchThroughFramework, AFailingJsonDryRunCarriesItsMessages) {
    SimHost::InjectFault("RoutingInfoImpl::AddLumexRoute", "route table is full");
    auto failed = DryRun("network ip route ipv4 add -n 10.97.0.0/16 -g 10.20.0.254", "json");
    EXPECT_EQ(failed.status, 1);
    EXPECT_EQ(failed.err, "route table is full\n");
    auto shown = json::parse(failed.out);
    EXPECT_EQ(shown["errors"], json::array({"route table is full"}));
    EXPECT_EQ(shown["changes"], json::array());
    SimHost::EndDryRunForTesting();  // to clear the fault
    SimHost::ClearFaults();

    auto refused = DryRun("network nic get", "json");
    EXPECT_EQ(refused.status, 2);
    EXPECT_EQ(json::parse(refused.out)["errors"],
              json::array({"Missing required parameter --nic-name (-n). See \"talixcli network nic get --help\"."}))
        << refused.err;
    auto partial = DryRun("network ip route", "json");
    EXPECT_EQ(partial.status, 2);
    EXPECT_EQ(json::parse(partial.out)["errors"], json::array({"Missing command after \"network ip route\"."}));
    EXPECT_NE(partial.err.find("ipv4"), std::string::npos);  // the help goes to stderr only

    auto passed = DryRun("network ip route ipv4 add -n 10.97.0.0/16 -g 10.20.0.254", "json");
    EXPECT_EQ(passed.status, 0) << passed.err;
    EXPECT_EQ(json::parse(passed.out)["errors"], json::array());
}

// A host that changes its state directly shows its plan as lines: plain
// before any file's diff, and as a "plan" list in JSON, which only such a
// host adds. A batch tells it each line's number as the file counts it.
TEST_F(BatchThroughFramework, AHostsPlanLinesAreShownAndBatchLinesNamed) {
    const char kList[] = "network ip route ipv4 list";
    EXPECT_FALSE(json::parse(DryRun(kList, "json").out).contains("plan"));

    std::vector<int> lines;
    Parvik::AutoCli::TransactionHooks planning;
    planning.begin = [](bool) {};
    planning.end = [](bool) { return std::string(); };
    planning.plan = [](std::vector<std::string>& plan) {
        plan.insert(plan.end(), {"link set x0 down", "route add 10.1.0.0/16 via 10.2.0.1"});
        return std::string();
    };
    planning.line = [&lines](int line) { lines.push_back(line); };
    cli.GetDispatcher().AddTransactionHooks(planning);

    auto human = DryRun(kList + std::string(" -N defaultTcpipStack"), "csv");
    EXPECT_EQ(human.status, 0) << human.err;
    const std::string planText = "link set x0 down\nroute add 10.1.0.0/16 via 10.2.0.1\n";
    ASSERT_GE(human.out.size(), planText.size());
    EXPECT_EQ(human.out.substr(human.out.size() - planText.size()), planText) << human.out;
    EXPECT_EQ(DryRun("network ip hosts add -I 10.20.0.9 -H plan.example").out.find(planText + "--- a/"), 0u);

    auto shown = json::parse(DryRun(kList, "json").out);
    EXPECT_EQ(shown["plan"], json::array({"link set x0 down", "route add 10.1.0.0/16 via 10.2.0.1"}));
    EXPECT_EQ(json::parse(Batch(std::string(kList) + "\n# a comment\n" + kList + "\n", true).out)["plan"].size(), 2u);
    EXPECT_EQ(lines, (std::vector<int>{1, 3}));
}

// The duplicate check of an added route holds for single commands in one process too.
TEST_F(BatchThroughFramework, AddedRoutesAreCheckedAgainstEveryEarlierCommand) {
    auto first = cli.Invoke("network ip route ipv4 add -n 10.96.0.0/16 -g 10.20.0.254");
    EXPECT_EQ(first.status, 0);
    auto again = cli.Invoke("network ip route ipv4 add -n 10.96.0.0/16 -g 10.20.0.254");
    EXPECT_EQ(TalixTest::Errors(again), std::vector<std::string>{"A route to 10.96.0.0/16 already exists"});
    EXPECT_EQ(cli.Invoke("network ip route ipv4 remove -n 10.96.0.0/16 -g 10.20.0.254").status, 0);
    EXPECT_EQ(cli.Invoke("network ip route ipv4 add -n 10.96.0.0/16 -g 10.20.0.254").status, 0);
}

}  // namespace
