// A command unit that includes the host's store must not build.
#include "frame/CommandFrame.h"
#include "core/HostStore.h"

int main() { return 0; }
