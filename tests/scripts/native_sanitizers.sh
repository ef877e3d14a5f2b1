#!/usr/bin/env bash
# The Windows-free parts built natively with clang under AddressSanitizer and
# UndefinedBehaviorSanitizer: their unit tests, the hand-over to the painter thread under
# ThreadSanitizer, then half a minute of fuzzing per target.
# Called as: bash native_sanitizers.sh <path of tavro.exe> <source dir>
set -euo pipefail
build="$(cd "$(dirname "$1")" && pwd)/native-sanitizers"
src=$2
seconds=${TAVRO_FUZZ_SECONDS:-30}

fail() { echo "FAIL: $*" >&2; exit 1; }

if [ ! -f "$build/build.ninja" ]; then
  CC=clang CXX=clang++ cmake -S "$src/tests/native" -B "$build" -G Ninja >/dev/null
fi
cmake --build "$build" -j2 >"$build.log" 2>&1 || { cat "$build.log"; fail "native build"; }
ctest --test-dir "$build" --output-on-failure || fail "native unit tests under the sanitizers"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/edid" "$work/monitor_key" "$work/command_line" "$work/edid_identity" "$work/report"
cp "$src"/tests/data/edid/*.bin "$work/edid/"
cp "$src"/tests/data/edid-corpus/*.bin "$work/edid/"  # some files are in both
cp "$src"/tests/data/edid/*.bin "$work/edid_identity/"
cp "$src"/tests/data/edid/*.bin "$work/report/"  # a real EDID alone: a run with no marks
cp "$src"/tests/fuzz/corpus/report/* "$work/report/"
cp "$src"/tests/fuzz/corpus/monitor_key/* "$work/monitor_key/"
cp "$src"/tests/fuzz/corpus/command_line/* "$work/command_line/"
for target in edid monitor_key command_line edid_identity report; do
  # Whole EDIDs run to several kilobytes (the largest seed is 6016 bytes); device IDs stay short.
  max_len=512
  case $target in edid | edid_identity | report) max_len=8192 ;; esac
  if ! "$build/fuzz/${target}_fuzz" -max_total_time="$seconds" -max_len="$max_len" -print_final_stats=1 \
      -artifact_prefix="$work/crash-" "$work/$target" >"$work/$target.log" 2>&1; then
    tail -n 40 "$work/$target.log"
    for crash in "$work"/crash-*; do [ -f "$crash" ] && echo "input: $(od -An -tx1 "$crash" | tr -d '\n')"; done
    fail "fuzzing $target"
  fi
  echo "fuzz $target: $(sed -n 's/^stat::number_of_executed_units: *//p' "$work/$target.log") inputs in ${seconds} s, no finding"
done
