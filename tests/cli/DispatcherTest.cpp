// The shell with the sample plug-in in this process (its whole runs through
// talixcli are the sample-plugin transcript), plug-in loading, talixcli itself.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <functional>

#include <filesystem>
#include <sstream>

#include "Dispatcher.h"
#include "Help.h"
#include "plugins/SampleCommands.h"
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
    // The whole outcome of one run: status, standard error and output.
    void ExpectRun(const std::string& line, int status, const std::string& err, const std::string& out) {
        auto result = Exec(line);
        EXPECT_EQ(result.status, status) << line;
        EXPECT_EQ(result.err, err) << line;
        EXPECT_EQ(result.out, out) << line;
    }
    Dispatcher dispatcher;
};

// A value longer than the framework takes is refused before its pattern is
// tried. Run in this process: one program argument cannot be this long, so the
// sample-plugin transcript stops at the longest value taken.
TEST_F(SampleShell, AValueOverTheLengthLimitIsRefusedBeforeItsPattern) {
    ExpectRun("sample echo -t x --name lmx" + std::string(200000, '1'), 2,
              "Error: Invalid value for --name: it is 200003 bytes long, at most 4096 are accepted. "
              "See \"talixcli sample echo --help\".\n",
              "");
}

// What a command throws that is not an exception ends its batch line as it
// ends a single run, naming the line as written.
TEST_F(SampleShell, SomethingThrownThatIsNotAnExceptionStopsTheBatchAtItsLine) {
    TalixTest::TempHostRoot files;
    files.WriteFile("lines.txt", "sample result ok\nsample  result throw\nsample result ok\n");
    ExpectRun("--batch=" + files.Path() + "/lines.txt", 1,
              "Error: line 2: sample  result throw failed with an unexpected error.\n"
              "Error: the batch stopped at line 2; nothing was changed.\n",
              "# line 1: sample result ok\n# line 2: sample  result throw\n");
}

// A batch line's separator shows the line as the text formats show values:
// what a terminal would act on escaped, and a huge line shortened.
TEST_F(SampleShell, BatchLineSeparatorsAreEscapedAndShort) {
    TalixTest::TempHostRoot files;
    const std::string huge(10 * 1024 * 1024, 'x');
    files.WriteFile("lines.txt", std::string("sample result ok  # \x1b]0;title\x07 \x1b[2J tab\there ") +
                                     std::string(1, '\0') + " \xff\xc2\x9b end\nsample result ok  # " + huge + "\n");
    auto result = Exec("--batch=" + files.Path() + "/lines.txt");
    EXPECT_EQ(result.status, 0) << result.err;
    const std::string first =
        "# line 1: sample result ok  # \\x1b]0;title\\x07 \\x1b[2J tab\\there \\x00 \\xff\\u009b end\n";
    ASSERT_EQ(result.out.rfind(first, 0), 0u) << result.out.substr(0, 200);
    const std::string second = result.out.substr(result.out.find("# line 2: "));
    EXPECT_EQ(second.substr(0, 40), "# line 2: sample result ok  # xxxxxxxxxx");
    EXPECT_LT(second.size(), 400u);
    EXPECT_NE(second.find("... (" + std::to_string(huge.size() + 20) + " bytes)\n"), std::string::npos)
        << second.substr(second.size() - 40);
}

