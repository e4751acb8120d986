// The sample plug-in's tree, also linked into the framework tests directly.
#pragma once

#include <memory>

#include "parvik/AutoCli.h"

namespace SampleCommands {
void Register(std::shared_ptr<Parvik::AutoCli::NamespaceNode>& parent);
}
