#!/usr/bin/env bash
# tavro-edid --details against edid-decode on every real EDID of tests/data (the corpus and the
# monitors of tests/data/edid): each chromaticity, range limit, HDR transfer function, metadata
# type and luminance, colorimetry flag, HDR10+, DisplayID display parameter and refresh range that
# edid-decode prints must come out the same, to the digit it prints. One Wine start per folder.
# Called as: bash edid_claims.sh <path of tavro.exe> <source dir>
# ctest labels: apart
set -uo pipefail
tool="$(cd "$(dirname "$1")" && pwd)/tools/edid/tavro-edid.exe"
src=$2
run="$src/scripts/wine-run"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
command -v edid-decode >/dev/null || fail "edid-decode is not installed (scripts/setup installs it)"

# edid-decode's report of one file, cut down to the lines tavro-edid --details prints: the first
# block of each kind, as tavro-edid keeps only the first. Two readings differ from edid-decode on
# purpose: colorimetry bit "ST2113RGB" is DCI-P3, and DisplayID 2.0's native colour depth codes
# 1-5 are 6, 8, 10, 12 and 16 bits, where edid-decode reads them one step up (as 8 ... 16).
# Reads the reports of many files, each after a line "@@ FILE".
reference() {
  awk '
    function out(s) { print file "\t" s }
    /^@@ / {
      file = $2; section = vrr = ""
      hdr = colorimetry = parameters = amd = hdmi = hdr10plus = ranges = 0; delete point
      next
    }
    /^Block [0-9]+, / { base = ($2 == "0,"); section = ""; next }
    {
      match($0, /^ */); depth = RLENGTH; text = substr($0, depth + 1)
      if (depth == 2) {
        section = ""
        if (text ~ /^HDR Static Metadata Data Block:/ && !hdr++) section = "hdr"
        else if (text ~ /^Colorimetry Data Block:/ && !colorimetry++) section = "colorimetry"
        else if (text ~ /^Display Parameters Data Block \(0x21\):/ && !parameters++) section = "parameters"
        else if (text ~ /^Vendor-Specific Data Block \(AMD\)/ && !amd++) section = "amd"
        else if (text ~ /^(Vendor-Specific Data Block \(HDMI Forum\)|HDMI Forum Sink Capability Data Block)/) section = "hdmi" (++hdmi)
        else if (text ~ /^Vendor-Specific Video Data Block \(HDR10\+\)/ && !hdr10plus++) out("HDR10+")
        next
      }
      if (base && text ~ /^(Red  |Green|Blue |White): [0-9.]+, [0-9.]+$/ && !point[substr(text, 1, 5)]++) out(text)
      if (base && text ~ /^Monitor ranges .*Hz V/ && !ranges++) {
        sub(/^Monitor ranges.*\): /, "", text); sub(/ Hz V.*/, " Hz", text); out("Monitor ranges: " text)
      }
      if (section == "hdr") {
        if (text ~ /^(Traditional gamma - [SH]DR luminance range|SMPTE ST2084|Hybrid Log-Gamma)$/) out("Transfer function: " text)
        if (text ~ /^Static metadata type [0-9]$/) out(text)
        if (text ~ /^Desired content .*cd\/m\^2\)$/) { sub(/: [0-9]+ \(/, ": ", text); sub(/\)$/, "", text); out(text) }
      }
      if (section == "colorimetry") {
        if (text == "ST2113RGB") text = "DCI-P3"
        if (text ~ /^(xvYCC601|xvYCC709|sYCC601|opYCC601|opRGB|BT2020cYCC|BT2020YCC|BT2020RGB|DCI-P3|ICtCp)$/) out("Colorimetry: " text)
      }
      if (section == "parameters") {
        if (text ~ /^(Primary #[123]|White Point): +\(/) { sub(/: +\(/, ": (", text); out("DisplayID " text) }
        if (text ~ /^Native M(ax|in)imum Luminance.*: [0-9.]+ cd\/m\^2$/) out(text)
        if (text ~ /^Native Color Depth: (8|10|12|14|16) bpc$/) {
          split("8 6 10 8 12 10 14 12 16 16", step, " ")
          for (i = 1; i < 10; i += 2) if (text == "Native Color Depth: " step[i] " bpc") { out("Native Color Depth: " step[i + 1] " bpc"); break }
        }
      }
      if (section == "amd" && text ~ /^M(ini|axi)mum Refresh Rate: /) out("AMD " text)
      # The first HDMI Forum block that gives a rate gives both.
      if (section ~ /^hdmi/ && text ~ /^VRRm(in|ax): [1-9]/ && (vrr == "" || vrr == section)) { vrr = section; out(text) }
    }'
}

