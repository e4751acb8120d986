// The command lifecycle as the host library sees it: the framework calls these
// hooks around every command it runs, and they make each command one
// transaction on the host.
//
// The rule, applied in AutoCli_BeginCommand: a command that changes the host
// (the framework tells which, see cli/Dispatcher.cpp) takes the host's
// exclusive lock from its first access, and everything it changes is written
// together when it ends, or not at all when writing fails. A command that only
// reads takes the shared lock. Inside a transaction (a batch, or a dry run)
// the transaction has already chosen the lock, and it holds the changes until
// it ends.
#include <string>

#include "Backends.h"
#include "HostStore.h"
#include "kavrel/Lib.h"
#include "parvik/PluginHooks.h"

// The framework announces each command before it runs; a command that may
// change the host gets the exclusive lock from its first access, and its
// changes are written together when it ends. Inside a transaction the
// transaction has chosen the lock, and holds the changes.
extern "C" void AutoCli_BeginCommand(const char*, int changesHost) {
    SimHost::HostStore::Instance().StartCommand(changesHost != 0);
}

// The framework announces the end of each command, once its result is built
// and before anything is printed: what it changed is written now, and the
// host is let go, so that a reader whose output waits blocks no writer.
// Returns why writing failed, or nullptr.
extern "C" const char* AutoCli_EndCommand(const char*) {
    auto& store = SimHost::HostStore::Instance();
    if (store.InTransaction()) return nullptr;
    const std::string problem = store.EndCommand();
    if (!problem.empty()) return KeepHookText(problem);
    store.RunDeferred();
    return nullptr;
}

// Several commands as one transaction (dryRun 0: a batch, written at its end
// under one exclusive lock), or commands whose changes are only shown
// (dryRun 1: a shared lock, nothing written).
extern "C" void AutoCli_BeginTransaction(int dryRun) { SimHost::HostStore::Instance().BeginTransaction(dryRun != 0); }

// Ends the transaction: commit 1 writes its changes at once, 0 drops them.
// Returns why they could not be written (nothing was), or nullptr.
extern "C" const char* AutoCli_EndTransaction(int commit) {
    try {
        SimHost::HostStore::Instance().EndTransaction(commit != 0);
        SimHost::HostStore::Instance().RunDeferred();
        return nullptr;
    } catch (const Kavrel::Lib::KavrelException& failure) {
        return KeepHookText(failure.GetDescription());
    } catch (const std::exception& failure) {
        return KeepHookText(failure.what());
    }
}

// A host program runs after the changes it acts on are written (at the end of
// its command, or of the batch): the index-th one that failed since, or
// nullptr. command receives the number of the command, within the batch
// (from 1), that asked for it; the message is what that command reports.
extern "C" const char* AutoCli_DeferredFailure(int index, int* command) {
    const auto& failures = SimHost::HostStore::Instance().DeferredFailures();
    if (index < 0 || static_cast<size_t>(index) >= failures.size()) return nullptr;
    if (command) *command = failures[static_cast<size_t>(index)].command;
    return failures[static_cast<size_t>(index)].message.c_str();
}

// Calls visit once per host file the transaction would change, by path, with
// its content before and after (exists 0: no such file). Returns why the
// changes could not be listed, or nullptr.
extern "C" const char* AutoCli_TransactionChanges(void (*visit)(void* context, const char* path, const char* before,
                                                                size_t beforeSize, int beforeExists, const char* after,
                                                                size_t afterSize, int afterExists),
                                                  void* context) {
    try {
        for (const auto& change : SimHost::HostStore::Instance().PendingChanges()) {
            const std::string& before = change.before ? *change.before : std::string();
            const std::string& after = change.after ? *change.after : std::string();
            visit(context, change.path.c_str(), before.data(), before.size(), change.before ? 1 : 0, after.data(),
                  after.size(), change.after ? 1 : 0);
        }
        return nullptr;
    } catch (const Kavrel::Lib::KavrelException& failure) {
        return KeepHookText(failure.GetDescription());
    } catch (const std::exception& failure) {
        return KeepHookText(failure.what());
    }
}

extern "C" const char* AutoCli_HostDescription() { return "simulated host"; }

// The framework announces a shell completion, which reads host objects and
// must change nothing: a host root in use is read under its shared lock, and
// one not made yet is not made now (its names are those of the demo host it
// would be filled with).
extern "C" void AutoCli_BeginCompletion() {
    auto& store = SimHost::HostStore::Instance();
    const std::string root = store.GetBackend().RootDirectory();
    if (root.empty()) return;  // a host in memory is read as it is
    if (!SimHost::IsUnusedHostRoot(root)) {
        store.UseBackend(SimHost::MakeLookingDirectoryBackend(root));
        return;
    }
    std::map<std::string, std::string> files;
    for (const auto& file : SimHost::DemoHostFiles()) files[file.path] = file.content;
    store.UseBackend(std::make_unique<SimHost::MemoryBackend>(files));
}
