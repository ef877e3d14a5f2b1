#!/usr/bin/env bash
# scripts/setup against a package system that fails as real mirrors do, through stand-ins for
# apt-get, dpkg and dpkg-query first on PATH: an index mid-sync, 32-bit packages that cannot be
# installed (remembered for scripts/run and scripts/test, tried again by a plain scripts/setup),
# and a needed package that is missing, which alone stops it.
# Called by ctest as: bash setup_decision.sh <path of tavro.exe> <source dir>
# ctest labels: apart
set -uo pipefail
src=$(cd "$2" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
stubs="$work/bin"
mkdir -p "$stubs"
export STUB="$work/apt" PATH="$stubs:$PATH" TAVRO_SETUP_STATE="$work/state/i386-failed" TAVRO_APT_RETRY_PAUSE=0
mkdir -p "$STUB"

cat >"$stubs/dpkg-query" <<'EOF'
#!/bin/sh
for p; do :; done
grep -qx "$p" "$STUB/installed" 2>/dev/null && printf 'install ok installed' && exit 0
exit 1
EOF
cat >"$stubs/dpkg" <<'EOF'
#!/bin/sh
[ "$1" = --print-foreign-architectures ] && [ ! -e "$STUB/no-i386" ] && echo i386
exit 0
EOF
cat >"$stubs/locale" <<'EOF'
#!/bin/sh
echo de_DE.utf8
EOF
cat >"$stubs/sudo" <<'EOF'
#!/bin/sh
exec "$@"
EOF
cat >"$stubs/apt-get" <<'EOF'
#!/bin/bash
echo "$*" >>"$STUB/calls"
if [ "$1" = update ]; then
  [ -e "$STUB/update-fails" ] || exit 0
  echo "E: Failed to fetch http://mirror/debian-security/dists/bookworm-security/main/binary-i386/Packages.xz  File has unexpected size (374820 != 376004). Mirror sync in progress? [IP: 192.0.2.1 80]" >&2
  echo "E: Some index files failed to download. They have been ignored, or old ones used instead." >&2
  exit 100
fi
for p in "${@:2}"; do
  case $p in
    -*) ;;
    *:i386) [ -e "$STUB/i386-breaks" ] && { echo "E: Error, pkgProblemResolver::Resolve generated breaks, this may be caused by held packages." >&2; exit 100; } ;;
    *) grep -qx "$p" "$STUB/unknown" 2>/dev/null && { echo "E: Unable to locate package $p" >&2; exit 100; } ;;
  esac
done
for p in "${@:2}"; do case $p in -*) ;; *) echo "$p" >>"$STUB/installed" ;; esac; done
EOF
chmod +x "$stubs"/*

# Runs scripts/setup with ARGS; OUT, STATUS and CALLS (apt-get's calls, one a line) tell what it did.
setup() {
  rm -f "$STUB/calls"
  OUT=$("$src/scripts/setup" "$@" 2>&1)
  STATUS=$?
  CALLS=$(cat "$STUB/calls" 2>/dev/null)
}
expect() { grep -qF -- "$1" <<<"$OUT" || fail "$2: no line '$1' in: $OUT"; }
updates() { grep -c '^update' <<<"$CALLS"; }

# The mirror is mid-sync and the 32-bit packages break: set-up goes on, on the x86_64 path.
touch "$STUB/update-fails" "$STUB/i386-breaks"
setup
[ "$STATUS" = 0 ] || fail "mirror mid-sync: exit $STATUS: $OUT"
[ "$(updates)" = 3 ] || fail "mirror mid-sync: apt-get update ran $(updates) times, not 3"
expect "setup: apt-get update failed 3 times (http://mirror/debian-security/dists/bookworm-security/main/binary-i386/Packages.xz: File has unexpected size (374820 != 376004). Mirror sync in progress?); going on with the package indexes it has" "mirror mid-sync"
expect "setup: could not install wine32:i386 libasound2:i386 libxrandr2:i386 libxinerama1:i386 libgl1-mesa-dri:i386 libglx-mesa0:i386 libgl1:i386 (Error, pkgProblemResolver::Resolve generated breaks" "32-bit packages"
grep -qx cmake "$STUB/installed" || fail "the amd64 packages were not installed"
[ -s "$TAVRO_SETUP_STATE" ] || fail "the failed 32-bit install is not remembered"

# scripts/run and scripts/test (--auto) do not pay for it again; a plain scripts/setup does.
setup --auto
[ "$STATUS" = 0 ] && [ -z "$CALLS" ] || fail "--auto after a failure: exit $STATUS, apt-get calls: $CALLS"
expect "so TAVRO runs on its x86_64 build; scripts/setup tries again" "--auto after a failure"
[ "$(wc -l <<<"$OUT")" = 1 ] || fail "--auto after a failure says more than one line: $OUT"
touch -d '13 hours ago' "$TAVRO_SETUP_STATE"
setup --auto
[ "$(updates)" = 3 ] || fail "--auto after an old failure did not try again"
setup
[ "$(updates)" = 3 ] || fail "a plain scripts/setup did not try again"

# Once the mirror is whole, scripts/setup puts the 32-bit packages in and forgets the failure.
rm "$STUB/update-fails" "$STUB/i386-breaks"
setup
[ "$STATUS" = 0 ] && [ "$(updates)" = 1 ] && [ ! -e "$TAVRO_SETUP_STATE" ] ||
  fail "mirror whole again: exit $STATUS, calls $CALLS, state $(ls "$TAVRO_SETUP_STATE" 2>&1)"
setup --auto
[ -z "$CALLS" ] && [ -z "$OUT" ] || fail "all installed: apt-get calls '$CALLS', output '$OUT'"

# The 32-bit Mesa drivers are wanted only where the i386 architecture is already on.
sed -i '/^libgl1:i386$/d' "$STUB/installed"
touch "$STUB/no-i386"
setup --auto
[ -z "$CALLS" ] || fail "no i386: the Mesa drivers were asked for: $CALLS"
rm "$STUB/no-i386"
setup --auto
grep -q 'libgl1:i386' <<<"$CALLS" || fail "i386 on: the Mesa drivers were not asked for: $CALLS"

# A package every path needs that cannot be had stops set-up, named.
sed -i '/^xdotool$/d' "$STUB/installed"
echo xdotool >"$STUB/unknown"
setup
[ "$STATUS" != 0 ] || fail "a missing needed package did not stop set-up: $OUT"
expect "setup: cannot install xdotool, which TAVRO needs (Unable to locate package xdotool)" "missing needed package"
echo "ok: mirror mid-sync, 32-bit packages remembered and retried, a needed package named"
