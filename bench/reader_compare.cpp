// The host's own pull reader against simdjson's On-Demand reader, decoding the
// same section files of a host root into the same models, alternately in one
// process. Usage: reader_compare HOST_ROOT [rounds]
//
// The simdjson side binds the models through the same field lists as the
// host's codec; it takes integers as plain integers only (the host's reader
// also takes whole numbers written with a fraction or an exponent), does not
// look for text after the document, and its input is padded beforehand,
// outside the timing. On-Demand runs the kernel the compiler targets: the
// generic one for a build for any x86-64 (as the packages are built), its
// SIMD ones only with -march flags.
#include <simdjson.h>

#include <algorithm>
#include <ctime>
#include <cstdio>
#include <fstream>
#include <limits>
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

using simdjson::ondemand::value;

template <typename T>
void OnDemandRead(value source, T& target);

template <typename Model, typename Owner, typename T>
bool ReadNamed(std::string_view key, value source, Model& model, const SimHost::ModelField<Owner, T>& field) {
    if (key != field.name) return false;
    OnDemandRead(source, model.*field.member);
    return true;
}

template <typename Model, size_t... I>
void ReadKnown(std::string_view key, value source, Model& model, std::index_sequence<I...>) {
    // An unknown field is left unread: the reader passes over it.
    (void)(ReadNamed(key, source, model, std::get<I>(SimHost::kModelFields<Model>)) || ...);
}

template <typename T>
void OnDemandRead(value source, T& target) {
    if constexpr (std::is_same_v<T, std::string>) {
        std::string_view text = source.get_string();
        target.assign(text);
    } else if constexpr (std::is_same_v<T, bool>) {
        target = source.get_bool();
    } else if constexpr (std::is_integral_v<T> && std::is_signed_v<T>) {
        int64_t number = source.get_int64();
        if (number < std::numeric_limits<T>::min() || number > std::numeric_limits<T>::max()) {
            throw std::out_of_range("number out of range");
        }
        target = static_cast<T>(number);
    } else if constexpr (std::is_integral_v<T>) {
        uint64_t number = source.get_uint64();
        if (number > std::numeric_limits<T>::max()) throw std::out_of_range("number out of range");
        target = static_cast<T>(number);
    } else if constexpr (SimHost::IsVector<T>::value) {
        target.clear();
        for (auto element : source.get_array()) {
            target.emplace_back();
            OnDemandRead(element.value(), target.back());
        }
    } else if constexpr (SimHost::IsOptional<T>::value) {
        if (source.is_null()) {
            target.reset();
        } else {
            OnDemandRead(source, target.emplace());
        }
    } else if constexpr (SimHost::IsTextMap<T>::value) {
        target.clear();
        for (auto field : source.get_object()) {
            std::string key(std::string_view(field.unescaped_key()));
            OnDemandRead(field.value(), target[key]);
        }
    } else {
        for (auto field : source.get_object()) {
            std::string_view key = field.unescaped_key();
            ReadKnown(key, field.value(), target, std::make_index_sequence<SimHost::detail::kFieldCount<T>>{});
        }
    }
}

std::string ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// The thread's CPU time: on a machine shared with other work, wall time
// would also count the waits of the longer decodes.
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
    double ours;
    double onDemand;
};

template <typename Model>
Result Compare(const std::string& root, int rounds, simdjson::ondemand::parser& parser) {
    const std::string path = root + "/state/" + Model::kSection + ".json";
    if (!std::ifstream(path)) return {Model::kSection, 0, 0, 0};  // the host has no such file
    const std::string text = ReadWholeFile(path);
    const simdjson::padded_string padded(text);
    {
        // Both readers must give the same model.
        Model mine;
        SimHost::ReadDocument(text, mine);
        Model theirs;
        simdjson::ondemand::document document = parser.iterate(padded);
        OnDemandRead(document.get_value(), theirs);
        if (SimHost::WriteDocument(mine) != SimHost::WriteDocument(theirs)) {
            throw std::runtime_error(std::string("the readers disagree on ") + Model::kSection);
        }
    }
    std::vector<double> ours;
    std::vector<double> onDemand;
    for (int round = 0; round < rounds; ++round) {
        {
            double start = CpuMilliseconds();
            Model model;
            SimHost::ReadDocument(text, model);
            ours.push_back(CpuMilliseconds() - start);
        }
        {
            double start = CpuMilliseconds();
            Model model;
            simdjson::ondemand::document document = parser.iterate(padded);
            OnDemandRead(document.get_value(), model);  // trailing text is not checked here
            onDemand.push_back(CpuMilliseconds() - start);
        }
    }
    return {Model::kSection, text.size(), Median(ours), Median(onDemand)};
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s HOST_ROOT [rounds]\n", argv[0]);
        return 2;
    }
    const std::string root = argv[1];
    const int rounds = argc > 2 ? std::stoi(argv[2]) : 21;
    simdjson::ondemand::parser parser;
    std::vector<Result> results = {
        Compare<SimHost::PnicInventory>(root, rounds, parser),
        Compare<SimHost::VirtualSwitchInventory>(root, rounds, parser),
        Compare<SimHost::DVSwitchInventory>(root, rounds, parser),
        Compare<SimHost::DatapathState>(root, rounds, parser),
        Compare<SimHost::SriovState>(root, rounds, parser),
        Compare<SimHost::LmxNicInventory>(root, rounds, parser),
        Compare<SimHost::NetstackTable>(root, rounds, parser),
        Compare<SimHost::RoutingTables>(root, rounds, parser),
        Compare<SimHost::NeighborTables>(root, rounds, parser),
        Compare<SimHost::ConnectionTable>(root, rounds, parser),
        Compare<SimHost::IpSecDatabase>(root, rounds, parser),
        Compare<SimHost::FirewallModel>(root, rounds, parser),
    };
    std::printf("| %-12s | %10s | %11s | %16s | %6s |\n", "section", "bytes", "ours cpu ms", "On-Demand cpu ms", "ratio");
    std::printf("|--------------|------------|-------------|------------------|--------|\n");
    double ours = 0;
    double onDemand = 0;
    size_t bytes = 0;
    for (const auto& result : results) {
        if (result.bytes == 0) continue;
        std::printf("| %-12s | %10zu | %11.3f | %16.3f | %6.2f |\n", result.section, result.bytes, result.ours,
                    result.onDemand, result.onDemand / result.ours);
        ours += result.ours;
        onDemand += result.onDemand;
        bytes += result.bytes;
    }
    std::printf("| %-12s | %10zu | %11.3f | %16.3f | %6.2f |\n", "all", bytes, ours, onDemand, onDemand / ours);
    return 0;
}
