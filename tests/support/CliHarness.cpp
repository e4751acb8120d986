// Test fixtures for in-process and end-to-end command tests.
#include "support/CliHarness.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "core/SimHostTesting.h"
#include "parvik/PluginHooks.h"
#include "render/Render.h"
#include "support/ModelJson.h"
#include "support/SectionCodec.h"

namespace TalixTest {

std::vector<std::string> SplitWords(const std::string& commandLine) {
    std::vector<std::string> words;
    std::string word;
    bool inWord = false;
    bool quoted = false;
    for (char c : commandLine) {
        if (c == '"') {
            quoted = !quoted;
            inWord = true;
        } else if (c == ' ' && !quoted) {
            if (inWord) words.push_back(word);
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord) words.push_back(word);
    return words;
}

CliHarness::CliHarness() { dispatcher_.RegisterPlugin(&AutoCli_RegisterNamespaces); }

Parvik::AutoCli::Invocation CliHarness::Invoke(const std::string& commandLine) {
    return Invoke(SplitWords(commandLine));
}

Parvik::AutoCli::Invocation CliHarness::Invoke(const std::vector<std::string>& args) {
    return dispatcher_.Invoke(args);
}

CliHarness::RunResult CliHarness::Run(const std::string& commandLine) {
    std::ostringstream out, err;
    RunResult result;
    result.status = dispatcher_.Run(SplitWords(commandLine), out, err);
    result.out = out.str();
    result.err = err.str();
    return result;
}

nlohmann::json RootJson(const Parvik::AutoCli::Invocation& invocation) {
    if (!invocation.output || !invocation.output->GetRootObject()) return nullptr;
    std::ostringstream text;
    Parvik::Render::RenderOutput("json", invocation.output->GetRootObject(), {}, text);
    return nlohmann::json::parse(text.str());
}

std::vector<std::string> Errors(const Parvik::AutoCli::Invocation& invocation) {
    if (invocation.status == Parvik::AutoCli::EXIT_USAGE || !invocation.output) return {invocation.usageError};
    return invocation.output->GetErrorMessages();
}

MemoryHostTest::Result MemoryHostTest::Run(const std::vector<std::string>& args) {
    Result result;
    static_cast<Parvik::AutoCli::Invocation&>(result) = cli.Invoke(args);
    result.root = RootJson(result);
    result.errors = Errors(result);
    if (result.output && !result.usageError.empty()) result.errors.push_back(result.usageError);
    return result;
}

MemoryHostTest::Result MemoryHostTest::Run(const std::string& commandLine) { return Run(SplitWords(commandLine)); }

nlohmann::json MemoryHostTest::Root(const std::string& commandLine) {
    auto result = Run(commandLine);
    EXPECT_EQ(result.errors, std::vector<std::string>{}) << commandLine;
    return result.root;
}

std::string MemoryHostTest::OnlyError(const std::string& commandLine) {
    auto result = Run(commandLine);
    EXPECT_EQ(result.root, nullptr) << commandLine;
    EXPECT_EQ(result.errors.size(), 1u) << commandLine;
    return result.errors.empty() ? "" : result.errors.front();
}

void MemoryHostTest::ExpectRefused(const std::string& commandLine, const std::vector<std::string>& messages,
                                   const nlohmann::json& root) {
    const auto before = SimHost::MemoryHostFiles();
    auto result = Run(commandLine);
    EXPECT_EQ(result.errors, messages) << commandLine;
    EXPECT_EQ(result.root, root) << commandLine;
    const auto after = SimHost::MemoryHostFiles();
    std::string changed;
    for (const auto& [path, text] : after) {
        if (!before.count(path) || before.at(path) != text) changed += " " + path;
    }
    for (const auto& entry : before) changed += after.count(entry.first) ? "" : " " + entry.first;
    EXPECT_EQ(changed, "") << commandLine << ": the host changed";
}

void MemoryHostTest::SetUp() { SimHost::UseMemoryHost(); }

void MemoryHostTest::UseHost(const nlohmann::json& sections, const std::map<std::string, std::string>& files) {
    SimHost::UseMemoryHost(SectionTexts(sections), files);
}

namespace {

std::string ReadWholeFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path.string());
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace

HostFolder ReadHostFolder(const std::string& name) {
    namespace fs = std::filesystem;
    const fs::path folder = fs::path(TALIX_SOURCE_DIR) / "tests" / "hosts" / name;
    if (!fs::is_directory(folder)) throw std::runtime_error("no host folder " + folder.string());
    HostFolder host;
    if (fs::is_directory(folder / "state")) {
        for (const auto& entry : fs::directory_iterator(folder / "state")) {
            if (entry.path().extension() != ".json") continue;
            host.sections[entry.path().stem().string()] = nlohmann::json::parse(ReadWholeFile(entry.path()));
        }
    }
    if (fs::is_directory(folder / "etc")) {
        for (const auto& entry : fs::recursive_directory_iterator(folder / "etc")) {
            if (!entry.is_regular_file()) continue;
            host.files[fs::relative(entry.path(), folder).generic_string()] = ReadWholeFile(entry.path());
        }
    }
    return host;
}

void MemoryHostTest::UseHostFolder(const std::string& name, const nlohmann::json& moreSections) {
    HostFolder host = ReadHostFolder(name);
    for (const auto& section : moreSections.items()) host.sections[section.key()] = section.value();
    UseHost(host.sections, host.files);
}

nlohmann::json MemoryHostTest::Section(const std::string& name) {
    auto files = SimHost::MemoryHostFiles();
    auto found = files.find("state/" + name + ".json");
    if (found == files.end()) return nullptr;
    return SpelledOutSection(name, found->second);
}

void MemoryHostTest::InjectFault(const std::string& operation, const std::string& message) {
    SimHost::InjectFault(operation, message);
}

}  // namespace TalixTest
