// Placement of the code that runs on every start of talixcli.
#pragma once

// Every command's constructor and New() run each time the plug-in is loaded,
// whatever command is then run. Kept side by side in one section, they touch
// a handful of pages of the library instead of one or two per command.
#define TALIX_LOAD_TIME __attribute__((section(".text.sorted.talix_load")))
