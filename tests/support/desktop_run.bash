# Sourced by the test scripts that drive the real program in a Wine server of their own; needs
# $src (the source tree), $build (the build tree) and $work (the script's scratch folder).
source "$src/tests/support/private_prefix.bash"

# A Wine server of its own on a light copy of the build prefix: a virtual desktop's size stays in
# the server's display cache and must not leak into the tests that run after this one. At exit the
# program ($run_pid), the server and $work go.
run_pid=""
base=${WINEPREFIX:-$src/build/wineprefix}
export WINEPREFIX="$work/prefix"
make_private_prefix "$base" "$WINEPREFIX"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LANG=C.UTF-8 LC_ALL=C.UTF-8
cleanup() {
  [ -n "$run_pid" ] && kill "$run_pid" 2>/dev/null
  wineserver -k 2>/dev/null
  wineserver -w 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# Says what failed, keeps the last screenshot ($work/shot.xwd) beside the tests and ends the test.
fail() {
  echo "FAIL: $*"
  local kept
  kept="$build/tests/$(basename "$0" .sh)_failure.png"
  if [ -s "$work/shot.xwd" ] && convert "xwd:$work/shot.xwd" "$kept" 2>/dev/null; then
    echo "last screenshot: $kept"
  fi
  exit 1
}
step() { echo "== $*"; }
winpath() { echo "Z:$1" | tr / '\\'; }
# poll TIMEOUT COMMAND...: runs COMMAND every 0.1 s until it succeeds or TIMEOUT seconds pass.
poll() {
  local end=$((SECONDS + $1))
  shift
  while ! "$@"; do
    [ $SECONDS -ge $end ] && return 1
    sleep 0.1
  done
}

# start_in_desktop SECONDS: starts $exe in a 1280 x 1024 Wine virtual desktop named $desk, from
# $work, for at most SECONDS; cmd waits for the (console subsystem) program and writes its exit
# code into $work/run.out, which explorer would not. Sets run_pid and desktop (its X window).
desktop=""
find_desktop() { desktop=$(xdotool search --name "^$desk - Wine desktop\$" 2>/dev/null | head -n 1) && [ -n "$desktop" ]; }
start_in_desktop() {
  wineserver -p
  cd "$work" || exit 1
  printf '@echo off\r\n"%s"\r\necho tavro exit code %%errorlevel%%\r\n' "$(winpath "$exe")" >"$work/run.bat"
  timeout "$1" "$src/scripts/wine" explorer "/desktop=$desk,1280x1024" cmd /c "$(winpath "$work/run.bat")" \
    >"$work/run.out" 2>&1 &
  run_pid=$!
  poll 30 find_desktop || fail "no X window named '$desk - Wine desktop'"
}
