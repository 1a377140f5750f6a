#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ with Debian's clang, AddressSanitizer and UBSan into
# build-fuzz, then runs each one for SECONDS from its seed corpus in fuzz/corpus/NAME/.
#   scripts/fuzz.sh [SECONDS]     (default 60)
# Fails on the first target that finds a crash, a hang or a sanitizer report; the input that did
# it is left in build-fuzz/artifacts/. New inputs a run finds go to build-fuzz/corpus/NAME/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
dir=build-fuzz

# What configuring the whole tree needs, and the fuzzing compiler with its runtime libraries.
scripts/install-deps.sh clang libclang-rt-14-dev

# Every library is built with coverage for the fuzzer (fuzzer-no-link) and the sanitizers
# (KORVEX_SANITIZE); only the fuzz targets themselves link libFuzzer's main.
CC=clang CXX=clang++ cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DKORVEX_FUZZ=ON -DKORVEX_SANITIZE=ON -DKORVEX_BUILD_TESTS=OFF -DKORVEX_BUILD_BENCH=OFF \
  -DCMAKE_CXX_FLAGS=-fsanitize=fuzzer-no-link >/dev/null
cmake --build "$dir" --target korvex_fuzzers -j 2

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
mkdir -p "$dir/artifacts"
while read -r name path; do
  [ -n "$name" ] || continue
  seeds=fuzz/corpus/$name
  work=$dir/corpus/$name
  mkdir -p "$work" "$seeds"
  echo "fuzz: $name for ${seconds}s"
  "$path" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$dir/artifacts/$name-" "$work" "$seeds" </dev/null
done <"$dir/fuzzers.txt"
