// How the Linux host refuses an operation: one sentence, thrown as the
// library's exception, which every command already turns into its error.
#pragma once

#include <string>
#include <vector>

namespace LinuxHost {

// Refuses with the sentence; a command's changes before it are taken back.
[[noreturn]] void Refuse(const std::string& sentence);

// "a", "a and b", "a, b and c".
std::string JoinAsList(const std::vector<std::string>& items);

// "WHAT have no equivalent on a Linux host" (what: a plural noun phrase).
[[noreturn]] void NoEquivalent(const std::string& what);

// An operation this host does not carry out yet; `what` as above.
[[noreturn]] void NotYetOnLinux(const std::string& what);

}  // namespace LinuxHost
