#!/usr/bin/env bash
# A run without the mouse: the real tavro.exe in a Wine virtual desktop, driven by `xdotool key`
# from the selection window to a test screen and back and closed with Alt+F4. The focus mark is
# read off screenshots (absent after a click, present once keys move the focus) and the pointer
# from the X side, through XFixes' cursor image: hidden over the screens while the mouse is still,
# shown by a move for about 1.5 s, shown again when the run ends.
# Called by ctest as: bash keyboard_run.sh <path of tavro.exe> <source dir>
set -uo pipefail
exe="$(cd "$(dirname "$1")" && pwd)/$(basename "$1")"
build=$(dirname "$exe")
src=$(cd "$2" && pwd)
probe_src="$src/tests/scripts/probe"
work=$(mktemp -d)
desk="tavro_keys_$$"

source "$src/tests/support/desktop_run.bash"
export PULSE_SERVER="unix:$work/no-pulse-server"

cc -O1 -o "$work/pointer_image" "$probe_src/pointer_image.c" -lXfixes -lX11 || fail "cannot build the pointer probe"
pointer() { "$work/pointer_image" | cut -d' ' -f1; }
pointer_is() { [ "$(pointer)" = "$1" ]; }

shot() { xwd -silent -id "$desktop" >"$work/shot.xwd" 2>/dev/null; }
pixels() { python3 "$probe_src/xwd_pixels.py" "$@" <"$work/shot.xwd" | tail -n +2; }
pixel_is() { shot && [ "$(pixels "$1,$2")" = "$3" ]; }

# The window is 1060 x 590 under Wine's frame (a 1054 x 565 client area), centred in the 1280 x 1024
# desktop at (110, 217); its client area starts 3 px right of and 22 px below that corner.
ox=113
oy=239
card_x() { echo $((ox + 20 + 342 * ($1 % 3))); }
card_y() { echo $((oy + 68 + 58 * ($1 / 3))); }
# Pixels of card i's focus-mark column (4 px inside its left edge) that differ from its fill.
mark_pixels() {
  local x y points=() fill
  x=$(card_x "$1")
  y=$(card_y "$1")
  fill=$(pixels "$((x + 5)),$((y + 24))")
  for row in $(seq 8 39); do points+=("$((x + 4)),$((y + row))"); done
  pixels "${points[@]}" | grep -vcx "$fill"
}
marked() { shot && [ "$(mark_pixels "$1")" -gt 8 ]; }
unmarked() { shot && [ "$(mark_pixels "$1")" -eq 0 ]; }

step "start tavro.exe in a 1280 x 1024 virtual desktop"
start_in_desktop 120
xdotool mousemove --window "$desktop" 40 40
poll 30 pixel_is $((ox + 5)) $((oy + 5)) 245,244,240 || fail "no selection window at ($ox, $oy)"
pointer_is shown || fail "the pointer over the desktop is $(pointer)"

step "a click ticks a card and focuses it without a focus mark"
xdotool mousemove --window "$desktop" $(($(card_x 2) + 150)) $(($(card_y 2) + 24)) click 1
xdotool mousemove --window "$desktop" 40 40
poll 5 pixel_is "$(card_x 2)" $(($(card_y 2) + 24)) 0,180,90 || fail "card 2 did not tick"
unmarked 2 || fail "a focus mark on the clicked card: $(mark_pixels 2) pixels"

step "keys only from here: Tab, arrows and Space choose Solid Colors and Geometry, Enter starts"
xdotool key Tab  # card 2 -> card 3, marks shown from now on
poll 5 marked 3 || fail "no focus mark on card 3 after Tab"
unmarked 2 || fail "card 2 keeps a mark after Tab"
xdotool key Up Right space Left  # card 3 -> 0 -> 1, untick Brightness, -> card 0
poll 5 marked 0 || fail "no focus mark on card 0 after Up Right Left"
poll 5 pixel_is "$(card_x 1)" $(($(card_y 1) + 24)) 227,225,218 || fail "Space did not untick card 1"
xdotool key Return
poll 15 pixel_is 640 512 255,255,255 || fail "Enter on a card did not start the run (centre $(pixels 640,512))"

step "the pointer over the screens: hidden, shown by a move, hidden again about 1.5 s later"
poll 5 pointer_is hidden || fail "the pointer is $(pointer) on the first screen"
xdotool mousemove_relative 9 9
poll 3 pointer_is shown || fail "a move did not show the pointer"
moved=$(date +%s%N)
poll 6 pointer_is hidden || fail "the pointer stays shown"
shown_ms=$((($(date +%s%N) - moved) / 1000000))
echo "pointer shown about $shown_ms ms after the move"
[ "$shown_ms" -ge 1200 ] || fail "the pointer hid after $shown_ms ms, not about 1.5 s"
xdotool key space
poll 5 pixel_is 640 512 0,0,0 || fail "Space did not step to black"
pointer_is hidden || fail "the pointer is $(pointer) after a step"

step "Esc: the selection window again, the pointer shown, the focus back on card 0"
xdotool key Escape
poll 15 pixel_is $((ox + 5)) $((oy + 5)) 245,244,240 || fail "the selection window did not come back"
pointer_is shown || fail "the pointer is $(pointer) after Esc"
poll 5 marked 0 || fail "the focus did not come back to card 0"

step "Alt+F4 ends the program with exit code 0"
xdotool key alt+F4
for _ in $(seq 1 150); do
  grep -q "tavro exit code" "$work/run.out" && break
  sleep 0.1
done
code=$(tr -d '\r' <"$work/run.out" | sed -n 's/^tavro exit code \(-\?[0-9]*\)$/\1/p')
[ "$code" = "0" ] || fail "exit code '${code}' (output: $(cat "$work/run.out"))"
echo "ok: keyboard-only run, pointer hidden and shown, exit code 0"
