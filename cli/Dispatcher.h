// The framework's front end: holds the tree, parses a command line, runs the
// command and renders what it returns.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <unordered_map>
#include <vector>

#include "parvik/AutoCli.h"
#include "render/Render.h"

namespace Parvik {
namespace AutoCli {

// Exit statuses of one run.
enum ExitStatus {
    EXIT_OK = 0,
    EXIT_COMMAND_ERROR = 1,  // the command added error messages
    EXIT_USAGE = 2,          // the framework refused the command line
};

// One parsed and executed command, as the framework API returns it.
struct Invocation {
    int status = EXIT_OK;
    std::string usageError;  // the framework's refusal, when status is EXIT_USAGE
    bool helpRequested = false;
    std::shared_ptr<Command> command;
    std::shared_ptr<CallSpec::Input> input;
    std::shared_ptr<CallSpec::Output> output;
};

// A plug-in library that loaded, with the top-level namespaces it registered.
struct LoadedPlugin {
    std::string path;
    std::vector<std::string> namespaces;
    void* handle = nullptr;  // asked for what it reports only when needed (--version)
};

// A host file that the commands of a transaction would change (no value: no such file).
struct HostFileChange {
    std::string path;
    std::optional<std::string> before;
    std::optional<std::string> after;
};

// What a plug-in offers to run several commands as one transaction.
struct TransactionHooks {
    // Before the first command; dryRun: nothing will be written.
    std::function<void(bool dryRun)> begin;
    // After the last one: writes every change at once (commit) or drops them.
    // Returns why writing failed (then nothing was written), or "".
    std::function<std::string(bool commit)> end;
    // Appends the files the transaction would change; returns why it could not, or "".
    std::function<std::string(std::vector<HostFileChange>& changes)> changes;
    // Appends the changes a dry run would make, one line each, for a host
    // that holds no files; returns why it could not, or "".
    std::function<std::string(std::vector<std::string>& plan)> plan;
    // The batch line that runs next.
    std::function<void(int line)> line;
};

// How talixcli was asked to run a batch or a dry run.
struct TransactionRequest {
    bool batch = false;
    std::string batchFile;  // "-": standard input
    bool dryRun = false;
    std::string formatter;  // as given, or ""
    std::vector<std::pair<std::string, std::string>> formatParameters;
};

class Dispatcher {
public:
    // Called once before a command executes; changesHost is ChangesHost(command).
    using BeginCommandHook = std::function<void(const std::string& path, bool changesHost)>;
    // Called once after a command executed, also when it failed; returns why
    // finishing its work failed (the message becomes the command's error), or "".
    using EndCommandHook = std::function<std::string(const std::string& path)>;
    // After a command, or a batch, ended: the work it left to run once its
    // changes were written that failed since, as (number of the command
    // within the batch, from 1; message). The changes stay; each message
    // becomes that command's error.
    using DeferredFailuresHook = std::function<std::vector<std::pair<int, std::string>>()>;

    Dispatcher();
    // Whether running the command may change the host: as the command declared
    // it (CommandSpec::SetChangesHost); a command that did not is taken as
    // changing it, the safe side (exclusive lock, changes written as one).
    static bool ChangesHost(Command& command);
    ~Dispatcher();
    Dispatcher(const Dispatcher&) = delete;
    Dispatcher& operator=(const Dispatcher&) = delete;

    std::shared_ptr<NamespaceNode>& Root() { return root_; }

    // Calls a plug-in's registration entry point with the root node.
    void RegisterPlugin(AutoCliRegisterNamespacesFn registerNamespaces);
    // Loads every plug-in library of a directory; one message per library that
    // could not be used is appended to errors, the others still load.
    void LoadPlugins(const std::string& directory, std::vector<std::string>& errors);

    // The directory LoadPlugins searched last ("" before any), and what loaded from it.
    const std::string& PluginDirectory() const { return pluginDirectory_; }
    const std::vector<LoadedPlugin>& LoadedPlugins() const { return loadedPlugins_; }

