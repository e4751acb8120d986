#!/usr/bin/env bash
# Installs what is missing, builds talixcli and its network plug-in (nothing
# else: scripts/test.sh builds the tests and benchmarks), and shows talixcli
# on the demo host.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --demo
# A fresh build directory gets the quick Demo build (the demo preset: no debug
# information, light optimisation, about half the compile time of
# RelWithDebInfo); scripts/test.sh turns it into RelWithDebInfo. A build
# directory configured before keeps its build type, so nothing built there is
# compiled again.
options=()
if [ -f build/CMakeCache.txt ]; then
  options+=("-DCMAKE_BUILD_TYPE=$(sed -n 's/^CMAKE_BUILD_TYPE:[A-Z]*=//p' build/CMakeCache.txt)")
fi
cmake --preset demo "${options[@]}" >/dev/null
cmake --build build --target talixcli network
export TALIX_HOST_ROOT="${TALIX_HOST_ROOT:-$PWD/build/demo-host}"
echo "Demo host root: $TALIX_HOST_ROOT"
run() { echo; echo "\$ talixcli $*"; ./build/talixcli "$@" || true; }
run --help
run network --help
run network firewall get
run network firewall ruleset list
run network nic list
run --formatter=json network firewall get
