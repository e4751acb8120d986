#!/usr/bin/env bash
# Builds everything and runs the whole test suite. Pass --sanitize for the
# AddressSanitizer + UndefinedBehaviorSanitizer build (in build-asan/).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
# The default preset (RelWithDebInfo, tests and benchmarks on, also in a build
# directory scripts/demo.sh configured), or the asan one.
build_dir=build
preset=default
if [ "${1:-}" = "--sanitize" ]; then
  build_dir=build-asan
  preset=asan
fi
cmake --preset "$preset" >/dev/null
cmake --build "$build_dir"
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
# The leak checker of this compiler misreads the thread-local blocks of
# libraries loaded at run time (the plug-ins) and can crash at exit, in a test
# that passed, depending only on how the test program is laid out. The leak
# scan leaves thread-local storage out: nothing of ours keeps heap memory only
# there.
export LSAN_OPTIONS="${LSAN_OPTIONS:-use_tls=0}"
ctest --test-dir "$build_dir" --output-on-failure -j2
