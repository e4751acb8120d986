// How talixcli sets up the heap for the one command a process runs.
#pragma once

namespace Parvik {
namespace AutoCli {

// Set to any non-empty value, this environment variable leaves the heap as
// the C library sets it up (for comparing, and for hosts where reserving
// address space ahead is unwelcome).
extern const char kPlainHeapVariable[];

// Grows the heap ahead and offers its upper part transparent huge pages,
// unless kPlainHeapVariable is set. Called once, before the command runs.
void PrepareHeapForCommand();

}  // namespace AutoCli
}  // namespace Parvik
