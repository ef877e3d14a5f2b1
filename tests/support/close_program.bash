# Sourced by test scripts that start the real program and close it as Alt+F4 does.
# close_program RUN PID IMAGE: sends WM_CLOSE to the windows of IMAGE (taskkill without /f) through
# the Wine runner RUN, and again every second while PID runs, for up to 20 s; fails if it still runs.
# A window seen a moment too early (one of an earlier program's, not yet gone from X) would
# otherwise let the one close request arrive before the program has a window to take it.
close_program() {
  local run=$1 pid=$2 image=$3 attempt
  for attempt in $(seq 1 20); do
    "$run" taskkill /im "$image" >/dev/null 2>&1 || true
    for _ in 1 2 3 4 5; do
      if ! kill -0 "$pid" 2>/dev/null; then
        [ "$attempt" -eq 1 ] || echo "note: $image closed on close request $attempt"
        return 0
      fi
      sleep 0.2
    done
  done
  return 1
}
