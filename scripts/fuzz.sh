#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (in build-fuzz/) and runs each one
# for the given number of seconds (default 600), one after the other. Each
# target starts from its seed corpus in fuzz/corpus/<target>/ plus what earlier
# runs found (build-fuzz/corpus/<target>/). Any crash, leak, timeout or
# sanitizer report makes the script fail; the input is saved in
# build-fuzz/artifacts/<target>/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-600}"
scripts/install-deps.sh --fuzz
build_dir=build-fuzz
CC=clang-14 CXX=clang++-14 cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTALIX_FUZZ=ON -DTALIX_BUILD_TESTS=OFF -DTALIX_BUILD_BENCH=OFF >/dev/null
nice cmake --build "$build_dir" -j2

export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
failed=()
for target in command_line host_state; do
  corpus="$build_dir/corpus/$target"
  artifacts="$build_dir/artifacts/$target"
  mkdir -p "$corpus" "$artifacts"
  echo "== fuzz_$target for ${seconds}s"
  if ! nice "$build_dir/fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
      -print_final_stats=1 -artifact_prefix="$artifacts/" "$corpus" "fuzz/corpus/$target" \
      > "$build_dir/fuzz-$target.log" 2>&1; then
    failed+=("$target")
    tail -n 60 "$build_dir/fuzz-$target.log"
    echo "fuzz_$target failed: reproducer in $artifacts/ (full log $build_dir/fuzz-$target.log)"
  else
    grep -E '^stat::(number_of_executed_units|peak_rss_mb)|^Done' "$build_dir/fuzz-$target.log" || true
  fi
done
if [ ${#failed[@]} -ne 0 ]; then
  echo "Fuzzing found problems in: ${failed[*]}"
  exit 1
fi
echo "No problem found."
