// Nor may it render output itself: the framework renders what a command returns.
#include "frame/CommandFrame.h"
#include "render/Render.h"

int main() { return 0; }
