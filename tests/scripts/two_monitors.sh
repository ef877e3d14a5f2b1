#!/usr/bin/env bash
# Two real monitors: an X server of our own with two outputs side by side (Xorg's dummy driver,
# tests/multimonitor/two-outputs.conf), each given a real monitor's EDID or none, and the real
# tavro.exe driven through X events. xrandr tells what each output really shows.
# Called by ctest as: bash two_monitors.sh <path of tavro.exe> <source dir>
# ctest labels: apart
set -uo pipefail
exe="$(cd "$(dirname "$1")" && pwd)/$(basename "$1")"
src=$(cd "$2" && pwd)
source "$src/tests/support/private_prefix.bash"
source "$src/tests/support/close_program.bash"
edids="$src/tests/data/edid"
lg_1680x1050="$edids/A_RS_BTC2262_8C8B70F8B7E9.bin"       # names itself "LE2262"
vga_1024x768="$edids/A_Hitachi_HEC0088_1BEACBAF42B1.bin"
work=$(mktemp -d)
run="$src/scripts/wine"
as_before="DUMMY0=1920x1080+0+0 DUMMY1=1280x1024+1920+0"
failures=0
xorg_pid=""
program_pid=""

fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

# Puts both outputs back as the configuration has them (Wine leaves a changed mode behind when a
# program ends without restoring it).
reset_outputs() {
  xrandr --output DUMMY0 --mode 1920x1080 --pos 0x0 --primary --output DUMMY1 --mode 1280x1024 --pos 1920x0 \
    2>/dev/null
}

cleanup() {
  [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null
  wineserver -k 2>/dev/null
  wineserver -w 2>/dev/null
  [ -n "$xorg_pid" ] && kill "$xorg_pid" 2>/dev/null && wait "$xorg_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

start_xorg() {
  local n
  for n in $(seq 70 99); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || break
  done
  export DISPLAY=":$n"
  Xorg "$DISPLAY" -noreset -nolisten tcp -config "$src/tests/multimonitor/two-outputs.conf" \
    -logfile "$work/Xorg.log" -novtswitch -sharevts >/dev/null 2>&1 &
  xorg_pid=$!
  for _ in $(seq 1 50); do
    xrandr --listmonitors >/dev/null 2>&1 && return 0
    sleep 0.2
  done
  echo "FAIL: Xorg with the dummy driver did not start (scripts/setup installs it; it needs root):"
  tail -n 5 "$work/Xorg.log"
  exit 1
}

# "DUMMY0=1920x1080+0+0 DUMMY1=1280x1024+1920+0": each enabled output's mode and place.
layout() {
  xrandr --listmonitors |
    sed -n 's/^ *[0-9]*: [+*]*\(DUMMY[0-9]*\) \([0-9]*\)\/[0-9]*x\([0-9]*\)\/[0-9]*\(+[0-9]*+[0-9]*\).*/\1=\2x\3\4/p' |
    tr '\n' ' ' | sed 's/ $//'
}

# give_edid OUTPUT FILE: that output's monitor reports FILE as its EDID ("" for none).
give_edid() {
  local file=${2:-/dev/null}
  "$work/output_edid" "$1" "$file" || fail "could not give $1 an EDID"
}

# Starts the program (with the arguments given) in a Wine server of its own, so it reads the
# outputs' EDIDs afresh.
start_program() {
  wineserver -k 2>/dev/null
  wineserver -w 2>/dev/null
  (cd "$work/run" && exec "$run" "$exe" "$@") >/dev/null 2>&1 &
  program_pid=$!
  local win
  win=$(timeout 60 xdotool search --sync --onlyvisible --name '^TAVRO - Select Tests$' | head -n 1)
  [ -n "$win" ] || { fail "no selection window"; return 1; }
  eval "$(xdotool getwindowgeometry --shell "$win")"
  select_x=$X
  select_y=$Y
  xdotool mousemove 0 0  # off the window: no card or button in its hover look
  sleep 1
}

# click_select X Y: a left click at client point (X, Y) of the selection window.
click_select() {
  xdotool mousemove $((select_x + $1)) $((select_y + $2)) click 1
}

# Picks the next monitor in the monitor box with the keyboard alone: Tab to the language box, Tab
# to the monitor box beside it, Down.
pick_next_monitor() {
  click_select 800 420  # the window's own background: keys go where the pointer is without a window manager
  xdotool key Tab Tab Down
  sleep 0.5
}

# Presses START and waits for the test window; sets test_geometry to "WxH+X+Y".
start_run() {
  local win attempt
  for attempt in 1 2; do
    click_select 120 416
    win=$(timeout 6 xdotool search --sync --onlyvisible --name '^TAVRO - White' | head -n 1)
    [ -n "$win" ] && break
    # Under Wine without a window manager, the first click after a run left by a right click
    # can go to the window's activation instead.
    echo "note: START pressed again"
  done
  [ -n "$win" ] || { fail "no test window after START"; return 1; }
  eval "$(xdotool getwindowgeometry --shell "$win")"
  test_geometry="${WIDTH}x${HEIGHT}+$X+$Y"
  test_centre="$((X + WIDTH / 2)) $((Y + HEIGHT / 2))"
  sleep 0.5
}

# leave_run WAY: Esc, a right click or Alt+F4 on the test window, or closing the whole program.
leave_run() {
  # shellcheck disable=SC2086
  xdotool mousemove $test_centre
  sleep 0.3
  case $1 in
    esc) xdotool key Escape ;;
    right-click) xdotool click 3 ;;
    alt+f4) xdotool key alt+F4 ;;
    close) close_program "$run" "$program_pid" tavro.exe || fail "the program did not close" ;;
  esac
  for _ in $(seq 1 50); do
    xdotool search --onlyvisible --name '^TAVRO - White' >/dev/null 2>&1 || break
    sleep 0.2
  done
  sleep 0.5
}

