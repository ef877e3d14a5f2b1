#!/usr/bin/env bash
# tavro-edid on the real monitors' EDIDs: one line per file with the listed mode and the block it
# came from, whole files of any length, and its exit codes.
# Called as: bash edid_tool.sh <path of tavro.exe> <source dir>
# ctest labels: apart
set -uo pipefail
tool="$(cd "$(dirname "$1")" && pwd)/tools/edid/tavro-edid.exe"
src=$2
run="$src/scripts/wine-run"
data="$src/tests/data/edid"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

# All fifteen files in one run, named relative to the data folder: FILE WIDTHxHEIGHT SOURCE.
cd "$data"
tail -n +2 expected.tsv | cut -f1-3 | tr '\t' ' ' | sort >"$work/expected"
[ "$(wc -l <"$work/expected")" -eq 15 ] || fail "expected.tsv should list 15 files"
status=0
"$run" "$tool" $(cut -d' ' -f1 "$work/expected") >"$work/out" 2>"$work/err" || status=$?
tr -d '\r' <"$work/out" | sort >"$work/got"
diff -u "$work/expected" "$work/got" || fail "decoded modes differ from expected.tsv"
[ "$status" -eq 0 ] || fail "every file gives a mode, so the exit code should be 0, not $status"

# Only decodable files: exit 0.
status=0
out=$("$run" "$tool" A_IBM_IBM24CB_B03976212B04.bin D_Dell_DELD0D9_09432B13B913.bin) || status=$?
[ "$status" -eq 0 ] || fail "all decoded, yet exit code $status"
[ "$(echo "$out" | tr -d '\r')" = $'A_IBM_IBM24CB_B03976212B04.bin 1280x1024 base\nD_Dell_DELD0D9_09432B13B913.bin 2880x1600 displayid' ] ||
  fail "unexpected output: $out"

# The whole file is read, whatever its length: a headset's base block alone gives none (exit 1),
# the same with its DisplayID block gives its mode, also with stray bytes after it; one byte short
# of the DisplayID block gives none again. The longest EDID of the corpus, 6016 bytes, decodes.
valve=D_Valve_VLV91A8_FDD5071FF7F2.bin
head -c 128 "$valve" >"$work/base.bin"
{ cat "$valve"; printf 'TAVRO'; } >"$work/padded.bin"
head -c 255 "$valve" >"$work/cut.bin"
longest="$src/tests/data/edid-corpus/D_NEC_NEC674F_2D8B5B3A099A.bin"
[ "$(wc -c <"$longest")" -eq 6016 ] || fail "the 6016-byte corpus file is missing"
status=0
out=$("$run" "$tool" "$work/base.bin" "$work/padded.bin" "$work/cut.bin" "$longest") || status=$?
[ "$status" -eq 1 ] || fail "some files give none, so the exit code should be 1, not $status"
out=$(echo "$out" | tr -d '\r')
grep -q "base.bin none$" <<<"$out" || fail "base block alone: $out"
grep -q "padded.bin 2880x1600 displayid$" <<<"$out" || fail "265-byte file: $out"
grep -q "cut.bin none$" <<<"$out" || fail "255-byte file: $out"
grep -q "NEC674F_2D8B5B3A099A.bin 1920x1200 base$" <<<"$out" || fail "6016-byte file: $out"

# A file one byte short of a base block, and a missing file: exit 2 with a message naming the file;
# the readable file beside them is still decoded.
head -c 127 A_IBM_IBM24CB_B03976212B04.bin >"$work/short.bin"
status=0
out=$("$run" "$tool" "$work/short.bin" 2>&1) || status=$?
[ "$status" -eq 2 ] || fail "127-byte file: exit code $status, not 2"
grep -q "short.bin: 127 bytes" <<<"$out" || fail "127-byte file: no clear message: $out"
head -c 128 A_IBM_IBM24CB_B03976212B04.bin >"$work/exact.bin"
status=0
out=$("$run" "$tool" "$work/exact.bin") || status=$?
[ "$status" -eq 0 ] && grep -q "exact.bin 1280x1024 base" <<<"$out" || fail "128-byte file: $status $out"

status=0
out=$("$run" "$tool" no-such-file.bin A_Hitachi_HEC0088_1BEACBAF42B1.bin 2>&1) || status=$?
[ "$status" -eq 2 ] || fail "missing file: exit code $status, not 2"
grep -q "no-such-file.bin: cannot open" <<<"$out" || fail "missing file: no clear message: $out"
grep -q "A_Hitachi_HEC0088_1BEACBAF42B1.bin 1024x768 base" <<<"$out" || fail "file after a missing one not decoded: $out"

status=0
"$run" "$tool" >/dev/null 2>&1 || status=$?
[ "$status" -eq 2 ] || fail "no arguments: exit code $status, not 2"
echo "tavro-edid: all checks passed"
