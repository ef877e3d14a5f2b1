#!/usr/bin/env bash
# tavro.exe is a console-subsystem PE of its build's architecture (32-bit for the shipped build) that
# imports only Windows system DLLs, carries icon 1 and stays small.
# ctest labels: file
set -euo pipefail
exe=$1
arch=${TAVRO_ARCH:-i686}
fail() { echo "FAIL: $*" >&2; exit 1; }

case $arch in
  i686) shape='PE32 executable (console) Intel 80386' ;;
  x86_64) shape='PE32+ executable (console) x86-64' ;;
  *) fail "unknown architecture $arch" ;;
esac
file "$exe" | grep -qF "$shape" || fail "not a $shape: $(file "$exe")"
# 139 KB today; the budget leaves room to grow but catches a runtime or library linked in by mistake.
size=$(stat -c %s "$exe")
[ "$size" -le 262144 ] || fail "$size bytes, more than 256 KiB"

allowed="kernel32.dll user32.dll gdi32.dll msimg32.dll winmm.dll advapi32.dll shell32.dll msvcrt.dll setupapi.dll"
imports=$("$arch-w64-mingw32-objdump" -p "$exe" | awk '/DLL Name:/ {print tolower($3)}' | sort -u)
[ -n "$imports" ] || fail "no imports read"
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
echo "ok: $(file -b "$exe" | cut -d, -f1), $size bytes, imports: $(echo $imports)"
