// Running the talixcli binary on a temporary host root.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "support/CliHarness.h"
#include "support/SectionCodec.h"

namespace TalixTest {

TempHostRoot::TempHostRoot() {
    std::string pattern = (std::filesystem::temp_directory_path() / "talix-host-XXXXXX").string();
    char* made = ::mkdtemp(pattern.data());
    if (!made) throw std::runtime_error("mkdtemp failed");
    path_ = made;
}

TempHostRoot::~TempHostRoot() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

// Directories 0755 and files 0644 whatever the umask, as an administrator's
// host root has them: a host root writable by group or others runs no program.
void TempHostRoot::WriteFile(const std::string& relativePath, const std::string& content) {
    std::filesystem::path file = std::filesystem::path(path_) / relativePath;
    std::vector<std::filesystem::path> made;
    for (auto directory = file.parent_path();
         directory.string().size() > path_.size() && !std::filesystem::exists(directory);
         directory = directory.parent_path()) {
        made.push_back(directory);
    }
    std::filesystem::create_directories(file.parent_path());
    for (const auto& directory : made) ::chmod(directory.c_str(), 0755);
    std::ofstream(file, std::ios::binary) << content;
    ::chmod(file.c_str(), 0644);
}

void TempHostRoot::WriteSection(const std::string& name, const nlohmann::json& content) {
    WriteFile("state/" + name + ".json", content.dump(1));
}

std::string TempHostRoot::ReadFile(const std::string& relativePath) const {
    std::ifstream in(std::filesystem::path(path_) / relativePath, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

nlohmann::json TempHostRoot::ReadSection(const std::string& name) const {
    return SpelledOutSection(name, ReadFile("state/" + name + ".json"));
}

namespace {

// Runs talixcli with stdout captured, or (given stdoutTarget) sent to that
// file, or closed when stdoutTarget is empty; stdin read from inputFile when
// one is named.
ProcessResult RunProcess(const std::vector<std::string>& args, const std::map<std::string, std::string>& environment,
                         const std::string* stdoutTarget, const std::string& inputFile) {
    int outPipe[2], errPipe[2];
    if (::pipe(outPipe) != 0 || ::pipe(errPipe) != 0) throw std::runtime_error("pipe failed");
    pid_t child = ::fork();
    if (child == 0) {
        ::dup2(outPipe[1], 1);
        ::dup2(errPipe[1], 2);
        if (!inputFile.empty()) {
            int input = ::open(inputFile.c_str(), O_RDONLY);
            if (input < 0) ::_exit(126);
            ::dup2(input, 0);
        }
        ::close(outPipe[0]);
        ::close(errPipe[0]);
        if (stdoutTarget != nullptr && *stdoutTarget == kClosedPipe) {
            // A reader that went away (| head): SIGPIPE as a shell leaves it.
            int gone[2];
            if (::pipe(gone) != 0 || ::dup2(gone[1], 1) != 1) ::_exit(126);
            ::close(gone[0]);
            ::close(gone[1]);
            ::signal(SIGPIPE, SIG_DFL);
        } else if (stdoutTarget != nullptr) {
            ::close(1);
            if (!stdoutTarget->empty() && ::open(stdoutTarget->c_str(), O_WRONLY) != 1) ::_exit(126);
        }
        for (const auto& variable : environment) ::setenv(variable.first.c_str(), variable.second.c_str(), 1);
        std::vector<char*> argv;
        std::string binary = TALIXCLI_BINARY;
        argv.push_back(binary.data());
        std::vector<std::string> copies = args;
        for (auto& arg : copies) argv.push_back(arg.data());
        argv.push_back(nullptr);
        ::execv(binary.c_str(), argv.data());
        ::_exit(127);
    }
    ::close(outPipe[1]);
    ::close(errPipe[1]);
    ProcessResult result;
    pollfd fds[2] = {{outPipe[0], POLLIN, 0}, {errPipe[0], POLLIN, 0}};
    int open = 2;
    char buffer[65536];
    while (open > 0) {
        if (::poll(fds, 2, -1) < 0) break;
        for (int i = 0; i < 2; ++i) {
            if (fds[i].fd < 0 || !(fds[i].revents & (POLLIN | POLLHUP))) continue;
            ssize_t n = ::read(fds[i].fd, buffer, sizeof(buffer));
            if (n <= 0) {
                ::close(fds[i].fd);
                fds[i].fd = -1;
                --open;
            } else {
                (i == 0 ? result.out : result.err).append(buffer, static_cast<size_t>(n));
            }
        }
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return result;
}

}  // namespace

ProcessResult RunTalixcli(const std::vector<std::string>& args, const std::map<std::string, std::string>& environment,
                          const std::string& inputFile) {
    return RunProcess(args, environment, nullptr, inputFile);
}

ProcessResult RunTalixcliWithStdout(const std::string& stdoutTarget, const std::vector<std::string>& args,
                                    const std::map<std::string, std::string>& environment) {
    return RunProcess(args, environment, &stdoutTarget, "");
}

ProcessResult RunOnHost(const TempHostRoot& root, const std::string& commandLine) {
    return RunTalixcli(SplitWords(commandLine), {{"TALIX_HOST_ROOT", root.Path()}});
}

nlohmann::json JsonOnHost(const TempHostRoot& root, const std::string& commandLine) {
    auto result = RunOnHost(root, "--formatter=json " + commandLine);
    EXPECT_EQ(result.status, 0) << commandLine;
    EXPECT_EQ(result.err, "") << commandLine;
    return result.status == 0 ? nlohmann::json::parse(result.out) : nlohmann::json();
}

void ChangeOnHost(const TempHostRoot& root, const std::string& commandLine) {
    EXPECT_EQ(JsonOnHost(root, commandLine), true) << commandLine;
}

}  // namespace TalixTest
