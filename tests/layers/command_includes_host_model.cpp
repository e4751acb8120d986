// Nor may a command set up the host the way the tests do.
#include "kavrel/NetworkFactory.h"
#include "core/SimHostTesting.h"

int main() { return 0; }
