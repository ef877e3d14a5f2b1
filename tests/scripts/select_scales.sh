#!/usr/bin/env bash
# The selection window at the larger display scales, on an X screen large enough to hold it at
# 300 % (the suite's own screen is 1920 x 1080): every text fits at 96 to 288 DPI in every language,
# the layout at 192 DPI is the one at 96 doubled; then, with Wine's DPI at 192, the window opens at
# 200 %, its client area 2108 x 1130. Last, on a 1366 x 768 screen whose taskbar runs along the top
# (Wine takes the work area from the X root window's _NET_WORKAREA): at 100 % the selection window
# opens whole at its own size, every card and button in it; at 200 % the selection window and the
# results window open scaled down to fit, whole inside the work area.
# Called as: bash select_scales.sh <path of tavro.exe> <source dir>
set -uo pipefail
tests="$(cd "$(dirname "$1")" && pwd)/tests"
src=$2
source "$src/tests/support/private_prefix.bash"
base=${WINEPREFIX:-$src/build/wineprefix}
work=$(mktemp -d)
trap 'WINEPREFIX="$work/prefix" wineserver -k 2>/dev/null; rm -rf "$work"' EXIT
mkdir -p "$tests/window"
cd "$tests/window" || exit 1

# run DPI FILTER [SCREEN [WORKAREA]]: the window tests matching FILTER, with Wine's DPI at DPI, on a
# screen of SCREEN (3300x2200 unless given) whose work area is WORKAREA ("x,y,width,height").
run() {
  export WINEPREFIX="$work/prefix"
  rm -rf "$WINEPREFIX"
  make_private_prefix "$base" "$WINEPREFIX"
  "$src/scripts/wine-run" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null
  # The server that ran reg knows the suite's smaller screen: the tests start one of their own.
  wineserver -k 2>/dev/null
  wineserver -w 2>/dev/null
  local screen=${3:-3300x2200} area=${4:-} out
  # -noreset: the work area set on the root window stays when its setter disconnects.
  out=$(TAVRO_EXPECT_DPI=$1 timeout 600 xvfb-run -a -s "-noreset -screen 0 ${screen}x24" bash -c '
    if [ -n "$1" ]; then xprop -root -f _NET_WORKAREA 32c -set _NET_WORKAREA "$1" || exit 1; fi
    shift
    exec "$@"' work-area "$area" "$src/scripts/wine-run" "$tests/tavro_window_tests.exe" --gtest_filter="$2" 2>&1 | tr -d '\r')
  wineserver -k 2>/dev/null
  wineserver -w 2>/dev/null
  if grep -q '^\[  PASSED  \]' <<<"$out" && ! grep -qE '^\[  (FAILED|SKIPPED) ' <<<"$out"; then
    echo "dpi $1 on $screen: $(grep -c '^\[       OK \]' <<<"$out") tests of $2 passed"
    return 0
  fi
  echo "$out" | grep -v '^\[ \+\(OK\|RUN\) '
  echo "FAIL: $2 at $1 DPI on $screen"
  return 1
}

status=0
run 96 'SelectScale.*' || status=1
run 192 'SelectScale.OpensAtItsMonitorsScale' || status=1
run 96 'WorkArea.*' 1366x768 0,40,1366,728 || status=1
run 192 'WorkArea.*' 1366x768 0,40,1366,728 || status=1
exit $status
