// The shell's version and plug-ins, and the refusals of misplaced or unfitting options.
#include "ShellInfo.h"

#include <dlfcn.h>

#include "FormatParams.h"
#include "FrameworkOptions.h"
#include "Parser.h"
#include "parvik/Libraries.h"
#include "parvik/PluginHooks.h"

#ifndef TALIXCLI_VERSION
#error "TALIXCLI_VERSION must be defined by the build"
#endif

namespace Parvik {
namespace AutoCli {

const char kPluginDirVariable[] = "TALIXCLI_PLUGIN_DIR";
const char kHostVariable[] = "TALIX_HOST";

bool HostPluginDirectory(const char* host, std::string& directory, std::string& problem) {
    if (!host || !*host || std::string(host) == "simulated") return true;
    if (std::string(host) == "linux") {
        directory += "/linux";
        return true;
    }
    problem = std::string(kHostVariable) + " must be simulated or linux, not '" + host + "'.";
    return false;
}

std::string FrameworkDirectory() { return DirectoryOf(reinterpret_cast<const void*>(&FrameworkDirectory)); }

namespace {

std::string ChooseAnotherText() {
    return std::string("Set ") + kPluginDirVariable + " to the directory that holds the plug-ins.";
}

}  // namespace

void PrintVersion(std::ostream& out, const Dispatcher& dispatcher) {
    out << "talixcli " << TALIXCLI_VERSION << "\n";
    if (dispatcher.LoadedPlugins().empty()) {
        out << "No plug-in found in " << dispatcher.PluginDirectory() << ". " << ChooseAnotherText() << "\n";
        return;
    }
    for (const auto& plugin : dispatcher.LoadedPlugins()) {
        out << "plug-in " << plugin.path;
        for (size_t i = 0; i < plugin.namespaces.size(); ++i) out << (i ? ", " : ": ") << plugin.namespaces[i];
        auto host = plugin.handle ? TALIX_FIND_ENTRY(plugin.handle, AutoCli_HostDescription) : nullptr;
        if (host) out << " (" << host() << ")";
        out << "\n";
    }
}

std::string MissingPluginText(const Dispatcher& dispatcher) {
    if (!dispatcher.LoadedPlugins().empty()) return "";
    return "No plug-in found in " + dispatcher.PluginDirectory() + ", so no namespace is available. " +
           ChooseAnotherText();
}

namespace {

// The framework option a word names, alone or as NAME=VALUE; null for any other word.
const FrameworkOptionInfo* FrameworkOptionOf(const std::string& word, bool& withValue) {
    for (const auto& option : kFrameworkOptionTable) {
        if (option.id == OPTION_HELP) continue;
        const std::string name = option.name;  // every command and namespace has its own
        withValue = word.compare(0, name.size() + 1, name + "=") == 0;
        if (word == name || withValue) return &option;
    }
    return nullptr;
}

std::string MisplacedText(const std::string& given, const std::string& path) {
    const std::string shown = ShowInput(given, false);
    return "Framework option " + shown + " must come before the command path, as in \"talixcli " + shown + " " + path +
           " ...\".";
}

}  // namespace

std::string MisplacedFrameworkOption(Command& command, const std::vector<std::string>& args, size_t start,
                                     const std::string& path) {
    auto spec = command.GetInputSpec();
    for (size_t i = start; i < args.size(); ++i) {
        const std::string& word = args[i];
        bool withValue = false;
        const FrameworkOptionInfo* option = FrameworkOptionOf(word, withValue);
        if (!option) continue;
        if (spec && spec->FindByName(std::string(option->name).substr(2))) continue;  // the command's own option
        std::string given = word;
        if (!withValue && *option->value && i + 1 < args.size()) given += " " + args[i + 1];
        return MisplacedText(given, path);
    }
    return "";
}

std::string FrameworkOptionInPath(const std::vector<std::string>& args, size_t at) {
    bool withValue = false;
    const FrameworkOptionInfo* option = at < args.size() ? FrameworkOptionOf(args[at], withValue) : nullptr;
    if (!option) return "";
    std::string given = args[at];
    size_t next = at + 1;
    if (!withValue && *option->value && next < args.size()) given += " " + args[next++];
    // The path as it reads without the option: its words before and after it.
    std::string path;
    for (size_t i = 0; i < args.size(); ++i) {
        if (i == at) {
            i = next - 1;
            continue;
        }
        if (!args[i].empty() && args[i][0] == '-') break;
        path += (path.empty() ? "" : " ") + args[i];
    }
    return MisplacedText(given, path);
}

std::string CheckFormatParameters(Command& command,
                                  const std::vector<std::pair<std::string, std::string>>& parameters) {
    if (parameters.empty()) return "";
    auto spec = command.GetOutputSpec();
    const std::vector<RecordFields> records = RenderedRecords(spec ? spec->GetRootObject().get() : nullptr);
    for (const auto& parameter : parameters) {
        std::string problem = CheckFormatParameter(parameter.first, parameter.second, records);
        if (!problem.empty()) return problem;
    }
    return "";
}

}  // namespace AutoCli
}  // namespace Parvik
