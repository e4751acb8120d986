// Section loading and atomic, write-through changes.
#include "HostStore.h"

#include <atomic>
#include <cmath>
#include <mutex>
#include <vector>

#include "Backends.h"

namespace SimHost {

using Kavrel::Lib::KavrelException;

namespace {
std::atomic<bool> dryRunLatch{false};
}  // namespace

void LatchDryRun() { dryRunLatch = true; }
bool DryRunLatched() { return dryRunLatch; }
void ClearDryRunLatch() { dryRunLatch = false; }

void RefuseWriteInDryRun(const std::string& what) {
    if (dryRunLatch) throw KavrelException("A dry run writes nothing, but was about to " + what + ".");
}

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
    heldModels_.clear();
    inTransaction_ = dryRun_ = broken_ = false;
    deferred_.clear();
    failures_.clear();
}

void HostStore::BeginChanges() { holding_ = true; }

void HostStore::FinishChanges() {
    holding_ = false;
    std::map<std::string, std::optional<std::string>> changes = EncodeHeld();
    if (changes.empty()) return;
    try {
        RefuseWriteInDryRun("write host files");
        GetBackend().Commit(changes);
    } catch (...) {
        deferred_.clear();  // what they were to act on was not written
        throw;
    }
}

void HostStore::Defer(std::function<int()> run, const std::string& failure) {
    deferred_.push_back(DeferredProgram{std::move(run), failure, commandNumber_ > 0 ? commandNumber_ : 1});
}

void HostStore::StartCommand(bool changesHost) {
    CommandBegun();
    if (InTransaction()) return;
    SetMayChange(changesHost);
    if (changesHost) BeginChanges();
}

std::string HostStore::EndCommand() {
    if (InTransaction()) return "";
    std::string problem;
    try {
        FinishChanges();
    } catch (const Kavrel::Lib::KavrelException& failure) {
        problem = failure.GetDescription();
    } catch (const std::exception& failure) {
        problem = failure.what();
    }
    ReleaseHost();
    return problem;
}

void HostStore::CommandBegun() {
    if (inTransaction_) {
        ++commandNumber_;
    } else {
        commandNumber_ = 1;
        deferred_.clear();
        failures_.clear();
    }
}

void HostStore::RunDeferred() {
    std::vector<DeferredProgram> queue;
    queue.swap(deferred_);
    for (auto& program : queue) {
        std::string failure;
        try {
            if (program.run() != 0) failure = program.failure;
        } catch (const KavrelException& error) {
            failure = error.GetDescription();
        } catch (const std::exception& error) {
            failure = error.what();
        }
        if (!failure.empty()) failures_.push_back(DeferredFailure{program.command, failure});
    }
    ReleaseHost();
}

std::map<std::string, std::optional<std::string>> HostStore::EncodeHeld() {
    std::map<std::string, std::optional<std::string>> changes;
    changes.swap(held_);
    for (const auto& entry : heldModels_) changes[entry.first] = entry.second.encode(entry.second.model.get());
    heldModels_.clear();
    return changes;
}

void HostStore::BeginTransaction(bool dryRun) {
    deferred_.clear();
    failures_.clear();
    commandNumber_ = 0;
    if (dryRun) {
        LatchDryRun();
        // From here on the host is only looked at: a lock taken before is let go.
        if (backend_ && backend_->Release()) Forget();
    }
    inTransaction_ = true;
    dryRun_ = dryRun;
    broken_ = false;
    holding_ = true;
    // A dry run reads under the shared lock; a batch holds the exclusive lock throughout.
    GetBackend().SetMayChange(!dryRun);
}

void HostStore::EndTransaction(bool commit) {
    const bool write = commit && !dryRun_ && !broken_;
    const bool broken = commit && !dryRun_ && broken_;
    inTransaction_ = false;
    dryRun_ = false;
    broken_ = false;
    struct Finally {
        HostStore& store;
        ~Finally() {
            store.holding_ = false;
            store.held_.clear();
            store.heldModels_.clear();
            // The sections were changed in place: what is kept is not the host
            // unless it was written.
            store.Forget();
            store.ReleaseHost();
        }
    } finally{*this};
    if (!write) deferred_.clear();
    if (broken) throw KavrelException("A change failed part way through; nothing was changed.");
    if (write) FinishChanges();
}

std::vector<HostStore::FileChange> HostStore::PendingChanges() {
    std::vector<FileChange> changes;
    std::map<std::string, std::optional<std::string>> after = held_;
    for (const auto& entry : heldModels_) after[entry.first] = entry.second.encode(entry.second.model.get());
    for (auto& entry : after) {
        std::optional<std::string> before = GetBackend().ReadFile(entry.first);
        if (before == entry.second) continue;
        changes.push_back(FileChange{entry.first, std::move(before), std::move(entry.second)});
    }
    return changes;
}

void HostStore::Forget() {
    retiredCache_ = std::move(cache_);
    retiredDerived_ = std::move(derived_);
    cache_.clear();
    derived_.clear();
    textCache_.clear();
}

