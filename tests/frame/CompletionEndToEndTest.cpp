// Completion through the talixcli binary on a temporary host root, and in a
// real interactive bash under tmux.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <thread>

#include "support/CaseTable.h"
#include "support/CliHarness.h"

namespace {

using TalixTest::RunOnHost;
using TalixTest::RunTalixcli;
using TalixTest::SplitWords;
using TalixTest::TempHostRoot;

std::set<std::string> Lines(const std::string& text) {
    std::set<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
        lines.insert(text.substr(start, end - start));
    }
    return lines;
}

// The names a list command shows on a host root, from its JSON output.
std::set<std::string> ListedNames(const TempHostRoot& root, const std::string& command, const std::string& field) {
    std::set<std::string> names;
    for (const auto& record : TalixTest::JsonOnHost(root, command)) names.insert(record.at(field).get<std::string>());
    return names;
}

TEST(CompletionEndToEnd, NamesComeFromTheHostRootTheCommandWouldUse) {
    TempHostRoot root;
    ASSERT_EQ(RunOnHost(root, "network vswitch standard add -v e2eSwitch").status, 0);
    auto run = RunOnHost(root, "--complete network vswitch standard remove --vswitch-name");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_TRUE(Lines(run.out).count("e2eSwitch")) << run.out;
    EXPECT_EQ(Lines(run.out), ListedNames(root, "network vswitch standard list", "Name"));
}

TEST(CompletionEndToEnd, AHostRootNotMadeYetIsNotMadeByCompletion) {
    TempHostRoot parent;
    const std::string absent = parent.Path() + "/absent";
    auto run = RunTalixcli(SplitWords("--complete network nic get --nic-name"), {{"TALIX_HOST_ROOT", absent}});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_FALSE(std::filesystem::exists(absent));
    // The names are those of the demo host the first command would make.
    TempHostRoot demo;
    EXPECT_EQ(Lines(run.out), ListedNames(demo, "network nic list", "Name"));

    // An empty root stays empty.
    const std::string empty = parent.Path() + "/empty";
    ASSERT_EQ(::mkdir(empty.c_str(), 0755), 0);
    EXPECT_EQ(RunTalixcli(SplitWords("--complete network nic get --nic-name"), {{"TALIX_HOST_ROOT", empty}}).out,
              run.out);
    EXPECT_TRUE(std::filesystem::is_empty(empty));
}

TEST(CompletionEndToEnd, AChangeLeftHalfDoneIsNeitherFinishedNorShown) {
    TempHostRoot root;
    ASSERT_EQ(RunOnHost(root, "network nic list").status, 0);
    root.WriteFile(".journal", "D state/pnics.json\n");
    auto run = RunOnHost(root, "--complete network nic get --nic-name");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(root.ReadFile(".journal"), "D state/pnics.json\n");
}

// Port groups of vs-core whose names a shell would act on if they were not
// quoted; returns them.
std::vector<std::string> AddOddPortGroups(TempHostRoot& root) {
    const std::vector<std::string> names = {"*",          "/etc/pass*",     "two  words", "it's",
                                            "say \"hi\"", "$(touch pwned)", "new\nline",  "tab\there"};
    for (const auto& name : names) {
        // Commands refuse control characters; a host file may hold them.
        const std::string given =
            name.find_first_of("\n\t") == std::string::npos ? name : "placeholder" + name.substr(0, 3);
        auto added = RunTalixcli({"network", "vswitch", "standard", "portgroup", "add", "-v", "vs-core", "-p", given},
                                 {{"TALIX_HOST_ROOT", root.Path()}});
        EXPECT_EQ(added.status, 0) << name << ": " << added.err;
        if (given == name) continue;
        std::string section = root.ReadFile("state/vswitches.json");
        const std::string quoted = "\"" + given + "\"";
        EXPECT_NE(section.find(quoted), std::string::npos);
        if (section.find(quoted) == std::string::npos) continue;
        section.replace(section.find(quoted), quoted.size(), nlohmann::json(name).dump());
        root.WriteFile("state/vswitches.json", section);
    }
    return names;
}

// Runs script in a real bash without a terminal, in cwd with only talixcli on
// its PATH and the bash completion loaded; returns what it prints.
std::string RunBashCompletion(TempHostRoot& cwd, const TempHostRoot& root, const std::string& script) {
    cwd.WriteFile("a-file", "");
    cwd.WriteFile("bin/.keep", "");
    EXPECT_EQ(::symlink(TALIXCLI_BINARY, (cwd.Path() + "/bin/talixcli").c_str()), 0);
    cwd.WriteFile("complete.sh", "source <(talixcli --completion bash)\n" + script);
    const std::string command = "cd " + cwd.Path() + " && env -i PATH=" + cwd.Path() +
                                "/bin:/usr/bin:/bin TALIX_HOST_ROOT=" + root.Path() + " bash complete.sh";
    FILE* pipe = ::popen(command.c_str(), "r");
    EXPECT_NE(pipe, nullptr);
    std::string text;
    if (!pipe) return text;
    char buffer[4096];
    for (size_t n; (n = std::fread(buffer, 1, sizeof(buffer), pipe)) > 0;) text.append(buffer, n);
    EXPECT_EQ(::pclose(pipe), 0);
    return text;
}

