#!/usr/bin/env bash
# From a dead pixel seen on the black screen to a saved report, with the keyboard and the mouse
# alone: the real tavro.exe started with /start /cards 1 /report in a Wine virtual desktop given a
# real monitor's EDID, two defects marked with M, the arrows, 3 and Enter, one screen noted with N,
# and the report parsed as HTML. A bad argument first: the usage, and exit code 2; /auto /report
# with the exit code and the line on standard output, saved into a folder it made (0, and the file
# flushed to the disk before it takes its name, where strace can watch) and not (1, and the results
# window offered); /report with no run (1); no windows at all (3).
# Called by ctest as: bash findings_report.sh <path of tavro.exe> <source dir>
set -uo pipefail
exe="$(cd "$(dirname "$1")" && pwd)/$(basename "$1")"
build=$(dirname "$exe")
src=$(cd "$2" && pwd)
work=$(mktemp -d)
desk=""  # named by run_with
edid_file="$src/tests/data/edid/D_Dell_DELD0D9_09432B13B913.bin"  # its base block alone: 1920 x 1080
monitor_key='HKLM\SYSTEM\CurrentControlSet\Enum\DISPLAY\Default_Monitor\0000&0000\Device Parameters'

source "$src/tests/support/desktop_run.bash"

desktop_size() { xwininfo -id "$desktop" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}'; }
desktop_size_is() { [ "$(desktop_size)" = "$1" ]; }
shot() { xwd -silent -id "$desktop" >"$work/shot.xwd"; }
pixel_is() { shot && [ "$(python3 "$src/tests/scripts/probe/xwd_pixels.py" "$1,$2" <"$work/shot.xwd" | sed -n 2p)" = "$3" ]; }
exit_code() { tr -d '\r' <"$work/run.out" | sed -n 's/^tavro exit code \(-\?[0-9]*\)$/\1/p'; }
has_exit_code() { [ -n "$(exit_code)" ]; }

# end_run: the program, its desktop and the Wine server are gone.
end_run() {
  [ -n "$run_pid" ] && kill "$run_pid" 2>/dev/null
  wineserver -k 2>/dev/null
  wineserver -w 2>/dev/null
  run_pid=""
}

# run_with ARGS...: starts tavro.exe with ARGS in a desktop of its own (a name not used before, so
# that the last run's desktop, still going away, is never taken for it), from $work; under the
# command in $trace_with where that is set.
runs=0
trace_with=()
run_with() {
  runs=$((runs + 1))
  desk="tavro_findings_$$_$runs"
  wineserver -p
  cd "$work" || exit 1
  printf '@echo off\r\n"%s" %s\r\necho tavro exit code %%errorlevel%%\r\n' "$(winpath "$exe")" "$*" >"$work/run.bat"
  timeout 120 "${trace_with[@]}" "$src/scripts/wine" explorer "/desktop=$desk,1280x1024" cmd /c "$(winpath "$work/run.bat")" \
    >"$work/run.out" 2>&1 &
  run_pid=$!
  poll 30 find_desktop || fail "no X window named '$desk - Wine desktop'"
}

step "a bad argument: the usage, then exit code 2"
run_with /cards 16
sleep 3
xdotool key Return  # the message box has the focus
poll 15 has_exit_code || fail "no exit code: $(cat "$work/run.out")"
[ "$(exit_code)" = 2 ] || fail "exit code $(exit_code) for a bad argument"
end_run

# closes_with CODE LINE: Alt+F4 ends the program with exit code CODE, its standard output
# (redirected to $work/stdout.txt) one line that begins with LINE.
closes_with() {
  xdotool key alt+F4
  poll 15 has_exit_code || fail "no exit code: $(cat "$work/run.out")"
  [ "$(exit_code)" = "$1" ] || fail "exit code $(exit_code), not $1"
  local out
  out=$(tr -d '\r' <"$work/stdout.txt")
  [ "$(wc -l <"$work/stdout.txt")" = 1 ] && [ "${out#"$2"}" != "$out" ] || fail "stdout '$out', not '$2'"
}
stdout_to="\"$(winpath "$work/stdout.txt")\""

step "/auto /cards 1 /report: the run begins at once, with Solid Colors alone; Esc saves the report"
auto_report="$work/made/for it/auto report.html"
# Wine flushes a file with fsync in the program's own process; strace sees which file it was. With
# a seccomp filter only those calls stop the program; without one every call does, and the program
# takes many times as long to start, the longer the busier the machine.
if strace --seccomp-bpf -f -o /dev/null true 2>/dev/null; then
  trace_with=(strace --seccomp-bpf -f -qq -y -e trace=fsync,fdatasync -o "$work/sync.log")
elif strace -o /dev/null true 2>/dev/null; then
  trace_with=(strace -f -qq -y -e trace=fsync,fdatasync -o "$work/sync.log")
fi
run_with /auto /cards 1 /report "\"$(winpath "$auto_report")\"" ">$stdout_to"
trace_with=()
poll 60 pixel_is 640 512 255,255,255 || fail "no white screen at once"
poll 10 pixel_is 640 512 0,0,0 || fail "AUTO did not step to black"
xdotool key Escape
poll 15 test -s "$auto_report" || fail "no report at $auto_report"
sleep 1
closes_with 0 "Meets ISO 13406-2 class I. Report: $(winpath "$auto_report")"
end_run
if [ -f "$work/sync.log" ]; then
  grep -q "sync([0-9]*<[^>]*/auto report.html.1.part>" "$work/sync.log" || fail "the report was not flushed before its rename"
fi

