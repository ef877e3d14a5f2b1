#!/usr/bin/env bash
# tavro-render under Wine: exit codes, refusals that leave no file, the BMP it writes, and the PFM of
# an HDR screen's frame.
# Called as: bash render_tool.sh <path of tavro.exe> <source dir>
# ctest labels: apart
set -u
render="$(dirname "$1")/tools/render/tavro-render.exe"
run="$2/scripts/wine-run"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# expect_exit CODE ARGS... : runs the tool and checks its exit code.
expect_exit() {
  local want=$1; shift
  output=$("$run" "$render" "$@" 2>&1); local got=$?
  [ "$got" -eq "$want" ] || fail "tavro-render $* exited $got, expected $want: $output"
}

# Little-endian unsigned number of LEN bytes at OFFSET of FILE.
field() { od -An -t u"$3" -j "$2" -N "$3" "$1" | tr -d ' '; }

# A real run: 13 x 7 red screen, rows padded from 39 to 40 bytes.
expect_exit 0 2 13 7 "$work/red.bmp"
if [ -f "$work/red.bmp" ]; then
  [ "$(head -c 2 "$work/red.bmp")" = "BM" ] || fail "no BM signature"
  [ "$(field "$work/red.bmp" 2 4)" = $((54 + 40 * 7)) ] || fail "bfSize is $(field "$work/red.bmp" 2 4)"
  [ "$(stat -c %s "$work/red.bmp")" = $((54 + 40 * 7)) ] || fail "file size is $(stat -c %s "$work/red.bmp")"
  [ "$(field "$work/red.bmp" 10 4)" = 54 ] || fail "bfOffBits"
  [ "$(field "$work/red.bmp" 14 4)" = 40 ] || fail "biSize"
  [ "$(field "$work/red.bmp" 18 4)" = 13 ] || fail "biWidth"
  [ "$(field "$work/red.bmp" 22 4)" = 7 ] || fail "biHeight (positive: bottom-up)"
  [ "$(field "$work/red.bmp" 26 2)" = 1 ] || fail "biPlanes"
  [ "$(field "$work/red.bmp" 28 2)" = 24 ] || fail "biBitCount"
  [ "$(field "$work/red.bmp" 30 4)" = 0 ] || fail "biCompression"
  # First pixel, stored blue, green, red.
  [ "$(od -An -t x1 -j 54 -N 3 "$work/red.bmp" | tr -d ' ')" = 0000ff ] || fail "pixel is not red"
else
  fail "no red.bmp written"
fi

# Bottom-up rows: the grey-vertical screen is black at the top, so the last row in the file is dark
# and the first row (the bottom of the screen) is light.
expect_exit 0 9 4 64 "$work/vertical.bmp"
first=$(od -An -t u1 -j 54 -N 1 "$work/vertical.bmp" | tr -d ' ')
last=$(od -An -t u1 -j $((54 + 12 * 63)) -N 1 "$work/vertical.bmp" | tr -d ' ')
[ "$first" -gt 240 ] && [ "$last" -lt 10 ] || fail "rows are not bottom-up (first $first, last $last)"

# An existing file is replaced whole, and nothing is left beside it.
expect_exit 0 1 3 3 "$work/red.bmp" --lang 5
[ "$(stat -c %s "$work/red.bmp")" = $((54 + 12 * 3)) ] || fail "existing file not replaced"

# Bad arguments: exit 2, no file.
expect_exit 2 62 8 8 "$work/bad.bmp"
expect_exit 2 x 8 8 "$work/bad.bmp"
expect_exit 2 1 0 8 "$work/bad.bmp"
expect_exit 2 1 8 -3 "$work/bad.bmp"
expect_exit 2 1 16385 8 "$work/bad.bmp"
expect_exit 2 1 8 eight "$work/bad.bmp"
expect_exit 2 1 8 8 "$work/bad.bmp" --lang 13
expect_exit 2 1 8 8
expect_exit 2 1 8 8 "$work/no/such/dir/bad.bmp"
expect_exit 2 1 8 8 "$work"
[ ! -e "$work/bad.bmp" ] || fail "a refused run wrote a file"

