// Section loading and atomic, write-through changes.
#include "HostStore.h"

#include <cmath>
#include <mutex>
#include <vector>

#include "Backends.h"

namespace SimHost {

using Kavrel::Lib::KavrelException;

HostStore& HostStore::Instance() {
    static HostStore store;
    return store;
}

void HostStore::UseBackend(std::unique_ptr<Backend> backend) {
    backend_ = std::move(backend);
    cache_.clear();
    derived_.clear();
    textCache_.clear();
    holding_ = false;
    held_.clear();
}

void HostStore::BeginChanges() { holding_ = true; }

void HostStore::FinishChanges() {
    holding_ = false;
    if (held_.empty()) return;
    std::map<std::string, std::optional<std::string>> changes;
    changes.swap(held_);
    GetBackend().Commit(changes);
}

Backend& HostStore::GetBackend() {
    if (!backend_) backend_ = MakeDirectoryBackend(DefaultHostRoot());
    return *backend_;
}

void HostStore::SetMayChange(bool mayChange) { GetBackend().SetMayChange(mayChange); }

std::shared_ptr<void> HostStore::Load(const std::string& section, std::shared_ptr<void> (*decode)(const std::string*)) {
    const std::string path = SectionPath(section);
    // A change this command made and has not written yet is what the host holds.
    auto held = held_.find(path);
    std::optional<std::string> text = held != held_.end() ? held->second : GetBackend().ReadFile(path);
    if (!text) return decode(nullptr);
    try {
        return decode(&*text);
    } catch (const SectionFormatError& e) {
        throw KavrelException("Host state file " + GetBackend().Describe(path) + " is not valid: " + e.what());
    } catch (const nlohmann::json::exception& e) {
        throw KavrelException("Host state file " + GetBackend().Describe(path) + " is not valid: " + e.what());
    }
}

void HostStore::Install(size_t slot, const std::string& section, std::shared_ptr<void> model) {
    for (auto& entry : cache_) {
        if (entry.model && entry.section == section) entry = Cached{};  // a view of the old section
    }
    At(cache_, slot) = {section, std::move(model)};
}

size_t HostStore::SlotOf(std::type_index type) {
    static std::mutex lock;
    static std::map<std::type_index, size_t> slots;
    std::lock_guard<std::mutex> guard(lock);
    return slots.emplace(type, slots.size()).first->second;
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
    if (store_.holding_) {
        for (auto& change : changes) store_.held_[change.first] = std::move(change.second);
    } else {
        store_.GetBackend().Commit(changes);
    }
    for (auto& entry : sections_) store_.Install(entry.first, entry.second.section, entry.second.model);
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
