// Writes a large host root for benchmarks:
//   make_large_host ROOT [--ip-batch FILE] [--scale F] [--connections N] [--ipv4-routes N] ... (see --help)
// The defaults are a big production host; --scale multiplies its totals, and
// every count can be changed.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <fstream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "LargeHost.h"

namespace {

using TalixBench::LargeHostSize;

std::vector<std::pair<const char*, size_t LargeHostSize::*>> Options() {
    return {{"--pnics", &LargeHostSize::pnics},
            {"--switches", &LargeHostSize::switches},
            {"--ports-per-switch", &LargeHostSize::portsPerSwitch},
            {"--lmxnics", &LargeHostSize::lmxnics},
            {"--vms", &LargeHostSize::vms},
            {"--ports-per-vm", &LargeHostSize::portsPerVm},
            {"--filters-per-port", &LargeHostSize::filtersPerPort},
            {"--ipv4-routes", &LargeHostSize::ipv4Routes},
            {"--ipv6-routes", &LargeHostSize::ipv6Routes},
            {"--neighbors", &LargeHostSize::neighbors},
            {"--connections", &LargeHostSize::connections},
            {"--hosts-entries", &LargeHostSize::hostsEntries},
            {"--ipsec", &LargeHostSize::ipsecSas},
            {"--rulesets", &LargeHostSize::rulesets},
            {"--portgroups-per-switch", &LargeHostSize::portgroupsPerSwitch}};
}

int Usage(FILE* out, int status) {
    LargeHostSize defaults;
    std::fprintf(out,
                 "usage: make_large_host ROOT [--ip-batch FILE] [options]\n"
                 "Writes a host root of this size (default in brackets); --ip-batch also writes the\n"
                 "commands that give a network namespace the same interfaces, IPv4 routes and neighbours.\n"
                 "  --scale F                 every total times F (per-switch, per-VM and per-port counts\n"
                 "                            stay); past 1 the host exceeds its own port limit\n");
    for (const auto& option : Options()) std::fprintf(out, "  %-20s N  [%zu]\n", option.first, defaults.*option.second);
    return status;
}

}  // namespace

int main(int argc, char** argv) {
    // Sizes given one by one, applied over the scaled defaults whatever the order.
    std::vector<std::pair<size_t LargeHostSize::*, size_t>> given;
    size_t scale = 1;
    std::string root;
    std::string batchFile;
    for (int i = 1; i < argc; ++i) {
        std::string word = argv[i];
        if (word == "--help" || word == "-h") return Usage(stdout, 0);
        if (word == "--ip-batch" && i + 1 < argc) {
            batchFile = argv[++i];
            continue;
        }
        if (word.rfind("--", 0) != 0) {
            if (!root.empty()) return Usage(stderr, 2);
            root = word;
            continue;
        }
        if (word == "--scale") {
            char* end = nullptr;
            if (i + 1 >= argc || argv[i + 1][0] < '1' || argv[i + 1][0] > '9' ||
                (scale = std::strtoull(argv[++i], &end, 10), *end != '\0')) {
                std::fprintf(stderr, "make_large_host: --scale needs a factor of 1 or more\n");
                return 2;
            }
            continue;
        }
        bool known = false;
        for (const auto& option : Options()) {
            if (word != option.first) continue;
            char* end = nullptr;
            if (i + 1 >= argc || argv[i + 1][0] < '0' || argv[i + 1][0] > '9') {
                std::fprintf(stderr, "make_large_host: %s needs a count\n", option.first);
                return 2;
            }
            unsigned long long value = std::strtoull(argv[++i], &end, 10);
            if (*end != '\0') {
                std::fprintf(stderr, "make_large_host: %s needs a count, not '%s'\n", option.first, argv[i]);
                return 2;
            }
            given.emplace_back(option.second, static_cast<size_t>(value));
            known = true;
        }
        if (!known) {
            std::fprintf(stderr, "make_large_host: unknown option %s\n", word.c_str());
            return Usage(stderr, 2);
        }
    }
    if (root.empty()) return Usage(stderr, 2);
    LargeHostSize size = TalixBench::ScaledSize(scale);
    for (const auto& [field, value] : given) size.*field = value;
    try {
        TalixBench::WriteLargeHost(root, size);
        if (!batchFile.empty()) {
            std::ofstream out(batchFile, std::ios::binary | std::ios::trunc);
            out << TalixBench::LargeHostIpBatch(size);
            if (!out.flush()) throw std::runtime_error("cannot write " + batchFile);
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "make_large_host: %s\n", e.what());
        return 1;
    }
    return 0;
}
