// Persistence of the simulated host: named sections (one JSON file each under
// state/) and plain files in standard formats (etc/hosts, resolver files),
// loaded on first use and written through atomically on every change.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <typeindex>
#include <utility>
#include <vector>

#include "ModelCodec.h"
#include "kavrel/Lib.h"

namespace SimHost {

// Where the host's files are kept.
class Backend {
public:
    virtual ~Backend() = default;
    // The file's content, or nothing when it does not exist.
    virtual std::optional<std::string> ReadFile(const std::string& relativePath) = 0;
    // Applies all changes at once: each path gets its new content, or is
    // removed when the content is empty (std::nullopt).
    virtual void Commit(const std::map<std::string, std::optional<std::string>>& changes) = 0;
    // The name of a file for messages.
    virtual std::string Describe(const std::string& relativePath) const = 0;
    // Announces whether this process may change the host (lock mode).
    virtual void SetMayChange(bool) {}
    // The host-root directory, or "" for a host that lives in memory.
    virtual std::string RootDirectory() const { return ""; }
    // Lets go of the host (its lock) until the next access. Returns whether
    // others may change the host meanwhile, so that what was read is stale.
    virtual bool Release() { return false; }
};

// Model types name their section: `static constexpr const char* kSection`,
// and bind their fields to the codec with TALIX_MODEL (ModelCodec.h): missing
// fields take their defaults.
class HostStore;

// A set of changes that are written together or not at all.
class Transaction {
public:
    explicit Transaction(HostStore& store) : store_(store) {}
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    // A private copy of the section to change; the store's copy is replaced at Commit.
    template <typename Model>
    Model& Edit();
    void WriteText(const std::string& relativePath, const std::string& content);
    void Remove(const std::string& relativePath);
    void Commit();

private:
    struct Pending {
        std::string section;
        std::shared_ptr<void> model;
        std::string (*encode)(const void*);
        // What the copy was made from (none: changed in place), so that a
        // change that leaves the section as it was writes nothing.
        std::shared_ptr<void> original;
    };
    bool Unchanged(const Pending& pending, const std::string& encoded) const {
        return pending.original && pending.encode(pending.original.get()) == encoded;
    }
    // The same, encoding the section only when there is a copy to compare:
    // a batch changes sections in place, and encoding a large section at
    // every line made a long batch quadratic.
    bool CopyUnchanged(const Pending& pending) const {
        return pending.original && Unchanged(pending, pending.encode(pending.model.get()));
    }
    HostStore& store_;
    std::map<size_t, Pending> sections_;  // by model slot
    std::map<std::string, std::optional<std::string>> files_;
    bool committed_ = false;
};

class HostStore {
public:
    // The process's host: the directory named by TALIX_HOST_ROOT (or the
    // per-user default), unless a test installed another backend.
    static HostStore& Instance();

    void UseBackend(std::unique_ptr<Backend> backend);
    Backend& GetBackend();
    void SetMayChange(bool mayChange);

    // A section decoded into Model. Model may also be a view of a section: a
    // model type with the same kSection that declares only the fields its
    // readers need, so that the rest is skipped rather than decoded. Views are
    // for reading; changes go through the section's whole model, and replace
    // every view of it.
    template <typename Model>
    const Model& Read();

    // Whether the section (or view) is decoded already, so that a reader that
    // can use either a view or the whole model takes what is at hand.
    template <typename Model>
    bool IsLoaded() const {
        const size_t slot = Slot<Model>();
        return slot < cache_.size() && cache_[slot].model != nullptr;
    }

    // Copies the section, applies change, and writes it back on success.
    template <typename Model, typename Change>
    void Update(Change&& change) {
        Transaction transaction(*this);
        change(transaction.Edit<Model>());
        transaction.Commit();
    }

    std::optional<std::string> ReadText(const std::string& relativePath);

    // A value computed from a section (an index, for example), kept until the
    // section is replaced by a change or another host.
    template <typename Model, typename Value, typename Build>
    const Value& Derived(Build&& build);

