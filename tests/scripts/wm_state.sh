#!/usr/bin/env bash
# The WM_STATE stand-in the suite runs beside Xvfb (tests/xdisplay/): on a display of its own, a
# window mapped, withdrawn and mapped again reads Normal, Withdrawn, Normal, as Wine waits for; an
# override-redirect window is left alone; with no stand-in nothing is written (the 2 s wait Wine
# then runs into). Beside a window manager the stand-in does not start and the command still runs.
# Called by ctest as: bash wm_state.sh <path of tavro.exe> <source dir>
# ctest labels: apart
set -uo pipefail
src=$(cd "$2" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

cc -O1 -o "$work/top_level" "$src/tests/scripts/probe/top_level.c" -lX11 || fail "cannot build the window probe"
export TOP_LEVEL="$work/top_level" WITH="$src/tests/xdisplay/with_wm_state"
on_own_display() { xvfb-run -a -s "-screen 0 640x480x24" bash -c "$1" 2>&1; }

cases=(
  # what runs on the display | what it prints
  '"$WITH" "$TOP_LEVEL" managed|mapped 1 withdrawn 0 mapped 1'
  '"$WITH" "$TOP_LEVEL" override|mapped none'
  '"$TOP_LEVEL" managed|mapped none withdrawn none mapped none'
  '"$WITH" sh -c "echo ran; exit 7"; echo "exit $?"|ran exit 7'
  '"$TOP_LEVEL" redirect "$WITH" "$TOP_LEVEL" override|wm_state: a window manager runs on this display; not starting with_wm_state: running without wm_state, so Wine waits up to 2 s at every hidden window mapped none'
)
for case in "${cases[@]}"; do
  command=${case%%|*}
  expected=${case#*|}
  got=$(on_own_display "$command" | tr '\n' ' ' | sed 's/ $//')
  [ "$got" = "$expected" ] || fail "$command: '$got', not '$expected'"
done
echo "all ${#cases[@]} cases pass"
