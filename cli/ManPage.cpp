// talixcli-manpage: writes the talixcli(1) manual page from the command tree
// of the plug-ins in a directory, so that the page always matches the build.
//   talixcli-manpage PLUGIN_DIR OUTPUT_FILE
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "Dispatcher.h"
#include "FrameworkOptions.h"
#include "Help.h"
#include "UsageExamples.h"

namespace {

using Parvik::AutoCli::Command;
using Parvik::AutoCli::NamespaceNode;
using Parvik::CallSpec::ParameterConstraint;
using Parvik::CallSpec::ParameterSpec;

const char kDefaultFormatter[] = "simple";

// Text as roff shows it literally: backslashes escaped, and a line that would
// start with a control character protected.
std::string Roff(const std::string& text) {
    std::string escaped;
    bool lineStart = true;
    for (char c : text) {
        if (lineStart && (c == '.' || c == '\'')) escaped += "\\&";
        if (c == '\\') {
            escaped += "\\e";
        } else if (c == '-') {
            escaped += "\\-";
        } else {
            escaped += c;
        }
        lineStart = c == '\n';
    }
    return escaped;
}

const char* TypeName(Parvik::CallSpec::ParameterType type) {
    switch (type) {
    case Parvik::CallSpec::PARAM_STRING: return "string";
    case Parvik::CallSpec::PARAM_INTEGER: return "integer";
    case Parvik::CallSpec::PARAM_BOOLEAN: return "boolean";
    case Parvik::CallSpec::PARAM_FLAG: return "flag";
    case Parvik::CallSpec::PARAM_LIST: return "list (give the option once per value)";
    }
    return "string";
}

std::string ConstraintText(const ParameterConstraint& constraint) {
    std::string text;
    switch (constraint.GetType()) {
    case Parvik::CallSpec::CONSTRAINT_INT_RANGE:
        return "From " + std::to_string(constraint.GetRangeMin()) + " to " + std::to_string(constraint.GetRangeMax()) +
               ".";
    case Parvik::CallSpec::CONSTRAINT_INT_ENUM:
        for (int64_t value : constraint.GetIntEnums()) text += (text.empty() ? "" : ", ") + std::to_string(value);
        return "One of: " + text + ".";
    case Parvik::CallSpec::CONSTRAINT_STRING_ENUM:
        for (const auto& entry : constraint.GetStringEnums()) text += (text.empty() ? "" : ", ") + entry.value;
        return "One of: " + text + ".";
    case Parvik::CallSpec::CONSTRAINT_REGEX: return "Matching the pattern " + constraint.GetRegex() + ".";
    }
    return text;
}

// What a command's output holds, in words.
std::string OutputText(Command& command) {
    auto spec = command.GetOutputSpec();
    const auto root = spec ? spec->GetRootObject() : nullptr;
    if (!root) return "nothing";
    switch (root->GetType()) {
    case Parvik::MetaObj::META_BOOL: return "success or failure, printed only on failure";
    case Parvik::MetaObj::META_INT: return "an integer";
    case Parvik::MetaObj::META_STRING: return "a string";
    case Parvik::MetaObj::META_STRUCT: {
        const auto& record = static_cast<const Parvik::MetaObj::MetaStruct&>(*root);
        return "a record " + record.GetName();
    }
    case Parvik::MetaObj::META_LIST: {
        const auto& list = static_cast<const Parvik::MetaObj::MetaList&>(*root);
        if (list.GetElementTemplate()) return "a list of records " + list.GetElementTemplate()->GetName();
        return "a list of strings";
    }
    }
    return "nothing";
}

void WriteParameter(std::ostream& out, const ParameterSpec& parameter) {
    out << ".TP\n";
    if (!parameter.GetShortName().empty()) out << "\\fB\\-" << Roff(parameter.GetShortName()) << "\\fR, ";
    out << "\\fB\\-\\-" << Roff(parameter.GetName()) << "\\fR";
    if (parameter.GetType() != Parvik::CallSpec::PARAM_FLAG) out << " \\fIvalue\\fR";
    out << "\n";
    std::string description =
        Parvik::AutoCli::ExpandEnumPlaceholders(parameter.GetDescription(), parameter.GetConstraint().get());
    // Enumerations expand to one indented value per line: the page runs them on.
    std::string text;
    for (char c : description) {
        const bool blank = c == '\n' || c == ' ';
        if (!blank) {
            text += c;
        } else if (!text.empty() && text.back() != ' ') {
            text += ' ';
        }
    }
    out << Roff(text) << "\n.br\nType: " << Roff(TypeName(parameter.GetType()))
        << (parameter.IsRequired() ? "; required" : "; optional") << ".";
    if (parameter.GetConstraint()) out << " " << Roff(ConstraintText(*parameter.GetConstraint()));
    out << "\n";
}

void WriteCommand(std::ostream& out, const std::string& path, Command& command) {
    out << ".SS \"" << Roff(path) << "\"\n" << Roff(command.GetDescription()) << "\n";
    auto spec = command.GetInputSpec();
    if (spec && !spec->GetParameters().empty()) {
        out << ".RS\n";
        for (const auto& parameter : spec->GetParameters()) WriteParameter(out, *parameter);
        out << ".RE\n";
    }
    std::string formatter = command.GetDefaultOutputFormatter();
    if (formatter.empty()) formatter = kDefaultFormatter;
    out << ".IP\nOutput: " << Roff(OutputText(command)) << "; default formatter " << Roff(formatter);
    for (const auto& parameter : command.GetDefaultOutputParameters()) {
        // A long field list may break after any comma.
        std::string value;
        for (char c : Roff(parameter.first + "=" + parameter.second))
            value += c == ',' ? std::string(",\\:") : std::string(1, c);
        out << ", \\fB\\-\\-format\\-param=" << value << "\\fR";
    }
    out << ".\n";
}

void WriteTree(std::ostream& out, const std::string& path, NamespaceNode& node) {
    for (const auto& child : node.GetChildren()) {
        const std::string childPath = path.empty() ? child.first : path + " " + child.first;
        if (child.second->GetType() == Parvik::AutoCli::NODE_COMMAND) {
            WriteCommand(out, childPath, static_cast<Command&>(*child.second));
            continue;
        }
        out << ".SH \"" << Roff(childPath) << "\"\n" << Roff(child.second->GetDescription()) << "\n";
        WriteTree(out, childPath, *child.second);
    }
}

// Lines are left-aligned and not hyphenated: option names and patterns are
// long words that filling could not fit.
const char kHeader[] = R"(.TH TALIXCLI 1 "" "talixcli" "User Commands"
.ad l
.nh
.SH NAME
talixcli \- command\-line shell of a Talix hypervisor host
.SH SYNOPSIS
.B talixcli
[\fIoptions\fR] \fInamespace\fR... \fIcommand\fR [\fIcommand options\fR]
.SH DESCRIPTION
\fBtalixcli\fR inspects and changes a host's networking: firewall, host IP
interfaces and stack, physical NICs, virtual switches, VM ports and datapath.
Its commands come from plug-ins. After the sections on options, the host
root and exit statuses, each section names a namespace with its description,
and each command lists its options with their types and constraints, and the
output it renders by default.
.PP
Framework options stand before the command path. Command options are
\fB\-\-name value\fR, \fB\-\-name=value\fR or \fB\-n value\fR; a flag is given
bare; a list option once per value. Any namespace or command followed by
\fB\-\-help\fR describes itself.
)";

