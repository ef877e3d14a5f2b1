// What the sound tests expect of the audio device, and a look into the C heap for sweep buffers.
#include "sound_env.h"

#include <malloc.h>
#include <stdlib.h>
#include <string.h>

#include "sound/sweep_samples.h"

DeviceExpectation ExpectedDevice() {
    const char* value = getenv("TAVRO_SOUND_DEVICE");
    if (value == nullptr) return DeviceExpectation::Unknown;
    if (strcmp(value, "file") == 0) return DeviceExpectation::Present;
    if (strcmp(value, "none") == 0) return DeviceExpectation::Absent;
    return DeviceExpectation::Unknown;
}

const char* CaptureFile() {
    const char* value = getenv("TAVRO_SOUND_CAPTURE");
    return value != nullptr ? value : "";
}

int CountSweepBuffers() {
    _HEAPINFO info = {};
    int count = 0;
    while (_heapwalk(&info) == _HEAPOK) {
        if (info._useflag == _USEDENTRY && info._size == static_cast<size_t>(kSweepBytes)) ++count;
    }
    return count;
}
