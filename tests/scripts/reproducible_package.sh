#!/usr/bin/env bash
# The release zip twice from one fresh build folder, relinking tavro.exe in between: the two zips
# must be the same bytes (no link time in the PE header, fixed dates and order in the zip).
# Called by ctest as: bash reproducible_package.sh <path of tavro.exe> <source dir>
set -euo pipefail
src=$(cd "$2" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

export TAVRO_PACKAGE_BUILD="$work/build"
"$src/scripts/package" "$work/one" >/dev/null
rm "$work/build/tavro.exe"
sleep 1  # a second later: any time stamp that leaks in would now differ
"$src/scripts/package" "$work/two" >/dev/null

zip=$(cd "$work/one" && ls tavro-*-win32.zip)
[ -n "$zip" ] || fail "no zip written"
echo "$zip" | grep -qE '^tavro-[0-9]+\.[0-9]+\.[0-9]+-win32\.zip$' || fail "unexpected name $zip"
cmp "$work/one/$zip" "$work/two/$zip" || fail "the two builds differ"
[ "$(unzip -Z1 "$work/one/$zip" | tr '\n' ' ')" = "README.md SHA256SUMS tavro.exe " ] ||
  fail "zip holds: $(unzip -Z1 "$work/one/$zip")"
mkdir "$work/x"
(cd "$work/x" && unzip -q "$work/one/$zip" && sha256sum -c --quiet SHA256SUMS) || fail "SHA256SUMS do not match"
cmp "$work/x/README.md" "$src/README.md" || fail "README.md in the zip is not the source's"
# Stripped: no symbol table left in the PE header (PointerToSymbolTable and NumberOfSymbols are 0).
pe=$(od -An -t u4 -j 60 -N 4 "$work/x/tavro.exe" | tr -d ' ')
[ "$(od -An -t u4 -j $((pe + 12)) -N 8 "$work/x/tavro.exe" | tr -s ' ')" = " 0 0" ] || fail "tavro.exe is not stripped"
[ "$(od -An -t u4 -j $((pe + 8)) -N 4 "$work/x/tavro.exe" | tr -d ' ')" = 0 ] || fail "tavro.exe carries a link time"
echo "ok: $zip is the same bytes when rebuilt"