// After OPTIONS, written from the framework option table.
const char kMiddle[] = R"(.SH "HOST ROOT"
The host's state lives in the directory named by \fBTALIX_HOST_ROOT\fR
(default: \fI$XDG_STATE_HOME/talix/host\fR, else
\fI~/.local/state/talix/host\fR). A missing or empty host root is filled with
the demo host on first use; remove the directory to start over. State is kept
per section in \fIstate/<section>.json\fR; the hosts table and the resolver
configuration are kept in their standard formats (\fIetc/hosts\fR,
\fIetc/resolv.conf\fR). Each change is written through before its command
returns, atomically, and a command that changes the host holds an exclusive
lock on the host root for its whole length, so concurrent runs lose no update.
Shell completion reads the host root under a shared lock and never creates it.
)";

// After ENVIRONMENT, written from the environment variable table.
const char kFooter[] = R"(.SH "EXIT STATUS"
.TP
.B 0
Success (also for \fB\-\-help\fR).
.TP
.B 1
The command reported an error; the messages go to standard error.
.TP
.B 2
The command line was refused: an unknown word, a missing or malformed
parameter.
)";

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: talixcli-manpage PLUGIN_DIR OUTPUT_FILE\n";
        return 2;
    }
    Parvik::AutoCli::Dispatcher dispatcher;
    std::vector<std::string> errors;
    dispatcher.LoadPlugins(argv[1], errors);
    for (const auto& error : errors) std::cerr << "Error: " << error << "\n";
    if (!errors.empty() || dispatcher.Root()->GetChildren().empty()) return 1;

    std::ostringstream page;
    page << kHeader << ".SH OPTIONS\n";
    for (const auto& option : Parvik::AutoCli::kFrameworkOptionTable) {
        page << ".TP\n\\fB" << Roff(option.name) << "\\fR";
        if (*option.value) page << "=\\fI" << Roff(option.value) << "\\fR";
        page << "\n" << Roff(option.description) << "\n";
    }
    page << kMiddle << ".SH ENVIRONMENT\n";
    for (const auto& variable : Parvik::AutoCli::kEnvironmentVariableTable) {
        page << ".TP\n.B " << variable.name << "\n" << Roff(variable.description) << "\n";
    }
    page << kFooter;
    WriteTree(page, "", *dispatcher.Root());
    page << ".SH EXAMPLES\n";
    for (const auto& example : Parvik::AutoCli::kUsageExamples) {
        page << ".PP\n" << Roff(example.what) << "\n.PP\n.RS\n.nf\n" << Roff(example.commands) << "\n.fi\n.RE\n";
    }
    page << ".SH \"SEE ALSO\"\n\\fBtalixcli \\-\\-help\\fR, \\fBtalixcli \\-\\-list\\-commands\\fR\n";
    std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
    out << page.str();
    out.close();
    if (!out) {
        std::cerr << "Error: cannot write " << argv[2] << "\n";
        return 1;
    }
    return 0;
}
