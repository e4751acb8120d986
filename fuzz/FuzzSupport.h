// What the fuzz targets share: the network tree loaded once, and a fresh
// in-memory demo host per input.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "Dispatcher.h"

namespace TalixFuzz {

// The framework with the network plug-in registered, built on first use.
Parvik::AutoCli::Dispatcher& NetworkDispatcher();

// The demo host's files (state sections, etc/hosts, resolver files).
const std::map<std::string, std::string>& DemoFiles();

// Makes the process talk to a new in-memory host holding files.
void UseHost(const std::map<std::string, std::string>& files);
// The files of the current in-memory host.
std::map<std::string, std::string> HostFiles();

// Splits bytes into words at NUL and newline bytes; empty words are kept. A
// word "\xffR" N TEXT stands for TEXT repeated (N + 1) * 64 times (at most
// 64 KiB), so that long values are reachable from small inputs.
std::vector<std::string> SplitArguments(const uint8_t* data, size_t size);

// Stops the process with a report on stderr: the fuzzer records the input.
[[noreturn]] void Fail(const std::string& what, const std::vector<std::string>& args, const std::string& detail);

}  // namespace TalixFuzz
