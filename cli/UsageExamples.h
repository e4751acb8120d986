// The examples at the end of talixcli --help and in the manual page's
// EXAMPLES section: one list, so that both show the same, and a test runs
// each as written (tests/docs/run-examples.sh).
#pragma once

namespace Parvik {
namespace AutoCli {

struct UsageExample {
    const char* what;      // a sentence ending in a colon
    const char* commands;  // shell command lines, one a line
};

inline constexpr UsageExample kUsageExamples[] = {
    {"List the NICs as JSON, XML, CSV or key=value lines:",
     "talixcli --formatter=json network nic list\n"
     "talixcli --formatter=xml network nic list\n"
     "talixcli --formatter=csv network nic list\n"
     "talixcli --formatter=keyvalue network nic list"},
    {"The firewall's settings as JSON on one line:",
     "talixcli --formatter=json --format-param=json-compact=true network firewall get"},
    {"Only the names and speeds of the NICs, as a table:",
     "talixcli --formatter=table --format-param=fields:Nic=Name,Speed network nic list"},
    {"Two changes as one, read from standard input (or name a file instead of -):",
     "printf 'network vswitch standard add -v vs1\\nnetwork vswitch standard set -v vs1 -m 9000\\n' |\n"
     "    talixcli --batch -"},
    {"The host files a change would write, as a diff, without writing them:",
     "talixcli --dry-run network vswitch standard add -v vs-test"},
};

}  // namespace AutoCli
}  // namespace Parvik
