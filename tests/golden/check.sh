#!/usr/bin/env bash
# Compares one golden transcript with what the given talixcli prints now.
#   check.sh TALIXCLI SOURCE_DIR NAME
set -euo pipefail
talixcli=$1
source_dir=$2
name=$3
here="$source_dir/tests/golden"
actual=$(mktemp)
trap 'rm -f "$actual"' EXIT
"$here/transcript.sh" "$talixcli" "$here/$name.cmds" >"$actual"
if cmp -s "$here/$name.golden" "$actual"; then exit 0; fi
diff -u --label "expected $name.golden" --label "actual" "$here/$name.golden" "$actual" || true
build_dir=$(cd "$(dirname "$talixcli")" && pwd)
echo
echo "tests/golden/$name.golden differs from what talixcli prints. If the change is intended, regenerate with"
echo "    scripts/update-golden.sh $build_dir"
echo "and review the diff."
exit 1
