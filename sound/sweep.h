// The panned 440 Hz stereo sweep played while the sound screen is shown.
#pragma once
#include <windows.h>
#include <mmsystem.h>

extern HWAVEOUT g_waveOut;
extern WAVEHDR g_waveHdr;
extern short* g_waveBuf;
extern volatile LONG g_sweepRunning;

// Stops whatever plays, computes a fresh pass and starts repeating it from the left. Fails silently.
void StartSweep();

// Ends the repetition, closes the device, frees the buffer and zeroes the header. Safe in every state.
void StopSweep();
