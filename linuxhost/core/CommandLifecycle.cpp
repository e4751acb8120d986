// The command lifecycle on a Linux host. The kernel holds the state and
// other programs change it at any time, so nothing is cached between
// commands and no lock is taken on it. The side store (core/SideStore.h) is
// driven as the simulated host's store is: its lock, its changes written
// when a command or batch ends, none in a dry run.
#include <exception>
#include <string>

#include "core/Changes.h"
#include "core/CommandScope.h"
#include "core/SideStore.h"
#include "hoststore/Backends.h"
#include "kavrel/Lib.h"
#include "parvik/PluginHooks.h"

namespace {
unsigned commandNumber = 0;
bool inTransaction = false;
}  // namespace

namespace LinuxHost {
unsigned CurrentCommand() { return commandNumber; }
void StartNextCommand() { ++commandNumber; }
}  // namespace LinuxHost

// A command alone keeps no way back once it has ended: its journal starts
// empty. In a batch the journal runs from the first line to the last.
extern "C" void AutoCli_BeginCommand(const char*, int changesHost) {
    if (!inTransaction) LinuxHost::ForgetPlannedChanges();
    LinuxHost::StartNextCommand();
    LinuxHost::UseSideStoreRoot();
    SimHost::HostStore::Instance().StartCommand(changesHost != 0);
}

namespace {

// Runs a step of the side store; the failure's text, or "".
template <typename Step>
std::string StoreProblem(Step&& step) {
    try {
        step(SimHost::HostStore::Instance());
        return "";
    } catch (const Kavrel::Lib::KavrelException& failure) {
        return failure.GetDescription();
    } catch (const std::exception& failure) {
        return failure.what();
    }
}
}  // namespace

// A command whose host operation failed has its earlier kernel changes taken
// back (a batch's are taken back with the batch). The side store's changes
// of the command are written now, and its lock let go.
extern "C" const char* AutoCli_EndCommand(const char*) {
    LinuxHost::StartNextCommand();
    const std::string undone = inTransaction ? std::string() : LinuxHost::TakeBackFailedCommand();
    const std::string problem = SimHost::HostStore::Instance().EndCommand();
    if (!undone.empty()) return KeepHookText(undone);
    return problem.empty() ? nullptr : KeepHookText(problem);
}

// A dry run sends nothing: each change is planned instead, and the plan is
// what the dry run shows.
extern "C" void AutoCli_BeginTransaction(int dry) {
    LinuxHost::ForgetPlannedChanges();
    LinuxHost::SetPlanning(dry != 0);
    inTransaction = true;
    LinuxHost::UseSideStoreRoot();
    SimHost::HostStore::Instance().BeginTransaction(dry != 0);
}

extern "C" void AutoCli_BatchLine(int line) { LinuxHost::SetBatchLine(line); }

// A batch whose line failed is dropped: the kernel has already made what
// the lines before it asked for, so those changes are taken back, newest
// first, and the stop line says which lines were and which could not be.
// The side store's changes are written with a batch that holds, else dropped.
extern "C" const char* AutoCli_EndTransaction(int commit) {
    const bool planned = LinuxHost::Planning();
    LinuxHost::SetPlanning(false);
    LinuxHost::SetBatchLine(0);
    inTransaction = false;
    const std::string stored = StoreProblem([commit](SimHost::HostStore& store) { store.EndTransaction(commit != 0); });
    if (!stored.empty()) {
        // The batch's tags could not be written: its kernel changes go too.
        const LinuxHost::UndoReport report = LinuxHost::UndoSince(0);
        LinuxHost::ForgetPlannedChanges();
        return KeepHookText(report.Empty() ? stored : stored + " (" + report.Describe() + ")");
    }
    if (commit || planned || LinuxHost::JournalSize() == 0) {
        LinuxHost::ForgetPlannedChanges();
        return nullptr;
    }
    const LinuxHost::UndoReport report = LinuxHost::UndoSince(0);
    LinuxHost::ForgetPlannedChanges();
    return KeepHookText(report.DescribeLines());
}

extern "C" const char* AutoCli_DeferredFailure(int, int*) { return nullptr; }

// The side store's files the transaction would change.
extern "C" const char* AutoCli_TransactionChanges(void (*visit)(void*, const char*, const char*, size_t, int,
                                                                const char*, size_t, int),
                                                  void* context) {
    std::vector<SimHost::HostStore::FileChange> stored;
    const std::string problem = StoreProblem([&stored](SimHost::HostStore& store) { stored = store.PendingChanges(); });
    if (!problem.empty()) return KeepHookText(problem);
    for (const auto& change : stored) {
        const std::string& before = change.before ? *change.before : std::string();
        const std::string& after = change.after ? *change.after : std::string();
        visit(context, change.path.c_str(), before.data(), before.size(), change.before ? 1 : 0, after.data(),
              after.size(), change.after ? 1 : 0);
    }
    return nullptr;
}

// A dry run's plan: one line per change the kernel would be sent.
extern "C" const char* AutoCli_TransactionPlan(void (*visit)(void*, const char*), void* context) {
    for (const auto& line : LinuxHost::PlannedChanges()) visit(context, line.c_str());
    return nullptr;
}

// A completion changes nothing: a side store in use is read under its shared
// lock, and one not made yet is not made now.
extern "C" void AutoCli_BeginCompletion() {
    LinuxHost::UseSideStoreRoot();
    auto& store = SimHost::HostStore::Instance();
    const std::string root = store.GetBackend().RootDirectory();
    if (root.empty()) return;
    if (SimHost::IsUnusedHostRoot(root)) {
        store.UseBackend(std::make_unique<SimHost::MemoryBackend>(std::map<std::string, std::string>()));
    } else {
        store.UseBackend(SimHost::MakeLookingDirectoryBackend(root));
    }
}

extern "C" const char* AutoCli_HostDescription() { return "Linux kernel host"; }
