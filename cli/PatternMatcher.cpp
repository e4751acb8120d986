// The matcher behind the framework's parameter patterns. It lives in a library
// of its own, loaded on the first pattern check, so that talixcli does not
// load the regular-expression engine for every command it runs.
#include <cstddef>
#include <memory>
#include <mutex>
#include <string>
#include <unordered_map>

#include <re2/re2.h>

#include "parvik/PluginHooks.h"

namespace {

// The compiled form of a pattern, made at its first use and kept for the rest
// of the process: commands share patterns, so one entry serves every
// parameter with the same pattern.
const RE2& CompiledPattern(const std::string& pattern) {
    static std::mutex mutex;
    static std::unordered_map<std::string, std::unique_ptr<RE2>> compiled;
    std::lock_guard<std::mutex> lock(mutex);
    auto& entry = compiled[pattern];
    if (!entry) {
        RE2::Options options;
        options.set_log_errors(false);
        entry = std::make_unique<RE2>(pattern, options);
    }
    return *entry;
}

}  // namespace

// 1 when the pattern matches the whole value, 0 when it does not, -1 when the
// pattern does not compile. RE2 takes time linear in the value whatever the
// pattern, and no stack in proportion to it.
extern "C" int TalixMatchPattern(const char* pattern, size_t patternSize, const char* value, size_t valueSize) {
    const RE2& re = CompiledPattern(std::string(pattern, patternSize));
    if (!re.ok()) return -1;
    return RE2::FullMatch(re2::StringPiece(value, valueSize), re) ? 1 : 0;
}
