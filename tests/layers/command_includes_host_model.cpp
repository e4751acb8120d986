// Nor may a command set up the host the way the tests do.
#include "core/SimHostTesting.h"
#include "kavrel/NetworkFactory.h"

int main() { return 0; }
