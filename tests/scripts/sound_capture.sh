#!/usr/bin/env bash
# Plays the sweep through Wine into ALSA with a file as the default device and checks what arrives;
# then runs the life-cycle tests once with that device and once with none at all.
# Called by ctest as: bash sound_capture.sh <path of tavro.exe> <source dir>
set -euo pipefail
exe_dir=$(cd "$(dirname "$1")" && pwd)
src=$(cd "$2" && pwd)
tests_exe="$exe_dir/tests/tavro_sound_tests.exe"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

# Wine prefers PulseAudio when a server answers; point it at none so ALSA, configured below, is used.
export PULSE_SERVER="unix:$work/no-pulse-server"

# ALSA's default device writes the raw 16-bit stereo stream into a file (and discards it otherwise).
cat >"$work/asound-file.conf" <<CONF
pcm.!default { type file; slave.pcm "null"; file "$work/capture.raw"; format "raw" }
CONF
# A default device that cannot open: the program must stay silent and leave nothing open.
cat >"$work/asound-none.conf" <<CONF
pcm.!default { type hw; card 99 }
CONF

echo "== captured sweep and life cycle with a file as the sound device"
ALSA_CONFIG_PATH="/usr/share/alsa/alsa.conf:$work/asound-file.conf" TAVRO_SOUND_DEVICE=file \
  TAVRO_SOUND_CAPTURE="Z:$work/capture.raw" \
  "$src/scripts/wine-run" "$tests_exe" --gtest_filter='SweepCapture.*:SweepLifecycle.*'

echo "== life cycle with no usable sound device"
ALSA_CONFIG_PATH="/usr/share/alsa/alsa.conf:$work/asound-none.conf" TAVRO_SOUND_DEVICE=none \
  "$src/scripts/wine-run" "$tests_exe" --gtest_filter='SweepLifecycle.*:-*Thousand*'
