// Shared pieces of the robustness tests.
#include "robustness/RobustnessSupport.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace fs = std::filesystem;

namespace TalixRobustness {

namespace {

const char kLockFile[] = ".lock";

std::string ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

long long NowMs() {
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

void WriteAll(int fd, const std::string& data) {
    size_t done = 0;
    while (done < data.size()) {
        ssize_t n = ::write(fd, data.data() + done, data.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return;
        done += static_cast<size_t>(n);
    }
}

}  // namespace

bool FullForm() {
    const char* value = std::getenv("TALIX_FULL_ROBUSTNESS");
    return value && std::string(value) == "1";
}

int Scaled(int reduced, int full) { return FullForm() ? full : reduced; }

HostFiles Snapshot(const std::string& root) {
    HostFiles files;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        if (!entry.is_regular_file()) continue;
        std::string relative = fs::relative(entry.path(), root).string();
        if (relative == kLockFile) continue;
        files[relative] = ReadAll(entry.path());
    }
    return files;
}

bool IsLeftover(const std::string& relativePath) {
    if (relativePath == ".journal.tmp") return true;
    size_t marker = relativePath.rfind(".tmp.");
    if (marker == std::string::npos || marker + 5 == relativePath.size()) return false;
    for (size_t i = marker + 5; i < relativePath.size(); ++i) {
        if (relativePath[i] < '0' || relativePath[i] > '9') return false;
    }
    return true;
}

HostFiles WithoutLeftovers(const HostFiles& files) {
    HostFiles kept;
    for (const auto& file : files) {
        if (!IsLeftover(file.first)) kept.insert(file);
    }
    return kept;
}

void Restore(const std::string& root, const HostFiles& files) {
    for (const auto& entry : fs::directory_iterator(root)) {
        if (entry.path().filename() == kLockFile) continue;
        fs::remove_all(entry.path());
    }
    for (const auto& file : files) {
        fs::path path = fs::path(root) / file.first;
        fs::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << file.second;
        // Modes as the host writes them, whatever the umask (see the trust rule for programs).
        fs::permissions(path, fs::perms(0644));
        for (fs::path directory = path.parent_path(); directory.string().size() > root.size();
             directory = directory.parent_path()) {
            fs::permissions(directory, fs::perms(0755));
        }
    }
}

void CopyHost(const std::string& from, const std::string& to) {
    fs::create_directories(to);
    Restore(to, Snapshot(from));
}

std::string Difference(const HostFiles& before, const HostFiles& after) {
    std::string text;
    for (const auto& file : before) {
        auto found = after.find(file.first);
        if (found == after.end()) {
            text += "removed " + file.first + "\n";
        } else if (found->second != file.second) {
            text += "changed " + file.first + "\n";
        }
    }
    for (const auto& file : after) {
        if (!before.count(file.first)) text += "added " + file.first + "\n";
    }
    return text;
}

IsolatedResult RunIsolated(const std::function<int(std::string& out, std::string& err)>& body, int timeoutMs) {
    int pipes[2];
    if (::pipe(pipes) != 0) throw std::runtime_error("pipe failed");
    pid_t child = ::fork();
    if (child < 0) throw std::runtime_error("fork failed");
    if (child == 0) {
        ::close(pipes[0]);
        std::string out, err;
        int status = body(out, err);
        // The status and the size of out on a line each, then out and err.
        std::string message = std::to_string(status) + "\n" + std::to_string(out.size()) + "\n" + out + err;
        WriteAll(pipes[1], message);
        ::close(pipes[1]);
        ::_exit(0);
    }
    ::close(pipes[1]);
    IsolatedResult result;
    std::string received;
    long long deadline = NowMs() + timeoutMs;
    char buffer[65536];
    for (;;) {
        long long left = deadline - NowMs();
        if (left <= 0) {
            result.hung = true;
            ::kill(child, SIGKILL);
            break;
        }
        pollfd fd{pipes[0], POLLIN, 0};
        int ready = ::poll(&fd, 1, static_cast<int>(left));
        if (ready < 0 && errno == EINTR) continue;
        if (ready <= 0) continue;
        ssize_t n = ::read(pipes[0], buffer, sizeof(buffer));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        received.append(buffer, static_cast<size_t>(n));
    }
    ::close(pipes[0]);
    int waitStatus = 0;
    ::waitpid(child, &waitStatus, 0);
    if (result.hung) return result;
    if (WIFSIGNALED(waitStatus)) {
        result.crashed = true;
        result.signal = WTERMSIG(waitStatus);
        return result;
    }
    const size_t first = received.find('\n'), second = received.find('\n', first + 1);
    if (second == std::string::npos) {
        result.crashed = true;  // left without reporting (exit() from inside the command)
        return result;
    }
    result.status = std::stoi(received.substr(0, first));
    const size_t outSize = std::stoul(received.substr(first + 1, second - first - 1));
    result.out = received.substr(second + 1, outSize);
    result.err = received.substr(second + 1 + outSize);
    return result;
}

pid_t SpawnTalixcli(const std::vector<std::string>& args, const std::string& hostRoot) {
    std::vector<std::string> copies = args;
    std::string binary = TALIXCLI_BINARY;
    std::vector<char*> argv;
    argv.push_back(binary.data());
    for (auto& arg : copies) argv.push_back(arg.data());
    argv.push_back(nullptr);
    std::string variable = "TALIX_HOST_ROOT=" + hostRoot;
    pid_t child = ::fork();
    if (child < 0) throw std::runtime_error("fork failed");
    if (child == 0) {
        int null = ::open("/dev/null", O_RDWR);
        if (null >= 0) {
            ::dup2(null, 1);
            ::dup2(null, 2);
        }
        ::putenv(variable.data());
        ::execv(binary.c_str(), argv.data());
        ::_exit(127);
    }
    return child;
}

std::string Printable(const std::string& value, size_t limit) {
    std::string text;
    for (size_t i = 0; i < value.size() && text.size() < limit; ++i) {
        unsigned char c = static_cast<unsigned char>(value[i]);
        if (c < 0x20 || c >= 0x7f) {
            char escaped[8];
            std::snprintf(escaped, sizeof(escaped), "\\x%02x", c);
            text += escaped;
        } else {
            text += static_cast<char>(c);
        }
    }
    if (value.size() > limit) text += "...(" + std::to_string(value.size()) + " bytes)";
    return text;
}

}  // namespace TalixRobustness
