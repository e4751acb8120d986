// Completion candidates through the framework API: framework options and
// their values, options already given, and host-object values asked of the
// plug-ins only where a parameter has no values of its own.
#include <gtest/gtest.h>

#include <sstream>

#include "Completion.h"
#include "Dispatcher.h"
#include "plugins/SampleCommands.h"
#include "support/CaseTable.h"
#include "support/CliHarness.h"

namespace {

using Parvik::AutoCli::Dispatcher;
using TalixTest::SplitWords;

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

// Candidates that come from the tree and the parameters alone: the plug-ins are never asked.
TEST_F(SampleCompletion, CandidatesOfTheTable) {
    for (const auto& row : TalixTest::ReadCaseTable("cli/completion_cases.tsv", 2)) {
        SCOPED_TRACE(row.where);
        EXPECT_EQ(Complete(row.fields[0]), row.fields[1]);
    }
    EXPECT_TRUE(asked.empty()) << Joined(asked);
}

// Parameters without values of their own: the plug-ins are asked, with the
// command's path and the parameter's long name, also for a short name and
// after framework options.
TEST_F(SampleCompletion, ValuesOfParametersWithoutTheirOwnComeFromThePlugins) {
    EXPECT_EQ(Complete("sample echo --name"), "lmx1 lmx2");
    EXPECT_EQ(Complete("--formatter=xml sample echo -f -n"), "lmx1 lmx2");
    EXPECT_EQ(Complete("sample echo --text"), "lmx1 lmx2");
    EXPECT_EQ(Joined(asked), "sample echo|name sample echo|name sample echo|text");
}

}  // namespace
