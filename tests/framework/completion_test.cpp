// Completion candidates through the framework API: framework options and
// their values, options already given, and host-object values asked of the
// plug-ins only where a parameter has no values of its own.
#include <gtest/gtest.h>

#include <sstream>

#include "Completion.h"
#include "Dispatcher.h"
#include "plugins/SampleCommands.h"
#include "support/CliHarness.h"

namespace {

using Parvik::AutoCli::Dispatcher;
using TalixTest::SplitWords;

const char kEchoOptions[] = "--text --count --flag --item --mode --level --name --enabled --big --help";

std::string Joined(const std::vector<std::string>& words) {
    std::string text;
    for (const auto& word : words) text += (text.empty() ? "" : " ") + word;
    return text;
}

class SampleCompletion : public ::testing::Test {
protected:
    SampleCompletion() {
        dispatcher.RegisterPlugin(&SampleCommands::Register);
        Parvik::AutoCli::SetValueCompletionOverride([this](const std::string& path, const std::string& parameter) {
            asked.push_back(path + "|" + parameter);
            return std::vector<std::string>{"lmx1", "lmx2"};
        });
    }
    ~SampleCompletion() override { Parvik::AutoCli::SetValueCompletionOverride(nullptr); }
    // What talixcli --complete prints for the words, one line per candidate, as one line.
    std::string Complete(const std::string& line) {
        std::ostringstream out, err;
        std::vector<std::string> args = {"--complete"};
        for (const auto& word : SplitWords(line)) args.push_back(word);
        EXPECT_EQ(dispatcher.Run(args, out, err), 0);
        EXPECT_EQ(err.str(), "");
        std::string text = out.str();
        for (auto& c : text) {
            if (c == '\n') c = ' ';
        }
        return text.empty() ? text : text.substr(0, text.size() - 1);
    }
    Dispatcher dispatcher;
    std::vector<std::string> asked;
};

TEST_F(SampleCompletion, FrameworkOptionsAndTheirValuesBeforeThePath) {
    const std::pair<const char*, const char*> cases[] = {
        {"", "sample --formatter --format-param --help --list-commands --completion --version --batch --dry-run"},
        // An option given is not offered again; --format-param may repeat.
        {"--formatter=json", "sample --format-param --help --list-commands --completion --version --batch --dry-run"},
        {"--formatter json --format-param a=b",
         "sample --format-param --help --list-commands --completion --version --batch --dry-run"},
        {"--formatter", "simple table json xml csv keyvalue"},
        {"--format-param=a=b --formatter", "simple table json xml csv keyvalue"},
        {"--completion", "bash zsh fish"},
        // The path completes after framework options, in either spelling, as without.
        {"sample", "echo result --help"},
        {"--formatter=json sample", "echo result --help"},
        {"--formatter json --format-param x=y sample result", "ok no fail number text rows empty --help"},
        // Nothing follows an option that ends the line, nor an unknown word.
        {"--help", ""},
        {"--list-commands", ""},
        {"--bogus", ""},
        {"sample nosuch", ""},
        {"--formatter=json sample nosuch", ""},
    };
    for (const auto& [words, expected] : cases) EXPECT_EQ(Complete(words), expected) << "words: " << words;
    EXPECT_TRUE(asked.empty());
}

TEST_F(SampleCompletion, CommandOptionsAlreadyGivenAreNotOfferedAgain) {
    const std::pair<const char*, const char*> cases[] = {
        {"sample echo", kEchoOptions},
        {"--formatter=json sample echo", kEchoOptions},
        {"sample echo --text hi", "--count --flag --item --mode --level --name --enabled --big --help"},
        {"sample echo -t hi -f", "--count --item --mode --level --name --enabled --big --help"},
        {"sample echo --text=hi --count=2", "--flag --item --mode --level --name --enabled --big --help"},
        // A list option may be given again.
        {"sample echo -i a --item b", "--text --count --flag --item --mode --level --name --enabled --big --help"},
        // After --help nothing is completed.
        {"sample echo --help", ""},
        {"sample echo -h", ""},
    };
    for (const auto& [words, expected] : cases) EXPECT_EQ(Complete(words), expected) << "words: " << words;
}

TEST_F(SampleCompletion, ValuesComeFromTheParameterFirstAndThenFromThePlugins) {
    EXPECT_EQ(Complete("sample echo --mode"), "fast slow");
    EXPECT_EQ(Complete("sample echo -l"), "1 2 3");
    EXPECT_EQ(Complete("sample echo --enabled"), "true false");
    EXPECT_TRUE(asked.empty()) << Joined(asked);

    // Parameters without values of their own: the plug-ins are asked, with
    // the command's path and the parameter's long name, also for a short name
    // and after framework options.
    EXPECT_EQ(Complete("sample echo --name"), "lmx1 lmx2");
    EXPECT_EQ(Complete("--formatter=xml sample echo -f -n"), "lmx1 lmx2");
    EXPECT_EQ(Complete("sample echo --text"), "lmx1 lmx2");
    EXPECT_EQ(Joined(asked), "sample echo|name sample echo|name sample echo|text");

    // A flag takes no value: the options follow.
    EXPECT_EQ(Complete("sample echo --flag"), "--text --count --item --mode --level --name --enabled --big --help");
}

TEST(CompletionScripts, EachShellHasAScriptAndOthersAreRefused) {
    Dispatcher dispatcher;
    const struct {
        const char* shell;
        const char* registration;
    } shells[] = {
        {"bash", "complete -F _talixcli talixcli"},
        {"zsh", "compdef _talixcli talixcli"},
        {"fish", "complete -c talixcli -f -a '(__talixcli_complete)'"},
    };
    for (const auto& shell : shells) {
        std::ostringstream out, err;
        EXPECT_EQ(dispatcher.Run({"--completion", shell.shell}, out, err), 0) << shell.shell;
        EXPECT_NE(out.str().find(shell.registration), std::string::npos) << out.str();
        // Every script asks talixcli itself, so that it follows the tree and the host.
        EXPECT_NE(out.str().find("--complete"), std::string::npos) << shell.shell;
    }
    std::ostringstream out, err;
    EXPECT_EQ(dispatcher.Run({"--completion=tcsh"}, out, err), 2);
    EXPECT_EQ(err.str(), "Error: Unknown shell \"tcsh\" for --completion: choose one of bash, zsh, fish.\n");
    EXPECT_EQ(out.str(), "");
}

}  // namespace
