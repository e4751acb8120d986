// The sample plug-in's exported entry point.
#include "plugins/SampleCommands.h"

extern "C" __attribute__((visibility("default"))) void AutoCli_RegisterNamespaces(
    std::shared_ptr<Parvik::AutoCli::NamespaceNode>& parent) {
    SampleCommands::Register(parent);
}
