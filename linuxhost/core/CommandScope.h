// What a command may reuse: a listing asks the kernel once and then asks
// about each entry, so the dump it read serves until the command ends. Each
// command starts with a new number, and a reading kept from an earlier
// command is never used again: other programs change the kernel meanwhile.
#pragma once

namespace LinuxHost {

unsigned CurrentCommand();
void StartNextCommand();

}  // namespace LinuxHost