# Every screen either renders or is refused as not built, with a message and no file.
for mode in $(seq 0 61); do
  output=$("$run" "$render" "$mode" 5 4 "$work/m$mode.bmp" 2>&1); code=$?
  case $code in
    0) [ "$(stat -c %s "$work/m$mode.bmp" 2>/dev/null)" = $((54 + 16 * 4)) ] || fail "mode $mode: bad file" ;;
    3) [ ! -e "$work/m$mode.bmp" ] && [[ "$output" == *"not implemented"* ]] || fail "mode $mode: refusal" ;;
    *) fail "mode $mode exited $code: $output" ;;
  esac
done
# The moving blocks' steps, read from frames 0 and 1 as rendered: the slowest lane's step is whole
# pixels per refresh (at least 1), the others exactly twice and four times it, at any rate.
# block_left FILE LANE: the first column of the lane's block on its second row (960 x 540, block 45).
block_left() {
  local row=$((540 - 1 - ($2 * 180 + 68)))
  od -An -v -t u1 -j $((54 + row * 2880)) -N 2880 "$1" | tr -s ' ' '\n' | sed '/^$/d' |
    awk -v want="$([ "$2" = 2 ] && echo 0 || echo 255)" '(NR - 1) % 3 == 0 { b = $1 } (NR - 1) % 3 == 2 && b == want && $1 == want { print int((NR - 1) / 3); exit }'
}
for rate in 24:10 60:4 59.94:4 144:2 165:1 240:1 360:1 500:1 1000:1; do
  hz=${rate%%:*}; slowest=${rate##*:}
  expect_exit 0 42 960 540 "$work/f0.bmp" --hz "$hz" --frame 0
  expect_exit 0 42 960 540 "$work/f1.bmp" --hz "$hz" --frame 1
  for lane in 0 1 2; do
    step=$(( $(block_left "$work/f1.bmp" $lane) - $(block_left "$work/f0.bmp" $lane) ))
    [ "$step" = $((slowest << lane)) ] || fail "$hz Hz, lane $lane: step $step, expected $((slowest << lane))"
  done
done
expect_exit 2 42 8 8 "$work/bad.bmp" --hz 60.0001
expect_exit 2 42 8 8 "$work/bad.bmp" --hz 0.5
# The HDR frame as the presenter shows it, in floats: at 64 x 48 the clipping screen's boxes have no
# room, so the whole frame is its 5 cd/m2 ground (5 / 80 exactly) but for the texts; at 960 x 540
# each box's centre is its luminance / 80 exactly (boxes 111 pixels wide, in cells of 154 x 169
# from (16, 16), five in the last row), and the texts are standard-range white at most (1.0).
# pfm_check FILE WIDTH HEIGHT CHECKS...: each check "X,Y=VALUE" (the pixel's R, G and B are
# VALUE) or "max:TOP-BOTTOM=VALUE" (the largest channel in those rows is VALUE).
pfm_check() {
  python3 - "$@" <<'PY'
import struct, sys
path, width, height = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
data = open(path, "rb").read()
header = b"PF\n%d %d\n-1.0\n" % (width, height)
problems = []
if not data.startswith(header): problems.append("header %r" % data[:20])
if len(data) != len(header) + width * height * 12: problems.append("size %d" % len(data))
pixels = data[len(header):]
def pixel(x, y):  # rows bottom to top
    return struct.unpack_from("<3f", pixels, ((height - 1 - y) * width + x) * 12)
for check in sys.argv[4:] if not problems else []:
    where, value = check.split("=")
    if where.startswith("max:"):
        top, bottom = map(int, where[4:].split("-"))
        got = max(struct.unpack_from("<%df" % (width * 3), pixels, (height - 1 - y) * width * 12)[i]
                  for y in range(top, bottom + 1) for i in range(width * 3))
        if got != float(value): problems.append("%s is %r" % (check, got))
    else:
        x, y = map(int, where.split(","))
        if pixel(x, y) != (float(value),) * 3: problems.append("%s is %r" % (check, pixel(x, y)))
print("; ".join(problems))
PY
}
expect_exit 0 55 64 48 "$work/clip.pfm"
problems=$(pfm_check "$work/clip.pfm" 64 48 0,0=0.0625 63,47=0.0625 32,24=0.0625 max:0-47=1.0)
[ -z "$problems" ] || fail "55 at 64 x 48: $problems"
expect_exit 0 55 960 540 "$work/clip.pfm" --lang 1
# Boxes 0 (400 cd/m2), 5 (900), 6 (1000, second row), 12 (2500, last row) and 16 (10 000); then the
# row of texts under the first row of boxes.
problems=$(pfm_check "$work/clip.pfm" 960 540 92,90=5.0 862,90=11.25 92,259=12.5 169,428=31.25 785,428=125.0 \
  36,36=0.0625 max:150-165=1.0)
[ -z "$problems" ] || fail "55 at 960 x 540: $problems"
# The gallery's tone map of that frame (scripts/hdr-tonemap): 10 000 cd/m2 is full white, the 5
# cd/m2 ground 69, 400 cd/m2 235; what is no whole float PFM is refused with a message.
tonemap="$2/scripts/hdr-tonemap"
"$tonemap" "$work/clip.pfm" "$work/clip.ppm" || fail "hdr-tonemap failed"
ppm_pixel() { od -An -t u1 -j $((15 + ($2 * 960 + $1) * 3)) -N 3 "$work/clip.ppm" | tr -s ' ' | sed 's/^ //'; }
[ "$(head -c 15 "$work/clip.ppm")" = "$(printf 'P6\n960 540\n255\n')" ] || fail "tone-mapped header"
for probe in "785 428 255 255 255" "36 36 69 69 69" "92 90 235 235 235"; do
  read -r x y want <<<"$probe"
  [ "$(ppm_pixel "$x" "$y")" = "$want" ] || fail "tone-mapped ($x, $y) is $(ppm_pixel "$x" "$y"), not $want"
done
head -c 1000 "$work/clip.pfm" >"$work/short.pfm"
for bad in "$work/red.bmp" "$work/short.pfm" "$work/none.pfm"; do
  output=$("$tonemap" "$bad" "$work/bad.ppm" 2>&1) && fail "hdr-tonemap took $bad"
  [[ "$output" == hdr-tonemap:* ]] || fail "hdr-tonemap on $bad: $output"
done
# Every HDR screen gives its frame; the PFM is refused for the others, and with the overlay.
for mode in $(seq 48 59); do
  expect_exit 0 "$mode" 7 5 "$work/h$mode.pfm"
  [ "$(stat -c %s "$work/h$mode.pfm" 2>/dev/null)" = $((12 + 7 * 5 * 12)) ] || fail "mode $mode: bad PFM"
done
for mode in 0 42 47; do
  output=$("$run" "$render" "$mode" 64 48 "$work/bad.pfm" 2>&1); code=$?
  [ "$code" = 2 ] && [[ "$output" == *"a .pfm file is for the HDR screens 48..59, not screen $mode"* ]] &&
    [ "$(wc -l <<<"$output")" = 1 ] || fail "mode $mode to .pfm: exit $code: $output"
done
expect_exit 2 55 64 48 "$work/bad.pfm" --guide
[ ! -e "$work/bad.pfm" ] || fail "a refused PFM was written"
leftovers=$(find "$work" -name '*.part' | wc -l)
[ "$leftovers" = 0 ] || fail "$leftovers temporary files left behind"

[ $failures -eq 0 ] && echo "render_tool: all checks passed"
exit $((failures > 0))
