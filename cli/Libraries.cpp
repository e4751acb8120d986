// Finding the file that holds some code, and loading a library from beside it.
#include "parvik/Libraries.h"

#include <dlfcn.h>
#include <link.h>
#include <unistd.h>

#include <climits>
#include <utility>

namespace Parvik {
namespace AutoCli {

// Found by address range alone, without the symbol search of dladdr:
// talixcli asks at every start. The dynamic linker records no name for the
// main program, so there the name is read from /proc.
std::string DirectoryOf(const void* address) {
    dl_find_object self{};
    if (_dl_find_object(const_cast<void*>(address), &self) != 0 || !self.dlfo_link_map) return "";
    const link_map* map = self.dlfo_link_map;
    std::string path;
    if (map->l_name && *map->l_name) {
        path = map->l_name;
    } else {
        char buffer[PATH_MAX];
        const ssize_t length = readlink("/proc/self/exe", buffer, sizeof(buffer));
        if (length > 0) path.assign(buffer, static_cast<size_t>(length));
    }
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? "" : path.substr(0, slash + 1);
}

void* OpenLibraryBeside(const void* address, const char* name, std::initializer_list<const char*> folders) {
    const std::string directory = DirectoryOf(address);
    if (!directory.empty()) {
        for (const char* folder : folders) {
            if (void* library = dlopen((directory + folder + name).c_str(), RTLD_LAZY | RTLD_LOCAL)) return library;
        }
    }
    return dlopen(name, RTLD_LAZY | RTLD_LOCAL);
}

std::string TakeLoaderError() {
    const char* message = dlerror();
    std::string text = message ? message : "";
    while (dlerror()) {
    }  // a second call frees the message handed out above
    return text;
}

void* FindLibraryEntry(void* handle, const char* symbol, std::string* why) {
    void* found = dlsym(handle, symbol);
    if (!found) {
        std::string message = TakeLoaderError();
        if (why) *why = std::move(message);
    }
    return found;
}

}  // namespace AutoCli
}  // namespace Parvik
