// Shared pieces of the fuzz targets.
#include "FuzzSupport.h"

#include <cstdio>
#include <cstdlib>
#include <memory>

#include "core/Backends.h"
#include "core/HostStore.h"
#include "parvik/PluginHooks.h"

namespace TalixFuzz {

Parvik::AutoCli::Dispatcher& NetworkDispatcher() {
    // Never destroyed: the fuzzer leaves with exit() and the tree's objects
    // must outlive every static of the plug-in.
    static auto* dispatcher = [] {
        auto* created = new Parvik::AutoCli::Dispatcher();
        created->RegisterPlugin(&AutoCli_RegisterNamespaces);
        return created;
    }();
    return *dispatcher;
}

const std::map<std::string, std::string>& DemoFiles() {
    static const std::map<std::string, std::string> files = [] {
        std::map<std::string, std::string> collected;
        for (const auto& file : SimHost::DemoHostFiles()) collected[file.path] = file.content;
        return collected;
    }();
    return files;
}

void UseHost(const std::map<std::string, std::string>& files) {
    SimHost::HostStore::Instance().UseBackend(std::make_unique<SimHost::MemoryBackend>(files));
}

std::map<std::string, std::string> HostFiles() {
    auto* memory = dynamic_cast<SimHost::MemoryBackend*>(&SimHost::HostStore::Instance().GetBackend());
    return memory ? memory->Files() : std::map<std::string, std::string>{};
}

namespace {
// Two bytes the mutator rarely puts together: long words stay the exception.
const char kRepeatMark[] = "\xffR";
const size_t kRepeatUnit = 64;
const size_t kLongestWord = 64 * 1024;

// "\xffR" N TEXT stands for TEXT repeated (N + 1) * 64 times, at most 64 KiB:
// long values stay reachable from small inputs.
std::string Expand(const std::string& word) {
    if (word.size() < 4 || word.compare(0, 2, kRepeatMark) != 0) return word;
    const std::string text = word.substr(3);
    size_t times = (static_cast<uint8_t>(word[2]) + 1) * kRepeatUnit;
    std::string expanded;
    for (size_t i = 0; i < times && expanded.size() + text.size() <= kLongestWord; ++i) expanded += text;
    return expanded;
}
}  // namespace

std::vector<std::string> SplitArguments(const uint8_t* data, size_t size) {
    std::vector<std::string> words;
    std::string word;
    for (size_t i = 0; i < size; ++i) {
        char c = static_cast<char>(data[i]);
        if (c == '\0' || c == '\n') {
            words.push_back(Expand(word));
            word.clear();
        } else {
            word += c;
        }
    }
    if (!word.empty()) words.push_back(Expand(word));
    return words;
}

void Fail(const std::string& what, const std::vector<std::string>& args, const std::string& detail) {
    std::fprintf(stderr, "FUZZ FAILURE: %s\ncommand line:", what.c_str());
    for (const auto& word : args) std::fprintf(stderr, " [%s]", word.c_str());
    std::fprintf(stderr, "\n%s\n", detail.c_str());
    std::abort();
}

}  // namespace TalixFuzz
