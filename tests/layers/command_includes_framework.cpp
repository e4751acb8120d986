// A command unit must not reach the framework's internals: it builds against
// the platform declarations only.
#include "Dispatcher.h"
#include "frame/CommandFrame.h"

int main() { return 0; }
