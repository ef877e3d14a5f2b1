#!/usr/bin/env bash
# The program with no audio device and a current directory it cannot write to: the window test
# suite's fault cases, then the real tavro.exe started and closed there (no trace files, exit 0).
# Called as: bash environment_faults.sh <path of tavro.exe> <source dir>
set -uo pipefail
exe="$(cd "$(dirname "$1")" && pwd)/$(basename "$1")"
src=$2
tests="$(cd "$(dirname "$exe")" && pwd)/tests"
run="$src/scripts/wine-run"
source "$src/tests/support/close_program.bash"
work=$(mktemp -d)
ro="$work/read-only"
mkdir -p "$ro"
fail() { echo "FAIL: $*" >&2; exit 1; }

# Root writes through file modes, so the directory is a read-only mount where that is possible.
if mount -t tmpfs -o ro,size=64k tavro-read-only "$ro" 2>/dev/null; then
  trap 'cd /; umount "$ro"; rm -rf "$work"' EXIT
else
  chmod 555 "$ro"
  trap 'chmod 755 "$ro"; rm -rf "$work"' EXIT
fi
touch "$ro/probe" 2>/dev/null && fail "could not make a directory the program cannot write to"
cd "$ro" || exit 1

# Wine's audio drivers turned off: waveOut has no device at all.
export WINEDLLOVERRIDES="mscoree,mshtml,winealsa.drv,winepulse.drv,wineoss.drv="
out=$(TAVRO_NO_AUDIO=1 TAVRO_READ_ONLY_DIRECTORY=1 timeout 300 "$run" "$tests/tavro_endurance_tests.exe" \
  --gtest_filter='Endurance.WithoutAnAudio*:Endurance.ReadOnly*' 2>&1 | tr -d '\r')
if ! grep -q '^\[  PASSED  \] 2 tests\.$' <<<"$out" || grep -qE '^\[  (FAILED|SKIPPED) ' <<<"$out"; then
  echo "$out" | grep -v '^ALSA'
  fail "fault cases of the window tests"
fi
echo "no audio device and a read-only directory: both window test cases passed"

"$run" "$exe" >"$work/out.txt" 2>&1 &
pid=$!
window=""
for _ in $(seq 1 100); do
  window=$(xdotool search --name '^TAVRO - ' 2>/dev/null | head -n 1 || true)
  [ -n "$window" ] && break
  kill -0 $pid 2>/dev/null || fail "tavro.exe ended before its window appeared: $(cat "$work/out.txt")"
  sleep 0.2
done
[ -n "$window" ] || fail "tavro.exe showed no window"
sleep 1
close_program "$run" $pid tavro.exe || fail "tavro.exe did not close on WM_CLOSE"
status=0
wait $pid || status=$?
[ $status -eq 0 ] || fail "tavro.exe ended with $status: $(cat "$work/out.txt")"
[ -z "$(ls -A "$ro")" ] || fail "files appeared in the read-only directory: $(ls -A "$ro")"
echo "ok: tavro.exe ran and closed with exit code 0, and wrote no trace file"
