// Runs commands as whole processes, alternating them, and prints the median
// wall time of each: spawn_timer RUNS -- cmd1 args ... -- cmd2 args ...
#include <spawn.h>
#include <sys/wait.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

extern char** environ;

static double RunOnce(std::vector<char*>& argv) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0) {
        std::perror(argv[0]);
        std::exit(1);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    posix_spawn_file_actions_destroy(&actions);
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s RUNS -- cmd args... [-- cmd args...]\n", argv[0]);
        return 2;
    }
    int runs = std::atoi(argv[1]);
    std::vector<std::vector<char*>> commands;
    for (int i = 2; i < argc; ++i) {
        if (std::string(argv[i]) == "--") {
            commands.emplace_back();
            continue;
        }
        commands.back().push_back(argv[i]);
    }
    for (auto& command : commands) command.push_back(nullptr);
    std::vector<std::vector<double>> times(commands.size());
    for (int run = 0; run < runs; ++run) {
        for (size_t c = 0; c < commands.size(); ++c) times[c].push_back(RunOnce(commands[c]));
    }
    for (size_t c = 0; c < commands.size(); ++c) {
        std::sort(times[c].begin(), times[c].end());
        std::printf("%.3f\n", times[c][times[c].size() / 2]);
    }
    return 0;
}
