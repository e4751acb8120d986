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
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for cmds in "$source_dir"/tests/golden/*.cmds; do
    name=$(basename "$cmds" .cmds)
    # Status 77: the transcript needs a test plug-in this build lacks; its
    # golden file stays as it is.
    status=0
    "$source_dir/tests/golden/transcript.sh" "$talixcli" "$cmds" >"$work/$name.golden" || status=$?
    case $status in
        0) mv "$work/$name.golden" "$source_dir/tests/golden/$name.golden" && echo "tests/golden/$name.golden" ;;
        77) echo "tests/golden/$name.golden: left as it is (this build has no test plug-ins)" ;;
        *) exit "$status" ;;
    esac
done
cp "$build_dir/talixcli.1" "$source_dir/tests/golden/talixcli.1"
echo "tests/golden/talixcli.1"
