// Libraries loaded on first use from where the code that needs them was
// installed, so that no start pays for them and no search path is involved:
// the framework's pattern matcher, a plug-in's own helper libraries.
#pragma once

#include <initializer_list>
#include <string>

namespace Parvik {
namespace AutoCli {

// The folder of the program or library that holds address (a function of the
// caller's own), with a trailing slash; empty when it cannot be told.
std::string DirectoryOf(const void* address);

// Opens the library name (dlopen, RTLD_LAZY | RTLD_LOCAL) from the first of
// folders, each relative to DirectoryOf(address), that holds it, and else
// through the dynamic linker's own search. Null when none opens; dlerror()
// then says why the last attempt failed.
void* OpenLibraryBeside(const void* address, const char* name, std::initializer_list<const char*> folders);

}  // namespace AutoCli
}  // namespace Parvik
