#!/usr/bin/env bash
# docs/linux-host.md lists every command path once, as talixcli lists them.
# Usage: check-linux-host-table.sh TALIXCLI SOURCE_DIR
set -euo pipefail
talixcli="$1" source_dir="$2"
listed=$(TALIX_HOST_ROOT="$(mktemp -d)" "$talixcli" --list-commands | sort)
documented=$(sed -n 's/^| `\(network [^`]*\)` |.*/\1/p' "$source_dir/docs/linux-host.md" | sort)
if [ "$listed" != "$documented" ]; then
  echo "docs/linux-host.md and talixcli --list-commands differ (< talixcli, > the table):"
  diff <(echo "$listed") <(echo "$documented") || true
  exit 1
fi
echo "all $(echo "$listed" | wc -l) paths documented once"
