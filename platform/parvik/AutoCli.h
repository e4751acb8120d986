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
#include "parvik/PluginHooks.h"

namespace Parvik {
namespace AutoCli {

class Dispatcher;

enum NodeType {
    NODE_NAMESPACE = 0,
    NODE_COMMAND = 1,
};

// A text a node keeps (a help text, an output setting): its own copy, or a
// reference to a constant. A text given as a C string is kept by reference
// only when it lies in the read-only data of a loaded library or of the
// program, which cannot change and outlasts the node (a plug-in stays loaded
// while its nodes are in the tree); any other text is copied. Registering a
// plug-in's tree then copies none of its literal texts, and no caller can
// leave a reference to a buffer of its own behind.
class NodeText {
public:
    NodeText() = default;
    explicit NodeText(const std::string& text) : copy_(text) {}
    explicit NodeText(const char* text) { Set(text); }
    void Set(const std::string& text) {
        copy_ = text;
        constant_ = nullptr;
    }
    void Set(const char* text);
    std::string Get() const { return constant_ ? std::string(constant_) : copy_; }
    bool Equals(const NodeText& other) const;

private:
    const char* constant_ = nullptr;
    std::string copy_;
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

    void SetDescription(const std::string& description) { description_.Set(description); }
    // Plug-ins pass literal help texts: kept without a copy (see NodeText).
    void SetDescription(const char* description) { description_.Set(description); }
    std::string GetDescription() const { return description_.Get(); }
    const std::string& GetName() const { return name_; }
    const std::vector<Child>& GetChildren() const { return children_; }
    // The dispatcher a root node answers for; children ask their parent.
    void SetDispatcher(Dispatcher* dispatcher) { dispatcher_ = dispatcher; }

protected:
    NamespaceNode() = default;

private:
    NodeText description_;
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
    // Setting a key again replaces its value, in its first place.
    void SetDefaultOutputParameter(const std::string& key, const std::string& value);
    void SetDefaultOutputParameter(const char* key, const char* value);
    // Whether running the command may change the host, declared by every
    // command: the host library takes its exclusive lock and writes the
    // command's changes as one only for those that change it. A command that
    // does not say is taken as changing the host (Dispatcher::ChangesHost).
    void SetChangesHost(bool changesHost) { hostAccess_ = changesHost ? HOST_CHANGES : HOST_READS; }

    const std::string& GetDefaultOutputFormatter() const { return defaultFormatter_; }
    // The settings in order, as (key, value).
    std::vector<std::pair<std::string, std::string>> GetDefaultOutputParameters() const;
    enum HostAccess : signed char { HOST_UNDECLARED = -1, HOST_READS = 0, HOST_CHANGES = 1 };
    HostAccess GetHostAccess() const { return hostAccess_; }

private:
    std::string defaultFormatter_;
    void SetParameter(NodeText key, NodeText value);

    std::vector<std::pair<NodeText, NodeText>> defaultParameters_;
    HostAccess hostAccess_ = HOST_UNDECLARED;
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
using AutoCliRegisterNamespacesFn = decltype(&AutoCli_RegisterNamespaces);
