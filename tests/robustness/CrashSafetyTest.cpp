// talixcli killed with SIGKILL at random points of changing commands: after
// each kill the host still loads, and every host file is as it was before
// the change or as the finished change leaves it, never a mix. Changes of
// one file and changes of several files (through the journal) are covered.
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <random>
#include <thread>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "robustness/RobustnessSupport.h"
#include "support/CliHarness.h"

namespace {

using nlohmann::json;
using TalixRobustness::HostFiles;
using TalixTest::RunTalixcli;
using TalixTest::TempHostRoot;

// A change that can be made and undone, and how to see which state holds.
struct Toggle {
    std::string name;
    std::string make, undo;
    std::string read;    // a read command whose JSON output shows the object
    std::string object;  // the text that appears in it when the change is made
};

const std::vector<Toggle>& Toggles() {
    static const std::vector<Toggle> toggles = {
        // Interfaces: the interface table and the switch's ports, two sections.
        {"interface", "network ip interface add -i lmx9 -p \"Guest Traffic\"", "network ip interface remove -i lmx9",
         "network ip interface list", "\"lmx9\""},
        // Netstacks: removing one clears routes, neighbors, connections and its resolver file.
        {"netstack", "network ip netstack add -N crashNet", "network ip netstack remove -N crashNet",
         "network ip netstack list", "\"crashNet\""},
        // The hosts table: etc/hosts alone.
        {"hosts", "network ip hosts add -I 10.77.0.5 -H crash.example -A crash",
         "network ip hosts remove -I 10.77.0.5 -H crash.example", "network ip hosts list", "\"crash.example\""},
        // A route: one section.
        {"route", "network ip route ipv4 add -n 10.77.0.0/16 -g 10.20.0.254",
         "network ip route ipv4 remove -n 10.77.0.0/16 -g 10.20.0.254", "network ip route ipv4 list", "\"10.77.0.0\""},
        // DNS servers of a netstack: its resolver file.
        {"dns", "network ip dns server add -s 10.20.0.99", "network ip dns server remove -s 10.20.0.99",
         "network ip dns server list", "\"10.20.0.99\""},
    };
    return toggles;
}

// The words of a command line, after "--formatter=json".
std::vector<std::string> WithJson(const std::string& commandLine) {
    return TalixTest::SplitWords("--formatter=json " + commandLine);
}

// Whether the object is there, read through talixcli (which also finishes a
// journalled change the killed run left behind).
bool ObjectShown(const TempHostRoot& root, const Toggle& toggle, std::string& problem) {
    auto result = RunTalixcli(WithJson(toggle.read), {{"TALIX_HOST_ROOT", root.Path()}});
    if (result.status != 0 || !json::accept(result.out)) {
        problem = "read after the kill failed with exit " + std::to_string(result.status) + ": " + result.err;
        return false;
    }
    return result.out.find(toggle.object) != std::string::npos;
}

long long ElapsedMicroseconds(std::chrono::steady_clock::time_point since) {
    return std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - since).count();
}

TEST(CrashSafety, KilledChangesLeaveTheOldOrTheNewStateAndTheHostLoads) {
    const int kills = TalixRobustness::Scaled(20, 200);
    TempHostRoot root;
    TempHostRoot scratchParent;
    ASSERT_EQ(TalixTest::RunOnHost(root, "network nic list").status, 0);
    std::mt19937 random(20261205);
    int endedOld = 0, endedNew = 0, finishedFirst = 0;

    for (int kill = 0; kill < kills; ++kill) {
        const Toggle& toggle = Toggles()[static_cast<size_t>(kill) % Toggles().size()];
        std::string problem;
        bool made = ObjectShown(root, toggle, problem);
        ASSERT_EQ(problem, "");
        const auto& change = made ? toggle.undo : toggle.make;
        const std::string what = toggle.name + (made ? " undo" : " make") + " (kill " + std::to_string(kill) + ")";

        // The state before, and the state the change leaves when it finishes
        // (made on a copy of the host).
        HostFiles before = TalixRobustness::WithoutLeftovers(TalixRobustness::Snapshot(root.Path()));
        const std::string scratch = scratchParent.Path() + "/copy" + std::to_string(kill);
        TalixRobustness::CopyHost(root.Path(), scratch);
        auto started = std::chrono::steady_clock::now();
        auto finished = RunTalixcli(WithJson(change), {{"TALIX_HOST_ROOT", scratch}});
        long long duration = ElapsedMicroseconds(started);
        ASSERT_EQ(finished.status, 0) << what << ": " << finished.err;
        HostFiles after = TalixRobustness::WithoutLeftovers(TalixRobustness::Snapshot(scratch));
        ASSERT_NE(TalixRobustness::Difference(before, after), "") << what << " changed nothing";

        // The same change, killed somewhere between its start and a little
        // after the time a whole run takes.
        std::uniform_int_distribution<long long> delay(0, duration + duration / 4);
        pid_t child = TalixRobustness::SpawnTalixcli(WithJson(change), root.Path());
        std::this_thread::sleep_for(std::chrono::microseconds(delay(random)));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        if (WIFEXITED(status)) ++finishedFirst;

        bool shown = ObjectShown(root, toggle, problem);
        ASSERT_EQ(problem, "") << what;
        HostFiles now = TalixRobustness::WithoutLeftovers(TalixRobustness::Snapshot(root.Path()));
        bool isOld = TalixRobustness::Difference(before, now).empty();
        bool isNew = TalixRobustness::Difference(after, now).empty();
        ASSERT_TRUE(isOld || isNew) << what << ": neither the old nor the new state.\nAgainst the old state:\n"
                                    << TalixRobustness::Difference(before, now) << "Against the new state:\n"
                                    << TalixRobustness::Difference(after, now);
        // The read agrees with the files.
        EXPECT_EQ(shown, isNew ? !made : made) << what;
        (isNew ? endedNew : endedOld) += 1;
        std::filesystem::remove_all(scratch);
    }
    std::cout << kills << " kills: " << endedOld << " left the old state, " << endedNew << " the new one ("
              << finishedFirst << " runs had finished before the kill)\n";
    // The delays reach into the change itself: both outcomes occur.
    EXPECT_GT(endedOld, 0);
    EXPECT_GT(endedNew, 0);
}

