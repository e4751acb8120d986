// Every change the Linux host makes to the kernel goes through Change(): in
// a dry run it is not sent but described, one line per change (for example
// "route add 10.77.0.0/16 via 10.20.0.254 table main netstack
// defaultTcpipStack"), and the dry run shows those lines.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace LinuxHost {

void SetPlanning(bool planning);
bool Planning();
// Sends the change (send), or in a dry run records `plan` instead.
void Change(const std::string& plan, const std::function<void()>& send);
const std::vector<std::string>& PlannedChanges();
// The changes sent since the last ForgetPlannedChanges, described the same way.
const std::vector<std::string>& SentChanges();
void ForgetPlannedChanges();

}  // namespace LinuxHost
