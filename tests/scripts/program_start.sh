#!/usr/bin/env bash
# Starts the real tavro.exe in German, finds its window by caption, checks the trace files,
# closes the window and expects exit code 0.
set -euo pipefail
exe=$1
src=$2
run="$src/scripts/wine-run"
source "$src/tests/support/close_program.bash"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

fail() { echo "FAIL: $*" >&2; exit 1; }

LANG=de_DE.UTF-8 LC_ALL=de_DE.UTF-8 "$run" "$exe" > "$work/out.txt" 2>&1 &
pid=$!

caption="TAVRO - Tests auswählen"
window=""
for _ in $(seq 1 100); do
  window=$(xdotool search --name "^${caption}\$" 2>/dev/null | head -n 1 || true)
  [ -n "$window" ] && break
  kill -0 $pid 2>/dev/null || fail "tavro.exe ended before its window appeared: $(cat "$work/out.txt")"
  sleep 0.2
done
[ -n "$window" ] || fail "no window captioned '$caption' (is the de_DE.UTF-8 locale generated?)"
geometry=$(xwininfo -id "$window" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}')
echo "window $window client $geometry"

# debug.txt is written right after the window is shown.
for _ in $(seq 1 50); do [ -s debug.txt ] && break; sleep 0.1; done
[ "$(tr -d '\r' < debug.txt)" = "Window created OK" ] || fail "debug.txt holds: $(cat debug.txt)"

# Every owner-drawn card and button has been drawn once at least, each with one trace line.
for _ in $(seq 1 50); do [ "$(grep -c CtlID=1004 drawitem.txt 2>/dev/null)" -ge 1 ] && break; sleep 0.1; done
bad=$(tr -d '\r' < drawitem.txt | grep -v -E '^WM_DRAWITEM: CtlID=(100[1-4]|200[0-9]|201[0-4]), CtlType=4$' || true)
[ -z "$bad" ] || fail "unexpected drawitem.txt lines: $bad"
for id in 1001 1002 1003 1004 2000 2005 2009 2011 2013 2014; do
  grep -q "CtlID=$id, " drawitem.txt || fail "no draw request traced for control $id"
done

# Close the window the way Windows does on Alt+F4 (WM_CLOSE); the program must end with 0.
close_program "$run" $pid tavro.exe || fail "tavro.exe did not close on WM_CLOSE"
status=0
wait $pid || status=$?
[ $status -eq 0 ] || fail "exit code $status"
echo "ok: German caption, trace files, exit code 0"
