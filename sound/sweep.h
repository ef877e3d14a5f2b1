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

// Ends the repetition, closes the device, frees the buffer and zeroes the header. Safe in every state;
// the device is silent and nothing of the sweep is left open or allocated when it returns.
void StopSweep();

// Wave-out callback: on WOM_DONE it only wakes the re-queue thread (the callback may not call waveOut
// functions itself).
void CALLBACK SweepWaveProc(HWAVEOUT device, UINT message, DWORD_PTR instance, DWORD_PTR param1,
                            DWORD_PTR param2);
