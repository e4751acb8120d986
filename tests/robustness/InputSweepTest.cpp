// Bad input for every parameter of every command of the network tree, built
// from the commands' own input specs. Each case runs in-process through the
// dispatcher (in a forked child, so a crash or a hang is caught and named)
// against a real host-root directory, and a sample runs through talixcli.
// A refused case must give one clear message and leave every host file as it
// was; a case may only succeed when its value really is valid.
#include <algorithm>
#include <cstdint>
#include <limits>
#include <set>
#include <sstream>
#include <tuple>

#include <gtest/gtest.h>

#include "Utf8.h"
#include "core/SimHostTesting.h"
#include "parvik/PluginHooks.h"
#include "robustness/RobustnessSupport.h"
#include "support/CaseTable.h"
#include "support/CliHarness.h"

namespace {

using Parvik::AutoCli::Command;
using Parvik::AutoCli::NamespaceNode;
using Parvik::CallSpec::ParameterSpec;
using TalixRobustness::HostFiles;
using TalixRobustness::Printable;

const size_t kHugeSize = 1024 * 1024;
// execve refuses a single argument above 128 KiB: the binary gets smaller ones.
const size_t kLargestArgumentForBinary = 100 * 1024;
const int kCaseTimeoutMs = 30000;

struct SweepCase {
    std::string command;    // path words joined
    std::string parameter;  // the parameter under test
    std::string kind;       // what is wrong with it
    std::string value;      // the bad value ("" for a missing parameter)
    std::vector<std::string> args;
    // Large values are made only when the case runs (value then holds the
    // character they repeat), so that the list of cases stays small.
    size_t repeat = 0;
    std::string Describe() const {
        return command + " --" + parameter + " [" + kind + "] value \"" + Printable(value) + "\"";
    }
};

// Values the demo host accepts for parameters that name something on it.
const std::map<std::string, std::string>& DemoValues() {
    static const std::map<std::string, std::string> values = [] {
        std::map<std::string, std::string> read;
        for (const auto& row : TalixTest::ReadCaseTable("robustness/sweep_demo_values.tsv", 2)) {
            read[row.fields[0]] = row.fields[1];
        }
        return read;
    }();
    return values;
}

std::string ValidValue(const ParameterSpec& parameter) {
    const auto& constraint = parameter.GetConstraint();
    if (constraint) {
        switch (constraint->GetType()) {
        case Parvik::CallSpec::CONSTRAINT_STRING_ENUM:
            if (!constraint->GetStringEnums().empty()) return constraint->GetStringEnums().front().value;
            break;
        case Parvik::CallSpec::CONSTRAINT_INT_ENUM:
            if (!constraint->GetIntEnums().empty()) return std::to_string(constraint->GetIntEnums().front());
            break;
        case Parvik::CallSpec::CONSTRAINT_INT_RANGE: {
            auto known = DemoValues().find(parameter.GetName());
            if (known != DemoValues().end()) return known->second;
            return std::to_string(constraint->GetRangeMin());
        }
        default: break;
        }
    }
    auto known = DemoValues().find(parameter.GetName());
    if (known != DemoValues().end()) return known->second;
    switch (parameter.GetType()) {
    case Parvik::CallSpec::PARAM_INTEGER: return "1";
    case Parvik::CallSpec::PARAM_BOOLEAN: return "true";
    default: return "probe";
    }
}

std::string Plus(int64_t value, int delta) {
    // Decimal text of value + delta, also beyond the 64-bit limits.
    if (delta > 0 && value == std::numeric_limits<int64_t>::max()) return "9223372036854775808";
    if (delta < 0 && value == std::numeric_limits<int64_t>::min()) return "-9223372036854775809";
    return std::to_string(value + delta);
}

// What is wrong with a value, and the value.
std::vector<std::pair<std::string, std::string>> BadValues(const ParameterSpec& parameter) {
    static const auto table = TalixTest::ReadCaseTable("robustness/sweep_bad_values.tsv", 3);
    using Parvik::CallSpec::PARAM_BOOLEAN;
    using Parvik::CallSpec::PARAM_FLAG;
    using Parvik::CallSpec::PARAM_INTEGER;
    const auto type = parameter.GetType();
    const std::string typeName = type == PARAM_FLAG      ? "flag"
                                 : type == PARAM_INTEGER ? "integer"
                                 : type == PARAM_BOOLEAN ? "boolean"
                                                         : "string";
    const auto& constraint = parameter.GetConstraint();
    std::vector<std::pair<std::string, std::string>> values;
    for (const auto& row : table) {
        if (row.fields[0] == typeName || (row.fields[0] == "string choices" && typeName == "string" && constraint)) {
            values.emplace_back(row.fields[1], row.fields[2]);
        }
    }
    if (typeName == "integer" && constraint && constraint->GetType() == Parvik::CallSpec::CONSTRAINT_INT_RANGE) {
        values.emplace_back("range min - 1", Plus(constraint->GetRangeMin(), -1));
        values.emplace_back("range max + 1", Plus(constraint->GetRangeMax(), 1));
    }
    if (typeName == "integer" && constraint && constraint->GetType() == Parvik::CallSpec::CONSTRAINT_INT_ENUM) {
        const auto& allowed = constraint->GetIntEnums();
        int64_t outside = 0;
        while (std::find(allowed.begin(), allowed.end(), outside) != allowed.end()) ++outside;
        values.emplace_back("not one of the choices", std::to_string(outside));
    }
    return values;
}

struct CommandInfo {
    std::vector<std::string> path;
    std::shared_ptr<Parvik::CallSpec::InputSpec> spec;
};

void CollectCommands(const std::shared_ptr<NamespaceNode>& node, std::vector<std::string> path,
                     std::vector<CommandInfo>& commands) {
    for (const auto& child : node->GetChildren()) {
        auto childPath = path;
        childPath.push_back(child.first);
        if (child.second->GetType() == Parvik::AutoCli::NODE_COMMAND) {
            auto spec = child.second->GetInputSpec();
            commands.push_back({childPath, spec ? spec : Parvik::CallSpec::InputSpec::New()});
        } else {
            CollectCommands(child.second, childPath, commands);
        }
    }
}

std::string Join(const std::vector<std::string>& words) {
    std::string text;
    for (const auto& word : words) text += (text.empty() ? "" : " ") + word;
    return text;
}

// The case with its large value made, of the given size.
SweepCase Materialize(const SweepCase& sweepCase, size_t size) {
    SweepCase made = sweepCase;
    if (made.repeat == 0) return made;
    made.value = std::string(size, sweepCase.value.at(0));
    made.args.back() = made.value;
    return made;
}

std::vector<SweepCase> GenerateCases(const std::vector<CommandInfo>& commands) {
    std::vector<SweepCase> cases;
    for (const auto& command : commands) {
        const auto& parameters = command.spec->GetParameters();
        auto argsWithout = [&](const std::string& skipped) {
            std::vector<std::string> args = command.path;
            for (const auto& parameter : parameters) {
                if (!parameter->IsRequired() || parameter->GetName() == skipped) continue;
                args.push_back("--" + parameter->GetName());
                if (parameter->GetType() != Parvik::CallSpec::PARAM_FLAG) args.push_back(ValidValue(*parameter));
            }
            return args;
        };
        for (const auto& parameter : parameters) {
            for (const auto& bad : BadValues(*parameter)) {
                SweepCase sweepCase{Join(command.path), parameter->GetName(), bad.first, bad.second,
                                    argsWithout(parameter->GetName())};
                if (parameter->GetType() == Parvik::CallSpec::PARAM_FLAG) {
                    sweepCase.value = "yes";
                    sweepCase.args.push_back("--" + parameter->GetName() + "=yes");
                } else {
                    sweepCase.args.push_back("--" + parameter->GetName());
                    sweepCase.args.push_back(bad.second);
                    if (bad.first == "1 MiB string") sweepCase.repeat = kHugeSize;
                }
                cases.push_back(std::move(sweepCase));
            }
            if (parameter->IsRequired()) {
                cases.push_back({Join(command.path), parameter->GetName(), "required parameter missing", "",
                                 argsWithout(parameter->GetName())});
            }
        }
    }
    return cases;
}

// Values a command takes as they are, although the sweep counts them as bad.
const std::set<std::tuple<std::string, std::string, std::string>>& AcceptedOnPurpose() {
    static const std::set<std::tuple<std::string, std::string, std::string>> accepted = [] {
        std::set<std::tuple<std::string, std::string, std::string>> read;
        for (const auto& row : TalixTest::ReadCaseTable("robustness/sweep_accepted.tsv", 3)) {
            read.emplace(row.fields[0], row.fields[1], row.fields[2]);
        }
        return read;
    }();
    return accepted;
}

bool IsAcceptedOnPurpose(const SweepCase& sweepCase) {
    return AcceptedOnPurpose().count({sweepCase.command, sweepCase.parameter, sweepCase.kind}) != 0 ||
           AcceptedOnPurpose().count({"*", sweepCase.parameter, sweepCase.kind}) != 0;
}

// Messages that are one message over several lines: a usage summary, a list
// of the names accepted.
bool IsKnownMultiLineMessage(const std::string& err) {
    for (const char* start : {"Can not figure out which operation you want to perform.\n", "Invalid tag name "}) {
        if (err.compare(0, std::string(start).size(), start) == 0) return true;
    }
    return false;
}

bool IsValidUtf8(const std::string& text) {
    for (size_t i = 0, length = 0; i < text.size(); i += length) {
        if ((length = Parvik::Text::Utf8SequenceLength(text, i)) == 0) return false;
    }
    return true;
}

// Why a refusal's message is not one clear message, or "".
std::string MessageProblem(const SweepCase& sweepCase, int status, const std::string& err) {
    if (err.empty()) return "no message";
    if (err.back() != '\n') return "no line end";
    if (err.find('\n') != err.size() - 1 && !IsKnownMultiLineMessage(err)) return "not exactly one line";
    if (err.find("\n\n") != std::string::npos) return "empty line in the message";
    if (err.size() > 1024) return "message of " + std::to_string(err.size()) + " bytes";
    for (char c : err) {
        if ((static_cast<unsigned char>(c) < 0x20 && c != '\n') || c == 0x7f) return "control character in the message";
    }
    if (!IsValidUtf8(err)) return "message is not valid UTF-8";
    for (const char* internal : {"stoi", "stol", "stoul", "basic_string", "std::", "out_of_range", "invalid_argument",
                                 "json.exception", "unexpected error", "vector::", "map::at", "bad_alloc"}) {
        if (err.find(internal) != std::string::npos) return std::string("internal error text: ") + internal;
    }
    if (status == Parvik::AutoCli::EXIT_USAGE && err.find("--" + sweepCase.parameter) == std::string::npos) {
        return "the framework's refusal does not name --" + sweepCase.parameter;
    }
    return "";
}

class InputSweep : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        harness_ = new TalixTest::CliHarness();
        // The hooks talixcli finds in the plug-in: locking and one write per command.
        harness_->GetDispatcher().SetBeginCommandHook(
            [](const std::string& path, bool changesHost) { AutoCli_BeginCommand(path.c_str(), changesHost ? 1 : 0); });
        harness_->GetDispatcher().SetEndCommandHook([](const std::string& path) {
            const char* problem = AutoCli_EndCommand(path.c_str());
            return std::string(problem ? problem : "");
        });
        root_ = new TalixTest::TempHostRoot();
        // The first use fills the root with the demo host.
        auto first = TalixTest::RunOnHost(*root_, "--formatter=json network nic list");
        ASSERT_EQ(first.status, 0) << first.err;
        pristine_ = new HostFiles(TalixRobustness::Snapshot(root_->Path()));
        std::vector<CommandInfo> commands;
        CollectCommands(harness_->GetDispatcher().Root(), {}, commands);
        commandCount_ = commands.size();
        cases_ = new std::vector<SweepCase>(GenerateCases(commands));
    }
    static void TearDownTestSuite() {
        delete cases_;
        delete pristine_;
        delete root_;
        delete harness_;
    }

    // Checks what one run did; restores the host after an accepted change.
    static void Judge(const SweepCase& sweepCase, const TalixRobustness::IsolatedResult& result,
                      std::vector<std::string>& failures) {
        const std::string where = sweepCase.Describe() + ": ";
        HostFiles after = TalixRobustness::Snapshot(root_->Path());
        std::string changed = TalixRobustness::Difference(*pristine_, after);
        if (!changed.empty()) TalixRobustness::Restore(root_->Path(), *pristine_);
        if (result.hung) {
            failures.push_back(where + "did not finish within " + std::to_string(kCaseTimeoutMs) + " ms");
            return;
        }
        if (result.crashed) {
            failures.push_back(where + "crashed with signal " + std::to_string(result.signal));
            return;
        }
        if (result.status == 0) {
            if (!IsAcceptedOnPurpose(sweepCase)) {
                failures.push_back(where + "was accepted" + (changed.empty() ? "" : " and changed: " + changed));
            }
            return;
        }
        if (result.status != 1 && result.status != 2) {
            failures.push_back(where + "exit status " + std::to_string(result.status));
            return;
        }
        std::string problem = MessageProblem(sweepCase, result.status, result.err);
        if (!problem.empty()) failures.push_back(where + problem + ": " + Printable(result.err, 300));
        if (!changed.empty()) failures.push_back(where + "was refused but changed the host: " + changed);
    }

    static TalixTest::CliHarness* harness_;
    static TalixTest::TempHostRoot* root_;
    static HostFiles* pristine_;
    static std::vector<SweepCase>* cases_;
    static size_t commandCount_;
};

