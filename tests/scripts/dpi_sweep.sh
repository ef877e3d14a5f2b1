#!/usr/bin/env bash
# The extreme-size paint tests again at 120, 144 and 192 DPI (the ctest run "extremes" covers 96),
# and the screens with text rendered at each of them: a pattern's pixels never change with the DPI.
# A memory DC reports the DPI Wine reads from the LogPixels value when a process starts, so each
# DPI gets a private copy of the prefix and a Wine server of its own.
# Called as: bash dpi_sweep.sh <path of tavro.exe> <source dir>
# ctest labels: apart
set -uo pipefail
tests="$(cd "$(dirname "$1")" && pwd)/tests"
src=$2
source "$src/tests/support/private_prefix.bash"
base=${WINEPREFIX:-$src/build/wineprefix}
work=$(mktemp -d)
trap 'WINEPREFIX="$work/prefix" wineserver -k 2>/dev/null; rm -rf "$work"' EXIT
mkdir -p "$tests/extremes"
cd "$tests/extremes" || exit 1

render="$(cd "$(dirname "$1")" && pwd)/tools/render/tavro-render.exe"
text_screens="13 16 23 25 28 31 33 34 36 42 43"
# render_all DIR: the screens with text, at an odd size, into DIR.
render_all() {
  mkdir -p "$1"
  for mode in $text_screens; do
    "$src/scripts/wine-run" "$render" "$mode" 1283 803 "$1/$mode.bmp" >/dev/null 2>&1 || echo "FAIL: render $mode"
  done
}
render_all "$work/96"

status=0
for dpi in 120 144 192; do
  export WINEPREFIX="$work/prefix"
  rm -rf "$WINEPREFIX"
  make_private_prefix "$base" "$WINEPREFIX"
  "$src/scripts/wine-run" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null
  out=$(TAVRO_EXPECT_DPI=$dpi timeout 300 "$src/scripts/wine-run" "$tests/tavro_extremes_tests.exe" 2>&1 | tr -d '\r')
  if grep -q '^\[  PASSED  \] 2 tests\.$' <<<"$out" && ! grep -q 'FAILED' <<<"$out"; then
    echo "dpi $dpi: every painter on every shape passed"
  else
    echo "$out" | grep -v '^\[ \+\(OK\|RUN\) '
    echo "FAIL: dpi $dpi"
    status=1
  fi
  render_all "$work/$dpi"
  for mode in $text_screens; do
    cmp -s "$work/96/$mode.bmp" "$work/$dpi/$mode.bmp" || { echo "FAIL: screen $mode at $dpi DPI differs from 96 DPI"; status=1; }
  done
  wineserver -k 2>/dev/null
  wineserver -w 2>/dev/null
done
exit $status
