// The files under /etc the Linux host reads and writes (the resolver files,
// the hosts file). They all sit below one prefix, /etc, or the folder
// TALIX_LINUX_ETC names, so that a test never touches the machine's own.
#pragma once

#include <string>

namespace LinuxHost {

// The prefix and the file's path below it ("resolv.conf", "netns/NAME/resolv.conf").
std::string EtcPath(const std::string& relative);
// The file's content; empty when it does not exist. A link is followed (a
// resolver daemon's file is read where it lies).
std::string ReadEtcFile(const std::string& path);
// Whether the file exists (a link counts, whatever it points at).
bool EtcFileExists(const std::string& path);
// Makes the folder below the prefix ("netns/NAME") and every missing one
// above it, each through Change ("create folder PATH"), so that a way back
// removes what was made.
void MakeEtcFolders(const std::string& relative);
// Replaces the file's content, through Change ("write PATH: what"). A
// symbolic link is refused: another program manages the file. Written to a
// temporary beside it and renamed into place; a file that is a mount point
// of its own (a bind mount, as containers and `ip netns exec` make), where
// a rename cannot land, is rewritten in place instead.
void WriteEtcFile(const std::string& path, const std::string& content, const std::string& what);

}  // namespace LinuxHost
