#!/usr/bin/env bash
# Compares talixcli(1) as the build wrote it with the golden page.
#   check-manpage.sh BUILT_PAGE SOURCE_DIR
set -euo pipefail
built=$1
golden="$2/tests/golden/talixcli.1"
if cmp -s "$golden" "$built"; then exit 0; fi
diff -u --label "expected talixcli.1" --label "built" "$golden" "$built" || true
echo
echo "tests/golden/talixcli.1 differs from the page the build wrote. If the change is intended, regenerate with"
echo "    scripts/update-golden.sh $(dirname "$built")"
echo "and review the diff."
exit 1
