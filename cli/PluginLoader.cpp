// Loading plug-in libraries and calling their registration entry point.
#include <dirent.h>
#include <dlfcn.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "Completion.h"
#include "Dispatcher.h"
#include "FileIo.h"
#include "Strings.h"
#include "parvik/PluginHooks.h"

namespace Parvik {
namespace AutoCli {

namespace {
using Talix::FileIo::UniqueFd;

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

void AppendPlanLine(void* context, const char* line) {
    static_cast<std::vector<std::string>*>(context)->push_back(line);
}

bool IsSharedLibrary(const std::string& name) {
    return name.size() > 3 && name.compare(name.size() - 3, 3, ".so") == 0;
}

// The shared libraries of an open directory, by name.
bool ReadLibraryNames(int directoryFd, std::vector<std::string>& names) {
    UniqueFd listing(dup(directoryFd));
    DIR* dir = listing ? fdopendir(listing.Get()) : nullptr;
    if (!dir) return false;
    listing.Release();  // the listing owns it now
    while (const dirent* entry = readdir(dir)) {
        if (IsSharedLibrary(entry->d_name)) names.emplace_back(entry->d_name);
    }
    closedir(dir);
    return true;
}

std::string Octal(mode_t mode) {
    char text[8];
    std::snprintf(text, sizeof(text), "%04o", static_cast<unsigned>(mode & 07777));
    return text;
}

// Why code from a file or folder with this status must not run in this
// process, or "": only the caller or root may own it, and nobody else may
// write it (what others can write, they can make talixcli run, as root too).
std::string Unsafe(const struct stat& status) {
    if (status.st_uid != geteuid() && status.st_uid != 0) {
        return "it belongs to user " + std::to_string(status.st_uid) + ", neither you nor root";
    }
    if (status.st_mode & (S_IWGRP | S_IWOTH)) {
        return "others may write it (mode " + Octal(status.st_mode) + ")";
    }
    return "";
}

// Why the library name in the checked folder cannot be loaded, or "": it must
// be a regular file that is safe. Opened without blocking (a FIFO named *.so
// would wait for a writer) and without following a link.
std::string CheckLibrary(int directoryFd, const std::string& name) {
    const UniqueFd fd(openat(directoryFd, name.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC));
    if (!fd) return errno == ELOOP ? "it is a symbolic link" : std::strerror(errno);
    struct stat status {};
    std::string problem;
    if (fstat(fd.Get(), &status) != 0) {
        problem = std::strerror(errno);
    } else if (!S_ISREG(status.st_mode)) {
        problem = "it is not a regular file";
    } else {
        problem = Unsafe(status);
    }
    return problem;
}
}  // namespace

void Dispatcher::LoadPlugins(const std::string& directory, std::vector<std::string>& errors) {
    pluginDirectory_ = directory;
    // The folder stays open for good: the libraries are loaded through it
    // (/proc/self/fd/N/NAME), so the folder checked is the one loaded from,
    // whatever its path comes to name; their own run paths ($ORIGIN) and
    // look-ups beside themselves still lead to its neighbours.
    UniqueFd folderFd(open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    const int directoryFd = folderFd.Get();
    std::vector<std::string> names;
    if (!folderFd || !ReadLibraryNames(directoryFd, names)) {
        errors.push_back("Cannot open plug-in directory " + directory);
        return;
    }
    struct stat folder {};
    const std::string unsafeFolder = fstat(directoryFd, &folder) == 0 ? Unsafe(folder) : std::strerror(errno);
    if (!unsafeFolder.empty()) {
        errors.push_back("Refused plug-in directory " + directory + ": " + unsafeFolder +
                         "; no plug-in loaded from it");
        return;
    }
    std::sort(names.begin(), names.end());
    const std::string throughFd = "/proc/self/fd/" + std::to_string(directoryFd);
    const std::string base = access(throughFd.c_str(), X_OK) == 0 ? throughFd : directory;

    for (const auto& name : names) {
        const std::string path = directory + "/" + name;
        const std::string refusal = CheckLibrary(directoryFd, name);
        if (!refusal.empty()) {
            errors.push_back("Refused plug-in " + path + ": " + refusal);
            continue;
        }
        const std::string loadPath = base + "/" + name;
        void* handle = dlopen(loadPath.c_str(), RTLD_LAZY | RTLD_LOCAL);
        if (!handle) {
            std::string text = TakeLoaderError();
            if (text.empty()) text = "unknown error";
            ReplaceAll(text, loadPath, path);
            errors.push_back("Cannot load plug-in " + path + ": " + text);
            continue;
        }
        folderFd.Release();  // kept open for good: the library was loaded through it
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
        LoadedPlugin loaded{path, {}, handle};
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
        if (auto hook = TALIX_FIND_ENTRY(handle, AutoCli_DeferredFailure)) {
            auto previous = deferredHook_;
            deferredHook_ = [hook, previous]() {
                auto failures = previous ? previous() : std::vector<std::pair<int, std::string>>{};
                int command = 0;
                for (int i = 0; const char* message = hook(i, &command); ++i) failures.emplace_back(command, message);
                return failures;
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
        if (auto plan = TALIX_FIND_ENTRY(handle, AutoCli_TransactionPlan)) {
            hooks.plan = [plan](std::vector<std::string>& lines) {
                const char* problem = plan(&AppendPlanLine, &lines);
                return std::string(problem ? problem : "");
            };
        }
        if (auto line = TALIX_FIND_ENTRY(handle, AutoCli_BatchLine)) hooks.line = line;
        transactionHooks_.push_back(std::move(hooks));
    }
}

}  // namespace AutoCli
}  // namespace Parvik
