// A command unit may use the platform declarations and the plug-in's frame.
#include "frame/CommandFrame.h"
#include "kavrel/NetworkFactory.h"
#include "lmxctl/NetworkInfoImpl.h"

int main() { return 0; }