std::vector<std::string> SplitNul(const std::string& text) {
    std::vector<std::string> parts;
    for (size_t start = 0, end; (end = text.find('\0', start)) != std::string::npos; start = end + 1) {
        parts.push_back(text.substr(start, end - start));
    }
    return parts;
}

// A single-quoted shell word.
std::string ShellQuoted(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

// The bash completion script, run by a real bash without a terminal: the names
// it offers are the host's names, literally, whatever they hold; each reply,
// read back as shell input, is the name.
TEST(CompletionEndToEnd, BashOffersHostNamesLiterally) {
    TempHostRoot root, cwd;
    const std::vector<std::string> names = AddOddPortGroups(root);
    const std::set<std::string> listed = ListedNames(root, "network vswitch standard portgroup list", "Name");
    const std::string text = RunBashCompletion(
        cwd, root,
        "COMP_LINE='talixcli network vswitch standard portgroup remove -v vs-core -p '\n"
        "COMP_POINT=${#COMP_LINE}\n"
        "_talixcli\n"
        "for reply in \"${COMPREPLY[@]}\"; do eval \"word=$reply\"; printf '%s\\0' \"$word\"; done\n");
    const std::vector<std::string> replies = SplitNul(text);
    const std::set<std::string> offered(replies.begin(), replies.end());
    for (const auto& name : names) EXPECT_TRUE(offered.count(name)) << name;
    EXPECT_EQ(offered, listed);
    EXPECT_FALSE(std::filesystem::exists(cwd.Path() + "/pwned"));
}

// A word typed quoted or escaped is completed as bash will read it: bash is
// called as readline calls it (the text after an open quote or a "=" to
// replace), each reply is put in that place, the quote closed as readline
// closes it, and the line read back as shell input ends in the name.
TEST(CompletionEndToEnd, BashCompletesAQuotedOrEscapedWord) {
    TempHostRoot root, cwd;
    AddOddPortGroups(root);
    const auto rows = TalixTest::ReadCaseTable("frame/bash_quoted_words.tsv", 4);
    std::string script =
        "complete_word() {\n"
        "    COMP_LINE=\"talixcli network vswitch standard portgroup remove -v vs-core $1\"\n"
        "    COMP_POINT=${#COMP_LINE}\n"
        "    _talixcli talixcli \"$2\" x\n"
        "    local kept=\"${COMP_LINE:0:${#COMP_LINE}-${#2}}\" reply\n"
        "    for reply in \"${COMPREPLY[@]}\"; do\n"
        "        eval \"words=($kept$reply$3)\"\n"
        "        printf '%s\\0' \"${words[-1]}\"\n"
        "    done\n"
        "    printf 'end\\0'\n"
        "}\n";
    for (const auto& row : rows) {
        script += "complete_word " + ShellQuoted(row.fields[0]) + " " + ShellQuoted(row.fields[1]) + " " +
                  ShellQuoted(row.fields[2]) + "\n";
    }
    const std::vector<std::string> printed = SplitNul(RunBashCompletion(cwd, root, script));
    auto next = printed.begin();
    for (const auto& row : rows) {
        SCOPED_TRACE(row.where);
        std::vector<std::string> words;
        for (; next != printed.end() && *next != "end"; ++next) words.push_back(*next);
        if (next != printed.end()) ++next;
        EXPECT_EQ(words, nlohmann::json::parse(row.fields[3]).get<std::vector<std::string>>());
    }
    EXPECT_FALSE(std::filesystem::exists(cwd.Path() + "/pwned"));
}

// A single-quoted fish word: fish escapes a quote or backslash inside it.
std::string FishQuoted(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) quoted += c == '\'' || c == '\\' ? std::string("\\") + c : std::string(1, c);
    return quoted + "'";
}

