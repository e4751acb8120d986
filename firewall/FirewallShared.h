// Names the firewall commands share.
#pragma once

#include <string>

namespace NorvaleCli {
namespace NetworkNamespace {

static const std::string kFirewallModuleName = "talixfw";

// The host gives the default action as a flag: true lets unmatched traffic pass.
inline std::string DefaultActionName(bool pass) { return pass ? "PASS" : "DROP"; }

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
