#!/usr/bin/env bash
# tavro-bench on one small screen and the HDR screens: the tables, one "bench ..." line per figure
# in the documented format, and exit code 2 with a message for bad options. No timing is judged here.
# Called as: bash bench_tool.sh <path of tavro.exe> <source dir>
set -uo pipefail
exe=$1
tool="$(cd "$(dirname "$1")" && pwd)/tools/bench/tavro-bench.exe"
run="$2/scripts/wine-run"
fail() { echo "FAIL: $*"; exit 1; }
number='[0-9]+\.[0-9]+'

status=0
out=$("$run" "$tool" --modes 26,48-59 --sizes 320x200 --runs 2 --starts 1 --tavro "$("$2/scripts/wine" winepath -w "$exe" 2>/dev/null)" 2>&1) ||
  status=$?
[ "$status" -eq 0 ] || fail "exit code $status: $out"
lines=$(echo "$out" | tr -d '\r' | grep '^bench ')
modes="26 $(seq -s ' ' 48 59)"
expected=()
for m in $modes; do expected+=("bench mode=$m size=320x200 median_ms=$number worst_ms=$number floor_ms=$number"); done
for m in $modes; do expected+=("bench step mode=$m size=320x200 median_ms=$number worst_ms=$number"); done
for m in $modes; do expected+=("bench cold mode=$m size=320x200 median_ms=$number"); done
expected+=(
  "bench escape size=320x200 median_ms=$number worst_ms=$number"
  "bench motion size=320x200 hz=[0-9]+ frame_ms_median=$number frame_ms_p99=$number dropped=[0-9]+"
  "bench present size=320x200 median_ms=$number worst_ms=$number bitblt_median_ms=$number"
  "bench vrr size=320x200 median_ms=$number worst_ms=$number tearing=[01]"
)
# Each HDR screen's frame built with its texts, uploaded and presented, and whether it fits 60 Hz.
for m in $(seq 48 59); do
  expected+=("bench hdr mode=$m size=320x200 build_ms=$number upload_ms=$number present_ms=$number bitblt_ms=$number fits_60hz=[01]")
done
expected+=("bench sweep median_ms=$number" "bench guide_unpack median_ms=$number worst_ms=$number" "bench startup median_ms=$number")
[ "$(wc -l <<<"$lines")" -eq ${#expected[@]} ] || fail "expected ${#expected[@]} bench lines: $out"
for i in "${!expected[@]}"; do
  grep -qE "^${expected[$i]}\$" <<<"$(sed -n "$((i + 1))p" <<<"$lines")" || fail "line $((i + 1)) is not '${expected[$i]}': $lines"
done
grep -qE "^ *26  Resolution +$number +$number +$number" <<<"$out" || fail "no table row for screen 26: $out"
grep -qE "^ *26  Resolution +$number +$number +$number\s*$" <<<"$(sed -n '/test window: from the key/,$p' <<<"$out")" ||
  fail "no step row for screen 26: $out"

hdr=$(sed -n '/HDR screens through the FP16 presenter/,/HDR screens (medians)/p' <<<"$out")
for m in $(seq 48 59); do
  grep -qE "^ *$m  .+ +$number +$number +$number  (fits|misses)\s*\$" <<<"$hdr" || fail "no HDR row for screen $m: $out"
done
grep -qE "^build \+ upload within one 60 Hz frame for ([0-9]|1[0-2]) of 12 HDR screens \(medians\)" <<<"$hdr" ||
  fail "no 60 Hz verdict: $out"

for bad in "--modes 62" "--sizes 1920" "--runs 0" "--colour red"; do
  status=0
  out=$("$run" "$tool" $bad 2>&1) || status=$?
  [ "$status" -eq 2 ] || fail "$bad: exit code $status, not 2"
  grep -q "^tavro-bench: " <<<"$out" || fail "$bad: no message: $out"
done
echo "tavro-bench: output format and option errors as documented"
