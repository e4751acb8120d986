#!/usr/bin/env bash
# Whole-process benchmarks, each paired in the same run with its reference
# (medians of alternating runs). Usage: bench/run.sh [build-dir] [runs]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
runs=${2:-200}
cmake --build "$build" --target talixcli network process_floor spawn_timer >/dev/null
host=$(mktemp -d)
trap 'rm -rf "$host"' EXIT
export TALIX_HOST_ROOT=$host
"$build/talixcli" network firewall get >/dev/null  # lay out the demo host

printf '| %-45s | %10s | %10s | %6s | %6s |\n' "measurement" "ms" "floor ms" "ratio" "target"
printf '|%s|%s|%s|%s|%s|\n' "-----------------------------------------------" "------------" "------------" "--------" "--------"
measure() {
  local label=$1 target=$2; shift 2
  read -r floor command < <("$build/bench/spawn_timer" "$runs" -- "$build/bench/process_floor" -- "$@" | paste -sd' ')
  printf '| %-45s | %10s | %10s | %6.2f | %6s |\n' "$label" "$command" "$floor" \
    "$(echo "$command / $floor" | bc -l)" "$target"
}
measure "talixcli --list-commands" "1.5x" "$build/talixcli" --list-commands
measure "talixcli network firewall get" "2x" "$build/talixcli" network firewall get