    void SetBeginCommandHook(BeginCommandHook hook) { beginHook_ = std::move(hook); }
    void SetEndCommandHook(EndCommandHook hook) { endHook_ = std::move(hook); }
    void SetDeferredFailuresHook(DeferredFailuresHook hook) { deferredHook_ = std::move(hook); }
    // Plug-ins loaded from a directory offer theirs through exported functions,
    // looked up only when a batch or a dry run needs them.
    void AddTransactionHooks(TransactionHooks hooks) { transactionHooks_.push_back(std::move(hooks)); }
    // For a process that exits right after Run: the dispatcher keeps each
    // command's output instead of tearing it down, since freeing a listing of
    // thousands of records costs about as much as rendering it.
    void KeepOutputs() { keepOutputs_ = true; }

    // Parses "path words... options..." (no framework options), checks the
    // parameters and executes the command.
    Invocation Invoke(const std::vector<std::string>& args);

    // A whole talixcli run: framework options, path, command options.
    int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

    // --batch and --dry-run: the lines of a batch file, or the one command of
    // rest, run as one transaction; output and exit status as talixcli gives them.
    int RunTransaction(const TransactionRequest& request, const std::vector<std::string>& rest, std::ostream& out,
                       std::ostream& err);

    // Every command path, one per entry, in tree order.
    std::vector<std::string> ListCommands() const;

    // The framework options that only print from the tree (--list-commands,
    // --complete WORDS...), when the line starts with one: their whole output
    // as text, so that talixcli can answer them without setting up streams.
    // Returns false for any other line.
    bool AnswerTreeQuery(const std::vector<std::string>& args, std::string& text) const;

private:
    // What a run tells a dry run about the command it ran.
    struct RunReport {
        bool commandRan = false;            // false when the framework refused the line itself
        std::vector<std::string> messages;  // the command's error messages, whole
    };
    int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, RunReport* report);
    // Writes an invocation's root in the formatter given (or the command's own).
    void RenderResult(Command& command, const Invocation& invocation, const std::string& formatter,
                      const std::vector<std::pair<std::string, std::string>>& formatParameters, std::ostream& out);
    // The transaction hooks of the loaded plug-ins, looked up once.
    void FindTransactionHooks();
    int RunBatch(const TransactionRequest& request, std::ostream& out, std::ostream& err);
    int RunDryRun(const TransactionRequest& request, const std::vector<std::string>& rest, std::ostream& out,
                  std::ostream& err);
    void BeginTransaction(bool dryRun);
    std::string EndTransaction(bool commit);
    std::string CollectChanges(std::vector<HostFileChange>& changes);
    // The hosts' plan lines, and whether any host shows a plan at all.
    std::string CollectPlan(std::vector<std::string>& plan);
    bool ShowsPlan() const;
    // What the framework derives from a command, once: a batch runs the same
    // command on thousands of lines, and building its parameters is a third
    // of parsing a line (and building the result it declares, to tell whether
    // it changes the host, as much again).
    struct CommandFacts {
        std::shared_ptr<Command> command;  // kept alive, so that no other command can take its address
        std::shared_ptr<CallSpec::InputSpec> inputSpec;
        bool changesHost = false;
    };
    const CommandFacts& FactsOf(const std::shared_ptr<Command>& command);

    std::shared_ptr<NamespaceNode> root_;
    std::vector<void*> pluginHandles_;
    std::string pluginDirectory_;
    std::vector<LoadedPlugin> loadedPlugins_;
    BeginCommandHook beginHook_;
    EndCommandHook endHook_;
    DeferredFailuresHook deferredHook_;
    bool keepOutputs_ = false;
    std::vector<std::shared_ptr<CallSpec::Output>> keptOutputs_;
    std::vector<TransactionHooks> transactionHooks_;
    bool transactionHooksFound_ = false;
    // Set by Run when it printed help instead of running a command.
    bool helpPrinted_ = false;
    std::unordered_map<const Command*, CommandFacts> commandFacts_;
};

}  // namespace AutoCli
}  // namespace Parvik
