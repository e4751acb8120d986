#!/usr/bin/env bash
# Installs what is missing, builds, and shows talixcli on the demo host.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build
export TALIX_HOST_ROOT="${TALIX_HOST_ROOT:-$PWD/build/demo-host}"
echo "Demo host root: $TALIX_HOST_ROOT"
run() { echo; echo "\$ talixcli $*"; ./build/talixcli "$@" || true; }
run --help
run network --help
run network firewall get
run network firewall ruleset list
run network nic list
run --formatter=json network firewall get
