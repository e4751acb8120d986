// Section loading and atomic, write-through changes.
#include "HostStore.h"

#include <cmath>
#include <vector>

#include "Backends.h"

namespace SimHost {

using Kavrel::Lib::KavrelException;

namespace {

// Every number of the state is whole: a number written with a fraction or an
// exponent (1500.0, 1e3) is taken when it is a whole number small enough to be
// exact; any other one is refused here, before a model converts it to an
// integer it does not fit. Answers what is wrong, or "". Walks without
// recursion: a document may nest as deep as its size allows.
std::string WholeNumbers(nlohmann::json& document) {
    std::vector<nlohmann::json*> pending{&document};
    while (!pending.empty()) {
        nlohmann::json& value = *pending.back();
        pending.pop_back();
        if (value.is_structured()) {
            for (auto& item : value) pending.push_back(&item);
            continue;
        }
        if (!value.is_number_float()) continue;
        const double number = value.get<double>();
        constexpr double kExact = 9007199254740992.0;  // 2^53
        if (!std::isfinite(number) || std::trunc(number) != number || std::fabs(number) > kExact) {
            return "the number " + value.dump() + " is not a whole number in range";
        }
        value = static_cast<int64_t>(number);
    }
    return "";
}

}  // namespace

HostStore& HostStore::Instance() {
    static HostStore store;
    return store;
}

void HostStore::UseBackend(std::unique_ptr<Backend> backend) {
    backend_ = std::move(backend);
    cache_.clear();
    textCache_.clear();
}

Backend& HostStore::GetBackend() {
    if (!backend_) backend_ = MakeDirectoryBackend(DefaultHostRoot());
    return *backend_;
}

void HostStore::SetMayChange(bool mayChange) { GetBackend().SetMayChange(mayChange); }

std::shared_ptr<void> HostStore::Load(const std::string& section,
                                      std::shared_ptr<void> (*decode)(const nlohmann::json&)) {
    const std::string path = SectionPath(section);
    std::optional<std::string> text = GetBackend().ReadFile(path);
    if (!text) return decode(nlohmann::json());
    try {
        nlohmann::json document = nlohmann::json::parse(*text);
        std::string problem = WholeNumbers(document);
        if (!problem.empty()) {
            throw KavrelException("Host state file " + GetBackend().Describe(path) + " is not valid: " + problem);
        }
        return decode(document);
    } catch (const nlohmann::json::exception& e) {
        throw KavrelException("Host state file " + GetBackend().Describe(path) + " is not valid: " + e.what());
    }
}

std::optional<std::string> HostStore::ReadText(const std::string& relativePath) {
    auto found = textCache_.find(relativePath);
    if (found != textCache_.end()) return found->second;
    auto text = GetBackend().ReadFile(relativePath);
    textCache_[relativePath] = text;
    return text;
}

void Transaction::WriteText(const std::string& relativePath, const std::string& content) {
    files_[relativePath] = content;
}

void Transaction::Remove(const std::string& relativePath) { files_[relativePath] = std::nullopt; }

void Transaction::Commit() {
    std::map<std::string, std::optional<std::string>> changes = files_;
    for (const auto& entry : sections_) {
        changes[HostStore::SectionPath(entry.second.section)] = entry.second.encode(entry.second.model.get());
    }
    if (changes.empty()) return;
    store_.GetBackend().Commit(changes);
    for (auto& entry : sections_) store_.Install(entry.first, entry.second.model);
    for (const auto& file : files_) store_.textCache_[file.first] = file.second;
    sections_.clear();
    files_.clear();
}

std::optional<std::string> MemoryBackend::ReadFile(const std::string& relativePath) {
    auto found = files_.find(relativePath);
    if (found == files_.end()) return std::nullopt;
    return found->second;
}

void MemoryBackend::Commit(const std::map<std::string, std::optional<std::string>>& changes) {
    for (const auto& change : changes) {
        if (change.second) {
            files_[change.first] = *change.second;
        } else {
            files_.erase(change.first);
        }
    }
}

}  // namespace SimHost
