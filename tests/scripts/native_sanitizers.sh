#!/usr/bin/env bash
# The Windows-free parts built natively with clang under AddressSanitizer and
# UndefinedBehaviorSanitizer (one build for the unit tests and the fuzz targets): their unit tests,
# the hand-over to the painter thread under ThreadSanitizer, then a few seconds of fuzzing per
# target (TAVRO_FUZZ_SECONDS; scripts/fuzz runs the long fuzzing).
# Called as: bash native_sanitizers.sh <path of tavro.exe> <source dir>
# ctest labels: apart
set -euo pipefail
build="$(cd "$(dirname "$1")" && pwd)/native-sanitizers"
src=$2
seconds=${TAVRO_FUZZ_SECONDS:-5}

fail() { echo "FAIL: $*" >&2; exit 1; }

if [ ! -f "$build/build.ninja" ]; then
  CC=clang CXX=clang++ cmake -S "$src/tests/native" -B "$build" -G Ninja >/dev/null
fi
cmake --build "$build" -j2 >"$build.log" 2>&1 || { cat "$build.log"; fail "native build"; }
ctest --test-dir "$build" --output-on-failure || fail "native unit tests under the sanitizers"
"$src/scripts/fuzz" --seconds "$seconds" "$build" || fail "fuzzing"
