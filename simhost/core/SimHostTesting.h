// Control of the simulated host for tests and tools: which host a process
// talks to, and injected failures.
#pragma once

#include <map>
#include <string>

namespace SimHost {

// Replaces the process's host with one in memory. sections maps a section
// name to the text of its JSON document; sections not named take their
// defaults. files adds plain files (etc/hosts, resolver files) by relative path.
void UseMemoryHost(const std::map<std::string, std::string>& sections = {},
                   const std::map<std::string, std::string>& files = {});
// Points the process at a host-root directory.
void UseHostRoot(const std::string& root);
// The files of the in-memory host, by relative path (empty for a directory host).
std::map<std::string, std::string> MemoryHostFiles();

// A process that began a dry run never writes again (the host's latch is
// never cleared). A test that goes on after a dry run in the same process
// ends it here; only tests call this, and the plug-in does not export it.
void EndDryRunForTesting();

// Makes the named operation ("Class::Operation") throw KavrelException(message).
void InjectFault(const std::string& operation, const std::string& message);
void ClearFaults();

}  // namespace SimHost
