// Loading plug-in libraries and calling their registration entry point.
#include <dirent.h>
#include <dlfcn.h>

#include <algorithm>

#include "Dispatcher.h"

namespace Parvik {
namespace AutoCli {

namespace {
const char kEntryPoint[] = "AutoCli_RegisterNamespaces";
// A plug-in's libraries may export this to learn what the framework is about
// to run (the host library uses it to pick its lock mode).
const char kBeginCommandHook[] = "AutoCli_BeginCommand";
using BeginCommandFn = void (*)(const char* path, int changesHost);
const char kEndCommandHook[] = "AutoCli_EndCommand";
using EndCommandFn = const char* (*)(const char* path);

bool IsSharedLibrary(const std::string& name) {
    return name.size() > 3 && name.compare(name.size() - 3, 3, ".so") == 0;
}
}  // namespace

void Dispatcher::LoadPlugins(const std::string& directory, std::vector<std::string>& errors) {
    DIR* dir = opendir(directory.c_str());
    if (!dir) {
        errors.push_back("Cannot open plug-in directory " + directory);
        return;
    }
    std::vector<std::string> names;
    while (dirent* entry = readdir(dir)) {
        if (IsSharedLibrary(entry->d_name)) names.emplace_back(entry->d_name);
    }
    closedir(dir);
    std::sort(names.begin(), names.end());

    for (const auto& name : names) {
        const std::string path = directory + "/" + name;
        void* handle = dlopen(path.c_str(), RTLD_LAZY | RTLD_LOCAL);
        if (!handle) {
            const char* reason = dlerror();
            errors.push_back("Cannot load plug-in " + path + ": " + (reason ? reason : "unknown error"));
            continue;
        }
        auto registerNamespaces = reinterpret_cast<AutoCliRegisterNamespacesFn>(dlsym(handle, kEntryPoint));
        if (!registerNamespaces) {
            errors.push_back("Plug-in " + path + " has no entry point " + kEntryPoint);
            dlclose(handle);
            continue;
        }
        try {
            RegisterPlugin(registerNamespaces);
        } catch (const std::exception& e) {
            errors.push_back("Plug-in " + path + " failed to register: " + e.what());
            continue;
        }
        // Plug-in code backs the registered tree: the library stays loaded.
        pluginHandles_.push_back(handle);
        if (auto hook = reinterpret_cast<BeginCommandFn>(dlsym(handle, kBeginCommandHook))) {
            auto previous = beginHook_;
            beginHook_ = [hook, previous](const std::string& commandPath, bool changesHost) {
                if (previous) previous(commandPath, changesHost);
                hook(commandPath.c_str(), changesHost ? 1 : 0);
            };
        }
        if (auto hook = reinterpret_cast<EndCommandFn>(dlsym(handle, kEndCommandHook))) {
            auto previous = endHook_;
            endHook_ = [hook, previous](const std::string& commandPath) {
                std::string problem = previous ? previous(commandPath) : "";
                const char* own = hook(commandPath.c_str());
                if (own && problem.empty()) problem = own;
                return problem;
            };
        }
    }
}

}  // namespace AutoCli
}  // namespace Parvik
