#!/usr/bin/env bash
# The real tavro.exe used the way a person uses it: pointer and keys through X events, judged by
# screenshots. It runs in a Wine virtual desktop of 1280 x 1024 (the only place mode changes work)
# and is given a 1920 x 1080 monitor by writing a real EDID into Wine's monitor key.
# Called by ctest as: bash end_to_end.sh <path of tavro.exe> <source dir>
set -uo pipefail
exe="$(cd "$(dirname "$1")" && pwd)/$(basename "$1")"
build=$(dirname "$exe")
src=$(cd "$2" && pwd)
probe_src="$src/tests/scripts/probe"
work=$(mktemp -d)
desk="tavro_e2e_$$"
edid_file="$src/tests/data/edid/D_Dell_DELD0D9_09432B13B913.bin"  # its base block alone: 1920 x 1080
monitor_key='HKLM\SYSTEM\CurrentControlSet\Enum\DISPLAY\Default_Monitor\0000&0000\Device Parameters'

source "$src/tests/support/desktop_run.bash"

# Sound goes to ALSA's default device, here a file (Wine would prefer a PulseAudio server: none).
export PULSE_SERVER="unix:$work/no-pulse-server"
cat >"$work/asound.conf" <<CONF
pcm.!default { type file; slave.pcm "null"; file "$work/capture.raw"; format "raw" }
CONF
export ALSA_CONFIG_PATH="/usr/share/alsa/alsa.conf:$work/asound.conf"

# The window lister runs inside the desktop (its windows are no X windows, so xdotool cannot see them).
cxx=$(sed -n "s/^TAVRO_MINGW_CXX:[A-Z]*=//p" "$build/CMakeCache.txt")
"$cxx" -O1 -static -o "$work/list_windows.exe" "$probe_src/list_windows.cpp" || fail "cannot build the window lister"

# ---- helpers ----------------------------------------------------------------------------------
shot() { xwd -silent -id "$desktop" >"$work/shot.xwd"; }
# Colours "R,G,B" at the given points of the last screenshot, one per line (first line: its size).
pixels() { python3 "$probe_src/xwd_pixels.py" "$@" <"$work/shot.xwd"; }
pixel() { pixels "$1,$2" | sed -n 2p; }
# Takes a screenshot and succeeds when the pixel at (x, y) has colour `rgb`.
screen_pixel_is() { shot && [ "$(pixel "$1" "$2")" = "$3" ]; }
region_signature() { convert "xwd:$work/shot.xwd" -crop "$3x$4+$1+$2" -format '%#' info:; }
desktop_size() { xwininfo -id "$desktop" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}'; }
desktop_size_is() { [ "$(desktop_size)" = "$1" ]; }
click() { xdotool mousemove --window "$desktop" "$1" "$2" click 1; }
point_at() { xdotool mousemove --window "$desktop" "$1" "$2"; }
key() { xdotool key "$@"; }
# Lists the desktop's visible windows into $work/windows.txt (explorer does not wait for the lister).
list_windows() {
  rm -f "$work/windows.raw"
  "$src/scripts/wine" explorer "/desktop=$desk" "$work/list_windows.exe" >"$work/windows.raw" 2>/dev/null
  poll 15 grep -q '^end' "$work/windows.raw" || fail "the window lister gave no answer"
  tr -d '\r' <"$work/windows.raw" >"$work/windows.txt"
}
windows_match() { list_windows && grep -qE "$1" "$work/windows.txt"; }
windows_lack() { list_windows && ! grep -qE "$1" "$work/windows.txt"; }
# Wine rewrites its monitor keys whenever a Wine process starts and after each mode change, so the
# monitor's EDID is written afresh right before each run is started.
write_edid() {
  "$src/scripts/wine" reg add "$monitor_key" /v EDID /t REG_BINARY /d "$(head -c 128 "$edid_file" | xxd -p | tr -d '\n')" /f \
    >/dev/null 2>&1 || fail "cannot write the EDID"
}
capture_size() { stat -c %s "$work/capture.raw" 2>/dev/null || echo 0; }

# ---- start --------------------------------------------------------------------------------------
step "start tavro.exe in a 1280 x 1024 virtual desktop"
start_in_desktop 170
# The pointer starts wherever the X server has it, perhaps over a card: put it in a corner.
xdotool mousemove --window "$desktop" 40 40
[ "$(desktop_size)" = "1280x1024" ] || fail "desktop is $(desktop_size), not 1280x1024"

