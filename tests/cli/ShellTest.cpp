// The shell about itself: version and plug-ins, a missing plug-in directory,
// framework options in the wrong place, and output that cannot be written.
#include <gtest/gtest.h>

#include <dlfcn.h>
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <sstream>

#include "Dispatcher.h"
#include "FdStream.h"
#include "parvik/Libraries.h"
#include "plugins/SampleCommands.h"
#include "support/CliHarness.h"

namespace {

using Parvik::AutoCli::Dispatcher;

TalixTest::ProcessResult Exec(Dispatcher& dispatcher, const std::string& line) {
    std::ostringstream out, err;
    int status = dispatcher.Run(TalixTest::SplitWords(line), out, err);
    return {status, out.str(), err.str()};
}

TEST(Version, NamesEachLoadedPluginWithItsPathAndNamespaces) {
    Dispatcher dispatcher;
    std::vector<std::string> errors;
    dispatcher.LoadPlugins(TALIX_TEST_PLUGIN_DIR, errors);
    auto version = Exec(dispatcher, "--version");
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out,
              "talixcli " TALIXCLI_VERSION "\nplug-in " TALIX_TEST_PLUGIN_DIR "/libsample_plugin.so: sample\n");
    // Later words do not matter: the version is all that is printed.
    EXPECT_EQ(Exec(dispatcher, "--version sample echo").out, version.out);
}

TEST(Version, WithoutPluginsSaysWhereItLookedAndHowToChooseAnotherDirectory) {
    Dispatcher dispatcher;
    std::vector<std::string> errors;
    dispatcher.LoadPlugins("/nonexistent/plugins", errors);
    EXPECT_EQ(Exec(dispatcher, "--version").out, "talixcli " TALIXCLI_VERSION
                                                 "\nNo plug-in found in /nonexistent/plugins. "
                                                 "Set TALIXCLI_PLUGIN_DIR to the directory that holds the plug-ins.\n");
    // A command's refusal without plug-ins is in the shell-options transcript.
}

// A stream buffer on /dev/full, which refuses every write with ENOSPC.
class FullDevice : public ::testing::Test {
protected:
    void SetUp() override {
        fd = ::open("/dev/full", O_WRONLY | O_CLOEXEC);
        ASSERT_GE(fd, 0);
        ASSERT_EQ(::pipe2(errPipe, O_CLOEXEC), 0);
    }
    void TearDown() override {
        ::close(fd);
        ::close(errPipe[0]);
        ::close(errPipe[1]);
    }
    std::string Reported() {
        ::close(errPipe[1]);
        errPipe[1] = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
        std::string text;
        char buffer[512];
        for (ssize_t n; (n = ::read(errPipe[0], buffer, sizeof(buffer))) > 0;)
            text.append(buffer, static_cast<size_t>(n));
        return text;
    }
    int fd = -1;
    int errPipe[2] = {-1, -1};
};

TEST_F(FullDevice, AFailedWriteFailsASuccessfulRunWithOneLineAndKeepsAnotherStatus) {
    Parvik::AutoCli::FdStreamBuf buffer(fd);
    std::ostream out(&buffer);
    out << "short output";  // still in the buffer: only the last flush meets the error
    EXPECT_EQ(buffer.WriteError(), 0);
    EXPECT_EQ(Parvik::AutoCli::FinishOutput(buffer, errPipe[1], 0), 1);
    EXPECT_EQ(buffer.WriteError(), ENOSPC);
    out << std::string(100000, 'x');  // larger than the buffer: written directly, and refused
    EXPECT_EQ(Parvik::AutoCli::FinishOutput(buffer, errPipe[1], 2), 2);
    EXPECT_EQ(Reported(),
              "talixcli: write error: No space left on device\ntalixcli: write error: No space left on device\n");
}

}  // namespace

// Libraries loaded on first use are opened from the first of the given folders,
// seen from the file that holds the caller, that has them; a library in none of
// them and not on the linker's search path is not opened.
TEST(LibrariesBeside, OpenFromTheFirstFolderThatHoldsThem) {
    static const int anchor = 0;  // an address inside this test program
    char exe[4096];
    const ssize_t length = readlink("/proc/self/exe", exe, sizeof(exe) - 1);
    ASSERT_GT(length, 0);
    const std::string path(exe, static_cast<size_t>(length));
    EXPECT_EQ(Parvik::AutoCli::DirectoryOf(&anchor), path.substr(0, path.rfind('/') + 1));

    void* found = Parvik::AutoCli::OpenLibraryBeside(&anchor, "libsample_plugin.so", {"nowhere/", "../test_plugins/"});
    EXPECT_NE(found, nullptr);
    if (found) dlclose(found);
    EXPECT_EQ(Parvik::AutoCli::OpenLibraryBeside(&anchor, "libsample_plugin.so", {"nowhere/", "../"}), nullptr);
    EXPECT_NE(Parvik::AutoCli::TakeLoaderError(), "");  // why is left for the caller to read
    EXPECT_EQ(Parvik::AutoCli::TakeLoaderError(), "");  // and taken once only
}
