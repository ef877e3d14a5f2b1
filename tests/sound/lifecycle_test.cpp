// Starting and stopping the sweep against the real wave-out device (or the lack of one).
#include <gtest/gtest.h>

#include <windows.h>
#include <mmsystem.h>

#include <cstdio>
#include <functional>
#include <vector>

#include "sound/sweep.h"
#include "sound/sweep_samples.h"
#include "sound_env.h"

namespace {

DWORD HeaderFlags() { return *static_cast<volatile DWORD*>(&g_waveHdr.dwFlags); }

int DeviceIsOpen(HWAVEOUT device) {
    MMTIME position = {};
    position.wType = TIME_SAMPLES;
    return waveOutGetPosition(device, &position, sizeof(position)) == MMSYSERR_NOERROR;
}

DWORD PlayedFrames() {
    MMTIME position = {};
    position.wType = TIME_SAMPLES;
    if (waveOutGetPosition(g_waveOut, &position, sizeof(position)) != MMSYSERR_NOERROR) return 0;
    return position.u.sample;
}

int HeaderIsZero() {
    const unsigned char* bytes = reinterpret_cast<const unsigned char*>(&g_waveHdr);
    for (size_t i = 0; i < sizeof(g_waveHdr); ++i)
        if (bytes[i] != 0) return 0;
    return 1;
}

void ExpectIdle() {
    EXPECT_EQ(g_waveOut, nullptr);
    EXPECT_EQ(g_waveBuf, nullptr);
    EXPECT_EQ(g_sweepRunning, 0);
    EXPECT_TRUE(HeaderIsZero());
    EXPECT_EQ(CountSweepBuffers(), 0);
}

// After StartSweep: either playing one freshly queued pass, or (no usable device) idle.
int ExpectPlayingOrSilent() {
    if (g_waveOut == nullptr) {
        EXPECT_NE(ExpectedDevice(), DeviceExpectation::Present) << "the capture device did not open";
        ExpectIdle();
        return 0;
    }
    EXPECT_NE(ExpectedDevice(), DeviceExpectation::Absent) << "a device opened where none should exist";
    EXPECT_EQ(g_sweepRunning, 1);
    EXPECT_NE(g_waveBuf, nullptr);
    EXPECT_EQ(g_waveHdr.lpData, reinterpret_cast<LPSTR>(g_waveBuf));
    EXPECT_EQ(g_waveHdr.dwBufferLength, 882000u);
    EXPECT_EQ(g_waveHdr.dwLoops, 0u);
    EXPECT_TRUE(HeaderFlags() & WHDR_PREPARED);
    EXPECT_EQ(CountSweepBuffers(), 1);
    return 1;
}

// Runs body on a thread of its own; a body that has not finished in time counts as a hang, which
// ends the test program rather than leaving it waiting for ever.
DWORD WINAPI RunBody(void* body) {
    (*static_cast<const std::function<void()>*>(body))();
    return 0;
}

void RunWithin(DWORD milliseconds, const std::function<void()>& body) {
    HANDLE thread = CreateThread(nullptr, 0, RunBody, const_cast<std::function<void()>*>(&body), 0, nullptr);
    ASSERT_NE(thread, nullptr);
    if (WaitForSingleObject(thread, milliseconds) != WAIT_OBJECT_0) {
        fprintf(stderr, "sweep start/stop hung for %lu ms\n", milliseconds);
        fflush(stderr);
        TerminateProcess(GetCurrentProcess(), 3);
    }
    CloseHandle(thread);
}

TEST(SweepLifecycle, StopWhileIdleOnlyZeroesTheHeader) {
    StopSweep();
    ExpectIdle();
    // A stale header with no device: nothing to reset, unprepare or close, just zeroed.
    g_waveHdr.dwFlags = WHDR_PREPARED | WHDR_DONE;
    g_waveHdr.dwBufferLength = 882000;
    g_waveHdr.dwUser = 7;
    StopSweep();
    StopSweep();
    ExpectIdle();
}

TEST(SweepLifecycle, StartTwiceKeepsOneDeviceAndOneBufferFromTheLeft) {
    RunWithin(60000, [] {
        StartSweep();
        const HWAVEOUT first = g_waveOut;
        const int playing = ExpectPlayingOrSilent();
        Sleep(playing ? 1500 : 0);
        if (playing) {
            EXPECT_GT(PlayedFrames(), 22050u);  // it has been playing for a while
        }
        StartSweep();
        if (ExpectPlayingOrSilent()) {
            // A new pass from the left: the position starts over.
            EXPECT_LT(PlayedFrames(), 22050u);
            if (first != g_waveOut) {
                EXPECT_FALSE(DeviceIsOpen(first));
            }
            EXPECT_TRUE(DeviceIsOpen(g_waveOut));
        }
        StopSweep();
        ExpectIdle();
        if (first != nullptr) {
            EXPECT_FALSE(DeviceIsOpen(first));
        }
    });
}

TEST(SweepLifecycle, AThousandQuickStartsAndStopsLeaveNothingOpen) {
    std::vector<HWAVEOUT> devices;
    RunWithin(600000, [&devices] {
        for (int cycle = 0; cycle < 1000; ++cycle) {
            StartSweep();
            if (g_waveOut != nullptr) devices.push_back(g_waveOut);
            if (cycle % 3 == 0) StartSweep();  // a restart while playing
            if (g_waveOut != nullptr) devices.push_back(g_waveOut);
            if (cycle % 7 == 0) Sleep(1);  // let some playback start before the stop
            StopSweep();
            if (cycle % 5 == 0) StopSweep();
            ASSERT_EQ(g_waveOut, nullptr) << cycle;
            ASSERT_EQ(g_waveBuf, nullptr) << cycle;
        }
    });
    ExpectIdle();
    for (HWAVEOUT device : devices) ASSERT_FALSE(DeviceIsOpen(device));
    if (ExpectedDevice() == DeviceExpectation::Present) {
        EXPECT_EQ(devices.size(), 2000u);
    }
}

enum class StopMoment { BufferReturned, JustBeforeReturn, JustAfterRequeue };

// Plays until the moment named and stops there; the device hands the buffer back every 5 s.
void StopAt(StopMoment moment) {
    StartSweep();
    if (!ExpectPlayingOrSilent()) GTEST_SKIP() << "no wave-out device";
    const HWAVEOUT device = g_waveOut;
    const DWORD deadline = GetTickCount() + 8000;
    int seen = 0;
    while (!seen && GetTickCount() < deadline) {
        const DWORD flags = HeaderFlags();
        switch (moment) {
        case StopMoment::BufferReturned:
            seen = (flags & WHDR_DONE) || !(flags & WHDR_INQUEUE);
            break;
        case StopMoment::JustBeforeReturn:
            seen = PlayedFrames() >= kSweepFrames - 40;
            break;
        case StopMoment::JustAfterRequeue:
            seen = PlayedFrames() > kSweepFrames && (flags & WHDR_INQUEUE);
            break;
        }
    }
    EXPECT_TRUE(seen) << "the buffer never came back from the device";
    StopSweep();
    ExpectIdle();
    EXPECT_FALSE(DeviceIsOpen(device));
    // Nothing comes back to life later.
    Sleep(100);
    ExpectIdle();
}

TEST(SweepLifecycle, StopsLandingWhileTheBufferIsReturnedAreClean) {
    if (ExpectedDevice() != DeviceExpectation::Present) GTEST_SKIP() << "needs the capture device";
    RunWithin(60000, [] {
        StopAt(StopMoment::BufferReturned);
        StopAt(StopMoment::JustBeforeReturn);
        StopAt(StopMoment::JustAfterRequeue);
    });
}

}  // namespace
