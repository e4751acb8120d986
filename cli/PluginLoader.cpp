// Loading plug-in libraries and calling their registration entry point.
#include <dirent.h>
#include <dlfcn.h>

#include <algorithm>

#include "Completion.h"
#include "Dispatcher.h"
#include "parvik/PluginHooks.h"

namespace Parvik {
namespace AutoCli {

namespace {
// The hooks' names and pointer types come from their declarations
// (parvik/PluginHooks.h): the plug-in's begin and end command hooks tell the
// host library what the framework is about to run (it picks its lock mode);
// completion first says that what follows only looks, then asks the plug-in
// for the values of one parameter of one command.
void AddValue(void* context, const char* value) {
    if (value) static_cast<std::vector<std::string>*>(context)->emplace_back(value);
}

void AppendChange(void* context, const char* path, const char* before, size_t beforeSize, int beforeExists,
                  const char* after, size_t afterSize, int afterExists) {
    auto& changes = *static_cast<std::vector<HostFileChange>*>(context);
    HostFileChange change;
    change.path = path;
    if (beforeExists) change.before = std::string(before, beforeSize);
    if (afterExists) change.after = std::string(after, afterSize);
    changes.push_back(std::move(change));
}

bool IsSharedLibrary(const std::string& name) {
    return name.size() > 3 && name.compare(name.size() - 3, 3, ".so") == 0;
}

// The shared libraries of a directory, by name.
bool ReadLibraryNames(const std::string& directory, std::vector<std::string>& names) {
    DIR* dir = opendir(directory.c_str());
    if (!dir) return false;
    while (const dirent* entry = readdir(dir)) {
        if (IsSharedLibrary(entry->d_name)) names.emplace_back(entry->d_name);
    }
    closedir(dir);
    return true;
}
}  // namespace

void Dispatcher::LoadPlugins(const std::string& directory, std::vector<std::string>& errors) {
    pluginDirectory_ = directory;
    std::vector<std::string> names;
    if (!ReadLibraryNames(directory, names)) {
        errors.push_back("Cannot open plug-in directory " + directory);
        return;
    }
    std::sort(names.begin(), names.end());

    for (const auto& name : names) {
        const std::string path = directory + "/" + name;
        void* handle = dlopen(path.c_str(), RTLD_LAZY | RTLD_LOCAL);
        if (!handle) {
            const char* reason = dlerror();
            errors.push_back("Cannot load plug-in " + path + ": " + (reason ? reason : "unknown error"));
            continue;
        }
        auto registerNamespaces = TALIX_FIND_ENTRY(handle, AutoCli_RegisterNamespaces);
        if (!registerNamespaces) {
            errors.push_back("Plug-in " + path + " has no entry point AutoCli_RegisterNamespaces");
            dlclose(handle);
            continue;
        }
        const size_t namespacesBefore = root_->GetChildren().size();
        try {
            RegisterPlugin(registerNamespaces);
        } catch (const std::exception& e) {
            errors.push_back("Plug-in " + path + " failed to register: " + e.what());
            continue;
        }
        // Plug-in code backs the registered tree: the library stays loaded.
        pluginHandles_.push_back(handle);
        LoadedPlugin loaded{path, {}};
        const auto& children = root_->GetChildren();
        for (size_t i = namespacesBefore; i < children.size(); ++i) loaded.namespaces.push_back(children[i].first);
        loadedPlugins_.push_back(std::move(loaded));
        if (auto hook = TALIX_FIND_ENTRY(handle, AutoCli_BeginCommand)) {
            auto previous = beginHook_;
            beginHook_ = [hook, previous](const std::string& commandPath, bool changesHost) {
                if (previous) previous(commandPath, changesHost);
                hook(commandPath.c_str(), changesHost ? 1 : 0);
            };
        }
        if (auto hook = TALIX_FIND_ENTRY(handle, AutoCli_EndCommand)) {
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

ValueCompletion PluginValueCompletion(const std::vector<void*>& libraryHandles) {
    std::vector<decltype(&AutoCli_BeginCompletion)> begins;
    std::vector<decltype(&AutoCli_CompleteValues)> completers;
    for (void* handle : libraryHandles) {
        if (auto begin = TALIX_FIND_ENTRY(handle, AutoCli_BeginCompletion)) begins.push_back(begin);
        if (auto complete = TALIX_FIND_ENTRY(handle, AutoCli_CompleteValues)) {
            completers.push_back(complete);
        }
    }
    if (completers.empty()) return nullptr;
    auto begun = std::make_shared<bool>(false);
    return [begins, completers, begun](const std::string& path, const std::string& parameter) {
        if (!*begun) {
            for (auto begin : begins) begin();
            *begun = true;
        }
        std::vector<std::string> values;
        for (auto complete : completers) complete(path.c_str(), parameter.c_str(), &AddValue, &values);
        return values;
    };
}

void Dispatcher::FindTransactionHooks() {
    if (transactionHooksFound_) return;
    transactionHooksFound_ = true;
    for (void* handle : pluginHandles_) {
        auto begin = TALIX_FIND_ENTRY(handle, AutoCli_BeginTransaction);
        auto end = TALIX_FIND_ENTRY(handle, AutoCli_EndTransaction);
        auto changes = TALIX_FIND_ENTRY(handle, AutoCli_TransactionChanges);
        if (!begin || !end) continue;
        TransactionHooks hooks;
        hooks.begin = [begin](bool dryRun) { begin(dryRun ? 1 : 0); };
        hooks.end = [end](bool commit) {
            const char* problem = end(commit ? 1 : 0);
            return std::string(problem ? problem : "");
        };
        if (changes) {
            hooks.changes = [changes](std::vector<HostFileChange>& list) {
                const char* problem = changes(&AppendChange, &list);
                return std::string(problem ? problem : "");
            };
        }
        transactionHooks_.push_back(std::move(hooks));
    }
}

}  // namespace AutoCli
}  // namespace Parvik