step "the selection window: caption, size, centred, debug.txt"
poll 30 windows_match '^window TAVROSelectWindow\|' || fail "no selection window: $(cat "$work/windows.txt")"
line=$(grep '^window TAVROSelectWindow|' "$work/windows.txt")
echo "$line"
IFS='|' read -r _ caption rect client <<<"$line"
[ "$caption" = "TAVRO - Select Tests" ] || fail "caption is '$caption'"
# A 1054 x 565 client area in Wine's frame is a 1060 x 590 window, centred in 1280 x 1024:
# (1280 - 1060) / 2 = 110, (1024 - 590) / 2 = 217.
[ "$rect" = "110,217,1170,807" ] || fail "window rectangle is $rect, not 110,217,1170,807"
[ "${client%% at *}" = "client 1054x565" ] || fail "client area is $client, not 1054 x 565"
read -r ox oy <<<"$(echo "$client" | sed 's/.* at \([0-9]*\),\([0-9]*\)$/\1 \2/')"
poll 5 test -s debug.txt || fail "no debug.txt"
[ "$(tr -d '\r' <debug.txt)" = "Window created OK" ] || fail "debug.txt holds: $(cat debug.txt)"

# Card i sits at client (20 + 342 * (i % 3), 68 + 58 * (i / 3)), 330 x 48. At half its height the
# left edge shows the outline: green (0,180,90) when ticked, (227,225,218) when not, (185,194,202)
# when not ticked but under the pointer; 5 px in is the fill: (242,251,246) ticked, white not,
# (250,250,248) under the pointer.
card_x() { echo $((ox + 20 + 342 * ($1 % 3))); }
card_y() { echo $((oy + 68 + 58 * ($1 / 3) + 24)); }
card_look() {
  local x y
  x=$(card_x "$1")
  y=$(card_y "$1")
  pixels "$x,$y" "$((x + 5)),$y" | tail -n 2 | tr '\n' ' '
}
ticked_look="0,180,90 242,251,246 "
plain_look="227,225,218 255,255,255 "
hover_look="185,194,202 250,250,248 "
card_looks() { shot && [ "$(card_look "$1")" = "$2" ]; }

step "two ticked cards, thirteen not"
point_at 40 40  # off the window: nothing is hovered
all_cards_as_started() {
  shot || return 1
  local i want
  for i in $(seq 0 14); do
    want=$plain_look
    [ "$i" -lt 2 ] && want=$ticked_look
    [ "$(card_look "$i")" = "$want" ] || return 1
  done
}
if ! poll 5 all_cards_as_started; then
  for i in $(seq 0 14); do echo "card $i looks $(card_look "$i")"; done
  fail "expected cards 0 and 1 ticked, 2 to 14 not"
fi

step "clicking a card toggles its look"
click $(($(card_x 2) + 150)) "$(card_y 2)"
poll 5 card_looks 2 "$ticked_look" || fail "clicked card 2 looks $(card_look 2), not ticked"
click $(($(card_x 2) + 150)) "$(card_y 2)"
poll 5 card_looks 2 "$hover_look" || fail "card 2 clicked again looks $(card_look 2), not unticked under the pointer"
point_at 40 40
poll 5 card_looks 2 "$plain_look" || fail "card 2 left by the pointer looks $(card_look 2)"

step "choosing Deutsch relabels the caption and the cards"
shot
label_before=$(region_signature $(($(card_x 0) + 40)) $(($(card_y 0) - 12)) 200 24)
combo_x=$((ox + 854 + 90))
combo_y=$((oy + 16 + 10))
click "$combo_x" "$combo_y"
sleep 0.3
key Down Down Return  # English, 简体中文, Deutsch
poll 15 windows_match '^window TAVROSelectWindow\|TAVRO - Tests auswählen\|' ||
  fail "caption did not become German: $(cat "$work/windows.txt")"
label_changed() { shot && [ "$(region_signature $(($(card_x 0) + 40)) $(($(card_y 0) - 12)) 200 24)" != "$label_before" ]; }
poll 5 label_changed || fail "the first card's label did not change"
click "$combo_x" "$combo_y"
sleep 0.3
key Up Up Return
poll 15 windows_match '^window TAVROSelectWindow\|TAVRO - Select Tests\|' || fail "caption did not return to English"

