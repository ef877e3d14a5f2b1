#!/usr/bin/env bash
# Mode switching and restoring for real: the native resolution tests inside a Wine virtual desktop
# of 1024 x 768, which, unlike plain Xvfb, accepts mode changes.
# Called as: bash native_resolution_desktop.sh <path of tavro.exe> <source dir>
set -uo pipefail
tests="$(cd "$(dirname "$1")" && pwd)/tests"
src=$2
source "$src/tests/support/private_prefix.bash"
work=$(mktemp -d)
out="$work/out"

# A Wine server of our own: a virtual desktop leaves its screen size in the server's display cache,
# and processes of later tests sharing that server would take it for the real screen's. The
# private prefix shares the build prefix's drive C and starts from a copy of its registry.
base=${WINEPREFIX:-$src/build/wineprefix}
export WINEPREFIX="$work/prefix"
make_private_prefix "$base" "$WINEPREFIX"
trap 'wineserver -k 2>/dev/null; wineserver -w 2>/dev/null; rm -rf "$work"' EXIT

# Explorer does not hand back the program's exit code, so the verdict is read from its output.
# A desktop name of our own keeps this run apart from any other desktop of the same Wine server.
cd "$tests" || exit 1
TAVRO_VIRTUAL_DESKTOP=1 timeout 300 "$src/scripts/wine-run" explorer "/desktop=tavro_modes_$$,1024x768" \
  "$tests/tavro_native_resolution_tests.exe" --gtest_filter='ModeSwitch.*' >"$out" 2>&1
tr -d '\r' <"$out" | grep -v "^X connection"
ran=$(tr -d '\r' <"$out" | grep -c '^\[ RUN      \] ModeSwitch\.')
passed=$(tr -d '\r' <"$out" | sed -n 's/^\[  PASSED  \] \([0-9]*\) tests\?\.$/\1/p')
if [ "$ran" -eq 0 ] || [ "${passed:-0}" -ne "$ran" ] || tr -d '\r' <"$out" | grep -qE '^\[  (FAILED|SKIPPED) '; then
  echo "FAIL: $ran mode switch tests started, ${passed:-0} passed"
  exit 1
fi
echo "mode switching: all $ran tests passed in the virtual desktop"
