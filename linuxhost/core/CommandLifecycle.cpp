// The command lifecycle on a Linux host. The kernel holds the state and
// other programs change it at any time, so nothing is cached between
// commands and no lock is taken here.
#include <string>

#include "core/Changes.h"
#include "core/CommandScope.h"
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
extern "C" void AutoCli_BeginCommand(const char*, int) {
    if (!inTransaction) LinuxHost::ForgetPlannedChanges();
    LinuxHost::StartNextCommand();
}

extern "C" const char* AutoCli_EndCommand(const char*) {
    LinuxHost::StartNextCommand();
    return nullptr;
}

// A dry run sends nothing: each change is planned instead, and the plan is
// what the dry run shows.
extern "C" void AutoCli_BeginTransaction(int dry) {
    LinuxHost::ForgetPlannedChanges();
    LinuxHost::SetPlanning(dry != 0);
    inTransaction = true;
}

extern "C" void AutoCli_BatchLine(int line) { LinuxHost::SetBatchLine(line); }

// A batch whose line failed is dropped: the kernel has already made what
// the lines before it asked for, so those changes are taken back, newest
// first, and the stop line says which lines were and which could not be.
extern "C" const char* AutoCli_EndTransaction(int commit) {
    const bool planned = LinuxHost::Planning();
    LinuxHost::SetPlanning(false);
    LinuxHost::SetBatchLine(0);
    inTransaction = false;
    if (commit || planned || LinuxHost::JournalSize() == 0) {
        LinuxHost::ForgetPlannedChanges();
        return nullptr;
    }
    const LinuxHost::UndoReport report = LinuxHost::UndoSince(0);
    LinuxHost::ForgetPlannedChanges();
    static std::string said;
    said = report.DescribeLines();
    return said.c_str();
}

extern "C" const char* AutoCli_DeferredFailure(int, int*) { return nullptr; }

// A dry run's plan: one line per change the kernel would be sent.
extern "C" const char* AutoCli_TransactionPlan(void (*visit)(void*, const char*), void* context) {
    for (const auto& line : LinuxHost::PlannedChanges()) visit(context, line.c_str());
    return nullptr;
}

extern "C" void AutoCli_BeginCompletion() {}

extern "C" const char* AutoCli_HostDescription() { return "Linux kernel host"; }