# tavro-edid's lines the same way: FILE, a tab, the detail; its own summary lines left out.
details() {
  awk '
    /^[^ ]/ { file = $1; next }
    /^  (gamut |peak luminance |variable refresh)/ { next }
    { print file "\t" substr($0, 3) }'
}

compare_folder() {
  local folder=$1 name=$2 f status=0 tool_run
  cd "$folder" || fail "no folder $folder"
  # Wine starts while edid-decode reads the files.
  "$run" "$tool" --details *.bin >"$work/$name.raw" 2>"$work/$name.err" &
  tool_run=$!
  for f in *.bin; do echo "@@ $f"; edid-decode "$f" 2>/dev/null; done | reference | sort >"$work/$name.expected"
  wait "$tool_run" || status=$?
  [ "$status" -le 1 ] || fail "$name: tavro-edid exit code $status: $(head -n 3 "$work/$name.err")"
  tr -d '\r' <"$work/$name.raw" >"$work/$name.out"
  details <"$work/$name.out" | sort >"$work/$name.got"
  diff -u "$work/$name.expected" "$work/$name.got" >"$work/$name.diff" ||
    { head -n 40 "$work/$name.diff"; fail "$name: tavro-edid --details differs from edid-decode"; }
}

compare_folder "$src/tests/data/edid-corpus" corpus
compare_folder "$src/tests/data/edid" monitors

# Every kind of figure is really compared: the corpus holds each of them, many times over.
count() { grep -c -- "$1" "$work/corpus.expected"; }
for kind in "Red  :" "White:" "Monitor ranges:" "Transfer function: SMPTE ST2084" "Transfer function: Hybrid Log-Gamma" \
    "Static metadata type 1" "Desired content max luminance" "Desired content max frame-average" \
    "Desired content min luminance" "Colorimetry: BT2020RGB" "Colorimetry: DCI-P3" "HDR10+" "DisplayID Primary #1" \
    "Native Maximum Luminance (10%" "Native Color Depth" "AMD Minimum Refresh Rate" "VRRmin:" "VRRmax:"; do
  [ "$(count "$kind")" -ge 2 ] || fail "the corpus should give at least two lines of '$kind', not $(count "$kind")"
done

# The summary lines of a monitor with every claim; no coverage over 100 %.
corsair=$(awk '/^[^ ]/ { on = /^D_Corsair_CRM1B20_6F21C531AF1F.bin 2560x1440 displayid$/ } on' "$work/corpus.out")
for line in "variable refresh: 40-240 Hz" "peak luminance 541.7 cd/m^2" "gamut DCI-P3 xy 97.4 % uv 98.8 %, area xy 100.1 % uv 102.3 %"; do
  grep -qxF "  $line" <<<"$corsair" || fail "Corsair: no line '$line' in: $corsair"
done
over=$(awk '/^  gamut / && ($4 > 100 || $7 > 100)' "$work/corpus.out" | head -n 3)
[ -z "$over" ] || fail "coverage over 100 %: $over"

# Without --details the output stays one line a file; --details alone is a usage error.
status=0
out=$("$run" "$tool" "$src/tests/data/edid/A_IBM_IBM24CB_B03976212B04.bin") || status=$?
[ "$status" -eq 0 ] && [ "$(tr -d '\r' <<<"$out" | wc -l)" -eq 1 ] || fail "plain output: $status $out"
status=0
"$run" "$tool" --details >/dev/null 2>&1 || status=$?
[ "$status" -eq 2 ] || fail "--details without files: exit code $status, not 2"
echo "edid claims: $(wc -l <"$work/corpus.expected") corpus lines and $(wc -l <"$work/monitors.expected") monitor lines match edid-decode"
