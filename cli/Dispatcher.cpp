// The framework's front end: resolves the command path, checks the options,
// runs the command and renders what it returns.
#include "Dispatcher.h"

#include <sys/ioctl.h>
#include <unistd.h>

#include <cstdlib>
#include <exception>

#include "Completion.h"
#include "FrameworkOptions.h"
#include "Help.h"
#include "Parser.h"
#include "ShellInfo.h"

namespace Parvik {
namespace AutoCli {

namespace {

const char kDefaultFormatter[] = "simple";

std::string JoinPath(const std::vector<std::string>& words, size_t count) {
    std::string path;
    for (size_t i = 0; i < count && i < words.size(); ++i) {
        if (i) path += " ";
        path += words[i];
    }
    return path;
}

std::vector<std::string> ChildNames(const NamespaceNode& node) {
    std::vector<std::string> names;
    for (const auto& child : node.GetChildren()) names.push_back(child.first);
    return names;
}

int TerminalWidth() {
    winsize size{};
    if (isatty(STDOUT_FILENO) && ioctl(STDOUT_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 0) {
        return size.ws_col;
    }
    if (const char* columns = std::getenv("COLUMNS")) {
        int width = std::atoi(columns);
        if (width > 0) return width;
    }
    return 80;
}

// Calls visit with the path of every command below node, in tree order; one
// path buffer serves the whole walk.
template <typename Visit>
void VisitCommandPaths(const NamespaceNode& node, std::string& path, const Visit& visit) {
    for (const auto& child : node.GetChildren()) {
        const size_t mark = path.size();
        if (mark != 0) path += ' ';
        path += child.first;
        if (child.second->GetType() == NODE_COMMAND) {
            visit(path);
        } else {
            VisitCommandPaths(*child.second, path, visit);
        }
        path.resize(mark);
    }
}

// Where the path words end and the command's options begin.
struct Resolution {
    std::shared_ptr<NamespaceNode> node;
    size_t consumed = 0;
    std::string error;
};

Resolution ResolvePath(NamespaceNode& root, const std::vector<std::string>& args) {
    Resolution resolution;
    resolution.node = root.ResolveNode(args, resolution.consumed);
    if (resolution.node->GetType() == NODE_COMMAND) return resolution;
    if (resolution.consumed < args.size()) {
        const std::string& word = args[resolution.consumed];
        if (!word.empty() && word[0] == '-') {  // options or --help on a namespace
            resolution.error = FrameworkOptionInPath(args, resolution.consumed);
            return resolution;
        }
        std::string where = JoinPath(args, resolution.consumed + 1);
        resolution.error = "Unknown command or namespace " + ShowInput(word) + " in " + ShowInput(where) + "." +
                           SuggestionText(word, ChildNames(*resolution.node));
    }
    return resolution;
}

std::string KnownFormatters() {
    std::string known;
    for (const auto& name : Render::FormatterNames()) known += (known.empty() ? "" : ", ") + name;
    return known;
}

// The refusal of a framework option that needs a value given as the last
// word; empty for any other word.
std::string MissingValueText(const std::string& word) {
    for (const auto& option : kFrameworkOptionTable) {
        if (word != option.name || !*option.value) continue;
        // The formatters are the renderer's own list, not a copy of it.
        if (option.id == OPTION_FORMATTER) return word + " needs a value: choose one of " + KnownFormatters() + ".";
        return word + " needs a value: " + option.choices + ".";
    }
    return "";
}

}  // namespace

Dispatcher::Dispatcher() : root_(Namespace::New()) { root_->SetDispatcher(this); }

Dispatcher::~Dispatcher() {
    // Drop the outputs and the tree before anything else: their objects come from the plug-ins.
    keptOutputs_.clear();
    root_.reset();
}

void Dispatcher::RegisterPlugin(AutoCliRegisterNamespacesFn registerNamespaces) { registerNamespaces(root_); }

std::vector<std::string> Dispatcher::ListCommands() const {
    std::vector<std::string> paths;
    std::string path;
    VisitCommandPaths(*root_, path, [&paths](const std::string& command) { paths.push_back(command); });
    return paths;
}

bool Dispatcher::AnswerTreeQuery(const std::vector<std::string>& args, std::string& text) const {
    if (args.empty()) return false;
    text.clear();
    if (args[0] == FrameworkOptionName(OPTION_LIST_COMMANDS)) {
        // Words after it narrow the listing to a namespace or a command; Run
        // refuses words that name neither.
        std::vector<std::string> words(args.begin() + 1, args.end());
        Resolution resolution = ResolvePath(*root_, words);
        if (!resolution.error.empty() || resolution.consumed != words.size()) return false;
        std::string path = JoinPath(words, words.size());
        if (resolution.node->GetType() == NODE_COMMAND) {
            text = path + '\n';
            return true;
        }
        VisitCommandPaths(*resolution.node, path, [&text](const std::string& command) {
            text += command;
            text += '\n';
        });
        return true;
    }
    // The completion scripts ask for NUL-terminated candidates: a host name
    // may hold a newline.
    const bool nul = args[0] == FrameworkOptionName(OPTION_COMPLETE_NUL);
    if (nul || args[0] == FrameworkOptionName(OPTION_COMPLETE)) {
        const char end = nul ? '\0' : '\n';
        std::vector<std::string> words(args.begin() + 1, args.end());
        const ValueCompletion values =
            ValueCompletionOverride() ? ValueCompletionOverride() : PluginValueCompletion(pluginHandles_);
        for (const auto& candidate : CompletionCandidates(*root_, words, values)) {
            text += candidate;
            text += end;
        }
        return true;
    }
    return false;
}

Invocation Dispatcher::Invoke(const std::vector<std::string>& args) {
    Invocation invocation;
    Resolution resolution = ResolvePath(*root_, args);
    if (!resolution.error.empty() || resolution.node->GetType() != NODE_COMMAND) {
        invocation.status = EXIT_USAGE;
        invocation.usageError = !resolution.error.empty()
                                    ? resolution.error
                                    : "Missing command after \"" + JoinPath(args, resolution.consumed) + "\".";
        return invocation;
    }
    auto command = std::static_pointer_cast<Command>(resolution.node);
    invocation.command = command;
    invocation.input = std::make_shared<CallSpec::Input>();
    invocation.output = std::make_shared<CallSpec::Output>();
    const CommandFacts& facts = FactsOf(command);
    ParseOutcome outcome = ParseCommandOptions(*facts.inputSpec, args, resolution.consumed, *invocation.input);
    if (outcome.helpRequested) {
        invocation.status = EXIT_USAGE;
        invocation.helpRequested = true;
        return invocation;
    }
    if (!outcome.error.empty()) {
        invocation.status = EXIT_USAGE;
        // A batch line is refused the same way as a single command line.
        const std::string path = JoinPath(args, resolution.consumed);
        const std::string misplaced = MisplacedFrameworkOption(*command, args, resolution.consumed, path);
        invocation.usageError = misplaced.empty() ? outcome.error : misplaced;
        return invocation;
    }
    const std::string path = JoinPath(args, resolution.consumed);
    // The host library is told before the command runs whether it may change
    // the host: it then takes the exclusive lock and writes the command's
    // changes as one when it ends (simhost/core/CommandLifecycle.cpp).
    if (beginHook_) beginHook_(path, facts.changesHost);
    try {
        command->Execute(invocation.input, invocation.output);
    } catch (...) {
        if (endHook_) endHook_(path);  // what the command did before it failed is kept
        throw;
    }
    if (endHook_) {
        std::string problem = endHook_(path);
        if (!problem.empty()) {
            invocation.output->SetRootObject(nullptr);
            invocation.output->AddErrorMessage(problem);
        }
    }
    if (deferredHook_) {
        for (const auto& failure : deferredHook_()) invocation.output->AddErrorMessage(failure.second);
    }
    invocation.status = invocation.output->HasError() ? EXIT_COMMAND_ERROR : EXIT_OK;
    return invocation;
}

const Dispatcher::CommandFacts& Dispatcher::FactsOf(const std::shared_ptr<Command>& command) {
    auto& facts = commandFacts_[command.get()];
    if (!facts.command) {
        facts.command = command;
        facts.inputSpec = command->GetInputSpec();
        if (!facts.inputSpec) facts.inputSpec = CallSpec::InputSpec::New();
        facts.changesHost = ChangesHost(*command);
    }
    return facts;
}

bool Dispatcher::ChangesHost(Command& command) { return command.GetHostAccess() != CommandSpec::HOST_READS; }

void Dispatcher::RenderResult(Command& command, const Invocation& invocation, const std::string& formatter,
                              const std::vector<std::pair<std::string, std::string>>& formatParameters,
                              std::ostream& out) {
    Render::RenderOptions options;
    for (const auto& parameter : command.GetDefaultOutputParameters()) {
        options.parameters[parameter.first] = parameter.second;
    }
    for (const auto& parameter : formatParameters) options.parameters[parameter.first] = parameter.second;
    // Only a wrapped table asks for the width: a batch renders a result per line.
    auto wrap = options.parameters.find("wrap-last");
    if (wrap != options.parameters.end() && wrap->second == "true") options.terminalWidth = TerminalWidth();
    std::string chosen = formatter;
    if (chosen.empty()) chosen = command.GetDefaultOutputFormatter();
    if (chosen.empty()) chosen = kDefaultFormatter;
    Render::RenderOutput(chosen, invocation.output->GetRootObject(), options, out);
}

int Dispatcher::Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    return Run(args, out, err, nullptr);
}

int Dispatcher::Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, RunReport* report) {
    std::string formatter;
    std::vector<std::pair<std::string, std::string>> formatParameters;
    TransactionRequest transaction;
    size_t i = 0;
    std::string lastOption;  // as the user typed it, without a separate value
    helpPrinted_ = false;
    auto usage = [&err](const std::string& message) {
        err << "Error: " << message << "\n";
        return static_cast<int>(EXIT_USAGE);
    };

    // Framework options stand before the command path.
    for (; i < args.size() && !args[i].empty() && args[i][0] == '-'; ++i) {
        const std::string& word = args[i];
        lastOption = word;
        if (i + 1 == args.size()) {
            const std::string missing = MissingValueText(word);
            if (!missing.empty()) return usage(missing);
        }
        bool inlineValue = false;
        const FrameworkOptionInfo* option = FindFrameworkOption(word, inlineValue);
        if (!option) {
            std::vector<std::string> names;
            for (const auto& known : kFrameworkOptionTable) names.push_back(known.name);
            return usage("Unknown option " + ShowInput(word, false) + "." +
                         SuggestionText(word.substr(0, word.find('=')), names));
        }
        // A value is the rest of NAME=VALUE or the next word (MissingValueText saw that there is one).
        std::string value;
        if (inlineValue) {
            value = word.substr(word.find('=') + 1);
        } else if (*option->value) {
            value = args[++i];
        }
        switch (option->id) {
        case OPTION_HELP:
            PrintNamespaceHelp(out, "", *root_, true);
            helpPrinted_ = true;
            return EXIT_OK;
        case OPTION_VERSION: PrintVersion(out, *this); return EXIT_OK;
        case OPTION_LIST_COMMANDS:
        case OPTION_COMPLETE:
        case OPTION_COMPLETE_NUL: {
            std::string text;
            if (!AnswerTreeQuery(std::vector<std::string>(args.begin() + static_cast<long>(i), args.end()), text)) {
                const std::vector<std::string> words(args.begin() + static_cast<long>(i) + 1, args.end());
                Resolution resolution = ResolvePath(*root_, words);
                if (resolution.error.empty()) {
                    resolution.error = "Unexpected argument " + ShowInput(words[resolution.consumed]) + ": " +
                                       FrameworkOptionName(OPTION_LIST_COMMANDS) + " takes a command path.";
                }
                return usage(resolution.error);
            }
            out.write(text.data(), static_cast<std::streamsize>(text.size()));
            return EXIT_OK;
        }
        case OPTION_COMPLETION:
            if (!PrintCompletionScript(out, value)) {
                return usage("Unknown shell " + ShowInput(value) + " for " + option->name +
                             ": choose one of bash, zsh, fish.");
            }
            return EXIT_OK;
        case OPTION_DRY_RUN: transaction.dryRun = true; break;
        case OPTION_BATCH:
            transaction.batch = true;
            transaction.batchFile = value;
            break;
        case OPTION_FORMATTER:
            if (!Render::IsKnownFormatter(value)) {
                return usage("Unknown formatter " + ShowInput(value) + ": choose one of " + KnownFormatters() + ".");
            }
            formatter = value;
            break;
        case OPTION_FORMAT_PARAM: {
            const size_t equals = value.find('=');
            if (equals == std::string::npos || equals == 0) {
                return usage(std::string(option->name) + " needs KEY=VALUE, got " + ShowInput(value) + ".");
            }
            formatParameters.emplace_back(value.substr(0, equals), value.substr(equals + 1));
            break;
        }
        }
    }

    std::vector<std::string> rest(args.begin() + static_cast<long>(i), args.end());
    // Only a batch runs without a command path after the framework options.
    if (rest.empty() && i > 0 && !transaction.batch) {
        return usage("Missing command after " + ShowInput(lastOption, false) +
                     ": framework options stand before a command path. See \"talixcli --help\".");
    }
    if (transaction.batch || transaction.dryRun) {
        transaction.formatter = formatter;
        transaction.formatParameters = formatParameters;
        return RunTransaction(transaction, rest, out, err);
    }
    if (rest.empty()) {
        PrintNamespaceHelp(out, "", *root_, true);
        helpPrinted_ = true;
        return EXIT_OK;
    }
    Resolution resolution = ResolvePath(*root_, rest);
    if (!resolution.error.empty()) {
        const std::string missing = root_->GetChildren().empty() ? MissingPluginText(*this) : "";
        return usage(missing.empty() ? resolution.error : missing);
    }
    std::string path = JoinPath(rest, resolution.consumed);
    if (resolution.node->GetType() != NODE_COMMAND) {
        bool inlineValue = false;
        const FrameworkOptionInfo* option =
            resolution.consumed < rest.size() ? FindFrameworkOption(rest[resolution.consumed], inlineValue) : nullptr;
        const bool help = option && option->id == OPTION_HELP;
        if (help) {
            PrintNamespaceHelp(out, path, *resolution.node, false);
            helpPrinted_ = true;
            return EXIT_OK;
        }
        err << "Error: Missing command after \"" << path << "\".\n";
        PrintNamespaceHelp(err, path, *resolution.node, false);
        return EXIT_USAGE;
    }

    auto& command = static_cast<Command&>(*resolution.node);
    const std::string unfitting = CheckFormatParameters(command, formatParameters);
    if (!unfitting.empty()) return usage(unfitting + " See \"talixcli " + path + " --help\".");
    Invocation invocation;
    try {
        invocation = Invoke(rest);
    } catch (const std::exception& e) {
        err << "Error: " << path << " failed: " << e.what() << "\n";
        return EXIT_COMMAND_ERROR;
    } catch (...) {
        err << "Error: " << path << " failed with an unexpected error.\n";
        return EXIT_COMMAND_ERROR;
    }
    if (invocation.helpRequested) {
        PrintCommandHelp(out, path, command);
        helpPrinted_ = true;
        return EXIT_OK;
    }
    if (invocation.status == EXIT_USAGE) {
        const std::string misplaced = MisplacedFrameworkOption(command, rest, resolution.consumed, path);
        if (!misplaced.empty()) return usage(misplaced);
        return usage(invocation.usageError + " See \"talixcli " + path + " --help\".");
    }

    RenderResult(command, invocation, formatter, formatParameters, out);
    out.flush();
    for (const auto& message : invocation.output->GetErrorMessages()) err << message << "\n";
    if (report) {
        report->commandRan = true;
        report->messages = invocation.output->GetErrorMessages();
    }
    if (keepOutputs_) keptOutputs_.push_back(std::move(invocation.output));
    return invocation.status;
}

}  // namespace AutoCli
}  // namespace Parvik
