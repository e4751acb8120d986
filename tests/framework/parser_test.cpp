// Command-line parsing and the checks the framework makes before a command runs.
#include <gtest/gtest.h>

#include <sstream>

#include "Dispatcher.h"
#include "Parser.h"
#include "plugins/SampleCommands.h"
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

struct Refusal {
    const char* commandLine;
    const char* message;
};

TEST_F(SampleCli, RefusesBadCommandLinesWithOneMessageNamingTheProblem) {
    const Refusal cases[] = {
        {"sampel echo -t x", "Unknown command or namespace \"sampel\" in \"sampel\". Did you mean: sample?"},
        {"sample ech -t x", "Unknown command or namespace \"ech\" in \"sample ech\". Did you mean: echo?"},
        {"sample", "Missing command after \"sample\"."},
        {"sample echo -t x --txt y", "Unknown option --txt. Did you mean: --text?"},
        {"sample echo -t x -z y", "Unknown option -z."},
        {"sample echo", "Missing required parameter --text (-t)."},
        {"sample echo -t x -t y", "Option --text was given more than once."},
        {"sample echo -t x --count", "Option --count needs a value."},
        {"sample echo -t x --count abc", "Invalid value \"abc\" for --count: expected a 64-bit integer."},
        {"sample echo -t x --count 6", "Invalid value \"6\" for --count: must be between 1 and 5."},
        {"sample echo -t x --count 0", "Invalid value \"0\" for --count: must be between 1 and 5."},
        {"sample echo -t x --count -1", "Invalid value \"-1\" for --count: must be between 1 and 5."},
        {"sample echo -t x --level 4", "Invalid value \"4\" for --level: must be one of 1, 2, 3."},
        {"sample echo -t x --mode medium", "Invalid value \"medium\" for --mode: must be one of fast, slow."},
        {"sample echo -t x --mode FAST", "Invalid value \"FAST\" for --mode: must be one of fast, slow."},
        {"sample echo -t x --name lmx01",
         "Invalid value \"lmx01\" for --name: must match the pattern lmx([0-9]|[1-9][0-9])."},
        {"sample echo -t x --name xlmx1",
         "Invalid value \"xlmx1\" for --name: must match the pattern lmx([0-9]|[1-9][0-9])."},
        {"sample echo -t x --enabled maybe",
         "Invalid value \"maybe\" for --enabled: expected a boolean (true/false, yes/no, 1/0)."},
        {"sample echo -t x --big 9223372036854775808",
         "Invalid value \"9223372036854775808\" for --big: expected a 64-bit integer."},
        {"sample echo -t x --big 1.5", "Invalid value \"1.5\" for --big: expected a 64-bit integer."},
        {"sample echo -t x --flag=true", "Option --flag is a flag and takes no value."},
        {"sample echo -t x stray", "Unexpected argument \"stray\": options are given as --name value."},
    };
    for (const auto& refusal : cases) {
        Invocation invocation = Invoke(refusal.commandLine);
        EXPECT_EQ(invocation.status, Parvik::AutoCli::EXIT_USAGE) << refusal.commandLine;
        EXPECT_EQ(invocation.usageError, refusal.message) << refusal.commandLine;
    }
}