step "the pointer over START lightens it"
# START is (18,24,31) with white blended over at 30/255 when hovered: 18 + 237 * 30 / 255 = 45.9,
# 24 + 231 * 30 / 255 = 51.2, 31 + 224 * 30 / 255 = 57.4.
start_x=$((ox + 20))
start_y=$((oy + 396))
near() {  # near "R,G,B" "R,G,B": every channel within 1
  local a b
  IFS=, read -ra a <<<"$1"
  IFS=, read -ra b <<<"$2"
  for c in 0 1 2; do [ $((a[c] - b[c])) -le 1 ] && [ $((b[c] - a[c])) -le 1 ] || return 1; done
}
start_near() { shot && near "$(pixel $((start_x + 5)) $((start_y + 4)))" "$1"; }
poll 5 start_near 18,24,31 || fail "START is $(pixel $((start_x + 5)) $((start_y + 4))) before hovering"
point_at $((start_x + 30)) $((start_y + 20))
poll 5 start_near 46,51,57 || fail "hovered START is $(pixel $((start_x + 5)) $((start_y + 4)))"
point_at 40 40
poll 5 start_near 18,24,31 || fail "START stays light after the pointer left"

step "AUTO with Solid Colors: native resolution, white, black after about 3 s, overlay, keys, Esc"
click $(($(card_x 1) + 150)) "$(card_y 1)"  # untick brightness: only the five solid colours remain
poll 5 card_looks 1 "$hover_look" || fail "card 1 did not untick"
write_edid
clicked_at=$(date +%s%N)
click $((ox + 230 + 80)) $((oy + 396 + 20))
poll 15 desktop_size_is 1920x1080 || fail "desktop stays $(desktop_size) after AUTO"
poll 10 screen_pixel_is 960 540 255,255,255 || fail "centre is $(pixel 960 540), not white"
white_at=$(date +%s%N)
# The overlay sits 24 px above the bottom, centred; its lowest rows are margin, so (960, 1052) shows
# the panel: dark (18,24,31) at 180/255 over black is (12,16,21) give or take a rounding.
panel_seen=0
black_with_panel() {
  shot || return 1
  local got
  got=$(pixels 960,540 960,1052 | tail -n 2 | tr '\n' ' ')
  case "$got" in
    "0,0,0 0,0,0 ") return 0 ;;
    "0,0,0 "*) near "${got#0,0,0 }" 12,16,21 && panel_seen=1; return 1 ;;
  esac
  return 1
}
poll 8 black_with_panel || fail "centre $(pixel 960 540), panel $(pixel 960 1052): no black screen without overlay"
black_at=$(date +%s%N)
# White is seen a screenshot or more after it came, the later the busier the machine: the shortest it
# can have lasted is counted from the click, the longest from the first screenshot that showed it.
shown_ms=$(((black_at - white_at) / 1000000))
since_click_ms=$(((black_at - clicked_at) / 1000000))
echo "white shown about $shown_ms ms (until the black screen's overlay was gone), $since_click_ms ms after AUTO"
[ "$since_click_ms" -ge 2000 ] && [ "$shown_ms" -le 5500 ] || fail "white for $shown_ms ms, expected about 3 s"
[ "$panel_seen" -eq 1 ] || echo "note: the overlay came and went between two screenshots"
# Space steps on to red; Left goes back to black with the overlay shown again; Right to red.
key space
poll 3 screen_pixel_is 960 540 255,0,0 || fail "Space: centre is $(pixel 960 540), not red"
key Left
poll 3 screen_pixel_is 960 540 0,0,0 || fail "Left: centre is $(pixel 960 540), not black"
near "$(pixel 960 1052)" 12,16,21 || [ "$panel_seen" -eq 1 ] || fail "the overlay never appeared"
poll 3 screen_pixel_is 960 1052 0,0,0 || fail "the overlay does not go away"
key Right
poll 3 screen_pixel_is 960 540 255,0,0 || fail "Right: centre is $(pixel 960 540), not red"
list_windows
grep -q '^window TAVROTestWindow|.*|0,0,1920,1080|' "$work/windows.txt" ||
  fail "no borderless test window covering the desktop: $(cat "$work/windows.txt")"
key Escape
poll 15 desktop_size_is 1280x1024 || fail "desktop is $(desktop_size) after Esc"
poll 15 windows_lack '^window TAVROTestWindow' || fail "the test window is still there after Esc"
grep -q '^window TAVROSelectWindow|TAVRO - Select Tests|110,217,1170,807|' "$work/windows.txt" ||
  fail "the selection window did not come back: $(cat "$work/windows.txt")"

