// The simulated host's persistence: defaults, round trips, refusal of broken
// files, atomic and journalled replacement, locking, and fault injection.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <map>
#include <stdexcept>

#include "core/Backends.h"
#include "core/Faults.h"
#include "core/HostStore.h"
#include "core/SimHostTesting.h"
#include "ip/WorldNames.h"
#include "kavrel/Lib.h"
#include "model/FirewallModel.h"
#include "model/IpStackModel.h"
#include "model/LmxNicModel.h"
#include "simhost/HostFailure.h"
#include "support/CliHarness.h"
#include "support/ModelJson.h"

namespace {

using Kavrel::Lib::KavrelException;
using SimHost::FirewallModel;
using SimHost::HostStore;
using TalixTest::TempHostRoot;

std::vector<std::string> FilesUnder(const std::string& root) {
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
        if (entry.is_regular_file()) files.push_back(std::filesystem::relative(entry.path(), root).string());
    }
    std::sort(files.begin(), files.end());
    return files;
}

// Opens root as the host, holding an enabled firewall and these other files.
void OpenRoot(TempHostRoot& root, const std::map<std::string, std::string>& files = {}) {
    root.WriteSection("firewall", {{"enabled", true}});
    for (const auto& [path, content] : files) root.WriteFile(path, content);
    SimHost::UseHostRoot(root.Path());
}

TEST(HostStore, AMissingFieldTakesItsDefaultAndAChangeWritesTheWholeSection) {
    TempHostRoot root;
    root.WriteSection("firewall", {{"enabled", false}, {"rulesets", {{{"id", "only"}}}}});
    SimHost::UseHostRoot(root.Path());
    const auto& firewall = HostStore::Instance().Read<FirewallModel>();
    EXPECT_FALSE(firewall.enabled);
    EXPECT_TRUE(firewall.moduleLoaded);
    EXPECT_EQ(firewall.moduleName, "talixfw");
    ASSERT_EQ(firewall.rulesets.size(), 1u);
    EXPECT_TRUE(firewall.rulesets[0].allowedAll);

    HostStore::Instance().Update<FirewallModel>([](FirewallModel& model) { model.defaultActionPass = true; });
    SimHost::UseHostRoot(root.Path());  // a fresh process view
    EXPECT_TRUE(HostStore::Instance().Read<FirewallModel>().defaultActionPass);
    EXPECT_FALSE(HostStore::Instance().Read<FirewallModel>().enabled);
    EXPECT_EQ(root.ReadSection("firewall")["rulesets"][0]["id"], "only");
}

TEST(HostStore, ARefusedChangeWritesNothing) {
    TempHostRoot root;
    OpenRoot(root);
    std::string before = root.ReadFile("state/firewall.json");
    EXPECT_THROW(HostStore::Instance().Update<FirewallModel>([](FirewallModel& model) {
        model.enabled = false;
        throw KavrelException("refused");
    }),
                 KavrelException);
    EXPECT_TRUE(HostStore::Instance().Read<FirewallModel>().enabled);
    EXPECT_EQ(root.ReadFile("state/firewall.json"), before);
}

TEST(HostStore, AnUnparsableFileIsNamedInTheMessageAndNeverOverwritten) {
    for (const auto& [broken, problem] : std::vector<std::pair<std::string, std::string>>{
             {"{\"enabled\": tru", "at byte 13: expected 'true'"},
             {"{\"enabled\": \"yes\"}", "at byte 13: type must be boolean, but is string"},
             {"[1,2]", "at byte 1: type must be object, but is array"}}) {
        TempHostRoot root;
        root.WriteFile("state/firewall.json", broken);
        SimHost::UseHostRoot(root.Path());
        EXPECT_EQ(TalixTest::FailureOf([] {
                      HostStore::Instance().Update<FirewallModel>([](FirewallModel& model) { model.enabled = false; });
                  }),
                  "Host state file " + root.Path() + "/state/firewall.json is not valid: " + problem);
        EXPECT_EQ(root.ReadFile("state/firewall.json"), broken);
    }
}

// An integer field given a number it cannot hold (1e99 for an int) used to be
// converted regardless: undefined behaviour, found by fuzzing the loader.
TEST(HostStore, NumbersMustBeWholeAndInRangeWholeOnesWithAFractionPartAreTaken) {
    auto interfaces = [](const std::string& mtu) {
        return std::map<std::string, std::string>{
            {"state/lmxnics.json", "{\"lmxnics\": [{\"name\": \"lmx9\", \"mtu\": " + mtu + "}]}"}};
    };
    for (const std::string bad : {"1e99", "-1e300", "1500.5", "1e16"}) {
        SimHost::UseMemoryHost({}, interfaces(bad));
        const std::string problem = "the number " + bad + " is not a whole number in range (at byte 38)";
        EXPECT_EQ(TalixTest::FailureOf([] { HostStore::Instance().Read<SimHost::LmxNicInventory>(); }),
                  "Host state file memory:state/lmxnics.json is not valid: " + problem);
    }
    for (const std::string whole : {"9000", "9000.0", "9e3"}) {
        SimHost::UseMemoryHost({}, interfaces(whole));
        EXPECT_EQ(HostStore::Instance().Read<SimHost::LmxNicInventory>().lmxnics.at(0).mtu, 9000) << whole;
    }
}

