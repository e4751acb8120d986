// Running the host's own programs (daemon control scripts) from commands.
#pragma once

#include <string>

namespace LmxCtl {
namespace Util {

// The resource-pool option for a child daemon whose pool gets the given memory
// reservation in megabytes, e.g. "--resource-pool=host/system/daemons --min-memory=24M".
std::string MakeChildRpLmxOption(int memoryMb);

// Runs a program of the host: the first word of command is the program's path
// (absolute paths are taken inside the host root; nothing outside it runs),
// the other blank-separated words its arguments. Never goes through a shell.
// inBackground: return 0 at once without waiting; quiet: discard the
// program's output; keepEnvironment: pass this process's environment on
// (otherwise only PATH and TALIX_HOST_ROOT). Returns the exit status; 127 when
// the program does not exist inside the host root, 126 when it cannot run.
// Throws Kavrel::Lib::KavrelException, saying why and how to trust it anyway,
// when the host root is not trusted to hold programs (owned by another user,
// or writable by group or others; see TALIX_TRUSTED_ROOTS).
//
// A command's changes are written when it ends (a batch's, when the batch
// ends), and a program acts on the host as written: while changes are
// pending, the program is queued to run after they are written, in the order
// asked, and this returns 0. Should it fail then, failureMessage becomes the
// command's error (its changes stay written).
int LmxCtl_Exec(const std::string& command, bool inBackground, bool quiet, bool keepEnvironment);
int LmxCtl_Exec(const std::string& command, bool inBackground, bool quiet, bool keepEnvironment,
                const std::string& failureMessage);

}  // namespace Util
}  // namespace LmxCtl
