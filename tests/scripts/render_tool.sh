#!/usr/bin/env bash
# tavro-render under Wine: exit codes, refusals that leave no file, and the BMP it writes.
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
expect_exit 2 48 8 8 "$work/bad.bmp"
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
for mode in $(seq 0 47); do
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
leftovers=$(find "$work" -name '*.part' | wc -l)
[ "$leftovers" = 0 ] || fail "$leftovers temporary files left behind"

[ $failures -eq 0 ] && echo "render_tool: all checks passed"
exit $((failures > 0))