    // A derived value that a change keeps current itself, so that a run of
    // many changes (a batch) does not compute it again after each: the value
    // when it is current, or null. A change that updates it calls KeepDerived
    // as its last step; a change that fails drops it.
    template <typename Model, typename Value>
    Value* CurrentDerived();
    template <typename Model, typename Value>
    void KeepDerived() {
        At(derived_, Slot<Value>()).keptFor = Slot<Model>();
    }

    // One command's changes as one: from BeginChanges on, committed changes
    // are kept (and read back) in this process and written together at
    // FinishChanges, so that a run killed part way through a command that
    // makes several changes leaves the host as it was before the command.
    void BeginChanges();
    // Writes what was kept; throws KavrelException when it cannot.
    void FinishChanges();

    // Several commands as one change (a batch), or as a change that is only
    // shown (a dry run, under a shared lock). Until EndTransaction, changes
    // are made on the process's own copy of the sections, in place (a change
    // of one entry in a big section costs no copy of the section), and are
    // encoded only at the end.
    void BeginTransaction(bool dryRun);
    // Writes the transaction's changes in one commit (when commit is true and
    // it is not a dry run), or drops them; then lets go of the host. Throws
    // KavrelException when they cannot be written; nothing is written then.
    void EndTransaction(bool commit);
    bool InTransaction() const { return inTransaction_; }
    bool IsDryRun() const { return inTransaction_ && dryRun_; }
    // A host file the transaction changes: its content now and after the
    // transaction (no value: no such file).
    struct FileChange {
        std::string path;
        std::optional<std::string> before;
        std::optional<std::string> after;
    };
    // The files whose content the transaction would change, by path.
    std::vector<FileChange> PendingChanges();

    // Lets go of the host between two commands: the lock is released, and
    // what was read from a host that others can change is forgotten.
    void ReleaseHost();

    // The plug-in's command hooks, as every host that keeps state here drives
    // them. A command begins: counted, and outside a transaction given the
    // lock its kind needs (changesHost: the exclusive one from its first
    // access). A command ends: outside a transaction its changes are written
    // and the host let go; returns why writing failed, or "".
    void StartCommand(bool changesHost);
    std::string EndCommand();

    // Host programs (daemon scripts) act on the host as it is written, so a
    // command whose changes are held runs none before they are: it queues
    // them (run returns the exit status), and they run in the order queued
    // once the changes are written, or never when they are not.
    bool HoldsChanges() const { return holding_; }
    void Defer(std::function<int()> run, const std::string& failure);
    // Counts the commands of a transaction, so that a failure is told on the
    // command that queued the program; a command outside one is number 1.
    void CommandBegun();
    // Runs what was queued; called after the changes were written and the
    // host let go, so that a program may use the host itself.
    void RunDeferred();
    // The failures of the programs RunDeferred ran, by command number.
    struct DeferredFailure {
        int command;
        std::string message;
    };
    const std::vector<DeferredFailure>& DeferredFailures() const { return failures_; }

    static std::string SectionPath(const std::string& section) { return "state/" + section + ".json"; }

    // A small number per model or derived type, the same in every library of
    // the process: the store keeps its entries in vectors indexed by it, as
    // listings look sections up once per entry.
    template <typename T>
    static size_t Slot() {
        static const size_t slot = SlotOf(std::type_index(typeid(T)));
        return slot;
    }

private:
    friend class Transaction;
    static size_t SlotOf(std::type_index type);
    // The entry of a slot, made when the vector does not reach it yet.
    template <typename Entry>
    static Entry& At(std::vector<Entry>& entries, size_t slot) {
        if (entries.size() <= slot) entries.resize(slot + 1);
        return entries[slot];
    }
    std::shared_ptr<void> Load(const std::string& section, std::shared_ptr<void> (*decode)(const std::string*));
    void Install(size_t slot, const std::string& section, std::shared_ptr<void> model);