// A plug-in folder, and each library in it, may only be owned by the caller
// or root and written by nobody else; a library is opened without following a
// link or waiting (a FIFO named *.so), and must be a regular file. A refused
// library is named with the reason and the others still load.
class PluginFolder : public ::testing::Test {
protected:
    void SetUp() override {
        folder = scratch.Path() + "/plugins";
        ASSERT_EQ(::mkdir(folder.c_str(), 0755), 0);
        std::filesystem::copy_file(TALIX_TEST_PLUGIN_DIR "/libsample_plugin.so", folder + "/libsample_plugin.so");
        ::chmod((folder + "/libsample_plugin.so").c_str(), 0755);
        std::filesystem::copy_file(TALIX_TEST_PLUGIN_DIR "/libbroken_plugin.so", folder + "/libother.so");
    }
    // What loading the folder reports, and whether the sample plug-in loaded;
    // in a child, so that a library that hangs the loader fails the test.
    std::string Load() {
        auto run = InChild([this](std::string& out) {
            Dispatcher dispatcher;
            std::vector<std::string> errors;
            dispatcher.LoadPlugins(folder, errors);
            for (const auto& error : errors) out += error + "\n";
            out += "loaded " + std::to_string(dispatcher.LoadedPlugins().size()) + "\n";
        });
        return run;
    }
    static std::string InChild(const std::function<void(std::string&)>& body) {
        int fds[2];
        if (::pipe(fds) != 0) return "pipe failed";
        const pid_t child = ::fork();
        if (child == 0) {
            ::close(fds[0]);
            ::alarm(20);  // a hang fails the test instead of stopping the suite
            std::string out;
            body(out);
            (void)!::write(fds[1], out.data(), out.size());
            ::_exit(0);
        }
        ::close(fds[1]);
        std::string text;
        char buffer[4096];
        for (ssize_t n; (n = ::read(fds[0], buffer, sizeof(buffer))) > 0;) text.append(buffer, static_cast<size_t>(n));
        ::close(fds[0]);
        int status = 0;
        ::waitpid(child, &status, 0);
        return WIFSIGNALED(status) ? "killed by signal " + std::to_string(WTERMSIG(status)) : text;
    }
    TalixTest::TempHostRoot scratch;
    std::string folder;
};

TEST_F(PluginFolder, AFolderOthersMayWriteIsRefusedWhole) {
    EXPECT_EQ(Load(), "Plug-in " + folder + "/libother.so has no entry point AutoCli_RegisterNamespaces\nloaded 1\n");
    for (mode_t mode : {0777, 0775, 0757}) {
        ::chmod(folder.c_str(), mode);
        char octal[8];
        std::snprintf(octal, sizeof(octal), "%04o", static_cast<unsigned>(mode));
        EXPECT_EQ(Load(), "Refused plug-in directory " + folder + ": others may write it (mode " + octal +
                              "); no plug-in loaded from it\nloaded 0\n");
    }
}

TEST_F(PluginFolder, UnsafeOrSpecialLibrariesAreRefusedAndTheOthersLoad) {
    const std::string other = folder + "/libother.so";
    const struct {
        const char* what;
        std::function<void()> make;
        std::string reason;
    } cases[] = {
        {"writable by others", [&] { ::chmod(other.c_str(), 0666); }, "others may write it (mode 0666)"},
        {"writable by the group", [&] { ::chmod(other.c_str(), 0664); }, "others may write it (mode 0664)"},
        {"a FIFO", [&] { std::filesystem::remove(other), ::mkfifo(other.c_str(), 0644); }, "it is not a regular file"},
        {"a folder", [&] { std::filesystem::remove(other), ::mkdir(other.c_str(), 0755); }, "it is not a regular file"},
        {"a link",
         [&] { std::filesystem::remove(other), ::symlink((folder + "/libsample_plugin.so").c_str(), other.c_str()); },
         "it is a symbolic link"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove_all(other);
        std::filesystem::copy_file(TALIX_TEST_PLUGIN_DIR "/libbroken_plugin.so", other);
        c.make();
        EXPECT_EQ(Load(), "Refused plug-in " + other + ": " + c.reason + "\nloaded 1\n");
    }
    if (::geteuid() == 0) {
        std::filesystem::remove_all(other);
        std::filesystem::copy_file(TALIX_TEST_PLUGIN_DIR "/libbroken_plugin.so", other);
        ASSERT_EQ(::chown(other.c_str(), 4242, 4242), 0);
        EXPECT_EQ(Load(), "Refused plug-in " + other + ": it belongs to user 4242, neither you nor root\nloaded 1\n");
        ASSERT_EQ(::chown(folder.c_str(), 4242, 4242), 0);
        EXPECT_EQ(Load(), "Refused plug-in directory " + folder +
                              ": it belongs to user 4242, neither you nor root; no plug-in loaded from it\nloaded 0\n");
    }
}

// The same through talixcli: the refusal is one "Error:" line, and the run
// that does not need the plug-ins (the completion script) still works.
TEST_F(PluginFolder, TalixcliNamesTheRefusalOnce) {
    ::chmod(folder.c_str(), 0777);
    auto result = RunTalixcli({"--completion", "bash"}, {{"TALIXCLI_PLUGIN_DIR", folder}});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, "Error: Refused plug-in directory " + folder +
                              ": others may write it (mode 0777); no plug-in loaded from it\n");
    EXPECT_NE(result.out.find("complete -F _talixcli talixcli"), std::string::npos);
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
