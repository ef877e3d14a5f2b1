// What the sound tests expect of the audio device, as the capture script sets it up.
#pragma once

enum class DeviceExpectation { Unknown, Present, Absent };

// TAVRO_SOUND_DEVICE=file: ALSA plays into a capture file; =none: no usable device; unset: either.
DeviceExpectation ExpectedDevice();

// The capture file ALSA writes to (TAVRO_SOUND_CAPTURE), or an empty string.
const char* CaptureFile();

// Heap blocks exactly the size of one sweep buffer.
int CountSweepBuffers();
