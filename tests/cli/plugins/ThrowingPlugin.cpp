// A plug-in whose registration fails: the framework names it and loads the others.
#include <memory>
#include <stdexcept>

#include "parvik/AutoCli.h"

extern "C" __attribute__((visibility("default"))) void AutoCli_RegisterNamespaces(
    std::shared_ptr<Parvik::AutoCli::NamespaceNode>&) {
    throw std::runtime_error("no tree today");
}