// The first use of an empty host root writes the whole demo host. A run
// killed while doing so leaves a root that the next run still fills: never a
// host with only some of the demo files.
TEST(CrashSafety, KilledFirstUseLeavesAnEmptyRootOrTheWholeDemoHost) {
    const int kills = TalixRobustness::Scaled(10, 60);
    TempHostRoot reference;
    ASSERT_EQ(TalixTest::RunOnHost(reference, "network nic list").status, 0);
    const HostFiles demo = TalixRobustness::Snapshot(reference.Path());
    auto started = std::chrono::steady_clock::now();
    {
        TempHostRoot timing;
        ASSERT_EQ(TalixTest::RunOnHost(timing, "network nic list").status, 0);
    }
    long long duration = ElapsedMicroseconds(started);
    std::mt19937 random(5122026);
    std::uniform_int_distribution<long long> delay(0, duration + duration / 4);
    for (int kill = 0; kill < kills; ++kill) {
        TempHostRoot root;
        pid_t child = TalixRobustness::SpawnTalixcli({"network", "nic", "list"}, root.Path());
        std::this_thread::sleep_for(std::chrono::microseconds(delay(random)));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        auto read = TalixTest::RunOnHost(root, "--formatter=json network nic list");
        ASSERT_EQ(read.status, 0) << "kill " << kill << ": " << read.err;
        HostFiles now = TalixRobustness::WithoutLeftovers(TalixRobustness::Snapshot(root.Path()));
        ASSERT_EQ(TalixRobustness::Difference(demo, now), "") << "kill " << kill;
    }
}

// A batch killed at any point, while its lines run or while it writes their
// changes, leaves the host as it was before the batch or as the whole batch
// leaves it: never the changes of some lines only.
TEST(CrashSafety, KilledBatchLeavesTheHostAsBeforeOrWhollyChanged) {
    const int kills = TalixRobustness::Scaled(12, 100);
    TempHostRoot root;
    TempHostRoot scratchParent;
    ASSERT_EQ(TalixTest::RunOnHost(root, "network nic list").status, 0);
    // Changes of several sections and files, and many lines before them.
    std::string batch;
    for (int i = 0; i < 100; ++i)
        batch += "network ip route ipv4 add -n 10.66." + std::to_string(i) + ".0/24 -g 10.20.0.254\n";
    batch +=
        "network ip interface add -i lmx9 -p 'Guest Traffic'\n"
        "network ip netstack add -N crashBatch\n"
        "network ip hosts add -I 10.66.0.5 -H batch.example\n"
        "network ip dns server add -s 10.20.0.97\n";
    const std::string batchFile = scratchParent.Path() + "/batch";
    std::ofstream(batchFile) << batch;
    const std::vector<std::string> run = {"--formatter=json", "--batch=" + batchFile};

    const HostFiles before = TalixRobustness::WithoutLeftovers(TalixRobustness::Snapshot(root.Path()));
    const std::string scratch = scratchParent.Path() + "/copy";
    TalixRobustness::CopyHost(root.Path(), scratch);
    auto started = std::chrono::steady_clock::now();
    auto finished = RunTalixcli(run, {{"TALIX_HOST_ROOT", scratch}});
    const long long duration = ElapsedMicroseconds(started);
    ASSERT_EQ(finished.status, 0) << finished.err;
    const HostFiles after = TalixRobustness::WithoutLeftovers(TalixRobustness::Snapshot(scratch));
    ASSERT_NE(TalixRobustness::Difference(before, after), "");

    std::mt19937 random(6122026);
    std::uniform_int_distribution<long long> delay(0, duration + duration / 4);
    int endedOld = 0, endedNew = 0;
    for (int kill = 0; kill < kills; ++kill) {
        TalixRobustness::Restore(root.Path(), before);
        pid_t child = TalixRobustness::SpawnTalixcli(run, root.Path());
        std::this_thread::sleep_for(std::chrono::microseconds(delay(random)));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        // A read finishes whatever the journal of a killed commit holds.
        auto read = TalixTest::RunOnHost(root, "--formatter=json network ip route ipv4 list");
        ASSERT_EQ(read.status, 0) << "kill " << kill << ": " << read.err;
        HostFiles now = TalixRobustness::WithoutLeftovers(TalixRobustness::Snapshot(root.Path()));
        const bool isOld = TalixRobustness::Difference(before, now).empty();
        const bool isNew = TalixRobustness::Difference(after, now).empty();
        ASSERT_TRUE(isOld || isNew) << "kill " << kill << ": neither the old nor the new state.\nAgainst the old:\n"
                                    << TalixRobustness::Difference(before, now) << "Against the new:\n"
                                    << TalixRobustness::Difference(after, now);
        (isNew ? endedNew : endedOld) += 1;
    }
    std::cout << kills << " kills of a batch: " << endedOld << " left the old state, " << endedNew << " the new one\n";
    EXPECT_GT(endedOld, 0);
}

}  // namespace
