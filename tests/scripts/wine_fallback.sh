#!/usr/bin/env bash
# The path for machines that cannot run 32-bit programs, kept from rotting on machines that can:
# the Wine decision (forced by TAVRO_WINE64, and made from a real attempt where 32-bit programs are
# hidden), then one window test of the x86_64 build under 64-bit Wine in that hidden state.
# Called by ctest as: bash wine_fallback.sh <path of tavro.exe> <source dir>
set -uo pipefail
src=$(cd "$2" && pwd)
source "$src/tests/support/private_prefix.bash"
base=${WINEPREFIX:-$src/build/wineprefix}
work=$(mktemp -d)
trap 'WINEPREFIX="$work/prefix" wineserver -k 2>/dev/null; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

# Runs "$@" where no 32-bit Linux program can start, as on a kernel without 32-bit emulation: in a
# mount namespace of its own, the 32-bit dynamic loader is replaced by the 64-bit one.
without_32bit() {
  local ld32
  ld32=$(readlink -f /lib/ld-linux.so.2 2>/dev/null) || ld32=""
  if [ -z "$ld32" ] || [ ! -e "$ld32" ]; then "$@"; return; fi
  unshare -m bash -c 'mount --bind /lib64/ld-linux-x86-64.so.2 "$1" && shift && exec "$@"' _ "$ld32" "$@"
}

line=$(TAVRO_WINE64=1 "$src/scripts/wine-arch" --check)
[ "$line" = "x86_64 TAVRO_WINE64 is set" ] || fail "forced decision: $line"
echo "forced: $line"

if without_32bit true 2>/dev/null; then
  hide=without_32bit
  line=$(without_32bit env -u TAVRO_WINE64 "$src/scripts/wine-arch" --check)
  case $line in
    "x86_64 Wine's 32-bit loader "*" cannot start here ("*")") echo "without 32-bit programs: $line" ;;
    *) fail "decision without 32-bit programs: $line" ;;
  esac
else
  hide=""
  echo "note: no mount namespace here (needs root), so the window test runs with 32-bit programs still possible"
fi

# One window test on the x86_64 build: this build's own when it is one, else build-x86_64/.
if [ "${TAVRO_ARCH:-}" = x86_64 ]; then
  tests="$(cd "$(dirname "$1")" && pwd)/tests"
else
  "$src/scripts/build" x86_64 tavro_window_tests >"$work/build.log" 2>&1 || fail "x86_64 build: $(tail -n 20 "$work/build.log")"
  tests="$src/build-x86_64/tests"
fi
[[ $(file "$tests/tavro_window_tests.exe") == *"PE32+ executable"* ]] || fail "not an x86_64 test program"
export WINEPREFIX="$work/prefix"
make_private_prefix "$base" "$WINEPREFIX"
mkdir "$work/run" && cd "$work/run" || exit 1
out=$(TAVRO_WINE64=1 $hide "$src/scripts/wine-run" "$tests/tavro_window_tests.exe" \
  --gtest_filter='TestWindow.PaintsThePattern*' 2>&1 | tr -d '\r')
grep -q '^\[  PASSED  \] 1 test\.$' <<<"$out" || fail "window test on the x86_64 build: $out"
echo "ok: the x86_64 build's window test passed under 64-bit Wine${hide:+ with no 32-bit program able to start}"
