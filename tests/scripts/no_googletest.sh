#!/usr/bin/env bash
# A fresh build tree configured where no GoogleTest can be found, as on a Windows machine without
# it: configuring says the tests are left out, and tavro.exe and every tool still build.
# Called by ctest as: bash no_googletest.sh <path of tavro.exe> <source dir>
# ctest labels: file once
set -euo pipefail
src=$(cd "$2" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

cmake -S "$src" -B "$work/build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTAVRO_GTEST_SOURCE_DIR="$work/nowhere" \
  -DCMAKE_TOOLCHAIN_FILE="$src/cmake/mingw-w64-${TAVRO_ARCH:-i686}.cmake" >"$work/configure.log" 2>&1 ||
  fail "configure failed: $(cat "$work/configure.log")"
grep -q "No GoogleTest sources in $work/nowhere: building tavro.exe and the tools without the tests" \
  "$work/configure.log" || fail "configure did not say the tests are left out: $(cat "$work/configure.log")"
cmake --build "$work/build" >"$work/build.log" 2>&1 || fail "build failed: $(tail -n 30 "$work/build.log")"
for exe in tavro.exe tools/render/tavro-render.exe tools/bench/tavro-bench.exe tools/edid/tavro-edid.exe; do
  [ -s "$work/build/$exe" ] || fail "$exe was not built"
done
[ ! -e "$work/build/tests" ] || fail "test targets were configured"
echo "ok: without GoogleTest, tavro.exe and the tools build and the tests are left out"
