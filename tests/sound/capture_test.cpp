// The sweep as ALSA receives it from Wine, captured into a file by the sound capture script.
#include <gtest/gtest.h>

#include <windows.h>
#include <mmsystem.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "sound/sweep.h"
#include "sound_env.h"

namespace {

constexpr int kRate = 44100;
constexpr int kPass = 220500;  // 5 s of frames

std::vector<short> ReadCapture() {
    std::vector<short> samples;
    FILE* file = fopen(CaptureFile(), "rb");
    if (file == nullptr) return samples;
    short chunk[4096];
    size_t got;
    while ((got = fread(chunk, sizeof(short), 4096, file)) > 0) samples.insert(samples.end(), chunk, chunk + got);
    fclose(file);
    return samples;
}

DWORD PlayedFrames() {
    MMTIME position = {};
    position.wType = TIME_SAMPLES;
    if (waveOutGetPosition(g_waveOut, &position, sizeof(position)) != MMSYSERR_NOERROR) return 0;
    return position.u.sample;
}

long CaptureSize() {
    FILE* file = fopen(CaptureFile(), "rb");
    if (file == nullptr) return -1;
    fseek(file, 0, SEEK_END);
    const long size = ftell(file);
    fclose(file);
    return size;
}

struct Stream {
    const std::vector<short>& samples;
    int start;  // first frame of the sweep in the capture
    int Left(int frame) const { return samples[2 * (start + frame)]; }
    int Right(int frame) const { return samples[2 * (start + frame) + 1]; }
    int Frames() const { return static_cast<int>(samples.size() / 2) - start; }
    int Peak(int channel, int first, int count) const {
        int peak = 0;
        for (int i = first; i < first + count; ++i)
            peak = std::max(peak, std::abs(int(samples[2 * (start + i) + channel])));
        return peak;
    }
};

// Rising zero crossings of the tone over count frames, counted on the louder channel's sign.
int RisingCrossings(const Stream& s, int first, int count) {
    int rising = 0;
    for (int i = first + 1; i < first + count; ++i)
        if (s.Left(i - 1) + s.Right(i - 1) < 0 && s.Left(i) + s.Right(i) >= 0) ++rising;
    return rising;
}

TEST(SweepCapture, PlaysTheTravellingToneWithoutGapsAndStopsAtOnce) {
    if (ExpectedDevice() != DeviceExpectation::Present || CaptureFile()[0] == 0)
        GTEST_SKIP() << "run by the sound capture script with ALSA playing into a file";
    StartSweep();
    ASSERT_NE(g_waveOut, nullptr) << "the capture device did not open";
    // A file behind ALSA's null device takes the sound faster than real time, so wait for the
    // device's position rather than the clock: two whole passes and a part of the third.
    const DWORD deadline = GetTickCount() + 20000;
    while (PlayedFrames() < 2 * kPass + kRate && GetTickCount() < deadline) Sleep(50);
    StopSweep();
    const long sizeAtStop = CaptureSize();
    Sleep(1000);
    EXPECT_EQ(CaptureSize(), sizeAtStop) << "sound went on after StopSweep returned";

    const std::vector<short> samples = ReadCapture();
    ASSERT_GE(samples.size(), 2u * 2 * kPass);
    // Anything the audio path writes before the first buffer is silence; the sweep's frame 0 is
    // silent too, its frame 1 is the first with sound.
    int first = 0;
    while (first < static_cast<int>(samples.size() / 2) && samples[2 * first] == 0 && samples[2 * first + 1] == 0)
        ++first;
    const Stream s{samples, first - 1};
    ASSERT_GE(s.Frames(), 2 * kPass + kRate / 2);

    for (int pass = 0; pass < 2; ++pass) {
        const int p = pass * kPass;
        // Left loud and right silent at the start of the pass, the opposite at its end.
        EXPECT_GE(s.Peak(0, p + 441, 2205), 23900) << pass;
        EXPECT_LE(s.Peak(1, p + 441, 2205), 500) << pass;
        EXPECT_GE(s.Peak(1, p + kPass - 2646, 2205), 23900) << pass;
        EXPECT_LE(s.Peak(0, p + kPass - 2646, 2205), 500) << pass;
        // Equal in the middle.
        EXPECT_NEAR(s.Peak(0, p + kPass / 2 - 50, 101), s.Peak(1, p + kPass / 2 - 50, 101), 40) << pass;
        // 440 Hz: 440 rising crossings a second.
        EXPECT_NEAR(RisingCrossings(s, p + kRate, kRate), 440, 1) << pass;
    }
    // Each pass follows the last frame of the one before directly: the stream repeats exactly every
    // 220 500 frames, with no silence slipped in between.
    int mismatches = 0;
    for (int i = 0; i + kPass < s.Frames(); ++i)
        if (s.Left(i) != s.Left(i + kPass) || s.Right(i) != s.Right(i + kPass)) ++mismatches;
    EXPECT_EQ(mismatches, 0);
    // The sweep's own first frames, as the device received them.
    EXPECT_EQ(s.Left(1), 3);
    EXPECT_EQ(s.Left(25), 1360);
    EXPECT_EQ(s.Left(441), 14106);
    EXPECT_EQ(s.Right(441), 44);
    EXPECT_EQ(s.Right(kPass - 1), -3);
}

}  // namespace
