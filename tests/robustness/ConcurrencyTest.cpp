// Several talixcli processes change one host root at the same time: every
// change must be visible afterwards, and no run may fail for any reason but
// a refusal of the host itself. A reader runs alongside and must always see
// a host that loads.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include <fstream>
#include <set>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "robustness/RobustnessSupport.h"
#include "support/CliHarness.h"

namespace {

using nlohmann::json;
using TalixTest::RunTalixcli;
using TalixTest::TempHostRoot;

// The change a worker makes at one step; each is distinct across workers.
struct Change {
    std::string command;
    std::string kind;  // route4, route6, host, allowedip
    std::string key;   // what must be listed afterwards
    std::vector<std::string> Args() const { return TalixTest::SplitWords(command); }
};

Change ChangeOf(int worker, int step) {
    const std::string w = std::to_string(worker);
    const std::string s = std::to_string(step);
    const std::string route4 = "10." + std::to_string(100 + worker) + "." + s + ".0";
    const std::string host = "w" + w + "-" + s + ".example";
    const std::string address = "10.88." + w + "." + s;
    const std::string route6 = "2001:db8:a" + w + ":" + s + "::";
    switch (step % 4) {
    case 0: return {"network ip route ipv4 add -n " + route4 + "/24 -g 10.20.0.254", "route4", route4};
    case 1: return {"network ip hosts add -I 10.77." + w + "." + s + " -H " + host, "host", host};
    case 2: return {"network firewall ruleset allowedip add -r sshServer -i " + address, "allowedip", address};
    default: return {"network ip route ipv6 add -n " + route6 + "/64 -g 2001:db8:20::fe", "route6", route6};
    }
}

// Runs in a forked worker: the worker's changes in order, one line per
// failure into the report file.
void RunWorker(const TempHostRoot& root, int worker, int steps, const std::string& report) {
    std::ofstream out(report);
    for (int step = 0; step < steps; ++step) {
        Change change = ChangeOf(worker, step);
        auto result = RunTalixcli(TalixTest::SplitWords("--formatter=json " + change.command),
                                  {{"TALIX_HOST_ROOT", root.Path()}});
        if (result.status != 0) {
            out << "worker " << worker << " step " << step << " (" << change.kind << " " << change.key << ") exit "
                << result.status << ": " << result.err;
        }
    }
}

// Runs in a forked reader: list commands until told to stop (the stop file).
void RunReader(const TempHostRoot& root, const std::string& stopFile, const std::string& report) {
    std::ofstream out(report);
    const std::vector<std::vector<std::string>> reads = {
        {"--formatter=json", "network", "ip", "route", "ipv4", "list"},
        {"--formatter=json", "network", "ip", "hosts", "list"},
        {"--formatter=json", "network", "firewall", "ruleset", "allowedip", "list"},
    };
    for (size_t i = 0; ::access(stopFile.c_str(), F_OK) != 0; ++i) {
        auto result = RunTalixcli(reads[i % reads.size()], {{"TALIX_HOST_ROOT", root.Path()}});
        if (result.status != 0 || !json::accept(result.out)) {
            out << "reader exit " << result.status << ": " << result.err;
        }
    }
}

std::set<std::string> Listed(const TempHostRoot& root, const std::vector<std::string>& command, const char* field) {
    std::vector<std::string> args = {"--formatter=json"};
    args.insert(args.end(), command.begin(), command.end());
    auto result = RunTalixcli(args, {{"TALIX_HOST_ROOT", root.Path()}});
    EXPECT_EQ(result.status, 0) << result.err;
    std::set<std::string> values;
    for (const auto& entry : json::parse(result.out)) {
        const auto& value = entry.at(field);
        if (value.is_array()) {
            for (const auto& item : value) values.insert(item.get<std::string>());
        } else {
            values.insert(value.get<std::string>());
        }
    }
    return values;
}

// The changes of the first `workers` workers that the host no longer lists,
// each reported as a failure.
int LostChanges(const TempHostRoot& root, int workers, int steps) {
    auto routes4 = Listed(root, {"network", "ip", "route", "ipv4", "list"}, "Network");
    auto routes6 = Listed(root, {"network", "ip", "route", "ipv6", "list"}, "Network");
    auto hosts = Listed(root, {"network", "ip", "hosts", "list"}, "HostName");
    auto allowed = Listed(root, {"network", "firewall", "ruleset", "allowedip", "list", "-r", "sshServer"},
                          "Allowed IP Addresses");
    int lost = 0;
    for (int worker = 0; worker < workers; ++worker) {
        for (int step = 0; step < steps; ++step) {
            Change change = ChangeOf(worker, step);
            const auto& listed = change.kind == "route4"   ? routes4
                                 : change.kind == "route6" ? routes6
                                 : change.kind == "host"   ? hosts
                                                           : allowed;
            if (listed.count(change.key)) continue;
            ++lost;
            ADD_FAILURE() << "lost: worker " << worker << " step " << step << " " << change.kind << " " << change.key;
        }
    }
    return lost;
}

// The words of a command as one batch line, each single-quoted.
std::string BatchLine(const std::vector<std::string>& words) {
    std::string line;
    for (const auto& word : words) line += (line.empty() ? "'" : " '") + word + "'";
    return line + "\n";
}

// Runs in a forked worker: all of the worker's changes as one batch.
void RunBatchWorker(const TempHostRoot& root, int worker, int steps, const std::string& file,
                    const std::string& report) {
    {
        std::ofstream batch(file);
        for (int step = 0; step < steps; ++step) batch << BatchLine(ChangeOf(worker, step).Args());
    }
    auto result = RunTalixcli({"--formatter=json", "--batch=" + file}, {{"TALIX_HOST_ROOT", root.Path()}});
    std::ofstream out(report);
    if (result.status != 0) out << "batch " << worker << " exit " << result.status << ": " << result.err;
}

// Workers of single commands and workers of batches at once, with a reader
// alongside: each batch is one change under the exclusive lock, so nothing
// of any of them is lost, and the reader always sees a host that loads.
TEST(Concurrency, ParallelWritersAndBatchesLoseNoChangeAndReadersAlwaysLoad) {
    const int singles = TalixRobustness::Scaled(4, 8);
    const int workers = singles + TalixRobustness::Scaled(4, 8);
    const int steps = TalixRobustness::Scaled(12, 50);
    TempHostRoot root;
    TempHostRoot reports;  // a scratch directory for the workers' reports and batches
    ASSERT_EQ(TalixTest::RunOnHost(root, "network nic list").status, 0);

    std::vector<pid_t> children;
    for (int worker = 0; worker < workers; ++worker) {
        pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            const std::string report = reports.Path() + "/worker" + std::to_string(worker);
            if (worker < singles)
                RunWorker(root, worker, steps, report);
            else
                RunBatchWorker(root, worker, steps, reports.Path() + "/batch" + std::to_string(worker), report);
            ::_exit(0);
        }
        children.push_back(child);
    }
    const std::string stopFile = reports.Path() + "/stop";
    pid_t reader = ::fork();
    ASSERT_GE(reader, 0);
    if (reader == 0) {
        RunReader(root, stopFile, reports.Path() + "/reader");
        ::_exit(0);
    }
    for (pid_t child : children) {
        int status = 0;
        ::waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    std::ofstream(stopFile) << "stop";
    ::waitpid(reader, nullptr, 0);

    std::string failures = reports.ReadFile("reader");
    for (int worker = 0; worker < workers; ++worker) {
        failures += reports.ReadFile("worker" + std::to_string(worker));
    }
    EXPECT_EQ(failures, "");
    EXPECT_EQ(LostChanges(root, workers, steps), 0);
    // Nothing half-written is left behind by runs that all finished.
    for (const auto& file : TalixRobustness::Snapshot(root.Path())) {
        EXPECT_FALSE(TalixRobustness::IsLeftover(file.first)) << file.first;
        EXPECT_NE(file.first, ".journal");
    }
}

// A reader whose output nobody reads holds no lock: it lets go of the host
// once its results are built, before it writes, so a writer goes ahead while
// the reader is still blocked on its full pipe. So in every mode: a single
// command, a dry run, a batch and a dry run of a batch.
TEST(Concurrency, AReaderBlockedOnItsOutputDoesNotBlockAWriter) {
    TempHostRoot root;
    ASSERT_EQ(TalixTest::RunOnHost(root, "network nic list").status, 0);
    // A hosts table whose listing is far larger than a pipe holds.
    std::string hosts = root.ReadFile("etc/hosts");
    for (int i = 0; i < 4000; ++i) {
        hosts += "10.60." + std::to_string(i / 250) + "." + std::to_string(i % 250 + 1) + "\tbulk" + std::to_string(i) +
                 ".example.com bulk" + std::to_string(i) + "\n";
    }
    root.WriteFile("etc/hosts", hosts);
    TempHostRoot files;
    const std::string batch = files.Path() + "/lists.batch";
    files.WriteFile("lists.batch", "network ip hosts list\nnetwork ip hosts list\n");

    const std::vector<std::vector<std::string>> readers = {
        {"--formatter=json", "network", "ip", "hosts", "list"},
        {"--dry-run", "network", "ip", "hosts", "list"},
        {"--formatter=json", "--dry-run", "network", "ip", "hosts", "list"},
        {"--batch=" + batch},
        {"--formatter=json", "--batch=" + batch},
        {"--dry-run", "--batch=" + batch},
    };
    const std::string setting[] = {"true", "false"};
    int round = 0;
    for (const auto& args : readers) {
        std::string shown;
        for (const auto& arg : args) shown += arg + " ";
        SCOPED_TRACE(shown);
        int output[2];
        ASSERT_EQ(::pipe(output), 0);
        pid_t reader = ::fork();
        ASSERT_GE(reader, 0);
        if (reader == 0) {
            ::dup2(output[1], 1);
            ::close(output[0]);
            ::setenv("TALIX_HOST_ROOT", root.Path().c_str(), 1);
            std::vector<char*> argv{const_cast<char*>(TALIXCLI_BINARY)};
            for (const auto& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
            argv.push_back(nullptr);
            ::execv(TALIXCLI_BINARY, argv.data());
            ::_exit(127);
        }
        ::close(output[1]);
        // The reader has started writing (and now waits on the full pipe).
        pollfd ready{output[0], POLLIN, 0};
        ASSERT_EQ(::poll(&ready, 1, 60000), 1);

        pid_t writer = TalixRobustness::SpawnTalixcli(
            {"network", "firewall", "set", "--default-action", setting[round++ % 2]}, root.Path());
        int writerStatus = 0;
        bool writerDone = false;
        for (int waited = 0; waited < 600 && !writerDone; ++waited) {  // up to a minute
            writerDone = ::waitpid(writer, &writerStatus, WNOHANG) == writer;
            if (!writerDone) std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        int readerStatus = 0;
        EXPECT_EQ(::waitpid(reader, &readerStatus, WNOHANG), 0) << "the reader should still wait on its output";
        EXPECT_TRUE(writerDone) << "the writer waited for the blocked reader's lock";

        // Unblock the reader: its whole output is still there.
        std::string text;
        char buffer[65536];
        for (ssize_t n; (n = ::read(output[0], buffer, sizeof(buffer))) > 0;) {
            text.append(buffer, static_cast<size_t>(n));
        }
        ::close(output[0]);
        ::waitpid(reader, &readerStatus, 0);
        if (!writerDone) ::waitpid(writer, &writerStatus, 0);
        EXPECT_TRUE(WIFEXITED(readerStatus) && WEXITSTATUS(readerStatus) == 0);
        EXPECT_TRUE(WIFEXITED(writerStatus) && WEXITSTATUS(writerStatus) == 0);
        if (&args == &readers.front()) {
            EXPECT_EQ(json::parse(text),
                      json::parse(TalixTest::RunOnHost(root, "--formatter=json network ip hosts list").out));
        } else {
            EXPECT_NE(text.find("bulk3999.example.com"), std::string::npos);
        }
    }
}

}  // namespace