TEST(HostStore, ANumberOutOfRangeFailsTheCommandAndLeavesTheFileAlone) {
    TempHostRoot root;
    for (const auto& [mtu, problem] : std::vector<std::pair<std::string, std::string>>{
             {"1e99", "the number 1e99 is not a whole number in range (at byte 38)"},
             {"3e10", "the number 3e10 is out of range for its field (at byte 38)"},
             {"4294967296", "the number 4294967296 is out of range for its field (at byte 38)"}}) {
        const std::string broken = "{\"lmxnics\": [{\"name\": \"lmx9\", \"mtu\": " + mtu + "}]}";
        root.WriteFile("state/lmxnics.json", broken);
        for (const std::string command : {"--formatter=json network ip interface list",
                                          "network ip interface set --interface-name lmx9 --mtu 9000"}) {
            auto result = TalixTest::RunOnHost(root, command);
            EXPECT_NE(result.status, 0) << command;
            EXPECT_NE(result.err.find("state/lmxnics.json is not valid: " + problem), std::string::npos)
                << command << ": " << result.err;
            EXPECT_EQ(root.ReadFile("state/lmxnics.json"), broken);
        }
    }
}

TEST(HostStore, AnEmptyHostRootGetsTheDemoHostAndAFixtureRootDoesNot) {
    TempHostRoot empty;
    SimHost::UseHostRoot(empty.Path());
    EXPECT_FALSE(HostStore::Instance().Read<FirewallModel>().rulesets.empty());
    auto files = FilesUnder(empty.Path());
    EXPECT_NE(std::find(files.begin(), files.end(), "state/firewall.json"), files.end());
    EXPECT_NE(std::find(files.begin(), files.end(), "state/pnics.json"), files.end());

    TempHostRoot fixture;
    fixture.WriteSection("pnics", {{"pnics", nlohmann::json::array()}});
    SimHost::UseHostRoot(fixture.Path());
    EXPECT_TRUE(HostStore::Instance().Read<FirewallModel>().rulesets.empty());
}

TEST(HostStore, ChangesLeaveNoTemporaryFilesBehind) {
    TempHostRoot root;
    OpenRoot(root);
    SimHost::Transaction transaction(HostStore::Instance());
    transaction.Edit<FirewallModel>().enabled = false;
    transaction.WriteText("etc/hosts", "127.0.0.1 localhost\n");
    transaction.Commit();
    EXPECT_EQ(FilesUnder(root.Path()), (std::vector<std::string>{".lock", "etc/hosts", "state/firewall.json"}));
    EXPECT_EQ(root.ReadFile("etc/hosts"), "127.0.0.1 localhost\n");
}

