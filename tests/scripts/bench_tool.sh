#!/usr/bin/env bash
# tavro-bench on one small screen: the table, one "bench ..." line per figure in the documented
# format, and exit code 2 with a message for bad options. No timing is judged here.
# Called as: bash bench_tool.sh <path of tavro.exe> <source dir>
set -uo pipefail
exe=$1
tool="$(cd "$(dirname "$1")" && pwd)/tools/bench/tavro-bench.exe"
run="$2/scripts/wine-run"
fail() { echo "FAIL: $*"; exit 1; }
number='[0-9]+\.[0-9]+'

status=0
out=$("$run" "$tool" --modes 26 --sizes 320x200 --runs 2 --starts 1 --tavro "$("$2/scripts/wine" winepath -w "$exe" 2>/dev/null)" 2>&1) ||
  status=$?
[ "$status" -eq 0 ] || fail "exit code $status: $out"
lines=$(echo "$out" | tr -d '\r' | grep '^bench ')
expected=(
  "bench mode=26 size=320x200 median_ms=$number worst_ms=$number floor_ms=$number"
  "bench step mode=26 size=320x200 median_ms=$number worst_ms=$number"
  "bench cold mode=26 size=320x200 median_ms=$number"
  "bench escape size=320x200 median_ms=$number worst_ms=$number"
  "bench motion size=320x200 hz=[0-9]+ frame_ms_median=$number frame_ms_p99=$number dropped=[0-9]+"
  "bench present size=320x200 median_ms=$number worst_ms=$number bitblt_median_ms=$number"
  "bench vrr size=320x200 median_ms=$number worst_ms=$number tearing=[01]"
  "bench sweep median_ms=$number"
  "bench startup median_ms=$number"
)
[ "$(wc -l <<<"$lines")" -eq ${#expected[@]} ] || fail "expected ${#expected[@]} bench lines: $out"
for i in "${!expected[@]}"; do
  grep -qE "^${expected[$i]}\$" <<<"$(sed -n "$((i + 1))p" <<<"$lines")" || fail "line $((i + 1)) is not '${expected[$i]}': $lines"
done
grep -qE "^ *26  Resolution +$number +$number +$number" <<<"$out" || fail "no table row for screen 26: $out"
grep -qE "^ *26  Resolution +$number +$number +$number\s*$" <<<"$(sed -n '/test window: from the key/,$p' <<<"$out")" ||
  fail "no step row for screen 26: $out"

for bad in "--modes 48" "--sizes 1920" "--runs 0" "--colour red"; do
  status=0
  out=$("$run" "$tool" $bad 2>&1) || status=$?
  [ "$status" -eq 2 ] || fail "$bad: exit code $status, not 2"
  grep -q "^tavro-bench: " <<<"$out" || fail "$bad: no message: $out"
done
echo "tavro-bench: output format and option errors as documented"
