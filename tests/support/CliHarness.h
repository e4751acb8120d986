// Test fixtures: the framework with the network plug-in in this process, on an
// in-memory host; and the talixcli binary run on a temporary host root.
#pragma once

#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "Dispatcher.h"

namespace TalixTest {

// Splits a command line at blanks; "..." keeps blanks, "" is an empty word.
std::vector<std::string> SplitWords(const std::string& commandLine);

// The framework with the network plug-in registered.
class CliHarness {
public:
    CliHarness();

    // Parses, checks and executes "network ..." (no framework options).
    Parvik::AutoCli::Invocation Invoke(const std::string& commandLine);
    Parvik::AutoCli::Invocation Invoke(const std::vector<std::string>& args);

    struct RunResult {
        int status = 0;
        std::string out;
        std::string err;
    };
    // A whole talixcli run, framework options included, captured.
    RunResult Run(const std::string& commandLine);

    Parvik::AutoCli::Dispatcher& GetDispatcher() { return dispatcher_; }

private:
    Parvik::AutoCli::Dispatcher dispatcher_;
};

// The root object of an invocation rendered as JSON (null when unset).
nlohmann::json RootJson(const Parvik::AutoCli::Invocation& invocation);
std::vector<std::string> Errors(const Parvik::AutoCli::Invocation& invocation);

// A test host described once for transcripts and C++ tests: the sections
// (state/*.json) and etc/ files of tests/hosts/NAME/, which a transcript
// loads with "@host NAME".
struct HostFolder {
    nlohmann::json sections = nlohmann::json::object();
    std::map<std::string, std::string> files;  // "etc/..." -> content
};
HostFolder ReadHostFolder(const std::string& name);

// Base fixture: a fresh in-memory host per test, holding only the sections given.
class MemoryHostTest : public ::testing::Test {
protected:
    // One command's invocation with its root and messages already read; the
    // framework's refusal of a parameter counts as a message too.
    struct Result : Parvik::AutoCli::Invocation {
        nlohmann::json root;
        std::vector<std::string> errors;
    };
    Result Run(const std::string& commandLine);
    Result Run(const std::vector<std::string>& args);
    // Runs a command expected to succeed without messages; returns its root.
    nlohmann::json Root(const std::string& commandLine);
    // Runs a command expected to fail with exactly one message and no root.
    std::string OnlyError(const std::string& commandLine);
    // A refused command: exactly these messages, this root (null: none), and
    // every file of the host as it was.
    void ExpectRefused(const std::string& commandLine, const std::vector<std::string>& messages,
                       const nlohmann::json& root = nullptr);
    void ExpectRefused(const std::string& commandLine, const std::string& message) {
        ExpectRefused(commandLine, std::vector<std::string>{message});
    }
    // Runs a changing command that must succeed without messages.
    void Change(const std::string& commandLine) { EXPECT_EQ(Root(commandLine), true) << commandLine; }

    void SetUp() override;
    void UseHost(const nlohmann::json& sections, const std::map<std::string, std::string>& files = {});
    // The host of tests/hosts/NAME/, with these sections added or replaced.
    void UseHostFolder(const std::string& name, const nlohmann::json& moreSections = nlohmann::json::object());
    // A section as currently stored (after changes), parsed.
    nlohmann::json Section(const std::string& name);
    void InjectFault(const std::string& operation, const std::string& message);

    CliHarness cli;
};

// A temporary host-root directory, removed at the end of the test.
class TempHostRoot {
public:
    TempHostRoot();
    ~TempHostRoot();
    TempHostRoot(const TempHostRoot&) = delete;
    TempHostRoot& operator=(const TempHostRoot&) = delete;

    const std::string& Path() const { return path_; }
    void WriteSection(const std::string& name, const nlohmann::json& content);
    void WriteFile(const std::string& relativePath, const std::string& content);
    std::string ReadFile(const std::string& relativePath) const;
    nlohmann::json ReadSection(const std::string& name) const;

private:
    std::string path_;
};

struct ProcessResult {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs the built talixcli with the given arguments and extra environment,
// and standard input read from inputFile when one is named.
ProcessResult RunTalixcli(const std::vector<std::string>& args,
                          const std::map<std::string, std::string>& environment = {},
                          const std::string& inputFile = "");
// The same with stdout sent to stdoutTarget (for example /dev/full), or closed
// when stdoutTarget is empty, or a pipe nobody reads any more when it is
// kClosedPipe; the result's out stays empty.
inline const char kClosedPipe[] = "|closed pipe|";
ProcessResult RunTalixcliWithStdout(const std::string& stdoutTarget, const std::vector<std::string>& args,
                                    const std::map<std::string, std::string>& environment = {});
// The same on a host root: args are split from one command line.
ProcessResult RunOnHost(const TempHostRoot& root, const std::string& commandLine);
// "--formatter=json" and the command line on a host root: it must succeed
// without messages; returns its parsed output.
nlohmann::json JsonOnHost(const TempHostRoot& root, const std::string& commandLine);
// A changing command on a host root: it must succeed without messages and print true.
void ChangeOnHost(const TempHostRoot& root, const std::string& commandLine);

}  // namespace TalixTest