# expect WHAT ACTUAL WANTED
expect() {
  if [ "$2" = "$3" ]; then echo "ok: $1: $2"; else fail "$1: got '$2', wanted '$3'"; fi
}

# The selection window's cards and command buttons as pixels, and the place of the monitor box.
cards_and_buttons() {
  import -window root -crop "1014x368+$((select_x + 20))+$((select_y + 68))" "$1"
}
monitor_box_colours() {
  import -window root -crop "180x22+$((select_x + 854))+$((select_y + 42))" -format '%k' info:
}

base=${WINEPREFIX:-$src/build/wineprefix}
export WINEPREFIX="$work/prefix"
make_private_prefix "$base" "$WINEPREFIX"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LANG=C.UTF-8 LC_ALL=C.UTF-8
mkdir -p "$work/run"
cc -O2 -o "$work/output_edid" "$src/tests/multimonitor/output_edid.c" -lXrandr -lX11 || exit 1
start_xorg
expect "the X server's outputs" "$(layout)" "$as_before"

echo "# (a) the primary without an EDID, the second with one: nothing is switched"
give_edid DUMMY0 ""
give_edid DUMMY1 "$vga_1024x768"
start_program && start_run
expect "(a) during the run" "$(layout)" "$as_before"
expect "(a) test window" "$test_geometry" "1920x1080+0+0"
leave_run esc
expect "(a) after Esc" "$(layout)" "$as_before"
leave_run close

echo "# (b) the primary with an EDID of a mode the server offers: the primary alone switches"
give_edid DUMMY0 "$lg_1680x1050"
start_program && start_run
# Windows and Wine keep the monitors side by side, so the second one moves along, in its own mode.
expect "(b) during the run" "$(layout)" "DUMMY0=1680x1050+0+0 DUMMY1=1280x1024+1680+0"
expect "(b) test window" "$test_geometry" "1680x1050+0+0"
leave_run esc
expect "(b) after Esc" "$(layout)" "$as_before"
start_program
cards_and_buttons "$work/two-monitors.png"

echo "# (c) the second monitor chosen: the test window covers it, only its mode changes"
pick_next_monitor
for way in esc right-click alt+f4 close; do
  start_run || break
  expect "(c) during the run" "$(layout)" "DUMMY0=1920x1080+0+0 DUMMY1=1024x768+1920+0"
  expect "(c) test window" "$test_geometry" "1024x768+1920+0"
  leave_run "$way"
  expect "(c) after $way" "$(layout)" "$as_before"
  [ "$(layout)" = "$as_before" ] || reset_outputs
done
kill -0 "$program_pid" 2>/dev/null && fail "(c) the program still runs after its close"

echo "# (f) /monitor 2 and /report: the run and its report are the second monitor's"
start_program /monitor 2 /cards 1 /report "Z:$work/second.html"
start_run
expect "(f) test window" "$test_geometry" "1024x768+1920+0"
leave_run esc
for _ in $(seq 1 50); do [ -s "$work/second.html" ] && break; sleep 0.2; done
expect "(f) the report's monitor" "$(grep -o 'HEC (0x0088)' "$work/second.html")" "HEC (0x0088)"
expect "(f) the report's mode" "$(grep -c '<td>1024 × 768, the native mode</td>' "$work/second.html")" "1"
leave_run close
[ "$(layout)" = "$as_before" ] || reset_outputs

echo "# (d) the chosen monitor unplugged: the list and the run go back to the primary"
start_program
[ "$(monitor_box_colours)" -gt 1 ] || fail "(d) no monitor box with two monitors"
pick_next_monitor
xrandr --output DUMMY1 --off
# Wine tells its programs nothing when an X output goes (no WM_DISPLAYCHANGE, unlike Windows), so
# a change of language, which reads the monitors again too, makes the window look.
xdotool key shift+Tab Down Up
sleep 1
expect "(d) colours where the monitor box was" "$(monitor_box_colours)" "1"
# Wine switches the primary by setting every output it still knows, so it may turn the second
# one back on: only the primary's mode counts here.
start_run
expect "(d) during the run" "$(layout | cut -d' ' -f1)" "DUMMY0=1680x1050+0+0"
expect "(d) test window" "$test_geometry" "1680x1050+0+0"
leave_run esc
expect "(d) after Esc" "$(layout | cut -d' ' -f1)" "DUMMY0=1920x1080+0+0"
leave_run close

echo "# (e) one monitor: no monitor box, and the cards and buttons as with two"
xrandr --output DUMMY1 --off
start_program
expect "(e) colours where the monitor box would be" "$(monitor_box_colours)" "1"
cards_and_buttons "$work/one-monitor.png"
expect "(e) cards and buttons" "$(compare -metric AE "$work/one-monitor.png" "$work/two-monitors.png" null: 2>&1)" "0"
leave_run close

if [ "$failures" -gt 0 ]; then
  echo "FAIL: $failures checks failed"
  exit 1
fi
echo "two monitors: every check passed"
