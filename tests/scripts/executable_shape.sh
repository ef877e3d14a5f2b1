#!/usr/bin/env bash
# tavro.exe is a 32-bit console-subsystem PE that imports only Windows system DLLs and carries icon 1.
set -euo pipefail
exe=$1
fail() { echo "FAIL: $*" >&2; exit 1; }

file "$exe" | grep -q 'PE32 executable (console) Intel 80386' || fail "not a 32-bit console PE: $(file "$exe")"

allowed="kernel32.dll user32.dll gdi32.dll msimg32.dll winmm.dll advapi32.dll shell32.dll msvcrt.dll setupapi.dll"
imports=$(i686-w64-mingw32-objdump -p "$exe" | awk '/DLL Name:/ {print tolower($3)}' | sort -u)
for dll in $imports; do
  case " $allowed " in *" $dll "*) ;; *) fail "imports $dll" ;; esac
done

icons=$(wrestool -l "$exe")
echo "$icons" | grep -q -- '--type=14 --name=1 ' || fail "no icon group 1: $icons"
[ "$(echo "$icons" | grep -c -- '--type=3 ')" -eq 1 ] || fail "expected exactly one icon image: $icons"
wrestool -x -t 14 -n 1 "$exe" > /dev/null || fail "icon group 1 unreadable"
# The one image is 32 x 32 with 32 bits per pixel (ICONDIRENTRY: width, height, ..., bit count).
entry=$(wrestool -x -t 14 -n 1 "$exe" | od -An -tu1 -j6 -N8 | tr -s ' ')
[ "$entry" = " 32 32 0 0 1 0 32 0" ] || fail "icon entry is$entry"
if wrestool -l "$exe" | grep -q -E -- '--type=(16|24) '; then fail "has a version resource or manifest"; fi
echo "ok: $(file -b "$exe" | cut -d, -f1), imports: $(echo $imports)"