// A change given up half made inside a command's transaction (its section
// edited, then an exception before its commit) marks the transaction: at its
// end nothing is written, and the command is told so.
TEST(HostStore, AChangeGivenUpHalfMadeKeepsTheWholeTransactionFromTheHost) {
    TempHostRoot root;
    OpenRoot(root);
    const std::string before = root.ReadFile("state/firewall.json");
    auto& store = HostStore::Instance();
    store.BeginTransaction(false);
    store.Update<FirewallModel>([](FirewallModel& firewall) { firewall.rulesets.emplace_back(); });
    try {
        SimHost::Transaction transaction(store);
        transaction.Edit<FirewallModel>().enabled = false;
        throw std::runtime_error("given up");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(TalixTest::FailureOf([&] { store.EndTransaction(true); }),
              "A change failed part way through; nothing was changed.");
    EXPECT_EQ(root.ReadFile("state/firewall.json"), before);
    SimHost::UseMemoryHost();
}

TEST(HostStore, NewFilesOfAProcessKilledBeforeItsJournalAreRemovedByTheNextChange) {
    TempHostRoot root;
    // Killed after writing its new files, before the journal: the host never saw them.
    OpenRoot(root, {{"state/firewall.json.tmp.4242", "{\"enabled\": false}\n"},
                    {"state/routes.json.tmp.17", "{}\n"},
                    {"state/notes.tmp.x", "not ours\n"},
                    {"state/.tmp.5", "not ours either\n"}});
    EXPECT_TRUE(HostStore::Instance().Read<FirewallModel>().enabled);
    HostStore::Instance().Update<FirewallModel>([](FirewallModel& firewall) { firewall.enabled = false; });
    EXPECT_EQ(FilesUnder(root.Path()),
              (std::vector<std::string>{".lock", "state/.tmp.5", "state/firewall.json", "state/notes.tmp.x"}));
    EXPECT_FALSE(HostStore::Instance().Read<FirewallModel>().enabled);
}

TEST(HostStore, AJournalLeftByACrashIsFinishedByTheNextProcess) {
    TempHostRoot root;
    // A crash after the journal was written: both new files are ready, one was renamed.
    OpenRoot(root, {{"state/firewall.json.tmp.99", "{\"enabled\": false}\n"},
                    {"etc/hosts", "new\n"},
                    {".journal", "W state/firewall.json.tmp.99 state/firewall.json\nW etc/hosts.tmp.99 etc/hosts\n"}});
    EXPECT_FALSE(HostStore::Instance().Read<FirewallModel>().enabled);
    EXPECT_EQ(root.ReadFile("etc/hosts"), "new\n");
    EXPECT_FALSE(std::filesystem::exists(root.Path() + "/.journal"));
}

TEST(HostStore, ConcurrentProcessesLoseNoUpdate) {
    TempHostRoot root;
    root.WriteSection("firewall", {{"rulesets", {{{"id", "shared"}, {"clients", 0}}}}});
    const int kProcesses = 20;
    std::vector<pid_t> children;
    for (int i = 0; i < kProcesses; ++i) {
        pid_t child = ::fork();
        if (child == 0) {
            SimHost::UseHostRoot(root.Path());
            HostStore::Instance().SetMayChange(true);
            HostStore::Instance().Update<FirewallModel>([](FirewallModel& model) { ++model.rulesets[0].clients; });
            ::_exit(0);
        }
        children.push_back(child);
    }
    for (pid_t child : children) {
        int status = 0;
        ::waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    EXPECT_EQ(root.ReadSection("firewall")["rulesets"][0]["clients"], kProcesses);
}

TEST(HostStore, AReaderThatTurnsOutToWriteIsRefusedWhenSomeoneWroteMeanwhile) {
    TempHostRoot root;
    OpenRoot(root);
    HostStore::Instance().SetMayChange(false);
    HostStore::Instance().Read<FirewallModel>();  // shared lock taken
    pid_t child = ::fork();
    if (child == 0) {
        SimHost::UseHostRoot(root.Path());
        HostStore::Instance().Update<FirewallModel>([](FirewallModel& model) { model.enabled = false; });
        ::_exit(0);
    }
    // The writer waits for our shared lock; give it time to queue, then try to write.
    ::usleep(100000);
    int status = 0;
    EXPECT_EQ(::waitpid(child, &status, WNOHANG), 0);  // still blocked by our lock
    SimHost::UseHostRoot(root.Path());                 // releases our lock: the writer proceeds
    ::waitpid(child, &status, 0);
    EXPECT_FALSE(root.ReadSection("firewall")["enabled"].get<bool>());
}

// Every commit moves the counter in the lock file on; a reader that turns out
// to write compares it with the one it read under its shared lock. Here the
// counter moves as another command's commit would move it.
TEST(HostStore, AReaderThatTurnsOutToWriteAfterTheCounterMovedIsRefused) {
    TempHostRoot root;
    OpenRoot(root);
    HostStore::Instance().SetMayChange(false);
    HostStore::Instance().Read<FirewallModel>();  // shared lock taken, counter read
    const int lock = ::open((root.Path() + "/.lock").c_str(), O_RDWR);
    ASSERT_GE(lock, 0);
    const uint64_t counter = 5;
    ASSERT_EQ(::pwrite(lock, &counter, sizeof(counter), 0), static_cast<ssize_t>(sizeof(counter)));
    ::close(lock);
    EXPECT_EQ(TalixTest::FailureOf([] {
                  HostStore::Instance().Update<FirewallModel>([](FirewallModel& model) { model.enabled = false; });
              }),
              "The host was changed by another command while this one ran; nothing was changed. Run the command "
              "again.");
    SimHost::UseHostRoot(root.Path());
    EXPECT_TRUE(root.ReadSection("firewall")["enabled"].get<bool>());
}

TEST(HostStore, ViewsOfASectionReadTheirFieldsAndFollowEveryChange) {
    TempHostRoot root;
    root.WriteSection("routes",
                      {{"tables",
                        {{{"netstack", "defaultTcpipStack"},
                          {"ipv4Gateway", "10.0.0.1"},
                          {"ipv4Routes", {{{"network", "10.1.0.0/16"}}}},
                          {"ipv6Routes", {{{"network", "fd00::/64"}, {"extra", {1, {{"x", "\u00e9"}}}}}}}}}}});
    SimHost::UseHostRoot(root.Path());
    auto& store = HostStore::Instance();
    const auto& ipv4 = store.Read<SimHost::Ipv4RoutingView>();
    ASSERT_EQ(ipv4.tables.size(), 1u);
    EXPECT_EQ(ipv4.tables[0].ipv4Gateway, "10.0.0.1");
    EXPECT_EQ(ipv4.tables[0].ipv4GatewaySource, "MANUAL");  // the whole model's default
    EXPECT_EQ(ipv4.tables[0].ipv4Routes.at(0).network, "10.1.0.0/16");
    EXPECT_EQ(store.Read<SimHost::Ipv6RoutingView>().tables.at(0).ipv6Routes.at(0).network, "fd00::/64");

    // A change through the whole model replaces the views, also while the
    // command's changes are held back from the disk.
    store.BeginChanges();
    store.Update<SimHost::RoutingTables>([](SimHost::RoutingTables& tables) {
        tables.tables[0].ipv4Routes.push_back({"10.2.0.0/16", "10.0.0.2", "lmx0"});
        tables.tables[0].ipv6Routes.clear();
    });
    EXPECT_EQ(store.Read<SimHost::Ipv4RoutingView>().tables.at(0).ipv4Routes.size(), 2u);
    EXPECT_TRUE(store.Read<SimHost::Ipv6RoutingView>().tables.at(0).ipv6Routes.empty());
    store.FinishChanges();
    SimHost::UseHostRoot(root.Path());  // a fresh process reads the file
    EXPECT_EQ(HostStore::Instance().Read<SimHost::Ipv4RoutingView>().tables.at(0).ipv4Routes.at(1).gateway, "10.0.0.2");

    // A view still refuses a broken file, the part it skips included.
    root.WriteFile("state/routes.json", R"({"tables": [{"ipv6Routes": [{"network": "a\x"}]}]})");
    SimHost::UseHostRoot(root.Path());
    EXPECT_THROW(HostStore::Instance().Read<SimHost::Ipv4RoutingView>(), KavrelException);
}

// World names come from the worlds alone while the sockets are not needed, and
// from the whole section once a socket listing decoded it: the same names either way.
TEST(HostStore, WorldNamesReadTheWorldsAloneAndFollowChanges) {
    TempHostRoot root;
    root.WriteSection(
        "connections",
        {{"connections", {{{"protocol", "tcp"}, {"worldId", 7}}}},
         {"worlds",
          {{{"id", 7}, {"name", "first"}}, {{"id", 7}, {"name", "second"}}, {{"id", 8}, {"name", "other"}}}}});
    SimHost::UseHostRoot(root.Path());
    auto& store = HostStore::Instance();
    ASSERT_NE(SimHost::StoredWorldName(7), nullptr);
    EXPECT_EQ(*SimHost::StoredWorldName(7), "first");  // the first entry of an ID
    EXPECT_EQ(SimHost::StoredWorldName(9), nullptr);
    EXPECT_FALSE(store.IsLoaded<SimHost::ConnectionTable>());  // the sockets were skipped
    EXPECT_EQ(store.Read<SimHost::ConnectionTable>().connections.size(), 1u);
    EXPECT_EQ(*SimHost::StoredWorldName(8), "other");
    EXPECT_EQ(*SimHost::StoredWorldName(7), "first");

    store.Update<SimHost::ConnectionTable>(
        [](SimHost::ConnectionTable& table) { table.worlds.erase(table.worlds.begin()); });
    EXPECT_EQ(*SimHost::StoredWorldName(7), "second");
    SimHost::UseHostRoot(root.Path());  // a fresh process reads the worlds alone
    EXPECT_EQ(*SimHost::StoredWorldName(7), "second");

    // Skipped sockets must still be valid JSON.
    root.WriteFile("state/connections.json", R"({"connections": [{"protocol": "a\x"}], "worlds": []})");
    SimHost::UseHostRoot(root.Path());
    EXPECT_THROW(SimHost::StoredWorldName(7), KavrelException);
}

TEST(FaultInjection, WorksEndToEndThroughTheStateFile) {
    TempHostRoot root;
    root.WriteSection("firewall", {{"enabled", true}});
    root.WriteSection("faults", {{"SystemInfoImpl::SetFirewallEnabled", "Operation not permitted on this host"}});
    auto result = TalixTest::RunOnHost(root, "network firewall set --enabled false");
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, "Operation not permitted on this host\n");
    EXPECT_TRUE(root.ReadSection("firewall")["enabled"].get<bool>());
}

}  // namespace
