// The kernel's settings of a netstack under /proc/sys/net, read and written
// from inside its namespace (the files show the namespace of the process
// that opens them).
#pragma once

#include <optional>
#include <string>

namespace LinuxHost {

// The setting's value with its line end removed; none when the kernel has no
// such setting (a feature it lacks, IPv6 disabled at boot).
std::optional<std::string> ReadSetting(const std::string& netstack, const std::string& path);
// Writes the value; throws with the kernel's reason.
void WriteSetting(const std::string& netstack, const std::string& path, const std::string& value);

}  // namespace LinuxHost
