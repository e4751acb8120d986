// Nor may it read or write files itself: it asks the host.
#include "FileIo.h"
#include "frame/CommandFrame.h"

int main() { return 0; }
