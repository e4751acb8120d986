// A hook defined with another signature than its declaration must not build:
// the framework would call it through the declared one.
#include "parvik/PluginHooks.h"

extern "C" void AutoCli_BeginCommand(const char* path, bool changesHost) { (void)path, (void)changesHost; }

int main() { return 0; }
