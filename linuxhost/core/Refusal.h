// How the Linux host refuses an operation: one sentence, thrown as the
// library's exception, which every command already turns into its error.
#pragma once

#include <string>

namespace LinuxHost {

// "WHAT have no equivalent on a Linux host" (what: a plural noun phrase).
[[noreturn]] void NoEquivalent(const std::string& what);

// An operation this host does not carry out yet; `what` as above.
[[noreturn]] void NotYetOnLinux(const std::string& what);

}  // namespace LinuxHost