TalixTest::CliHarness* InputSweep::harness_ = nullptr;
TalixTest::TempHostRoot* InputSweep::root_ = nullptr;
HostFiles* InputSweep::pristine_ = nullptr;
std::vector<SweepCase>* InputSweep::cases_ = nullptr;
size_t InputSweep::commandCount_ = 0;

std::string Report(const std::vector<std::string>& failures, size_t run) {
    std::string report = std::to_string(failures.size()) + " of " + std::to_string(run) + " cases failed:\n";
    for (const auto& failure : failures) report += failure + "\n";
    return report;
}

TEST_F(InputSweep, CoversEveryCommandAndParameter) {
    // The tree is walked, not listed: a new command joins the sweep by itself.
    EXPECT_GE(commandCount_, 150u);
    std::set<std::string> commands, parameters;
    for (const auto& sweepCase : *cases_) {
        commands.insert(sweepCase.command);
        parameters.insert(sweepCase.command + " --" + sweepCase.parameter);
    }
    std::vector<CommandInfo> all;
    CollectCommands(harness_->GetDispatcher().Root(), {}, all);
    size_t parameterCount = 0;
    size_t withoutParameters = 0;
    for (const auto& command : all) {
        parameterCount += command.spec->GetParameters().size();
        if (command.spec->GetParameters().empty()) ++withoutParameters;
    }
    EXPECT_EQ(commands.size() + withoutParameters, commandCount_);
    EXPECT_EQ(parameters.size(), parameterCount);
}