// Words the framework cannot place are repeated in its message, but only as
// one readable line: control characters and bytes that are not UTF-8 as \xNN,
// and at most 64 bytes of a long word, followed by its length.
TEST_F(SampleCli, MessagesShowStrayWordsEscapedAndShortened) {
    struct Case {
        std::vector<std::string> args;
        std::string message;
    };
    const std::string huge(1 << 20, 'z');
    const Case cases[] = {
        {{"sample", "echo", "-t", "x", "a\x1b[31mred\n"},
         "Unexpected argument \"a\\x1b[31mred\\x0a\": options are given as --name value."},
        {{"sample", "echo", "-t", "x", "caf\xC3\xA9\xff\x7f"},
         "Unexpected argument \"caf\xC3\xA9\\xff\\x7f\": options are given as --name value."},
        {{"sample", "echo", "-t", "x", huge},
         "Unexpected argument \"" + std::string(64, 'z') + "...\" (1048576 bytes): options are given as --name value."},
        {{"sample", "echo", "-t", "x", "--te\txt", "y"}, "Unknown option --te\\x09xt. Did you mean: --text?"},
        {{"sample", "echo", "-t", "x", "-\x01", "y"}, "Unknown option -\\x01."},
        {{"sample", "echo", "-t", "x", "--" + huge, "y"},
         "Unknown option --" + std::string(62, 'z') + "... (1048578 bytes)."},
        {{"sample", huge},
         "Unknown command or namespace \"" + std::string(64, 'z') + "...\" (1048576 bytes) in \"sample " +
             std::string(57, 'z') + "...\" (1048583 bytes)."},
        {{"sampl\x1b"}, "Unknown command or namespace \"sampl\\x1b\" in \"sampl\\x1b\". Did you mean: sample?"},
    };
    for (const auto& c : cases) {
        Invocation invocation = dispatcher.Invoke(c.args);
        EXPECT_EQ(invocation.status, Parvik::AutoCli::EXIT_USAGE) << c.message;
        EXPECT_EQ(invocation.usageError, c.message);
    }
    // A long word is cut at a character boundary.
    Invocation cut = dispatcher.Invoke({"sample", "echo", "-t", "x", std::string(63, 'a') + "\xC3\xA9tail"});
    EXPECT_EQ(cut.usageError,
              "Unexpected argument \"" + std::string(63, 'a') + "...\" (69 bytes): options are given as --name value.");
}

// The pattern check used to recurse once per character: a long value
// overflowed the stack and killed the process. Values longer than the
// framework takes are refused before any pattern is tried.
TEST_F(SampleCli, ChecksAPatternAgainstAValueOfAnyLength) {
    std::vector<std::string> args{"sample", "echo", "-t", "x", "--name", "lmx" + std::string(4093, '1')};
    Invocation refused = dispatcher.Invoke(args);
    EXPECT_EQ(refused.status, Parvik::AutoCli::EXIT_USAGE);
    EXPECT_NE(refused.usageError.find("must match the pattern lmx([0-9]|[1-9][0-9])."), std::string::npos);
    args.back() = "lmx" + std::string(200000, '1');
    refused = dispatcher.Invoke(args);
    EXPECT_EQ(refused.status, Parvik::AutoCli::EXIT_USAGE);
    EXPECT_NE(refused.usageError.find("at most 4096 are accepted"), std::string::npos) << refused.usageError;
    args.back() = "lmx42";
    EXPECT_EQ(dispatcher.Invoke(args).status, Parvik::AutoCli::EXIT_OK);
}

