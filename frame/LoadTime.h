// Placement of the code that runs on every start of talixcli.
#pragma once

// Every command's New() runs each time the plug-in is loaded, whatever
// command is then run. Kept side by side in one section, they touch a handful
// of pages of the library instead of one or two per command.
#define TALIX_LOAD_TIME __attribute__((section(".text.sorted.talix_load")))

// A command's constructor runs only from its New(), in the same source file.
// Folded into New(), it runs from the load-time section; the out-of-line
// copies the compiler still emits (one per kind of constructor) are never
// called, and stay out of that section.
#define TALIX_BUILT_BY_NEW __attribute__((always_inline)) inline