TEST_F(InputSweep, InProcessEveryCaseIsRefusedCleanlyOrReallyValid) {
    auto& dispatcher = harness_->GetDispatcher();
    const std::string root = root_->Path();
    std::vector<std::string> failures;
    for (size_t i = 0; i < cases_->size(); ++i) {
        const SweepCase sweepCase = Materialize((*cases_)[i], (*cases_)[i].repeat);
        std::vector<std::string> args = {"--formatter=json"};
        args.insert(args.end(), sweepCase.args.begin(), sweepCase.args.end());
        auto result = TalixRobustness::RunIsolated(
            [&](std::string& out, std::string& err) {
                SimHost::UseHostRoot(root);
                std::ostringstream outText, errText;
                int status = dispatcher.Run(args, outText, errText);
                out = outText.str();
                err = errText.str();
                return status;
            },
            kCaseTimeoutMs);
        Judge(sweepCase, result, failures);
    }
    EXPECT_TRUE(failures.empty()) << Report(failures, cases_->size());
    RecordProperty("cases", static_cast<int>(cases_->size()));
}

TEST_F(InputSweep, ThroughTheBinaryASampleBehavesTheSame) {
    std::vector<std::string> failures;
    size_t run = 0;
    const size_t stride = TalixRobustness::FullForm() ? 1 : 61;
    for (size_t i = 0; i < cases_->size(); i += stride) {
        // A large value is cut to what one argument may hold.
        SweepCase sweepCase = Materialize((*cases_)[i], kLargestArgumentForBinary);
        if (sweepCase.repeat) sweepCase.kind += ", cut to 100 KiB";
        ++run;
        std::vector<std::string> args = {"--formatter=json"};
        args.insert(args.end(), sweepCase.args.begin(), sweepCase.args.end());
        auto result = TalixTest::RunTalixcli(args, {{"TALIX_HOST_ROOT", root_->Path()}});
        const bool crashed = result.status >= 128;
        Judge(sweepCase, {crashed, crashed ? result.status - 128 : 0, false, result.status, "", result.err}, failures);
    }
    EXPECT_GT(run, 20u);
    EXPECT_TRUE(failures.empty()) << Report(failures, run);
}

}  // namespace
