// The same header reached through the source tree's root must not build either.
#include "frame/CommandFrame.h"
#include "simhost/core/HostStore.h"

int main() { return 0; }