    std::unique_ptr<Backend> backend_;
    struct DerivedValue {
        std::weak_ptr<void> source;  // the section it was computed from
        std::shared_ptr<void> value;
        // The model slot of the change being committed that brought it up to date.
        size_t keptFor = kNotKept;
    };
    static constexpr size_t kNotKept = ~size_t{0};
    void DropKept();
    struct Cached {
        std::string section;
        std::shared_ptr<void> model;
    };
    std::vector<Cached> cache_;          // by model slot; no model: not loaded
    std::vector<DerivedValue> derived_;  // by value slot
    std::map<std::string, std::optional<std::string>> textCache_;
    bool holding_ = false;
    std::map<std::string, std::optional<std::string>> held_;
    // Sections a transaction changed in place, by path: encoded at its end.
    struct HeldModel {
        std::shared_ptr<void> model;
        std::string (*encode)(const void*);
    };
    std::map<std::string, HeldModel> heldModels_;
    bool inTransaction_ = false;
    bool dryRun_ = false;
    bool broken_ = false;  // a change of the transaction failed part way
    struct DeferredProgram {
        std::function<int()> run;
        std::string failure;
        int command;
    };
    std::vector<DeferredProgram> deferred_;
    std::vector<DeferredFailure> failures_;
    int commandNumber_ = 0;
    // What the last release let go of: commands may still hold references
    // into it, and freeing a big host costs about as much as reading it.
    std::vector<Cached> retiredCache_;
    std::vector<DerivedValue> retiredDerived_;
    void Forget();
    void Touched(size_t slot, const std::string& section);
    std::map<std::string, std::optional<std::string>> EncodeHeld();
};

namespace detail {
// A section's text straight into its model; no text (no file) gives the defaults.
template <typename Model>
std::shared_ptr<void> Decode(const std::string* text) {
    auto model = std::make_shared<Model>();
    if (text) ReadDocument(*text, *model);
    return model;
}

template <typename Model>
std::string Encode(const void* model) {
    return WriteDocument(*static_cast<const Model*>(model));
}
}  // namespace detail

template <typename Model>
const Model& HostStore::Read() {
    const size_t slot = Slot<Model>();
    if (slot < cache_.size() && cache_[slot].model) return *static_cast<const Model*>(cache_[slot].model.get());
    auto model = Load(Model::kSection, &detail::Decode<Model>);
    At(cache_, slot) = {Model::kSection, model};
    return *static_cast<const Model*>(model.get());
}

template <typename Model, typename Value, typename Build>
const Value& HostStore::Derived(Build&& build) {
    const Model& model = Read<Model>();
    const std::shared_ptr<void>& source = cache_[Slot<Model>()].model;
    DerivedValue& slot = At(derived_, Slot<Value>());
    // The same owner means the same section: a weak reference keeps its
    // owner's record alive, so no other section can take its place.
    const bool current = !slot.source.owner_before(source) && !source.owner_before(slot.source);
    if (!slot.value || !current) {
        slot.value = std::make_shared<Value>(build(model));
        slot.source = source;
    }
    return *static_cast<const Value*>(slot.value.get());
}

template <typename Model, typename Value>
Value* HostStore::CurrentDerived() {
    const size_t slot = Slot<Model>();
    const size_t valueSlot = Slot<Value>();
    if (slot >= cache_.size() || !cache_[slot].model || valueSlot >= derived_.size()) return nullptr;
    const std::shared_ptr<void>& source = cache_[slot].model;
    DerivedValue& entry = derived_[valueSlot];
    const bool current = !entry.source.owner_before(source) && !source.owner_before(entry.source);
    return entry.value && current ? static_cast<Value*>(entry.value.get()) : nullptr;
}

template <typename Model>
Model& Transaction::Edit() {
    const size_t slot = HostStore::Slot<Model>();
    auto found = sections_.find(slot);
    if (found != sections_.end()) return *static_cast<Model*>(found->second.model.get());
    if (store_.inTransaction_ && !store_.dryRun_) {
        // The store's own copy: a failed change ends the whole batch. (A dry
        // run shows what a failed change leaves, so it changes a copy.)
        store_.Read<Model>();
        auto model = store_.cache_[slot].model;
        sections_[slot] = Pending{Model::kSection, model, &detail::Encode<Model>, nullptr};
        return *static_cast<Model*>(model.get());
    }
    const Model& original = store_.Read<Model>();
    auto copy = std::make_shared<Model>(original);
    sections_[slot] = Pending{Model::kSection, copy, &detail::Encode<Model>, store_.cache_[slot].model};
    return *copy;
}

}  // namespace SimHost
