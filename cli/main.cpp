// talixcli: the host shell. Loads the plug-ins and runs one command line.
#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string>
#include <vector>

#include "Dispatcher.h"
#include "FdStream.h"
#include "FileIo.h"
#include "HeapPreparation.h"
#include "ShellInfo.h"

namespace {

// The plug-ins built beside the binary, or those of an installed tree.
std::string DefaultPluginDirectory() {
    const std::string here = Parvik::AutoCli::FrameworkDirectory();
    const std::string built = here + "plugins";
    if (access(built.c_str(), F_OK) == 0) return built;
    return here + "../" TALIX_INSTALLED_PLUGIN_DIR;
}

// A standard descriptor the caller closed is held by /dev/null, opened so that
// writing to it still fails: otherwise the first file a command opens (the
// host's lock, a state section) would take its number and receive the output.
void HoldClosedStandardDescriptors() {
    for (int fd = STDIN_FILENO; fd <= STDERR_FILENO; ++fd) {
        if (fcntl(fd, F_GETFD) != -1 || errno != EBADF) continue;
        Talix::FileIo::UniqueFd held(open("/dev/null", fd == STDERR_FILENO ? O_WRONLY : O_RDONLY));
        if (held.Get() == fd) {
            held.Release();  // it took the free number itself
        } else if (held) {
            dup2(held.Get(), fd);
        }
    }
}

void IgnoreSignal(int) {}

// A reader that goes away (| head) makes writes fail with EPIPE, reported and
// turned into status 1 like any refused write, instead of killing talixcli
// silently. A handler rather than SIG_IGN: the programs the host runs start
// with the default again.
void ReportClosedPipes() {
    struct sigaction action {};
    action.sa_handler = IgnoreSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGPIPE, &action, nullptr);
}

}  // namespace

int main(int argc, char** argv) {
    using Parvik::AutoCli::WriteAll;
    HoldClosedStandardDescriptors();
    ReportClosedPipes();
    Parvik::AutoCli::Dispatcher dispatcher;
    dispatcher.KeepOutputs();
    const char* configured = std::getenv(Parvik::AutoCli::kPluginDirVariable);
    std::string directory = configured && *configured ? configured : DefaultPluginDirectory();
    std::string hostProblem;
    if (!Parvik::AutoCli::HostPluginDirectory(std::getenv(Parvik::AutoCli::kHostVariable), directory, hostProblem)) {
        std::string line = "Error: " + hostProblem + "\n";
        WriteAll(STDERR_FILENO, line.data(), line.size());
        std::_Exit(2);
    }
    std::vector<std::string> loadErrors;
    dispatcher.LoadPlugins(directory, loadErrors);
    for (const auto& message : loadErrors) {
        std::string line = "Error: " + message + "\n";
        WriteAll(STDERR_FILENO, line.data(), line.size());
    }

    std::vector<std::string> args(argv + 1, argv + argc);
    std::string text;
    if (dispatcher.AnswerTreeQuery(args, text)) {
        if (WriteAll(STDOUT_FILENO, text.data(), text.size())) std::_Exit(EXIT_SUCCESS);
        Parvik::AutoCli::ReportWriteError(STDERR_FILENO, errno);
        std::_Exit(EXIT_FAILURE);
    }

    Parvik::AutoCli::PrepareHeapForCommand();
    Parvik::AutoCli::FdStreamBuf outBuffer(STDOUT_FILENO);
    Parvik::AutoCli::FdStreamBuf errBuffer(STDERR_FILENO);
    std::ostream out(&outBuffer);
    std::ostream err(&errBuffer);
    err.setf(std::ios::unitbuf);
    int status = dispatcher.Run(args, out, err);
    status = Parvik::AutoCli::FinishOutput(outBuffer, STDERR_FILENO, status);
    err.flush();
    // Every change is already on disk and nothing else needs tearing down:
    // leave without destroying the command tree.
    std::_Exit(status);
}
