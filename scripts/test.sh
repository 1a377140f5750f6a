#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite.
# test.sh [--sanitize]: the second form builds with AddressSanitizer and UBSan into build-asan.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
dir=build
opts=()
if [ "${1:-}" = "--sanitize" ]; then
  dir=build-asan
  opts=(-DKORVEX_SANITIZE=ON -DKORVEX_BUILD_BENCH=OFF)
fi
scripts/build.sh "$dir" "${opts[@]}"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
ctest --test-dir "$dir" --output-on-failure -j2
