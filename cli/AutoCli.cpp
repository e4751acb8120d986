// The command tree's nodes.
#include "parvik/AutoCli.h"

#include <stdexcept>

namespace Parvik {
namespace AutoCli {

NamespaceNode::~NamespaceNode() = default;

std::shared_ptr<CallSpec::InputSpec> NamespaceNode::GetInputSpec() { return nullptr; }

std::shared_ptr<CallSpec::OutputSpec> NamespaceNode::GetOutputSpec() { return nullptr; }

std::shared_ptr<NamespaceNode> NamespaceNode::GetThis() { return weak_from_this().lock(); }

bool NamespaceNode::HasNamespaceNode(const std::string& name) const {
    return GetNamespaceNode(name) != nullptr;
}

std::shared_ptr<NamespaceNode> NamespaceNode::GetNamespaceNode(const std::string& name) const {
    for (const auto& child : children_) {
        if (child.first == name) return child.second;
    }
    return nullptr;
}

void NamespaceNode::RegisterNamespaceNode(const std::shared_ptr<NamespaceNode>& node,
                                          const std::string& name) {
    if (!node) throw std::invalid_argument("cannot register an empty node as '" + name + "'");
    if (HasNamespaceNode(name)) throw std::invalid_argument("'" + name + "' is registered twice");
    node->name_ = name;
    node->SetParent(weak_from_this());
    children_.emplace_back(name, node);
}

void NamespaceNode::RegisterNamespaceNode(const std::shared_ptr<NamespaceNode>& node, const char* name) {
    RegisterNamespaceNode(node, std::string(name ? name : ""));
}

std::shared_ptr<NamespaceNode> NamespaceNode::ResolveNode(const std::vector<std::string>& path,
                                                          size_t& consumed) {
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

Dispatcher* NamespaceNode::GetDispatcher() const {
    if (dispatcher_) return dispatcher_;
    auto parent = parent_.lock();
    return parent ? parent->GetDispatcher() : nullptr;
}

void NamespaceNode::SetParent(const std::weak_ptr<NamespaceNode>& parent) { parent_ = parent; }

std::shared_ptr<NamespaceNode> NamespaceNode::GetParent() const { return parent_.lock(); }

NodeType NamespaceNode::GetType() const { return NODE_NAMESPACE; }

std::shared_ptr<Namespace> Namespace::New() { return std::make_shared<Namespace>(); }

void CommandSpec::SetDefaultOutputParameter(const std::string& key, const std::string& value) {
    for (auto& parameter : defaultParameters_) {
        if (parameter.first == key) {
            parameter.second = value;
            return;
        }
    }
    defaultParameters_.emplace_back(key, value);
}

void CommandSpec::SetDefaultOutputParameter(const char* key, const char* value) {
    SetDefaultOutputParameter(std::string(key ? key : ""), std::string(value ? value : ""));
}

Command::Command() = default;

Command::~Command() = default;

std::shared_ptr<CallSpec::InputSpec> Command::GetInputSpec() { return GetInputSpecInternal(); }

std::shared_ptr<CallSpec::OutputSpec> Command::GetOutputSpec() { return GetOutputSpecInternal(); }

NodeType Command::GetType() const { return NODE_COMMAND; }

void Command::Execute(const std::shared_ptr<CallSpec::Input>& input,
                      const std::shared_ptr<CallSpec::Output>& output) {
    ExecuteInternal(input, output);
}

}  // namespace AutoCli
}  // namespace Parvik
