// Stereo sweep playback: one pass in one buffer, queued again each time the device hands it back.
#include "sound/sweep.h"

#include <stdlib.h>
#include <string.h>

#include "sound/sweep_samples.h"

HWAVEOUT g_waveOut = nullptr;
WAVEHDR g_waveHdr = {};
short* g_waveBuf = nullptr;
volatile LONG g_sweepRunning = 0;

namespace {

// A second header over the same samples, queued right behind g_waveHdr: while the device plays one,
// the other waits in its queue, so a returned header is never the last one queued and the pass
// repeats without the device running dry in between.
WAVEHDR g_waveHdrEcho = {};

// Windows forbids waveOut calls inside the device callback (they can deadlock), so the callback only
// signals g_requeueWake and this thread of ours queues the returned header again.
HANDLE g_requeueThread = nullptr;
HANDLE g_requeueWake = nullptr;

WAVEHDR* const kSweepHeaders[] = {&g_waveHdr, &g_waveHdrEcho};

int SweepIsRunning() {
    // Compare-exchange with equal operands: an atomic read that leaves the flag as it is.
    return InterlockedCompareExchange(&g_sweepRunning, 1, 1) == 1;
}

// Both headers carry the same samples, so the order in which returned ones go back makes no difference.
void RequeueReturnedHeaders() {
    for (WAVEHDR* header : kSweepHeaders) {
        if ((header->dwFlags & (WHDR_PREPARED | WHDR_DONE)) == (WHDR_PREPARED | WHDR_DONE))
            waveOutWrite(g_waveOut, header, sizeof(WAVEHDR));
    }
}

// Waits for the callback's signal and queues the returned headers again while the sweep runs. A
// wake-up with the flag down is StopSweep asking the thread to end.
DWORD WINAPI RequeueThreadProc(void*) {
    for (;;) {
        WaitForSingleObject(g_requeueWake, INFINITE);
        if (!SweepIsRunning()) return 0;
        RequeueReturnedHeaders();
    }
}

int StartRequeueThread() {
    g_requeueWake = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    if (g_requeueWake == nullptr) return 0;
    g_requeueThread = CreateThread(nullptr, 0, RequeueThreadProc, nullptr, 0, nullptr);
    if (g_requeueThread != nullptr) return 1;
    CloseHandle(g_requeueWake);
    g_requeueWake = nullptr;
    return 0;
}

// Called with the flag already down, so the thread's next wake-up is its last.
void EndRequeueThread() {
    if (g_requeueThread == nullptr) return;
    SetEvent(g_requeueWake);
    WaitForSingleObject(g_requeueThread, INFINITE);
    CloseHandle(g_requeueThread);
    g_requeueThread = nullptr;
}

// Only after waveOutClose: until then a late callback may still signal the event.
void CloseRequeueWake() {
    if (g_requeueWake == nullptr) return;
    CloseHandle(g_requeueWake);
    g_requeueWake = nullptr;
}

void FreeSweepBuffer() {
    free(g_waveBuf);
    g_waveBuf = nullptr;
}

void FillSweepFormat(WAVEFORMATEX* format) {
    memset(format, 0, sizeof(*format));
    format->wFormatTag = WAVE_FORMAT_PCM;
    format->nChannels = kSweepChannels;
    format->nSamplesPerSec = kSweepRate;
    format->wBitsPerSample = 16;
    format->nBlockAlign = static_cast<WORD>(format->nChannels * format->wBitsPerSample / 8);
    format->nAvgBytesPerSec = format->nSamplesPerSec * format->nBlockAlign;
}

}  // namespace

void CALLBACK SweepWaveProc(HWAVEOUT device, UINT message, DWORD_PTR, DWORD_PTR param1, DWORD_PTR) {
    if (message != WOM_DONE || device == nullptr) return;
    if (!SweepIsRunning()) return;
    const WAVEHDR* header = reinterpret_cast<const WAVEHDR*>(param1);
    if (header == nullptr || (header->dwFlags & WHDR_PREPARED) == 0) return;
    SetEvent(g_requeueWake);  // one of the few calls Windows allows in a wave-out callback
}

void StartSweep() {
    StopSweep();
    g_waveBuf = static_cast<short*>(malloc(kSweepBytes));
    if (g_waveBuf == nullptr) return;
    // Computed before the device opens so the first pass starts the moment it is queued.
    FillSweepSamples(g_waveBuf);
    if (!StartRequeueThread()) {
        FreeSweepBuffer();
        return;
    }
    WAVEFORMATEX format;
    FillSweepFormat(&format);
    if (waveOutOpen(&g_waveOut, WAVE_MAPPER, &format, reinterpret_cast<DWORD_PTR>(SweepWaveProc), 0,
                    CALLBACK_FUNCTION) != MMSYSERR_NOERROR) {
        g_waveOut = nullptr;
        EndRequeueThread();
        CloseRequeueWake();
        FreeSweepBuffer();
        return;
    }
    for (WAVEHDR* header : kSweepHeaders) {
        memset(header, 0, sizeof(*header));
        header->lpData = reinterpret_cast<LPSTR>(g_waveBuf);
        header->dwBufferLength = kSweepBytes;
        waveOutPrepareHeader(g_waveOut, header, sizeof(WAVEHDR));
    }
    InterlockedExchange(&g_sweepRunning, 1);
    for (WAVEHDR* header : kSweepHeaders) waveOutWrite(g_waveOut, header, sizeof(WAVEHDR));
}

void StopSweep() {
    // The flag goes down first so neither the callback nor the thread queues the buffer again; the
    // thread has finished any write in progress before the reset below returns the buffer.
    InterlockedExchange(&g_sweepRunning, 0);
    EndRequeueThread();
    if (g_waveOut != nullptr) {
        waveOutReset(g_waveOut);
        for (WAVEHDR* header : kSweepHeaders) {
            if (header->dwFlags & WHDR_PREPARED) waveOutUnprepareHeader(g_waveOut, header, sizeof(WAVEHDR));
        }
        waveOutClose(g_waveOut);
        g_waveOut = nullptr;
    }
    CloseRequeueWake();
    if (g_waveBuf != nullptr) FreeSweepBuffer();
    for (WAVEHDR* header : kSweepHeaders) memset(header, 0, sizeof(*header));
}
