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

# The decision in each state Wine can be in, on stand-in loaders: forced, not installed, installed
# but refused by the kernel, and running.
cat >"$work/refused" <<'STAND_IN'
#!/bin/sh
echo "$0: cannot execute binary file: Exec format error" >&2; exit 126
STAND_IN
printf '#!/bin/sh\necho "wine-8.0 (Debian 8.0~repack-4)"\n' >"$work/runs"
chmod +x "$work/refused" "$work/runs"
while IFS='|' read -r forced loader expected; do
  line=$(TAVRO_WINE64=$forced TAVRO_WINE32_LOADER=$loader "$src/scripts/wine-arch" --check)
  [ "$line" = "$expected" ] || fail "decision for $loader (TAVRO_WINE64=$forced): $line; expected: $expected"
done <<CASES
1|$work/runs|x86_64 TAVRO_WINE64 is set
0|$work/absent|x86_64 Wine's 32-bit loader $work/absent is not installed
0|$work/refused|x86_64 Wine's 32-bit loader $work/refused cannot start here (Exec format error: this kernel runs no 32-bit programs)
0|$work/runs|i686 Wine's 32-bit loader runs here (wine-8.0 (Debian 8.0~repack-4))
CASES
echo "decisions: forced, not installed, refused by the kernel and running are each told apart"

# The real loader with 32-bit programs hidden: x86_64, for the reason that holds on this machine.
loader32=/usr/lib/wine/wine
if without_32bit true 2>/dev/null; then
  hide=without_32bit
  line=$(without_32bit env -u TAVRO_WINE64 -u TAVRO_WINE32_LOADER "$src/scripts/wine-arch" --check)
  if [ -x "$loader32" ]; then
    expected="x86_64 Wine's 32-bit loader $loader32 cannot start here ("
  else
    expected="x86_64 Wine's 32-bit loader $loader32 is not installed"
  fi
  [[ $line == "$expected"* ]] || fail "decision without 32-bit programs: $line; expected: $expected…"
  echo "without 32-bit programs: $line"
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
