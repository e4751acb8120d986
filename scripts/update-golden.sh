#!/usr/bin/env bash
# Regenerates every golden transcript in tests/golden/ from an existing build's
# talixcli (it builds nothing). Review the diff before committing it.
#   scripts/update-golden.sh [BUILD_DIR]        (default: build)
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/.." && pwd)
build_dir=${1:-$source_dir/build}
talixcli="$build_dir/talixcli"
if [ ! -x "$talixcli" ]; then
    echo "update-golden.sh: no talixcli in $build_dir; build it first" >&2
    exit 1
fi
for cmds in "$source_dir"/tests/golden/*.cmds; do
    name=$(basename "$cmds" .cmds)
    "$source_dir/tests/golden/transcript.sh" "$talixcli" "$cmds" >"$source_dir/tests/golden/$name.golden"
    echo "tests/golden/$name.golden"
done
cp "$build_dir/talixcli.1" "$source_dir/tests/golden/talixcli.1"
echo "tests/golden/talixcli.1"
