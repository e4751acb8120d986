// The command tree's nodes.
#include "parvik/AutoCli.h"

#include <link.h>

#include <cstdint>
#include <cstring>
#include <mutex>
#include <utility>

namespace Parvik {
namespace AutoCli {

std::shared_ptr<Namespace> Namespace::New() { return std::make_shared<Namespace>(); }

namespace {

// The loader's counts of objects loaded and unloaded so far.
using LoadCounts = std::pair<unsigned long long, unsigned long long>;

// The read-only segments of the loaded objects, as [begin, end) addresses,
// and the load counts when they were collected.
struct ConstantSegments {
    std::vector<std::pair<uintptr_t, uintptr_t>> ranges;
    LoadCounts counts{~0ULL, ~0ULL};
};

int CollectConstantSegments(dl_phdr_info* info, size_t, void* context) {
    auto& segments = *static_cast<ConstantSegments*>(context);
    segments.counts = {info->dlpi_adds, info->dlpi_subs};
    for (ElfW(Half) i = 0; i < info->dlpi_phnum; ++i) {
        const ElfW(Phdr)& header = info->dlpi_phdr[i];
        if (header.p_type != PT_LOAD || (header.p_flags & PF_W)) continue;
        const uintptr_t begin = info->dlpi_addr + header.p_vaddr;
        segments.ranges.emplace_back(begin, begin + header.p_memsz);
    }
    return 0;
}

int CountLoads(dl_phdr_info* info, size_t, void* context) {
    *static_cast<LoadCounts*>(context) = {info->dlpi_adds, info->dlpi_subs};
    return 1;  // the first object says it
}

// The read-only segment of the last constant found, per thread: a plug-in's
// texts lie in one or two segments, so most look-ups end here. The segment
// stays valid: its library holds a text kept by reference, and a library
// that gave the tree a text is never unloaded.
thread_local std::pair<uintptr_t, uintptr_t> tLastSegment{0, 0};

// Whether the C string at text starts inside [begin, end). A string constant
// is stored with its terminator, so one that starts in a read-only segment
// ends there too; scanning for the terminator cost 12,000 instructions at
// every start for no case a C string can present.
bool Within(const char* text, uintptr_t begin, uintptr_t end) {
    const auto at = reinterpret_cast<uintptr_t>(text);
    return at >= begin && at < end;
}

// Whether a whole C string lies in the read-only data of a loaded object.
// The segments are collected again only after a library was loaded or
// unloaded.
bool IsConstantText(const char* text) {
    if (Within(text, tLastSegment.first, tLastSegment.second)) return true;
    static std::mutex mutex;
    static ConstantSegments segments;
    std::lock_guard<std::mutex> lock(mutex);
    auto find = [&]() {
        for (const auto& range : segments.ranges) {
            if (Within(text, range.first, range.second)) {
                tLastSegment = range;
                return true;
            }
        }
        return false;
    };
    if (find()) return true;
    LoadCounts counts{0, 0};
    dl_iterate_phdr(&CountLoads, &counts);
    if (counts == segments.counts) return false;
    segments = ConstantSegments();
    dl_iterate_phdr(&CollectConstantSegments, &segments);
    return find();
}

}  // namespace

void NodeText::Set(const char* text) {
    if (!text) text = "";
    if (IsConstantText(text)) {
        constant_ = text;
        copy_.clear();
    } else {
        copy_.assign(text);
        constant_ = nullptr;
    }
}

bool NodeText::Equals(const NodeText& other) const {
    const char* mine = constant_ ? constant_ : copy_.c_str();
    const char* theirs = other.constant_ ? other.constant_ : other.copy_.c_str();
    const size_t length = constant_ ? std::strlen(constant_) : copy_.size();
    const size_t otherLength = other.constant_ ? std::strlen(other.constant_) : other.copy_.size();
    return length == otherLength && std::memcmp(mine, theirs, length) == 0;
}

// Setting a key again replaces its value, in its first place.
void CommandSpec::SetParameter(NodeText key, NodeText value) {
    for (auto& parameter : defaultParameters_) {
        if (parameter.first.Equals(key)) {
            parameter.second = std::move(value);
            return;
        }
    }
    if (defaultParameters_.empty()) defaultParameters_.reserve(4);
    defaultParameters_.emplace_back(std::move(key), std::move(value));
}

void CommandSpec::SetDefaultOutputParameter(const std::string& key, const std::string& value) {
    SetParameter(NodeText(key), NodeText(value));
}

void CommandSpec::SetDefaultOutputParameter(const char* key, const char* value) {
    SetParameter(NodeText(key), NodeText(value));
}

std::vector<std::pair<std::string, std::string>> CommandSpec::GetDefaultOutputParameters() const {
    std::vector<std::pair<std::string, std::string>> parameters;
    parameters.reserve(defaultParameters_.size());
    for (const auto& parameter : defaultParameters_)
        parameters.emplace_back(parameter.first.Get(), parameter.second.Get());
    return parameters;
}

}  // namespace AutoCli
}  // namespace Parvik