// A string pattern matches the whole value or refuses it, with the syntax the
// plug-in's patterns use (alternation, groups, classes, counted repeats), and
// every parameter using the same pattern gets the same answer from the one
// compiled form. A pattern that does not compile refuses every value.
TEST(ParameterPattern, MatchesWholeValuesOnly) {
    struct Case {
        const char* pattern;
        std::string value;
        bool accepted;
    };
    const char* interfaceName = "lmx([0-9]|[1-9][0-9]|1[0-9][0-9]|2[0-4][0-9]|25[0-5])";
    const Case cases[] = {
        {interfaceName, "lmx0", true},
        {interfaceName, "lmx9", true},
        {interfaceName, "lmx10", true},
        {interfaceName, "lmx199", true},
        {interfaceName, "lmx249", true},
        {interfaceName, "lmx255", true},
        {interfaceName, "lmx256", false},
        {interfaceName, "lmx01", false},
        {interfaceName, "lmx", false},
        {interfaceName, "Lmx1", false},
        {interfaceName, "xlmx1", false},
        {interfaceName, "lmx1 ", false},
        {interfaceName, "lmx1x", false},
        {"[pumbagsd]+", "pumbagsd", true},
        {"[pumbagsd]+", "g", true},
        {"[pumbagsd]+", "", false},
        {"[pumbagsd]+", "gx", false},
        {"[pumbagsd]+", std::string(4096, 'g'), true},
        {"[pumbagsd]+", std::string(4095, 'g') + "x", false},
        {"a|ab", "ab", true},  // a whole match, not the first alternative
        {"(?:ab){2,3}", "abababab", false},
        {"(?:ab){2,3}", "ababab", true},
        {"\\d+\\.\\w*", "12.x_9", true},
        {"^v[0-9]$", "v1", true},
        {".", "\xC3\xA9", true},  // one character, two bytes
        {"caf\xC3\xA9", "caf\xC3\xA9", true},
        {"(", "(", false},
        {"[z-a]", "a", false},
    };
    for (const auto& c : cases) {
        Parvik::CallSpec::InputSpec spec;
        auto parameter = Parvik::CallSpec::ParameterSpec::New("name", Parvik::CallSpec::PARAM_STRING);
        auto constraint = Parvik::CallSpec::ParameterConstraint::New(Parvik::CallSpec::CONSTRAINT_REGEX);
        constraint->SetStringRegex(c.pattern);
        parameter->SetConstraint(constraint);
        spec.AddParameter(parameter);
        Parvik::CallSpec::Input input;
        auto outcome = Parvik::AutoCli::ParseCommandOptions(spec, {"--name", c.value}, 0, input);
        if (c.accepted) {
            EXPECT_EQ(outcome.error, "") << c.pattern << " " << c.value;
        } else {
            EXPECT_NE(outcome.error.find(std::string(": must match the pattern ") + c.pattern + "."), std::string::npos)
                << c.pattern << " " << c.value << ": " << outcome.error;
        }
    }
}

TEST_F(SampleCli, AcceptsTheUsualOptionSpellings) {
    auto json = RootJson(Invoke("sample echo --text=a=b -c 3 --flag -i one --item two -m slow -e YES"));
    EXPECT_EQ(json["Text"], "a=b");
    EXPECT_EQ(json["Count"], 3);
    EXPECT_EQ(json["Flag"], true);
    EXPECT_EQ(json["Items"], nlohmann::json::array({"one", "two"}));
    EXPECT_EQ(json["Mode"], "slow");
}

TEST_F(SampleCli, TakesTheWordAfterAnOptionAsItsValueEvenWhenItLooksLikeAnOption) {
    EXPECT_EQ(RootJson(Invoke("sample echo --text --count"))["Text"], "--count");
    EXPECT_EQ(RootJson(Invoke("sample echo --text -1"))["Text"], "-1");
    EXPECT_EQ(RootJson(Invoke("sample echo --text \"\""))["Text"], "");
    EXPECT_EQ(RootJson(Invoke("sample echo -t x --big -9223372036854775808"))["Nested"]["Value"], INT64_MIN);
}

TEST(InputValues, BooleansAcceptThreeSpellingsInAnyCase) {
    const std::pair<const char*, bool> accepted[] = {{"true", true},   {"TRUE", true}, {"Yes", true}, {"1", true},
                                                     {"false", false}, {"No", false},  {"0", false},  {"fAlSe", false}};
    for (const auto& entry : accepted) {
        bool value = !entry.second;
        EXPECT_TRUE(Parvik::CallSpec::Input::ParseBool(entry.first, value)) << entry.first;
        EXPECT_EQ(value, entry.second) << entry.first;
    }
    for (const char* rejected : {"", "t", "yes ", "2", "truee"}) {
        bool value = false;
        EXPECT_FALSE(Parvik::CallSpec::Input::ParseBool(rejected, value)) << rejected;
    }
}

TEST(InputValues, IntegersAreSixtyFourBitSignedDecimal) {
    int64_t value = 0;
    EXPECT_TRUE(Parvik::CallSpec::Input::ParseInt("9223372036854775807", value));
    EXPECT_EQ(value, INT64_MAX);
    EXPECT_TRUE(Parvik::CallSpec::Input::ParseInt("-42", value));
    EXPECT_EQ(value, -42);
    for (const char* rejected : {"", "-", "+", "0x10", "1e3", " 1", "1 ", "12a"}) {
        EXPECT_FALSE(Parvik::CallSpec::Input::ParseInt(rejected, value)) << rejected;
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
