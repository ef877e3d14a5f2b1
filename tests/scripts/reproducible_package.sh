#!/usr/bin/env bash
# The release zip twice from one fresh build folder, relinking tavro.exe in between: the two zips
# must be the same bytes (no link time in the PE header, fixed dates and order in the zip). The zip
# holds what README.md links to and stays under 3 MB.
# Called by ctest as: bash reproducible_package.sh <path of tavro.exe> <source dir>
# ctest labels: file once
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
grep -qE '^tavro-[0-9]+\.[0-9]+\.[0-9]+-win32\.zip$' <<<"$zip" || fail "unexpected name $zip"
cmp "$work/one/$zip" "$work/two/$zip" || fail "the two builds differ"
mkdir "$work/x"
(cd "$work/x" && unzip -q "$work/one/$zip" && sha256sum -c --quiet SHA256SUMS) || fail "SHA256SUMS do not match"
cmp "$work/x/README.md" "$src/README.md" || fail "README.md in the zip is not the source's"
# The zip holds tavro.exe, README.md, SHA256SUMS of all else, and every file README links to or
# shows (relative links, without any "#anchor"), in sorted order: each link opens in the zip.
links=$(grep -oE '\]\([^)]+\)' "$work/x/README.md" | sed 's/^](//; s/)$//; s/#.*//' | grep -vE '^([a-z]+:|$)' || true)
[ -n "$links" ] || fail "no links found in README.md"
entries=$(unzip -Z1 "$work/one/$zip")
expected=$(printf '%s\n' README.md SHA256SUMS tavro.exe $links | LC_ALL=C sort -u)
[ "$entries" = "$expected" ] || fail "zip entries differ from README's links: $(diff <(echo "$expected") <(echo "$entries"))"
[ "$(grep -c . "$work/x/SHA256SUMS")" -eq "$(($(echo "$entries" | wc -l) - 1))" ] || fail "SHA256SUMS does not list every file"
[ "$(stat -c %s "$work/one/$zip")" -lt 3000000 ] || fail "zip is $(stat -c %s "$work/one/$zip") bytes"
# Stripped: no symbol table left in the PE header (PointerToSymbolTable and NumberOfSymbols are 0).
pe=$(od -An -t u4 -j 60 -N 4 "$work/x/tavro.exe" | tr -d ' ')
[ "$(od -An -t u4 -j $((pe + 12)) -N 8 "$work/x/tavro.exe" | tr -s ' ')" = " 0 0" ] || fail "tavro.exe is not stripped"
[ "$(od -An -t u4 -j $((pe + 8)) -N 4 "$work/x/tavro.exe" | tr -d ' ')" = 0 ] || fail "tavro.exe carries a link time"
echo "ok: $zip is the same bytes when rebuilt; its $(echo "$links" | sort -u | wc -l) README links all resolve"
