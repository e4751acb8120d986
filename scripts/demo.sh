#!/usr/bin/env bash
# Installs what is missing, builds talixcli and its network plug-in (nothing
# else: scripts/test.sh builds the tests and benchmarks), and shows talixcli
# on the demo host.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --demo
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTALIX_BUILD_TESTS=OFF -DTALIX_BUILD_BENCH=OFF >/dev/null
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