step "/report into a folder under a file: the failure said, the results window offers it, exit code 1"
echo "a file" >"$work/file"
run_with /auto /cards 1 /report "\"$(winpath "$work/file/r.html")\"" ">$stdout_to"
poll 30 pixel_is 640 512 255,255,255 || fail "no white screen at once"
xdotool key Escape
sleep 2
xdotool key Return  # the message box that says why
sleep 1
xdotool key Escape  # the results window that offers the report
sleep 1
closes_with 1 "The report could not be saved to $(winpath "$work/file/r.html"): "
end_run

step "/report, and the program closed before any run ended: exit code 1"
run_with /cards 1 /report "\"$(winpath "$work/never.html")\"" ">$stdout_to"
sleep 3
xdotool key alt+F4
poll 15 has_exit_code || fail "no exit code: $(cat "$work/run.out")"
[ "$(exit_code)" = 1 ] || fail "exit code $(exit_code) with /report and no run"
[ ! -e "$work/never.html" ] || fail "a report with no run"
end_run

step "no X display, so no window: exit code 3"
(cd "$work" && DISPLAY= WAYLAND_DISPLAY= timeout 60 "$src/scripts/wine" cmd /c "$(winpath "$work/run.bat")" >"$work/run.out" 2>&1)
[ "$(exit_code)" = 3 ] || fail "exit code $(exit_code) with no windows: $(cat "$work/run.out")"
end_run

step "/cards 1 /report, then START on a monitor with an EDID: the run on the native mode"
report="$work/report.html"
run_with /cards 1 /report "\"$(winpath "$report")\""
sleep 3
# Wine rewrites its monitor keys whenever a Wine process starts: the EDID goes in once it runs.
"$src/scripts/wine" reg add "$monitor_key" /v EDID /t REG_BINARY /d "$(head -c 128 "$edid_file" | xxd -p | tr -d '\n')" /f \
  >/dev/null 2>&1 || fail "cannot write the EDID"
# START in the selection window, centred in the desktop: its client area starts at (113, 239), and
# START is 200 x 40 at (20, 396) in it.
xdotool mousemove --window "$desktop" $((113 + 120)) $((239 + 416)) click 1
poll 20 desktop_size_is 1920x1080 || fail "desktop stays $(desktop_size)"
poll 10 pixel_is 960 540 255,255,255 || fail "the first screen is not white"

# mark_on COLOUR X Y KEYS...: steps to the next screen, which must be COLOUR, opens the loupe at
# (X, Y) with M and presses KEYS.
mark_on() {
  local colour=$1 x=$2 y=$3
  shift 3
  xdotool key Right
  poll 5 pixel_is 960 540 "$colour" || fail "the next screen is not $colour"
  xdotool mousemove --window "$desktop" "$x" "$y"
  sleep 0.5
  xdotool key m
  sleep 0.5
  xdotool key "$@"
  sleep 0.3
}
step "on black: M at (500, 400), two steps right, one down, Enter"
mark_on 0,0,0 500 400 Right Right Down Return
step "on red: M at (100, 100), 3, Enter; N notes the screen"
mark_on 255,0,0 100 100 3 Return n
xdotool key Escape Escape
poll 15 test -s "$report" || fail "no report at $report"
[ ! -e "$report.part" ] || fail "the temporary file stayed"

step "the report, parsed"
python3 - "$report" <<'PY' || fail "the report does not say what was found"
import sys
from html.parser import HTMLParser

class Report(HTMLParser):
    def __init__(self):
        super().__init__()
        self.defects, self.facts, self.text, self.row, self.cell = [], {}, [], [], None
    def handle_starttag(self, tag, attrs):
        a = dict(attrs)
        if tag == "tr" and "data-x" in a:
            self.defects.append((int(a["data-x"]), int(a["data-y"]), int(a["data-type"])))
        if tag in ("th", "td"):
            self.cell = []
        if tag == "tr":
            self.row = []
    def handle_endtag(self, tag):
        if tag in ("th", "td") and self.cell is not None:
            self.row.append("".join(self.cell).strip())
            self.cell = None
        if tag == "tr" and len(self.row) == 2:
            self.facts.setdefault(self.row[0], self.row[1])
    def handle_data(self, data):
        self.text.append(data)
        if self.cell is not None:
            self.cell.append(data)

r = Report()
r.feed(open(sys.argv[1], encoding="utf-8").read())
text = "".join(r.text)
checks = [
    (sorted(r.defects) == [(100, 100, 3), (502, 401, 1)], f"defects {r.defects}"),
    (r.facts.get("Manufacturer") == "DEL (0xD0D9)", f"manufacturer {r.facts.get('Manufacturer')}"),
    (r.facts.get("Model") == "DELL P2419H", f"model {r.facts.get('Model')}"),
    (r.facts.get("Serial number") == "HT8W343 / 844711490", f"serial {r.facts.get('Serial number')}"),
    (r.facts.get("Made") == "week 21 of 2020", f"made {r.facts.get('Made')}"),
    (r.facts.get("Native mode") == "1920 \u00d7 1080, from the base block", f"native {r.facts.get('Native mode')}"),
    (r.facts.get("Mode tested") == "1920 \u00d7 1080, the native mode", f"mode {r.facts.get('Mode tested')}"),
    ("Meets ISO 13406-2 class II" in text, "class verdict"),
    ("Red: fault noted" in text and "Black: no fault noted" in text, "screens seen"),
    ("00 FF FF FF FF FF FF 00 10 AC D9 D0" in text, "raw EDID"),
]
bad = [what for ok, what in checks if not ok]
if bad:
    print("report: " + "; ".join(bad))
    sys.exit(1)
print("ok: the report names DEL DELL P2419H, two defects, class II")
PY
echo "findings_report: all checks passed"