// The fish completion script in a real fish (complete -C, as the Tab key asks
// it): a word typed quoted or escaped is completed to the host's names, and
// nothing in a name runs. Each row's replies end with an "end" line.
TEST(CompletionEndToEnd, FishCompletesAQuotedOrEscapedWord) {
    if (std::system("command -v fish >/dev/null 2>&1") != 0) {
        GTEST_SKIP() << "fish is not installed (scripts/install-deps.sh installs it)";
    }
    TempHostRoot root, cwd;
    AddOddPortGroups(root);
    const auto rows = TalixTest::ReadCaseTable("frame/fish_typed_words.tsv", 2);
    std::string script = "source (talixcli --completion fish | psub)\n";
    for (const auto& row : rows) {
        script += "complete -C " +
                  FishQuoted("talixcli network vswitch standard portgroup remove -v vs-core " + row.fields[0]) +
                  "\necho end\n";
    }
    cwd.WriteFile("bin/.keep", "");
    ASSERT_EQ(::symlink(TALIXCLI_BINARY, (cwd.Path() + "/bin/talixcli").c_str()), 0);
    cwd.WriteFile("complete.fish", script);
    const std::string command = "cd " + cwd.Path() + " && env -i HOME=" + cwd.Path() + " PATH=" + cwd.Path() +
                                "/bin:/usr/bin:/bin TALIX_HOST_ROOT=" + root.Path() + " fish --no-config complete.fish";
    FILE* pipe = ::popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string text;
    char buffer[4096];
    for (size_t n; (n = std::fread(buffer, 1, sizeof(buffer), pipe)) > 0;) text.append(buffer, n);
    EXPECT_EQ(::pclose(pipe), 0);
    size_t start = 0;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.where);
        std::vector<std::string> offered;
        for (size_t end; (end = text.find('\n', start)) != std::string::npos;) {
            std::string line = text.substr(start, end - start);
            start = end + 1;
            if (line == "end") break;
            offered.push_back(line.substr(0, line.find('\t')));  // without its description
        }
        EXPECT_EQ(offered, nlohmann::json::parse(row.fields[1]).get<std::vector<std::string>>());
    }
    EXPECT_FALSE(std::filesystem::exists(cwd.Path() + "/pwned"));
}

// An interactive shell under tmux, driven by key presses.
class InteractiveShell : public ::testing::Test {
protected:
    // How many times a wait for the shell looks, 50 ms apart: a ceiling for
    // a loaded machine, not a speed requirement.
    static constexpr int kWaits = 1200;

    // Starts shell (a command line run by tmux) with the prompt "$ ".
    void Start(const std::string& shell) {
        if (std::system("command -v tmux >/dev/null 2>&1") != 0) {
            GTEST_SKIP() << "tmux is not installed (scripts/install-deps.sh installs it)";
        }
        socket_ = "talix-completion-" + std::to_string(::getpid());
        ASSERT_EQ(Tmux("new-session -d -s t -x 250 -y 50 '" + shell + "'"), 0);
        Type("PS1='$ '");
        Key("Enter");
    }
    void TearDown() override {
        if (!socket_.empty()) Tmux("kill-server");
    }

