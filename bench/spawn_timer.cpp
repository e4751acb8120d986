// Runs commands as whole processes, alternating them, and prints the median
// wall time of each: spawn_timer [--detail] RUNS -- cmd1 args ... -- cmd2 args ...
// With --detail each line also holds the median CPU time (user and system) in
// ms, which a busy machine disturbs less than the wall time, and the largest
// peak resident set of the command's runs in KiB. A command that exits with a
// non-zero status is reported on stderr (its times are still printed).
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

extern char** environ;

namespace {

struct Sample {
    double ms = 0;
    double cpuMs = 0;
    long maxRssKib = 0;
    int status = 0;
};

Sample RunOnce(std::vector<char*>& argv) {
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
    struct rusage usage {};
    wait4(pid, &status, 0, &usage);
    Sample sample;
    sample.ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    posix_spawn_file_actions_destroy(&actions);
    sample.maxRssKib = usage.ru_maxrss;
    sample.cpuMs =
        (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
    sample.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return sample;
}

}  // namespace

int main(int argc, char** argv) {
    int first = 1;
    bool detail = false;
    if (argc > 1 && std::string(argv[1]) == "--detail") {
        detail = true;
        first = 2;
    }
    if (argc < first + 3) {
        std::fprintf(stderr, "usage: %s [--detail] RUNS -- cmd args... [-- cmd args...]\n", argv[0]);
        return 2;
    }
    int runs = std::atoi(argv[first]);
    if (runs < 1) {
        std::fprintf(stderr, "%s: RUNS must be a positive number\n", argv[0]);
        return 2;
    }
    std::vector<std::vector<char*>> commands;
    for (int i = first + 1; i < argc; ++i) {
        if (std::string(argv[i]) == "--") {
            commands.emplace_back();
            continue;
        }
        if (commands.empty()) {
            std::fprintf(stderr, "%s: commands start with --\n", argv[0]);
            return 2;
        }
        commands.back().push_back(argv[i]);
    }
    for (auto& command : commands) command.push_back(nullptr);
    std::vector<std::vector<double>> times(commands.size());
    std::vector<std::vector<double>> cpuTimes(commands.size());
    std::vector<long> peak(commands.size(), 0);
    std::vector<int> failed(commands.size(), 0);
    for (int run = 0; run < runs; ++run) {
        for (size_t c = 0; c < commands.size(); ++c) {
            Sample sample = RunOnce(commands[c]);
            times[c].push_back(sample.ms);
            cpuTimes[c].push_back(sample.cpuMs);
            peak[c] = std::max(peak[c], sample.maxRssKib);
            if (sample.status != 0 && failed[c] == 0) failed[c] = sample.status;
        }
    }
    for (size_t c = 0; c < commands.size(); ++c) {
        if (failed[c] != 0) std::fprintf(stderr, "%s: %s exited with status %d\n", argv[0], commands[c][0], failed[c]);
        std::sort(times[c].begin(), times[c].end());
        std::sort(cpuTimes[c].begin(), cpuTimes[c].end());
        if (detail) {
            std::printf("%.3f %.3f %ld\n", times[c][times[c].size() / 2], cpuTimes[c][cpuTimes[c].size() / 2], peak[c]);
        } else {
            std::printf("%.3f\n", times[c][times[c].size() / 2]);
        }
    }
    return 0;
}
