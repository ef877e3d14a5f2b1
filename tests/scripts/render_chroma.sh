#!/usr/bin/env bash
# The chroma screen as tavro-render writes it at three monitor sizes: each of the four bands keeps
# its two colours one pixel apart, counted from the screen's pixel (0, 0), beside a patch of their
# mean, read out of the BMP file.
# Called as: bash render_chroma.sh <path of tavro.exe> <source dir>
# ctest labels: apart
set -u
render="$(dirname "$1")/tools/render/tavro-render.exe"
run="$2/scripts/wine-run"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# pixel FILE W H X Y: "R,G,B" of screen pixel (X, Y) in a 24-bit bottom-up BMP W x H.
pixel() {
  local stride=$(((3 * $2 + 3) / 4 * 4))
  od -An -t u1 -j $((54 + ($3 - 1 - $5) * stride + 3 * $4)) -N 3 "$1" | awk '{print $3 "," $2 "," $1}'
}

red=255,0,0 blue=0,0,255 magenta=255,0,255 green=0,255,0 yellow=255,255,0
# Band: the colour where the coordinate across its stripes is even, where it is odd, that coordinate,
# and the colour of the solid patch at its right end (the mean of the two, halves rounded up).
purple=128,0,128 grey=128,128,128
bands=("$red $blue x $purple" "$red $blue y $purple" "$magenta $green x $grey" "$yellow $blue x $grey")
for size in 1920x1080 1366x768 3840x2160; do
  w=${size%x*} h=${size#*x}
  bmp="$work/chroma-$size.bmp"
  "$run" "$render" 44 "$w" "$h" "$bmp" >/dev/null 2>&1 || { fail "$size: tavro-render failed"; continue; }
  for b in 0 1 2 3; do
    read -r even odd across mean <<<"${bands[$b]}"
    # The bands fill the top two fifths; their stripes end where the patches take the right eighth.
    top=$((b * (2 * h / 5) / 4)) bottom=$(((b + 1) * (2 * h / 5) / 4)) patch=$((w - w / 8))
    for y in $top $((top + 1)) $((bottom - 1)); do
      for x in $patch $((w - 1)); do
        got=$(pixel "$bmp" "$w" "$h" "$x" "$y")
        [ "$got" = "$mean" ] || fail "$size patch $b ($x, $y): $got, expected $mean"
      done
      for x in 0 1 $((w / 2)) $((w / 2 + 1)) $((patch - 2)) $((patch - 1)); do
        coordinate=$x
        [ "$across" = y ] && coordinate=$y
        want=$even
        [ $((coordinate % 2)) = 1 ] && want=$odd
        got=$(pixel "$bmp" "$w" "$h" "$x" "$y")
        [ "$got" = "$want" ] || fail "$size band $b ($x, $y): $got, expected $want"
      done
    done
  done
done

[ $failures -eq 0 ] && echo "render_chroma: all checks passed"
exit $((failures > 0))
