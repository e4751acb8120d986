// The framework options and the environment variables talixcli reads, in one
// place: the parser, the refusals and the manual page are written from these
// tables, so that none of them can leave one out.
#pragma once

namespace Parvik {
namespace AutoCli {

struct FrameworkOptionInfo {
    const char* name;         // "--formatter"
    const char* value;        // what its value is, "" for none
    const char* choices;      // what to give, said when the value is missing
    const char* description;  // one sentence for the manual
};

// The options that stand before the command path, in the order the manual shows them.
inline constexpr FrameworkOptionInfo kFrameworkOptionTable[] = {
    {"--formatter", "name", "a formatter name (the renderer lists them)", "Render the output with another formatter."},
    {"--format-param", "key=value", "KEY=VALUE",
     "Override one of the command's default output parameters (repeatable); json-compact=true writes JSON on one "
     "line."},
    {"--batch", "file", "a file, or - for standard input",
     "Run the command lines of the file as one change: all of them or, when a line fails, none."},
    {"--dry-run", "", "",
     "Run the command (or the batch) on a copy of the host and show the changes as a unified diff; nothing is "
     "written."},
    {"--list-commands", "", "", "List every command path, or those under the path given after it."},
    {"--completion", "shell", "choose one of bash, zsh, fish", "Print the completion script for bash, zsh or fish."},
    {"--complete", "", "", "Print the completions of the words after it, one a line (used by the completion scripts)."},
    {"--complete-nul", "", "", "As --complete, each completion ended by a NUL byte."},
    {"--version", "", "", "Show the version and the loaded plug-ins."},
    {"--help", "", "", "Show the top level: options and namespaces (also -h)."},
};

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
