// Stereo sweep: for now only the idle state; playback comes with the sound test.
#include "sound/sweep.h"

HWAVEOUT g_waveOut = nullptr;
WAVEHDR g_waveHdr = {};
short* g_waveBuf = nullptr;
volatile LONG g_sweepRunning = 0;

void StartSweep() {}

void StopSweep() {}
