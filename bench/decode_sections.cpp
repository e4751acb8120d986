// Decodes every section file of a host root into its model with the host's
// codec, as the store does, and prints the median thread CPU time per section.
// Usage: decode_sections HOST_ROOT [rounds]
//
// Two builds of it (before and after a change of the codec) run alternately
// on the same host root give a paired comparison (bench/RESULTS.md,
// "On-Demand as the only reader").
#include <time.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/ModelCodec.h"
#include "model/DatapathModel.h"
#include "model/FirewallModel.h"
#include "model/IpStackModel.h"
#include "model/LmxNicModel.h"
#include "model/PnicModel.h"
#include "model/VswitchModel.h"

namespace {

// The file's text with room after it, as the store reads it: the reader may
// need spare bytes after the text, and they cost no copy when they are there.
bool ReadWholeFile(const std::string& path, std::string& text) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::stringstream content;
    content << in.rdbuf();
    text = content.str();
    text.reserve(text.size() + 64);
    return true;
}

// The thread's CPU time: on a machine shared with other work, wall time would
// also count the waits of the longer decodes.
double CpuMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

struct Result {
    const char* section;
    size_t bytes;
    double cpuMs;
};

template <typename Model>
Result Decode(const std::string& root, int rounds) {
    std::string text;
    if (!ReadWholeFile(root + "/state/" + Model::kSection + ".json", text)) return {Model::kSection, 0, 0};
    std::vector<double> times;
    for (int round = 0; round < rounds; ++round) {
        double start = CpuMilliseconds();
        Model model;
        SimHost::ReadDocument(text, model);
        times.push_back(CpuMilliseconds() - start);
    }
    return {Model::kSection, text.size(), Median(times)};
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s HOST_ROOT [rounds]\n", argv[0]);
        return 2;
    }
    const std::string root = argv[1];
    const int rounds = argc > 2 ? std::max(1, std::stoi(argv[2])) : 21;
    std::vector<Result> results = {
        Decode<SimHost::PnicInventory>(root, rounds),     Decode<SimHost::VirtualSwitchInventory>(root, rounds),
        Decode<SimHost::DVSwitchInventory>(root, rounds), Decode<SimHost::DatapathState>(root, rounds),
        Decode<SimHost::SriovState>(root, rounds),        Decode<SimHost::LmxNicInventory>(root, rounds),
        Decode<SimHost::NetstackTable>(root, rounds),     Decode<SimHost::RoutingTables>(root, rounds),
        Decode<SimHost::NeighborTables>(root, rounds),    Decode<SimHost::ConnectionTable>(root, rounds),
        Decode<SimHost::IpSecDatabase>(root, rounds),     Decode<SimHost::FirewallModel>(root, rounds),
    };
    double total = 0;
    size_t bytes = 0;
    for (const auto& result : results) {
        if (result.bytes == 0) continue;
        std::printf("%s %zu %.3f\n", result.section, result.bytes, result.cpuMs);
        total += result.cpuMs;
        bytes += result.bytes;
    }
    std::printf("all %zu %.3f\n", bytes, total);
    return 0;
}
