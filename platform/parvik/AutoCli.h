// The command tree: namespaces and commands, as plug-ins register them.
#pragma once

#include <cstddef>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "parvik/CallSpec.h"
#include "parvik/MetaObj.h"

namespace Parvik {
namespace AutoCli {

class Dispatcher;

enum NodeType {
    NODE_NAMESPACE = 0,
    NODE_COMMAND = 1,
};

// Base of every node. The weak reference to itself is set by the shared
// pointer that first owns the node (GetThis answers from it).
// The node operations are defined here, inline, so that every plug-in's
// command tables refer to its own copies: loading a plug-in then needs no
// symbol lookups for them.
class NamespaceNode : public std::enable_shared_from_this<NamespaceNode> {
public:
    using Child = std::pair<std::string, std::shared_ptr<NamespaceNode>>;

    virtual ~NamespaceNode() {}
    virtual std::shared_ptr<CallSpec::InputSpec> GetInputSpec() { return nullptr; }
    virtual std::shared_ptr<CallSpec::OutputSpec> GetOutputSpec() { return nullptr; }
    virtual std::shared_ptr<NamespaceNode> GetThis() { return weak_from_this().lock(); }
    virtual bool HasNamespaceNode(const std::string& name) const { return GetNamespaceNode(name) != nullptr; }
    virtual std::shared_ptr<NamespaceNode> GetNamespaceNode(const std::string& name) const {
        for (const auto& child : children_) {
            if (child.first == name) return child.second;
        }
        return nullptr;
    }
    // Refuses an empty node or a name already taken.
    virtual void RegisterNamespaceNode(const std::shared_ptr<NamespaceNode>& node, const std::string& name) {
        if (!node) throw std::invalid_argument("cannot register an empty node as '" + name + "'");
        if (HasNamespaceNode(name)) throw std::invalid_argument("'" + name + "' is registered twice");
        node->name_ = name;
        node->SetParent(weak_from_this());
        children_.emplace_back(name, node);
    }
    virtual void RegisterNamespaceNode(const std::shared_ptr<NamespaceNode>& node, const char* name) {
        RegisterNamespaceNode(node, std::string(name ? name : ""));
    }
    // Follows path words from this node as far as they name children; consumed
    // tells how many words were used.
    virtual std::shared_ptr<NamespaceNode> ResolveNode(const std::vector<std::string>& path, size_t& consumed) {
        std::shared_ptr<NamespaceNode> node = GetThis();
        consumed = 0;
        while (node && consumed < path.size()) {
            auto child = node->GetNamespaceNode(path[consumed]);
            if (!child) break;
            node = child;
            ++consumed;
        }
        return node;
    }
    virtual Dispatcher* GetDispatcher() const {
        if (dispatcher_) return dispatcher_;
        auto parent = parent_.lock();
        return parent ? parent->GetDispatcher() : nullptr;
    }
    virtual void SetParent(const std::weak_ptr<NamespaceNode>& parent) { parent_ = parent; }
    virtual std::shared_ptr<NamespaceNode> GetParent() const { return parent_.lock(); }
    virtual NodeType GetType() const { return NODE_NAMESPACE; }

    void SetDescription(const std::string& description) {
        description_ = description;
        staticDescription_ = nullptr;
    }
    // A literal or constant help text is kept by reference, not copied: it
    // lives as long as the plug-in that registered it, and a plug-in stays
    // loaded while its nodes are in the tree. Most texts are never read (only
    // help shows them), so starting talixcli touches none of them.
    // Only for texts with static storage: a text built at run time goes
    // through the overload above.
    template <size_t N>
    void SetDescription(const char (&description)[N]) {
        description_.clear();
        staticDescription_ = description;
    }
    const std::string& GetDescription() const {
        if (staticDescription_) {
            description_.assign(staticDescription_);
            staticDescription_ = nullptr;
        }
        return description_;
    }
    const std::string& GetName() const { return name_; }
    const std::vector<Child>& GetChildren() const { return children_; }
    // The dispatcher a root node answers for; children ask their parent.
    void SetDispatcher(Dispatcher* dispatcher) { dispatcher_ = dispatcher; }

protected:
    NamespaceNode() = default;

private:
    mutable std::string description_;
    mutable const char* staticDescription_ = nullptr;
    std::string name_;
    std::vector<Child> children_;
    std::weak_ptr<NamespaceNode> parent_;
    Dispatcher* dispatcher_ = nullptr;
};

class Namespace : public NamespaceNode {
public:
    static std::shared_ptr<Namespace> New();
};

// What a command tells the framework about rendering its output.
class CommandSpec {
public:
    void SetDefaultOutputFormatter(const std::string& formatter) { defaultFormatter_ = formatter; }
    template <size_t N>
    void SetDefaultOutputFormatter(const char (&formatter)[N]) {
        defaultFormatter_.assign(formatter);
    }
    // Setting a key again replaces its value, in its first place.
    void SetDefaultOutputParameter(const std::string& key, const std::string& value);
    // Literal or constant texts are kept by reference until the parameters
    // are first read, as help texts are (see NamespaceNode::SetDescription):
    // registering the tree then copies none of them.
    template <size_t K, size_t V>
    void SetDefaultOutputParameter(const char (&key)[K], const char (&value)[V]) {
        KeepStaticParameter(key, value);
    }

    const std::string& GetDefaultOutputFormatter() const { return defaultFormatter_; }
    const std::vector<std::pair<std::string, std::string>>& GetDefaultOutputParameters() const;

private:
    struct StaticParameter {
        const char* key;
        const char* value;
    };
    void KeepStaticParameter(const char* key, const char* value);
    void CopyStaticParameters() const;

    std::string defaultFormatter_;
    mutable std::vector<std::pair<std::string, std::string>> defaultParameters_;
    // Those set after the last one in defaultParameters_, in order.
    mutable std::vector<StaticParameter> staticParameters_;
};

class Command : public NamespaceNode, public CommandSpec {
public:
    Command() {}
    ~Command() override {}
    std::shared_ptr<CallSpec::InputSpec> GetInputSpec() override { return GetInputSpecInternal(); }
    std::shared_ptr<CallSpec::OutputSpec> GetOutputSpec() override { return GetOutputSpecInternal(); }
    NodeType GetType() const override { return NODE_COMMAND; }

    virtual std::shared_ptr<CallSpec::InputSpec> GetInputSpecInternal() = 0;
    virtual std::shared_ptr<CallSpec::OutputSpec> GetOutputSpecInternal() = 0;
    virtual void Execute(const std::shared_ptr<CallSpec::Input>& input,
                         const std::shared_ptr<CallSpec::Output>& output) {
        ExecuteInternal(input, output);
    }
    virtual void ExecuteInternal(const std::shared_ptr<CallSpec::Input>& input,
                                 const std::shared_ptr<CallSpec::Output>& output) = 0;
};

}  // namespace AutoCli
}  // namespace Parvik

// The one entry point every plug-in exports, unmangled.
extern "C" typedef void (*AutoCliRegisterNamespacesFn)(
    std::shared_ptr<Parvik::AutoCli::NamespaceNode>& parent);
