#!/usr/bin/env bash
# Runs the robustness tests: the bad-input sweep over every command, parallel
# writers on one host root, and runs killed in the middle of a change.
# Without options the reduced form the normal suite also runs; with --full
# every sweep case, 8 writers x 50 changes and 200 kills.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "${1:-}" = "--full" ]; then
  export TALIX_FULL_ROBUSTNESS=1
elif [ -n "${1:-}" ]; then
  echo "usage: $0 [--full]" >&2
  exit 2
fi
build_dir="${TALIX_BUILD_DIR:-build}"
if [ ! -f "$build_dir/build.ninja" ]; then
  cmake --preset default -B "$build_dir" >/dev/null
fi
cmake --build "$build_dir" -j2 --target robustness_input_sweep_tests robustness_concurrency_tests robustness_crash_tests
ctest --test-dir "$build_dir" -R '^(InputSweep|Concurrency|CrashSafety)\.' --output-on-failure --timeout 3600
