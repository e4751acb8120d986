// A command unit that includes the host's store must not build.
#include "core/HostStore.h"
#include "frame/CommandFrame.h"

int main() { return 0; }
