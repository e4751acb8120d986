// Whole talixcli runs: help, rendering choices, exit statuses, plug-in loading, completion.
#include <gtest/gtest.h>

#include <sstream>

#include "Dispatcher.h"
#include "Help.h"
#include "plugins/SampleCommands.h"
#include "support/CaseTable.h"
#include "support/CliHarness.h"

namespace {

using Parvik::AutoCli::Dispatcher;
using TalixTest::RunTalixcli;
using TalixTest::SplitWords;

class SampleShell : public ::testing::Test {
public:
    SampleShell() { dispatcher.RegisterPlugin(&SampleCommands::Register); }
    TalixTest::ProcessResult Exec(const std::string& line) {
        std::ostringstream out, err;
        int status = dispatcher.Run(SplitWords(line), out, err);
        return {status, out.str(), err.str()};
    }
    Dispatcher dispatcher;
};

// Each run's exit status and both of its streams, whole.
TEST_F(SampleShell, RunsOfTheTable) {
    for (const auto& row : TalixTest::ReadCaseTable("framework/sample_runs.tsv", 4)) {
        SCOPED_TRACE(row.where);
        auto result = Exec(row.fields[0]);
        EXPECT_EQ(result.status, std::stoi(row.fields[1]));
        EXPECT_EQ(result.err, row.fields[2]);
        EXPECT_EQ(result.out, row.fields[3]);
    }
}

// What a command throws that is not an exception ends its batch line as it
// ends a single run, naming the line as written.
TEST_F(SampleShell, SomethingThrownThatIsNotAnExceptionStopsTheBatchAtItsLine) {
    TalixTest::TempHostRoot files;
    files.WriteFile("lines.txt", "sample result ok\nsample  result throw\nsample result ok\n");
    auto result = Exec("--batch=" + files.Path() + "/lines.txt");
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err,
              "Error: line 2: sample  result throw failed with an unexpected error.\n"
              "Error: the batch stopped at line 2; nothing was changed.\n");
    EXPECT_EQ(result.out, "# line 1: sample result ok\n# line 2: sample  result throw\n");
}

TEST(PluginLoading, ABrokenPluginIsNamedAndTheOthersStillLoad) {
    Dispatcher dispatcher;
    std::vector<std::string> errors;
    dispatcher.LoadPlugins(TALIX_TEST_PLUGIN_DIR, errors);
    ASSERT_EQ(errors.size(), 3u);
    EXPECT_EQ(errors[0],
              "Plug-in " TALIX_TEST_PLUGIN_DIR "/libbroken_plugin.so has no entry point AutoCli_RegisterNamespaces");
    // The loader's own reason follows; its words are the system's.
    EXPECT_EQ(errors[1].rfind("Cannot load plug-in " TALIX_TEST_PLUGIN_DIR "/libnot_a_library.so: ", 0), 0u)
        << errors[1];
    EXPECT_EQ(errors[2], "Plug-in " TALIX_TEST_PLUGIN_DIR "/libthrowing_plugin.so failed to register: no tree today");
    EXPECT_EQ(dispatcher.ListCommands().front(), "sample echo");

    std::vector<std::string> missing;
    Dispatcher().LoadPlugins("/nonexistent/plugins", missing);
    EXPECT_EQ(missing, std::vector<std::string>{"Cannot open plug-in directory /nonexistent/plugins"});
}

TEST(TalixcliBinary, LoadsPluginsFromTheDirectoryTheEnvironmentNames) {
    auto result = RunTalixcli({"--formatter=json", "sample", "echo", "-t", "from a plug-in", "-c", "2"},
                              {{"TALIXCLI_PLUGIN_DIR", TALIX_TEST_PLUGIN_DIR}});
    EXPECT_EQ(result.status, 0) << result.err;
    // The broken libraries are reported, the working one runs.
    EXPECT_NE(result.err.find("libbroken_plugin.so has no entry point"), std::string::npos) << result.err;
    auto json = nlohmann::json::parse(result.out);
    EXPECT_EQ(json["Text"], "from a plug-in");
    EXPECT_EQ(json["Count"], 2);
}

TEST(EnumPlaceholders, ExpandToValuesAloneOrWithTheirHelp) {
    auto constraint = Parvik::CallSpec::ParameterConstraint::New(Parvik::CallSpec::CONSTRAINT_STRING_ENUM);
    constraint->AddStringEnum("static", "Fixed address.");
    constraint->AddStringEnum("none");
    EXPECT_EQ(Parvik::AutoCli::ExpandEnumPlaceholders("Type: %ENUM%", constraint.get()),
              "Type: \n    static\n    none");
    EXPECT_EQ(Parvik::AutoCli::ExpandEnumPlaceholders("Type: %FULLENUM%", constraint.get()),
              "Type: \n    static: Fixed address.\n    none");
    EXPECT_EQ(Parvik::AutoCli::ExpandEnumPlaceholders("100% sure", nullptr), "100% sure");
}

}  // namespace

// Whether a command changes the host decides the host's lock and transaction.
// A command that declares it is taken at its word, whatever its output; one
// that does not is taken as changing the host, even when it shows records.
TEST(HostAccess, AsDeclaredAndUndeclaredChanges) {
    Dispatcher dispatcher;
    dispatcher.RegisterPlugin(&SampleCommands::Register);
    std::vector<std::pair<std::string, bool>> announced;
    dispatcher.SetBeginCommandHook(
        [&](const std::string& path, bool changesHost) { announced.emplace_back(path, changesHost); });
    for (const char* command : {"ok", "rows", "refresh", "check"}) {
        EXPECT_EQ(dispatcher.Invoke({"sample", "result", command}).status, Parvik::AutoCli::EXIT_OK) << command;
    }
    const std::vector<std::pair<std::string, bool>> expected{{"sample result ok", true},
                                                             {"sample result rows", true},
                                                             {"sample result refresh", true},
                                                             {"sample result check", false}};
    EXPECT_EQ(announced, expected);
}