step "START with only Sound: two circles, sound captured while shown, silence after Esc"
point_at 40 40
click $(($(card_x 0) + 150)) "$(card_y 0)"
click $(($(card_x 9) + 150)) "$(card_y 9)"
point_at 40 40
poll 5 card_looks 9 "$ticked_look" || fail "card 9 did not tick"
shot
[ "$(card_look 0)" = "$plain_look" ] || fail "card 0 did not untick"
write_edid
click $((start_x + 100)) $((start_y + 20))
poll 15 desktop_size_is 1920x1080 || fail "desktop stays $(desktop_size) after START"
# At 1920 x 1080 the circles have radius min(1920, 1080) / 10 = 108 around (480, 360) and
# (1440, 360), drawn with a 3 px white pen: the rings pass x = 372 and x = 1332 at y = 360 and
# y = 252 at x = 480 and 1440; (480, 300) and (1440, 300) lie inside, black.
ring_pixels() {
  shot || return 1
  local got
  got=$(pixels 372,360 588,360 480,252 1332,360 1548,360 1440,252 480,300 1440,300 | tail -n 8 | tr '\n' ' ')
  [ "$got" = "255,255,255 255,255,255 255,255,255 255,255,255 255,255,255 255,255,255 0,0,0 0,0,0 " ]
}
poll 10 ring_pixels || fail "no two circles: $(pixels 372,360 588,360 480,252 1332,360 1548,360 1440,252 480,300 1440,300 | tail -n 8 | tr '\n' ' ')"
grows() { local a; a=$(capture_size); sleep 0.3; [ "$(capture_size)" -gt "$a" ]; }
poll 10 grows || fail "no sound reaches the device while the sound screen is shown"
key Escape
poll 15 desktop_size_is 1280x1024 || fail "desktop is $(desktop_size) after Esc"
still() { local a; a=$(capture_size); sleep 0.5; [ "$(capture_size)" -eq "$a" ]; }
poll 5 still || fail "sound keeps coming after Esc"
settled=$(capture_size)
sleep 1
[ "$(capture_size)" -eq "$settled" ] || fail "sound started again after Esc"
echo "captured $settled bytes of sound"

step "nothing ticked: START asks for a test"
poll 15 windows_match '^window TAVROSelectWindow\|TAVRO - Select Tests\|' || fail "no selection window after the sound run"
point_at 40 40
click $(($(card_x 9) + 150)) "$(card_y 9)"
point_at 40 40
poll 5 card_looks 9 "$plain_look" || fail "card 9 did not untick"
click $((start_x + 100)) $((start_y + 20))
poll 15 windows_match '^  text Please select at least one test\.$' || fail "no message box: $(cat "$work/windows.txt")"
grep -q '^window #32770|TAVRO - Select Tests|' "$work/windows.txt" || fail "message box caption: $(cat "$work/windows.txt")"
key Return
poll 15 windows_lack '^window #32770' || fail "the message box stays after Return"

step "closing the window ends the program with exit code 0"
click $((1170 - 13)) $((217 + 12))  # the close button at the right end of the caption bar
for _ in $(seq 1 150); do
  kill -0 "$run_pid" 2>/dev/null || break
  grep -q "tavro exit code" "$work/run.out" && break
  sleep 0.1
done
code=$(tr -d '\r' <"$work/run.out" | sed -n 's/^tavro exit code \(-\?[0-9]*\)$/\1/p')
[ "$code" = "0" ] || fail "exit code '${code}' (output: $(cat "$work/run.out"))"

# One line per owner-draw request: fifteen cards and four buttons at start, then every repaint since.
lines=$(tr -d '\r' <drawitem.txt | wc -l)
bad=$(tr -d '\r' <drawitem.txt | grep -v -E '^WM_DRAWITEM: CtlID=(100[1-4]|200[0-9]|201[0-4]), CtlType=4$' || true)
[ -z "$bad" ] || fail "drawitem.txt lines out of format: $bad"
for id in 1001 1002 1003 1004 2000 2001 2002 2003 2004 2005 2006 2007 2008 2009 2010 2011 2012 2013 2014; do
  grep -q "CtlID=$id, " drawitem.txt || fail "no draw request traced for control $id"
done
[ "$lines" -ge 30 ] || fail "only $lines draw requests traced for all that clicking and hovering"
echo "ok: $lines owner-draw requests traced; exit code 0"
