// The command tree: namespaces and commands, as plug-ins register them.
#pragma once

#include <memory>
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
class NamespaceNode : public std::enable_shared_from_this<NamespaceNode> {
public:
    using Child = std::pair<std::string, std::shared_ptr<NamespaceNode>>;

    virtual ~NamespaceNode();
    virtual std::shared_ptr<CallSpec::InputSpec> GetInputSpec();
    virtual std::shared_ptr<CallSpec::OutputSpec> GetOutputSpec();
    virtual std::shared_ptr<NamespaceNode> GetThis();
    virtual bool HasNamespaceNode(const std::string& name) const;
    virtual std::shared_ptr<NamespaceNode> GetNamespaceNode(const std::string& name) const;
    virtual void RegisterNamespaceNode(const std::shared_ptr<NamespaceNode>& node,
                                       const std::string& name);
    virtual void RegisterNamespaceNode(const std::shared_ptr<NamespaceNode>& node,
                                       const char* name);
    // Follows path words from this node as far as they name children; consumed
    // tells how many words were used.
    virtual std::shared_ptr<NamespaceNode> ResolveNode(const std::vector<std::string>& path,
                                                       size_t& consumed);
    virtual Dispatcher* GetDispatcher() const;
    virtual void SetParent(const std::weak_ptr<NamespaceNode>& parent);
    virtual std::shared_ptr<NamespaceNode> GetParent() const;
    virtual NodeType GetType() const;

    void SetDescription(const std::string& description) { description_ = description; }
    const std::string& GetDescription() const { return description_; }
    const std::string& GetName() const { return name_; }
    const std::vector<Child>& GetChildren() const { return children_; }
    // The dispatcher a root node answers for; children ask their parent.
    void SetDispatcher(Dispatcher* dispatcher) { dispatcher_ = dispatcher; }

protected:
    NamespaceNode() = default;

private:
    std::string description_;
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
    void SetDefaultOutputParameter(const std::string& key, const std::string& value);
    void SetDefaultOutputParameter(const char* key, const char* value);

    const std::string& GetDefaultOutputFormatter() const { return defaultFormatter_; }
    const std::vector<std::pair<std::string, std::string>>& GetDefaultOutputParameters() const {
        return defaultParameters_;
    }

private:
    std::string defaultFormatter_;
    std::vector<std::pair<std::string, std::string>> defaultParameters_;
};

class Command : public NamespaceNode, public CommandSpec {
public:
    Command();
    ~Command() override;
    std::shared_ptr<CallSpec::InputSpec> GetInputSpec() override;
    std::shared_ptr<CallSpec::OutputSpec> GetOutputSpec() override;
    NodeType GetType() const override;

    virtual std::shared_ptr<CallSpec::InputSpec> GetInputSpecInternal() = 0;
    virtual std::shared_ptr<CallSpec::OutputSpec> GetOutputSpecInternal() = 0;
    virtual void Execute(const std::shared_ptr<CallSpec::Input>& input,
                         const std::shared_ptr<CallSpec::Output>& output);
    virtual void ExecuteInternal(const std::shared_ptr<CallSpec::Input>& input,
                                 const std::shared_ptr<CallSpec::Output>& output) = 0;
};

}  // namespace AutoCli
}  // namespace Parvik

// The one entry point every plug-in exports, unmangled.
extern "C" typedef void (*AutoCliRegisterNamespacesFn)(
    std::shared_ptr<Parvik::AutoCli::NamespaceNode>& parent);