void HostStore::ReleaseHost() {
    if (!backend_) return;
    if (backend_->Release()) Forget();
}

void HostStore::Touched(size_t slot, const std::string& section) {
    const std::shared_ptr<void>& model = cache_[slot].model;
    for (size_t i = 0; i < cache_.size(); ++i) {
        if (i != slot && cache_[i].model && cache_[i].section == section) cache_[i] = Cached{};  // a view
    }
    for (auto& value : derived_) {
        const bool fromModel = !value.source.owner_before(model) && !model.owner_before(value.source);
        if (value.keptFor == slot) {
            value.keptFor = kNotKept;
        } else if (value.value && fromModel) {
            value = DerivedValue{};
        }
    }
}

Backend& HostStore::GetBackend() {
    if (!backend_) backend_ = MakeDefaultDirectoryBackend();
    return *backend_;
}

void HostStore::SetMayChange(bool mayChange) { GetBackend().SetMayChange(mayChange); }

std::shared_ptr<void> HostStore::Load(const std::string& section, std::shared_ptr<void> (*decode)(const std::string*)) {
    const std::string path = SectionPath(section);
    // A change this command made and has not written yet is what the host holds.
    std::optional<std::string> text;
    auto heldModel = heldModels_.find(path);
    auto held = held_.find(path);
    if (heldModel != heldModels_.end()) {
        text = heldModel->second.encode(heldModel->second.model.get());
    } else {
        text = held != held_.end() ? held->second : GetBackend().ReadFile(path);
    }
    if (!text) return decode(nullptr);
    try {
        return decode(&*text);
    } catch (const SectionFormatError& e) {
        throw KavrelException("Host state file " + GetBackend().Describe(path) + " is not valid: " + e.what());
    }
}

void HostStore::Install(size_t slot, const std::string& section, std::shared_ptr<void> model) {
    for (auto& entry : cache_) {
        if (entry.model && entry.section == section) entry = Cached{};  // a view of the old section
    }
    // A value the change kept current follows the section to its new copy.
    for (auto& value : derived_) {
        if (value.keptFor != slot) continue;
        value.source = model;
        value.keptFor = kNotKept;
    }
    At(cache_, slot) = {section, std::move(model)};
}

void HostStore::DropKept() {
    for (auto& value : derived_) {
        if (value.keptFor != kNotKept) value = DerivedValue{};
    }
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

Transaction::~Transaction() {
    // A change that was given up half made left its marks on the store's own
    // copy of the sections: the transaction they belong to must not be written.
    if (!committed_ && store_.inTransaction_ && !sections_.empty()) store_.broken_ = true;
    if (!committed_) store_.DropKept();
}

void Transaction::Commit() {
    if (store_.inTransaction_) {
        committed_ = true;
        for (const auto& entry : sections_) {
            // (Only a dry run changes copies here; a batch changes in place.)
            if (CopyUnchanged(entry.second)) continue;
            store_.heldModels_[HostStore::SectionPath(entry.second.section)] = {entry.second.model,
                                                                                entry.second.encode};
            if (store_.cache_[entry.first].model == entry.second.model) {
                store_.Touched(entry.first, entry.second.section);
            } else {
                store_.Install(entry.first, entry.second.section, entry.second.model);
            }
        }
        for (auto& file : files_) {
            store_.held_[file.first] = file.second;
            store_.textCache_[file.first] = std::move(file.second);
        }
        sections_.clear();
        files_.clear();
        store_.DropKept();
        return;
    }
    std::map<std::string, std::optional<std::string>> changes = files_;
    for (auto entry = sections_.begin(); entry != sections_.end();) {
        std::string encoded = entry->second.encode(entry->second.model.get());
        if (Unchanged(entry->second, encoded)) {
            entry = sections_.erase(entry);  // the store keeps the copy it has
            continue;
        }
        changes[HostStore::SectionPath(entry->second.section)] = std::move(encoded);
        ++entry;
    }
    if (changes.empty()) {
        committed_ = true;
        return;
    }
    if (store_.holding_) {
        for (auto& change : changes) store_.held_[change.first] = std::move(change.second);
    } else {
        RefuseWriteInDryRun("write host files");
        store_.GetBackend().Commit(changes);
    }
    for (auto& entry : sections_) store_.Install(entry.first, entry.second.section, entry.second.model);
    for (const auto& file : files_) store_.textCache_[file.first] = file.second;
    sections_.clear();
    files_.clear();
    store_.DropKept();
    committed_ = true;
}

std::optional<std::string> MemoryBackend::ReadFile(const std::string& relativePath) {
    auto found = files_.find(relativePath);
    if (found == files_.end()) return std::nullopt;
    return found->second;
}

void MemoryBackend::Commit(const std::map<std::string, std::optional<std::string>>& changes) {
    RefuseWriteInDryRun("change the host in memory");
    for (const auto& change : changes) {
        if (change.second) {
            files_[change.first] = *change.second;
        } else {
            files_.erase(change.first);
        }
    }
}

}  // namespace SimHost
