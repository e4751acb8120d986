#!/usr/bin/env bash
# Formats every C++ source the repository tracks with clang-format and the
# style in .clang-format; with --check, changes nothing and fails when a file
# is not formatted.
#   scripts/format.sh [--check]
set -euo pipefail
cd "$(dirname "$0")/.."
mode=(-i)
if [[ ${1:-} == --check ]]; then mode=(--dry-run --Werror); fi
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format "${mode[@]}"
