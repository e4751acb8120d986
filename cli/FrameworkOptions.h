// The framework options and the environment variables talixcli reads, in one
// place: the parser, the refusals and the manual page are written from these
// tables, so that none of them can leave one out.
#pragma once

#include <string>

namespace Parvik {
namespace AutoCli {

// What the parser does with a framework option; kFrameworkOptionTable holds
// them in this order.
enum FrameworkOptionId {
    OPTION_FORMATTER,
    OPTION_FORMAT_PARAM,
    OPTION_BATCH,
    OPTION_DRY_RUN,
    OPTION_LIST_COMMANDS,
    OPTION_COMPLETION,
    OPTION_COMPLETE,
    OPTION_COMPLETE_NUL,
    OPTION_VERSION,
    OPTION_HELP,
};

struct FrameworkOptionInfo {
    FrameworkOptionId id;
    const char* name;         // "--formatter"
    const char* shortName;    // "-h", or ""
    const char* value;        // what its value is, "" for none
    const char* choices;      // what to give, said when the value is missing
    const char* description;  // one sentence for the manual
    const char* helpValue;    // how --help shows the value after the name, "=FORMATTER"
    // --help's text, lines after the first indented under it; "" leaves the
    // option out of --help. %FORMATTERS% stands for the renderer's list.
    const char* help;
};

// The options that stand before the command path, in the order the manual and --help show them.
inline constexpr FrameworkOptionInfo kFrameworkOptionTable[] = {
    {OPTION_FORMATTER, "--formatter", "", "name", "a formatter name (the renderer lists them)",
     "Render the output with another formatter.", "=FORMATTER", "Override the output formatter (%FORMATTERS%)."},
    {OPTION_FORMAT_PARAM, "--format-param", "", "key=value", "KEY=VALUE",
     "Override one of the command's default output parameters (repeatable); json-compact=true writes JSON on one "
     "line.",
     "=KEY=VALUE", "Override a default output parameter (repeatable)."},
    {OPTION_BATCH, "--batch", "", "file", "a file, or - for standard input",
     "Run the command lines of the file as one change: all of them or, when a line fails, none.", "=FILE",
     "Run the command lines of FILE (- for standard input) as one\n"
     "change: all of them or, when a line fails, none.\n"
     "FILE is a regular file or a pipe of at most 64 MiB."},
    {OPTION_DRY_RUN, "--dry-run", "", "", "",
     "Run the command (or the batch) on a copy of the host and show the changes as a unified diff; nothing is "
     "written.",
     "",
     "Run the command (or the batch) on a copy of the host and show\n"
     "the changes as a unified diff; nothing is written."},
    {OPTION_LIST_COMMANDS, "--list-commands", "", "", "",
     "List every command path, or those under the path given after it.", "", "List every command path."},
    {OPTION_COMPLETION, "--completion", "", "shell", "choose one of bash, zsh, fish",
     "Print the completion script for bash, zsh or fish.", " SHELL", "Print a completion script (bash, zsh or fish)."},
    {OPTION_COMPLETE, "--complete", "", "", "",
     "Print the completions of the words after it, one a line (used by the completion scripts).", "", ""},
    {OPTION_COMPLETE_NUL, "--complete-nul", "", "", "", "As --complete, each completion ended by a NUL byte.", "", ""},
    {OPTION_VERSION, "--version", "", "", "", "Show the version and the loaded plug-ins.", "",
     "Show the version and the loaded plug-ins."},
    {OPTION_HELP, "--help", "-h", "", "", "Show the top level: options and namespaces (also -h).", "",
     "Show this help."},
};

constexpr bool TableFollowsIds() {
    int expected = 0;
    for (const auto& option : kFrameworkOptionTable) {
        if (option.id != expected++) return false;
    }
    return true;
}
static_assert(TableFollowsIds(), "kFrameworkOptionTable holds the options in FrameworkOptionId order");

inline const char* FrameworkOptionName(FrameworkOptionId id) { return kFrameworkOptionTable[id].name; }

// The framework option a word names: its name or short name, or NAME=VALUE
// for one that takes a value (inlineValue is then set); null for any other word.
inline const FrameworkOptionInfo* FindFrameworkOption(const std::string& word, bool& inlineValue) {
    for (const auto& option : kFrameworkOptionTable) {
        inlineValue = false;
        if (word == option.name || (*option.shortName && word == option.shortName)) return &option;
        const size_t length = std::char_traits<char>::length(option.name);
        if (*option.value && word.size() > length && word[length] == '=' && word.compare(0, length, option.name) == 0) {
            inlineValue = true;
            return &option;
        }
    }
    return nullptr;
}

struct EnvironmentVariableInfo {
    const char* name;
    const char* description;
};

// Every environment variable the shell, the host library or the commands read.
inline constexpr EnvironmentVariableInfo kEnvironmentVariableTable[] = {
    {"TALIX_HOST_ROOT", "The host root directory."},
    {"TALIX_TRUSTED_ROOTS",
     "Host roots whose programs may run although they fail the ownership check (colon-separated; * trusts every "
     "root)."},
    {"XDG_STATE_HOME", "Where the default host root lies (talix/host below it) when TALIX_HOST_ROOT is not set."},
    {"HOME", "Where the default host root lies (.local/state/talix/host below it) when neither of the above is set."},
    {"TALIX_HOST",
     "Which host the commands act on: simulated (the default), a host kept in the host root, or linux, the kernel "
     "of the machine talixcli runs on (its plug-ins are those in the linux/ folder of the plug-in folder)."},
    {"TALIX_LINUX_NICS",
     "On the linux host: devices that count as NICs besides those backed by hardware (comma-separated names), "
     "such as the veth pairs and taps of a test."},
    {"TALIX_LINUX_ETC",
     "On the linux host: the folder that stands for /etc, where the resolver files (resolv.conf, "
     "netns/NAME/resolv.conf) and the hosts file are read and written; default /etc."},
    {"TALIX_LINUX_ALLOW_EEPROM_WRITE",
     "On the linux host: 1 lets the NIC EEPROM change commands write a NIC's EEPROM; otherwise they refuse."},
    {"TALIXCLI_PLUGIN_DIR",
     "Where the plug-ins are loaded from, instead of plugins/ beside the binary or the installed "
     "../lib/talixcli/plugins/."},
    {"COLUMNS", "The width a wrapped table (wrap-last=true) uses when standard output is not a terminal; default 80."},
    {"TALIXCLI_PLAIN_HEAP",
     "When set to a non-empty value, the heap is left as the C library sets it up: talixcli then neither grows it "
     "ahead nor offers it transparent huge pages before a command runs."},
};

}  // namespace AutoCli
}  // namespace Parvik
