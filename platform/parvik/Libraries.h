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
// through the dynamic linker's own search. Null when none opens;
// TakeLoaderError() then says why the last attempt failed.
void* OpenLibraryBeside(const void* address, const char* name, std::initializer_list<const char*> folders);

// The dynamic loader's message about its last failure (dlopen, dlsym), or
// empty when there is none. Every failure's message must be taken through
// here: the loader keeps a message it has handed out until it is asked again,
// so a single dlerror() leaves it allocated for good.
std::string TakeLoaderError();

// The address of symbol in the library handle (dlsym), or null; then the
// loader's message is taken, into why when given.
void* FindLibraryEntry(void* handle, const char* symbol, std::string* why = nullptr);

}  // namespace AutoCli
}  // namespace Parvik
