// Ownership of the commands the plug-in makes when it is loaded.
#include "frame/LoadTime.h"

namespace NorvaleCli {
namespace NetworkNamespace {

std::shared_ptr<Parvik::AutoCli::NamespaceNode> OwnNode(Parvik::AutoCli::NamespaceNode* node) {
    return std::shared_ptr<Parvik::AutoCli::NamespaceNode>(node);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
