// Command-line parsing and the checks the framework makes before a command runs.
#include <gtest/gtest.h>

#include "Dispatcher.h"
#include "Parser.h"
#include "plugins/SampleCommands.h"
#include "support/CaseTable.h"
#include "support/CliHarness.h"

namespace {

using Parvik::AutoCli::Dispatcher;
using Parvik::AutoCli::Invocation;
using TalixTest::RootJson;
using TalixTest::SplitWords;

class SampleCli : public ::testing::Test {
protected:
    SampleCli() { dispatcher.RegisterPlugin(&SampleCommands::Register); }
    Invocation Invoke(const std::string& line) { return dispatcher.Invoke(SplitWords(line)); }
    Dispatcher dispatcher;
};

TEST_F(SampleCli, RefusesBadCommandLinesAndReadsValuesAsTheTable) {
    for (const auto& row : TalixTest::ReadCaseTable("cli/parser_cases.tsv", 3)) {
        SCOPED_TRACE(row.where);
        const std::string& kind = row.fields[0];
        const std::string& expected = row.fields[2];
        if (kind == "refuse" || kind == "words") {
            std::vector<std::string> words;
            for (size_t start = 0, end = 0; kind == "words" && end != std::string::npos; start = end + 1) {
                end = row.fields[1].find(' ', start);
                words.push_back(row.fields[1].substr(start, end == std::string::npos ? end : end - start));
            }
            Invocation invocation = dispatcher.Invoke(kind == "words" ? words : SplitWords(row.fields[1]));
            EXPECT_EQ(invocation.status, Parvik::AutoCli::EXIT_USAGE);
            EXPECT_EQ(invocation.usageError, expected);
        } else if (kind == "bool") {
            bool value = expected != "true";
            EXPECT_EQ(Parvik::CallSpec::Input::ParseBool(row.fields[1], value), expected != "refused");
            if (expected != "refused") {
                EXPECT_EQ(value, expected == "true");
            }
        } else if (kind == "int") {
            int64_t value = 0;
            EXPECT_EQ(Parvik::CallSpec::Input::ParseInt(row.fields[1], value), expected != "refused");
            if (expected != "refused") {
                EXPECT_EQ(std::to_string(value), expected);
            }
        } else {
            ADD_FAILURE() << "unknown kind " << kind;
        }
    }
}

// A string pattern matches the whole value or refuses it, with the syntax the
// plug-in's patterns use (alternation, groups, classes, counted repeats), and
// every parameter using the same pattern gets the same answer from the one
// compiled form. A pattern that does not compile refuses every value.
TEST(ParameterPattern, MatchesWholeValuesOnly) {
    for (const auto& row : TalixTest::ReadCaseTable("cli/parameter_patterns.tsv", 3)) {
        SCOPED_TRACE(row.where);
        const std::string& pattern = row.fields[0];
        Parvik::CallSpec::InputSpec spec;
        auto parameter = Parvik::CallSpec::ParameterSpec::New("name", Parvik::CallSpec::PARAM_STRING);
        auto constraint = Parvik::CallSpec::ParameterConstraint::New(Parvik::CallSpec::CONSTRAINT_REGEX);
        constraint->SetStringRegex(pattern);
        parameter->SetConstraint(constraint);
        spec.AddParameter(parameter);
        Parvik::CallSpec::Input input;
        auto outcome = Parvik::AutoCli::ParseCommandOptions(spec, {"--name", row.fields[1]}, 0, input);
        if (row.fields[2] == "accepted") {
            EXPECT_EQ(outcome.error, "");
        } else {
            EXPECT_NE(outcome.error.find(": must match the pattern " + pattern + "."), std::string::npos)
                << outcome.error;
        }
    }
}

TEST(InputValues, AnyParameterReadsAsTheTextTyped) {
    Parvik::CallSpec::Input input;
    input.AddValue("mtu", "0009000");
    EXPECT_EQ(input.GetParameter("mtu"), "0009000");
    EXPECT_EQ(input.GetParameterInt("mtu"), 9000);
    EXPECT_EQ(input.GetParameter("absent"), "");
    EXPECT_FALSE(input.HasParameter("absent"));
    std::vector<std::string> none;
    input.GetParameterList("absent", none);
    EXPECT_TRUE(none.empty());
}

}  // namespace

namespace {

TEST(Suggestions, OfferOnlyTheNearestNames) {
    for (const auto& row : TalixTest::ReadCaseTable("cli/suggestions.tsv", 3)) {
        SCOPED_TRACE(row.where);
        std::vector<std::string> candidates, expected;
        for (const auto* field : {&row.fields[1], &row.fields[2]}) {
            auto& names = field == &row.fields[1] ? candidates : expected;
            for (size_t start = 0, end = 0; !field->empty() && end != std::string::npos; start = end + 1) {
                end = field->find(',', start);
                names.push_back(field->substr(start, end == std::string::npos ? end : end - start));
            }
        }
        EXPECT_EQ(Parvik::AutoCli::ClosestNames(row.fields[0], candidates), expected);
    }
}

}  // namespace
