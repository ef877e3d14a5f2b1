# Sourced by test scripts that need a Wine server of their own: a virtual desktop or a changed
# registry setting stays with its server and must not reach the tests that run after them.
# make_private_prefix BASE DIR: a light prefix in DIR that starts from a copy of BASE's registry
# and shares BASE's drive C (nothing is copied but the registry files).
make_private_prefix() {
  local base=$1 dir=$2
  mkdir -p "$dir/dosdevices"
  cp "$base"/*.reg "$base/.update-timestamp" "$dir/"
  ln -s "$base/drive_c" "$dir/drive_c"
  ln -s ../drive_c "$dir/dosdevices/c:"
  ln -s / "$dir/dosdevices/z:"
}
