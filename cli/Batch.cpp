// --batch and --dry-run: several command lines run as one transaction of the
// plug-ins' host, and any change shown as a unified diff instead of made.
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <sstream>

#include "Dispatcher.h"
#include "FileIo.h"
#include "Parser.h"
#include "ShellWords.h"
#include "UnifiedDiff.h"
#include "render/JsonWriter.h"
#include "render/RenderDetail.h"

namespace Parvik {
namespace AutoCli {

namespace {

using Render::Detail::JsonWriter;
using Render::Detail::OutBuffer;

const char kJsonFormatter[] = "json";
const char kStandardInput[] = "-";
// Field names of the JSON forms.
const char kLineField[] = "line";
const char kCommandField[] = "command";
const char kStatusField[] = "status";
const char kOutputField[] = "output";
const char kErrorsField[] = "errors";
const char kChangesField[] = "changes";
const char kPathField[] = "path";
const char kDiffField[] = "diff";
const char kPlanField[] = "plan";
const char kNoChanges[] = "# No host file would change.\n";
// The largest batch input read (as the top-level help says).
const size_t kMaxBatchBytes = size_t{64} << 20;
// How much of a batch line its separator shows.
const size_t kShownLineBytes = 240;

// The whole batch input; no standard streams (their set-up would cost every run).
// Read whole before the transaction starts, so its size is bounded: a device
// that never ends (/dev/zero) is refused by type, standard input by size. A
// named pipe is read as its writer sends, so its reader waits for one.
bool ReadBatchInput(const std::string& name, std::string& text, std::string& problem) {
    using Talix::FileIo::ReadStatus;
    const bool standardInput = name == kStandardInput;
    const std::string shown = standardInput ? "standard input" : "batch file " + ShowInput(name);
    Talix::FileIo::ReadOutcome outcome;
    if (standardInput) {
        outcome = Talix::FileIo::ReadToEnd(STDIN_FILENO, kMaxBatchBytes, text);
    } else {
        Talix::FileIo::ReadRules rules;
        rules.limit = kMaxBatchBytes;
        rules.followLinks = true;
        rules.pipes = true;
        rules.blocking = true;
        outcome = Talix::FileIo::ReadFullFile(name, rules, text);
    }
    switch (outcome.status) {
    case ReadStatus::Read: return true;
    case ReadStatus::NotAllowed: problem = "Cannot read " + shown + ": it is not a regular file or a pipe."; break;
    case ReadStatus::TooLarge:
        problem = "Cannot read " + shown + ": it holds more than " + std::to_string(kMaxBatchBytes >> 20) +
                  " MiB; split it into smaller batches.";
        break;
    case ReadStatus::Missing:
    case ReadStatus::OpenFailed:
    case ReadStatus::ReadFailed: problem = "Cannot read " + shown + ": " + std::strerror(outcome.error) + "."; break;
    }
    return false;
}

// The separator "# line N: TEXT" shows the line as the text formats show
// values: controls and invalid UTF-8 escaped, and a long line shortened.
std::string LineSeparator(const BatchLine& line) {
    size_t end = std::min(line.text.size(), kShownLineBytes);
    while (end < line.text.size() && end > 0 && (static_cast<unsigned char>(line.text[end]) & 0xc0) == 0x80) --end;
    std::string separator = "# line " + std::to_string(line.number) + ": ";
    const size_t from = separator.size();
    separator.append(line.text, 0, end);
    Render::Detail::EscapeControls(separator, from, false);
    if (end < line.text.size()) separator += "... (" + std::to_string(line.text.size()) + " bytes)";
    return separator + "\n";
}

// A JSON array of messages.
void WriteMessages(JsonWriter& json, const std::vector<std::string>& messages) {
    json.BeginArray();
    for (const auto& message : messages) json.String(message);
    json.End();
}

// A JSON array of the host files a change would write, each with its diff.
void WriteChanges(JsonWriter& json, const std::vector<HostFileChange>& changes) {
    json.Key(kChangesField);
    json.BeginArray();
    for (const auto& change : changes) {
        json.BeginObject();
        json.Key(kPathField);
        json.String(change.path);
        json.Key(kDiffField);
        json.String(UnifiedDiff(change.path, change.before, change.after));
        json.End();
    }
    json.End();
}

// What a dry run would do, as the "changes" key and, when a host plans its
// own changes, the "plan" key of a JSON object.
void WriteDryRun(JsonWriter& json, const std::vector<HostFileChange>& changes, bool planned,
                 const std::vector<std::string>& plan) {
    WriteChanges(json, changes);
    if (planned) {
        json.Key(kPlanField);
        WriteMessages(json, plan);
    }
}

// The messages of the framework's refusals in what a run wrote to stderr: its
// "Error: " lines (help printed after one is not a message).
std::vector<std::string> FrameworkMessages(const std::string& text) {
    static const std::string prefix = "Error: ";
    std::vector<std::string> messages;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        if (text.compare(start, prefix.size(), prefix) == 0) {
            messages.push_back(text.substr(start + prefix.size(), end - start - prefix.size()));
        }
        start = end + 1;
    }
    return messages;
}

// A host's plan lines come first, as plain lines, then the files' diffs.
void PrintChanges(const std::vector<HostFileChange>& changes, const std::vector<std::string>& plan, std::ostream& out) {
    if (changes.empty() && plan.empty()) out << kNoChanges;
    for (const auto& line : plan) out << line << "\n";
    for (const auto& change : changes) out << UnifiedDiff(change.path, change.before, change.after);
}

}  // namespace

void Dispatcher::BeginTransaction(bool dryRun) {
    FindTransactionHooks();
    for (auto& hooks : transactionHooks_) hooks.begin(dryRun);
}

std::string Dispatcher::EndTransaction(bool commit) {
    std::string problem;
    for (auto& hooks : transactionHooks_) {
        std::string own = hooks.end(commit && problem.empty());
        if (problem.empty()) problem = own;
    }
    return problem;
}

std::string Dispatcher::CollectChanges(std::vector<HostFileChange>& changes) {
    for (auto& hooks : transactionHooks_) {
        if (!hooks.changes) continue;
        std::string problem = hooks.changes(changes);
        if (!problem.empty()) return problem;
    }
    return "";
}

bool Dispatcher::ShowsPlan() const {
    for (const auto& hooks : transactionHooks_) {
        if (hooks.plan) return true;
    }
    return false;
}

std::string Dispatcher::CollectPlan(std::vector<std::string>& plan) {
    for (auto& hooks : transactionHooks_) {
        if (!hooks.plan) continue;
        std::string problem = hooks.plan(plan);
        if (!problem.empty()) return problem;
    }
    return "";
}

int Dispatcher::RunTransaction(const TransactionRequest& request, const std::vector<std::string>& rest,
                               std::ostream& out, std::ostream& err) {
    FindTransactionHooks();
    // Without a plug-in that holds changes back, a dry run would make them.
    if (request.dryRun && transactionHooks_.empty() && !root_->GetChildren().empty()) {
        err << "Error: --dry-run is not available: no loaded plug-in can hold its changes back.\n";
        return EXIT_USAGE;
    }
    if (!request.batch) return RunDryRun(request, rest, out, err);
    if (!rest.empty()) {
        err << "Error: --batch takes its commands from the batch file; found " << ShowInput(rest[0]) << " after it.\n";
        return EXIT_USAGE;
    }
    return RunBatch(request, out, err);
}

int Dispatcher::RunDryRun(const TransactionRequest& request, const std::vector<std::string>& rest, std::ostream& out,
                          std::ostream& err) {
    // The same command line without --dry-run, run as usual inside the
    // transaction whatever its words: only the parser tells a help request
    // from an option's value such as "--help".
    std::vector<std::string> args;
    if (!request.formatter.empty()) args.push_back("--formatter=" + request.formatter);
    for (const auto& parameter : request.formatParameters) {
        args.push_back("--format-param=" + parameter.first + "=" + parameter.second);
    }
    args.insert(args.end(), rest.begin(), rest.end());

    const bool json = request.formatter == kJsonFormatter;
    BeginTransaction(true);
    // Everything is built in memory and printed once the host is let go: a
    // reader that stalls must not hold the host's lock.
    std::ostringstream captured, errors;
    // The command's messages, whole, for the JSON form; the framework's own
    // refusals only as it printed them.
    RunReport report;
    int status = Run(args, captured, errors, &report);
    std::vector<std::string> messages = report.commandRan ? report.messages : FrameworkMessages(errors.str());
    const bool help = helpPrinted_;
    std::vector<HostFileChange> changes;
    std::vector<std::string> plan;
    const bool planned = ShowsPlan();
    std::string problem;
    if (!help) problem = CollectChanges(changes);
    if (!help && problem.empty()) problem = CollectPlan(plan);
    EndTransaction(false);
    err << errors.str();
    if (!problem.empty()) {
        err << "Error: " << problem << "\n";
        status = EXIT_COMMAND_ERROR;
        messages.push_back(problem);
        changes.clear();
        plan.clear();
        if (!json) return status;
    }
    if (help) {
        out << captured.str();
    } else if (json) {
        OutBuffer buffer(out);
        JsonWriter result(buffer, false);
        result.BeginObject();
        result.Key(kOutputField);
        result.Rendered(captured.str());
        result.Key(kErrorsField);
        WriteMessages(result, messages);
        WriteDryRun(result, changes, planned, plan);
        result.End();
        buffer.EndLine();
        buffer.Flush();
    } else {
        out << captured.str();
        PrintChanges(changes, plan, out);
    }
    out.flush();
    return status;
}

int Dispatcher::RunBatch(const TransactionRequest& request, std::ostream& out, std::ostream& err) {
    std::string input, problem;
    if (!ReadBatchInput(request.batchFile, input, problem)) {
        err << "Error: " << problem << "\n";
        return EXIT_USAGE;
    }
    const std::vector<BatchLine> lines = SplitBatch(input);
    const bool json = request.formatter == kJsonFormatter;
    // The JSON form is built line by line, while each line's result exists.
    std::ostringstream resultText;
    OutBuffer resultBuffer(resultText);
    JsonWriter result(resultBuffer, false);
    if (json && request.dryRun) {
        result.BeginObject();
        result.Key(kOutputField);
    }
    if (json) result.BeginArray();
    int status = EXIT_OK;

    BeginTransaction(request.dryRun);
    std::vector<int> commandLines;  // the line of each command run, in order
    // What the lines print is kept until the transaction has ended: a reader
    // that stalls must not hold the host's lock.
    std::ostringstream text, errorText;
    size_t stoppedAt = 0;  // the failing line's number
    for (const auto& line : lines) {
        Invocation invocation;
        std::string refusal = line.error;
        if (refusal.empty() && !line.words[0].empty() && line.words[0][0] == '-') {
            refusal = "Framework options such as " + ShowInput(line.words[0]) +
                      " belong on the talixcli command line, before --batch.";
        }
        std::vector<std::string> errors;
        for (auto& hooks : transactionHooks_) {
            if (hooks.line) hooks.line(line.number);
        }
        if (!refusal.empty()) {
            invocation.status = EXIT_USAGE;
            errors.push_back(refusal);
        } else {
            try {
                invocation = Invoke(line.words);
            } catch (const std::exception& e) {
                invocation.status = EXIT_COMMAND_ERROR;
                invocation.output = nullptr;
                errors.push_back(ShowInput(line.text, false) + " failed: " + e.what());
            } catch (...) {
                invocation.status = EXIT_COMMAND_ERROR;
                invocation.output = nullptr;
                errors.push_back(ShowInput(line.text, false) + " failed with an unexpected error.");
            }
            if (invocation.helpRequested) invocation.usageError = "Help is not available in a batch.";
            if (invocation.status == EXIT_USAGE) errors.push_back(invocation.usageError);
            if (invocation.output) {
                for (const auto& message : invocation.output->GetErrorMessages()) errors.push_back(message);
            }
        }
        const MetaObj::MetaObjectPtr root =
            invocation.status != EXIT_USAGE && invocation.output ? invocation.output->GetRootObject() : nullptr;

        if (json) {
            result.BeginObject();
            result.Key(kLineField);
            result.Int(line.number);
            result.Key(kCommandField);
            result.String(line.text);
            result.Key(kStatusField);
            result.Int(invocation.status);
            result.Key(kOutputField);
            result.Value(root.get());
            result.Key(kErrorsField);
            WriteMessages(result, errors);
            result.End();
        } else {
            text << LineSeparator(line);
            if (root)
                RenderResult(static_cast<Command&>(*invocation.command), invocation, request.formatter,
                             request.formatParameters, text);
        }
        for (const auto& message : errors) errorText << "Error: line " << line.number << ": " << message << "\n";
        if (invocation.command) commandLines.push_back(line.number);
        if (keepOutputs_ && invocation.output) keptOutputs_.push_back(std::move(invocation.output));
        if (invocation.status != EXIT_OK) {
            status = invocation.status;
            stoppedAt = line.number;
            break;
        }
    }
    if (json) result.End();

    std::vector<HostFileChange> changes;
    std::vector<std::string> plan;
    const bool planned = ShowsPlan();
    if (request.dryRun) {
        // A batch that fails writes nothing: its change set is empty.
        if (status == EXIT_OK) problem = CollectChanges(changes);
        if (status == EXIT_OK && problem.empty()) problem = CollectPlan(plan);
        EndTransaction(false);
    } else {
        problem = EndTransaction(status == EXIT_OK);
    }
    if (stoppedAt) {
        // A host that cannot drop what the lines before had done says so
        // when the transaction ends; otherwise none of it was written.
        errorText << "Error: the batch stopped at line " << stoppedAt << "; "
                  << (problem.empty() ? std::string("nothing was changed") : problem) << ".\n";
        problem.clear();
    }
    err << errorText.str();
    if (!problem.empty()) {
        err << "Error: " << problem << "\n";
        if (status == EXIT_OK) status = EXIT_COMMAND_ERROR;
    }
    if (deferredHook_ && problem.empty() && status == EXIT_OK && !request.dryRun) {
        // Committed: a host program that failed since is told on its line.
        for (const auto& failure : deferredHook_()) {
            const size_t index = static_cast<size_t>(failure.first - 1);
            err << "Error: ";
            if (index < commandLines.size()) err << "line " << commandLines[index] << ": ";
            err << failure.second << "\n";
            status = EXIT_COMMAND_ERROR;
        }
    }
    out << text.str();
    if (json) {
        if (request.dryRun) {
            WriteDryRun(result, changes, planned, plan);
            result.End();
        }
        resultBuffer.EndLine();
        resultBuffer.Flush();
        out << resultText.str();
    } else if (request.dryRun && problem.empty()) {
        PrintChanges(changes, plan, out);
    }
    out.flush();
    return status;
}

}  // namespace AutoCli
}  // namespace Parvik
