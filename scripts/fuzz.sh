#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (in build-fuzz/) and runs each one.
#
#   scripts/fuzz.sh [seconds]   development: random runs of the given length
#                               (default 600), starting from the seed corpus in
#                               fuzz/corpus/<target>/ plus what earlier runs found
#                               (build-fuzz/corpus/<target>/).
#   scripts/fuzz.sh --ci        CI: replays every seed and reproducer of
#                               fuzz/corpus/<target>/, then mutates from them with
#                               a fixed seed for a fixed number of runs, so that the
#                               verdict depends on the code alone.
#
# Any crash, leak, timeout or sanitizer report makes the script fail; the input
# is saved in build-fuzz/artifacts/<target>/.
set -euo pipefail
cd "$(dirname "$0")/.."
mode=random
seconds=600
if [ "${1:-}" = "--ci" ]; then
  mode=ci
elif [ -n "${1:-}" ]; then
  seconds="$1"
fi
# Runs of the fixed-seed pass, per target: about a minute each on a 2-core machine.
declare -A ci_runs=([command_line]=300000 [host_state]=20000)
ci_seed=20261206

scripts/install-deps.sh --fuzz
build_dir=build-fuzz
cmake --preset fuzz >/dev/null
nice cmake --build "$build_dir" -j2

export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
common=(-timeout=10 -rss_limit_mb=2048 -print_final_stats=1)
failed=()
# run TARGET LOG ARGS...: one libFuzzer run; on failure, the log's tail.
run() {
  local target="$1" log="$2"
  shift 2
  if nice "$build_dir/fuzz/fuzz_$target" "${common[@]}" -artifact_prefix="$build_dir/artifacts/$target/" "$@" \
      > "$log" 2>&1; then
    grep -E '^stat::(number_of_executed_units|peak_rss_mb)|^Done' "$log" || true
    return 0
  fi
  tail -n 60 "$log"
  echo "fuzz_$target failed: reproducer in $build_dir/artifacts/$target/ (full log $log)"
  return 1
}
for target in command_line host_state; do
  seeds="fuzz/corpus/$target"
  mkdir -p "$build_dir/artifacts/$target"
  if [ "$mode" = ci ]; then
    echo "== fuzz_$target: replay of $(ls "$seeds" | wc -l) seeds and reproducers"
    run "$target" "$build_dir/fuzz-$target-replay.log" -runs=0 "$seeds" || { failed+=("$target"); continue; }
    echo "== fuzz_$target: ${ci_runs[$target]} runs from seed $ci_seed"
    # New inputs go to a scratch directory: the next run starts from the same corpus.
    scratch=$(mktemp -d)
    run "$target" "$build_dir/fuzz-$target.log" -seed="$ci_seed" -runs="${ci_runs[$target]}" "$scratch" "$seeds" ||
      failed+=("$target")
    rm -rf "$scratch"
  else
    corpus="$build_dir/corpus/$target"
    mkdir -p "$corpus"
    echo "== fuzz_$target for ${seconds}s"
    run "$target" "$build_dir/fuzz-$target.log" -max_total_time="$seconds" "$corpus" "$seeds" || failed+=("$target")
  fi
done
if [ ${#failed[@]} -ne 0 ]; then
  echo "Fuzzing found problems in: ${failed[*]}"
  exit 1
fi
echo "No problem found."