    int Tmux(const std::string& arguments) {
        return std::system(("tmux -L " + socket_ + " " + arguments + " >/dev/null 2>&1").c_str());
    }
    void Type(const std::string& text) {
        std::string quoted;  // inside the double quotes of the tmux command line
        for (char c : text) {
            if (c == '"' || c == '\\' || c == '$' || c == '`') quoted += '\\';
            quoted += c;
        }
        Tmux("send-keys -t t -l -- \"" + quoted + "\"");
    }
    void Key(const std::string& key) { Tmux("send-keys -t t " + key); }
    std::string Pane() {
        std::string text;
        FILE* pipe = ::popen(("tmux -L " + socket_ + " capture-pane -p -t t").c_str(), "r");
        if (!pipe) return text;
        char buffer[4096];
        for (size_t n; (n = std::fread(buffer, 1, sizeof(buffer), pipe)) > 0;) text.append(buffer, n);
        ::pclose(pipe);
        return text;
    }
    // Waits for the shell to show expected (it answers at its own pace).
    ::testing::AssertionResult Shows(const std::string& expected) {
        std::string pane;
        for (int attempt = 0; attempt < kWaits; ++attempt) {
            pane = Pane();
            if (pane.find(expected) != std::string::npos) return ::testing::AssertionSuccess();
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return ::testing::AssertionFailure() << "the pane never showed \"" << expected << "\":\n" << pane;
    }
    // Erases the line (without a signal, which could land in a completion
    // still running) and waits for a clear screen with only the prompt.
    void ClearLine() {
        Key("C-e");
        Key("C-u");
        Type("clear");
        Key("Enter");
        for (int attempt = 0; attempt < kWaits; ++attempt) {
            std::string pane = Pane();
            pane.erase(std::remove_if(pane.begin(), pane.end(),
                                      [](char c) { return std::isspace(static_cast<unsigned char>(c)); }),
                       pane.end());
            if (pane == "$") return;
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        ADD_FAILURE() << "the screen was not cleared:\n" << Pane();
    }

    TempHostRoot root_;
    std::string socket_;
};

// A bash under tmux with talixcli's completion loaded.
class InteractiveBash : public InteractiveShell {
protected:
    void SetUp() override {
        ASSERT_EQ(RunOnHost(root_, "network vswitch standard add -v tmuxSwitch").status, 0);
        Start("env -i HOME=" + root_.Path() + " PATH=/usr/bin:/bin TERM=xterm TALIX_HOST_ROOT=" + root_.Path() +
              " bash --norc --noprofile");
        if (IsSkipped() || HasFatalFailure()) return;
        Type(std::string("source <(") + TALIXCLI_BINARY + " --completion bash)");
        Key("Enter");
        ClearLine();
    }
};

TEST_F(InteractiveBash, TabCompletesPathsOptionsValuesAndHostNames) {
    for (const auto& row : TalixTest::ReadCaseTable("frame/bash_completion_keys.tsv", 3)) {
        SCOPED_TRACE(row.where);
        Type(TALIXCLI_BINARY + row.fields[0]);
        for (int tab = 0; tab < std::stoi(row.fields[1]); ++tab) Key("Tab");
        EXPECT_TRUE(Shows(row.fields[2]));
        ClearLine();
    }
}

// A zsh under tmux with talixcli's completion loaded, on a host holding the
// odd port group names. After a Tab the test presses Ctrl-X Ctrl-D, which
// reads the line back as zsh reads shell input (running or globbing whatever
// a name left unquoted would) and writes its last word to word.ROW.
class InteractiveZsh : public InteractiveShell {
protected:
    void SetUp() override {
        if (std::system("command -v zsh >/dev/null 2>&1") != 0) {
            GTEST_SKIP() << "zsh is not installed (scripts/install-deps.sh installs it)";
        }
        AddOddPortGroups(root_);
        for (const char* name : {"a=b", "back\\slash"}) {
            ASSERT_EQ(RunTalixcli({"network", "vswitch", "standard", "portgroup", "add", "-v", "vs-core", "-p", name},
                                  {{"TALIX_HOST_ROOT", root_.Path()}})
                          .status,
                      0);
        }
        cwd_.WriteFile("bin/.keep", "");
        ASSERT_EQ(::symlink(TALIXCLI_BINARY, (cwd_.Path() + "/bin/talixcli").c_str()), 0);
        cwd_.WriteFile("setup.zsh",
                       "autoload -Uz compinit && compinit -D -u\n"
                       "source <(talixcli --completion zsh)\n"
                       "typeset -i row=0\n"
                       "read-back() {\n"
                       "    local -a words\n"
                       "    eval \"words=($BUFFER)\" 2>/dev/null || words=('(not shell input)')\n"
                       "    row+=1\n"
                       "    print -rn -- \"$BUFFER\" >line.$row\n"
                       "    print -rn -- \"${words[-1]}\" >word.tmp && mv word.tmp word.$row\n"
                       "    BUFFER=\n"
                       "}\n"
                       "zle -N read-back\n"
                       "bindkey '^X^D' read-back\n"
                       ": >ready\n");
        Start("cd " + cwd_.Path() + " && env -i HOME=" + cwd_.Path() + " PATH=" + cwd_.Path() +
              "/bin:/usr/bin:/bin TERM=xterm TALIX_HOST_ROOT=" + root_.Path() + " zsh -f -i");
        if (IsSkipped() || HasFatalFailure()) return;
        Type("source setup.zsh");
        Key("Enter");
        ASSERT_TRUE(Appears("ready"));
    }

    // Waits for a file the shell writes in its working directory.
    ::testing::AssertionResult Appears(const std::string& name) {
        for (int attempt = 0; attempt < kWaits; ++attempt) {
            if (std::filesystem::exists(cwd_.Path() + "/" + name)) return ::testing::AssertionSuccess();
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return ::testing::AssertionFailure() << name << " never appeared:\n" << Pane();
    }

    TempHostRoot cwd_;
};

TEST_F(InteractiveZsh, TabCompletesAQuotedOrEscapedWordToTheName) {
    int row = 0;
    for (const auto& entry : TalixTest::ReadCaseTable("frame/zsh_typed_words.tsv", 2)) {
        SCOPED_TRACE(entry.where);
        Type("talixcli network vswitch standard portgroup remove -v vs-core " + entry.fields[0]);
        Key("Tab");
        Key("C-x");
        Key("C-d");
        const std::string word = "word." + std::to_string(++row);
        if (!Appears(word)) {
            ADD_FAILURE() << "no line was read back";
            break;  // the rows that follow would be typed onto this line
        }
        EXPECT_EQ(cwd_.ReadFile(word), nlohmann::json::parse(entry.fields[1]).get<std::string>())
            << "the line after Tab: " << cwd_.ReadFile("line." + std::to_string(row));
    }
    EXPECT_FALSE(std::filesystem::exists(cwd_.Path() + "/pwned"));
}

}  // namespace
