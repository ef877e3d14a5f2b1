#!/usr/bin/env bash
# tavro.exe is a console-subsystem PE of its build's architecture (32-bit for the shipped build) that
# imports only Windows system DLLs, carries icon 1 and manifest 1 and stays small.
# ctest labels: file
set -euo pipefail
exe=$1
arch=${TAVRO_ARCH:-i686}
fail() { echo "FAIL: $*" >&2; exit 1; }
# Every pipe below ends in a reader that takes all its input: a reader that stops early (grep -q,
# od -N) can kill the writer with SIGPIPE, and pipefail would then end the script without a word.

case $arch in
  i686) shape='PE32 executable (console) Intel 80386' ;;
  x86_64) shape='PE32+ executable (console) x86-64' ;;
  *) fail "unknown architecture $arch" ;;
esac
description=$(file "$exe")
[[ $description == *"$shape"* ]] || fail "not a $shape: $description"
# About 610 KB today: about 180 KB of it the guidance panel's texts (48 screens in 13 languages),
# about 37 KB the texts of the findings and the report (the four screens of chroma, subpixel order,
# edges and one to one added about 43 KB: 32 KB of texts, 11 KB of code; the record's JSON, paths,
# clusters and the motion pacer's seam about 30 KB; the EDID's colour claims, Windows' display state
# and saying them in the selection window, the guidance panel and the report about 56 KB, 9 KB of it
# texts; the edge screen's ruler and the one-to-one screen's facts about 10 KB); the budget catches
# a runtime or library linked in by mistake (winpthreads alone is 37 KB, the C++ name demangler
# 46 KB, and C++'s exception runtime comes with both: a function-local static or a std::string is
# enough to bring it in).
size=$(stat -c %s "$exe")
[ "$size" -le 655360 ] || fail "$size bytes, more than 640 KB"
strings -a "$exe" | grep -c 'terminate called' >/dev/null && fail "C++'s exception runtime is linked in" || true

allowed="kernel32.dll user32.dll gdi32.dll msimg32.dll winmm.dll advapi32.dll shell32.dll comdlg32.dll msvcrt.dll setupapi.dll"
imports=$("$arch-w64-mingw32-objdump" -p "$exe" | awk '/DLL Name:/ {print tolower($3)}' | sort -u)
[ -n "$imports" ] || fail "no imports read"
for dll in $imports; do
  case " $allowed " in *" $dll "*) ;; *) fail "imports $dll" ;; esac
done

icons=$(wrestool -l "$exe")
[[ $icons == *"--type=14 --name=1 "* ]] || fail "no icon group 1: $icons"
[ "$(echo "$icons" | grep -c -- '--type=3 ')" -eq 1 ] || fail "expected exactly one icon image: $icons"
group=$(mktemp)
manifest=$(mktemp)
trap 'rm -f "$group" "$manifest"' EXIT
wrestool -x -t 14 -n 1 "$exe" > "$group" || fail "icon group 1 unreadable"
# The one image is 32 x 32 with 32 bits per pixel (ICONDIRENTRY: width, height, ..., bit count).
entry=$(od -An -tu1 -j6 -N8 "$group" | tr -s ' ')
[ "$entry" = " 32 32 0 0 1 0 32 0" ] || fail "icon entry is$entry"
if [[ $icons =~ --type=16\  ]]; then fail "has a version resource"; fi
# One manifest, id 1, the one Windows reads at the start: per-monitor DPI awareness, version 2 then 1
# for Windows 10, and per monitor for 8.1. Nothing else: a dependency on common controls 6 would
# change how every button and the combo box look.
[ "$(echo "$icons" | grep -c -- '--type=24 ')" -eq 1 ] || fail "expected exactly one manifest: $icons"
[[ $icons == *"--type=24 --name=1 "* ]] || fail "the manifest is not resource 1: $icons"
wrestool -x --raw -t 24 -n 1 "$exe" > "$manifest" || fail "manifest 1 unreadable"
settings=$(tr -d '\r\n' < "$manifest" | tr -s ' ')
for want in '<dpiAware xmlns="http://schemas.microsoft.com/SMI/2005/WindowsSettings">true/pm</dpiAware>' \
    '<dpiAwareness xmlns="http://schemas.microsoft.com/SMI/2016/WindowsSettings">PerMonitorV2,PerMonitor</dpiAwareness>' \
    '<application xmlns="urn:schemas-microsoft-com:asm.v3"> <windowsSettings>'; do
  [[ $settings == *"$want"* ]] || fail "the manifest lacks $want: $settings"
done
[[ $settings == *dependency* ]] && fail "the manifest names a dependency: $settings"
echo "ok: $(file -b "$exe" | cut -d, -f1), $size bytes, imports: $(echo $imports)"
