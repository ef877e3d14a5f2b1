// tavro-bench: how long each screen takes to paint at large sizes, how long a step to it takes in a
// real test window, what a motion screen's frame costs, what an FP16 frame's upload and present
// cost, what each HDR screen's frame costs to build, upload and present, the sweep's synthesis, the
// unpacking of one language's guidance texts and the program's start-up, as tables and as one
// "bench ..." line per figure for scripts.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "app/bounded_format.h"
#include "app/lz_unpack.h"
#include "sound/sweep_samples.h"
#include "testrun/catalogue.h"
#include "testrun/guide_texts_packed.h"
#include "tools/bench/bench_args.h"
#include "tools/bench/bench_clock.h"
#include "tools/bench/bench_stats.h"
#include "tools/bench/hdr_screen_name.h"
#include "tools/bench/hdr_timing.h"
#include "tools/bench/paint_timing.h"
#include "tools/bench/present_timing.h"
#include "tools/bench/startup_timing.h"
#include "tools/bench/step_timing.h"

namespace {

constexpr int kExitFailed = 1;
constexpr int kExitBadArguments = 2;
constexpr int kSweepRuns = 15;
constexpr int kUnpackRuns = 15;
constexpr double kMotionSeconds = 3.0;

// The "bench ..." lines are collected and printed together after the table.
template <typename... Values>
void AddMachineLine(std::vector<std::string>* lines, const char* format, Values... values) {
    char line[256];
    FormatUtf8(line, sizeof(line), format, values...);
    lines->push_back(line);
}

// The screen that took longest to paint, and its median time.
struct SlowestScreen {
    int mode;
    double medianMs;
};

int BenchSizeOfScreens(const BenchArgs& args, const BenchSize& size, std::vector<std::string>* lines,
                       SlowestScreen* slowest) {
    DibCanvas canvas;
    if (!CreateDibCanvas(size.width, size.height, &canvas)) {
        fprintf(stderr, "tavro-bench: cannot allocate a %d x %d image\n", size.width, size.height);
        return 0;
    }
    const BenchFigure floor = TimeFullFill(&canvas, args.runs);
    printf("\n%d x %d   (one full FillRect: %.3f ms)\n", size.width, size.height, floor.medianMs);
    printf("mode  screen                    median ms   worst ms   x FillRect\n");
    for (int mode : args.modes) {
        const BenchFigure paint = TimePaint(&canvas, mode, args.runs);
        if (paint.medianMs >= slowest->medianMs) *slowest = {mode, paint.medianMs};
        const double ratio = floor.medianMs > 0.0 ? paint.medianMs / floor.medianMs : 0.0;
        printf("%4d  %-24ls %10.3f %10.3f %12.1f\n", mode, ModeTitle(mode), paint.medianMs, paint.worstMs, ratio);
        fflush(stdout);
        AddMachineLine(lines, "bench mode=%d size=%dx%d median_ms=%.3f worst_ms=%.3f floor_ms=%.3f", mode, size.width,
                       size.height, paint.medianMs, paint.worstMs, floor.medianMs);
    }
    DeleteDibCanvas(&canvas);
    return 1;
}

// Steps in a real test window of this size, and Esc in the middle of the slowest screen's paint.
int BenchSizeOfSteps(const BenchArgs& args, const BenchSize& size, const SlowestScreen& slowest,
                     std::vector<std::string>* lines) {
    std::vector<StepFigures> steps;
    double peakMb = 0.0;
    if (!TimeSteps(args.modes, size.width, size.height, args.runs, &steps, &peakMb)) {
        fprintf(stderr, "tavro-bench: cannot open a %d x %d test window\n", size.width, size.height);
        return 0;
    }
    printf("\n%d x %d test window: from the key to the painted screen\n", size.width, size.height);
    printf("mode  screen                   prepared median / worst ms   cold median ms\n");
    for (const StepFigures& f : steps) {
        printf("%4d  %-24ls %14.3f %11.3f %16.3f\n", f.mode, ModeTitle(f.mode), f.prepared.medianMs,
               f.prepared.worstMs, f.cold.medianMs);
        AddMachineLine(lines, "bench step mode=%d size=%dx%d median_ms=%.3f worst_ms=%.3f", f.mode, size.width,
                       size.height, f.prepared.medianMs, f.prepared.worstMs);
    }
    printf("working set at most %.1f MB above that before the window opened\n", peakMb);
    for (const StepFigures& f : steps) {
        AddMachineLine(lines, "bench cold mode=%d size=%dx%d median_ms=%.3f", f.mode, size.width, size.height,
                       f.cold.medianMs);
    }
    BenchFigure escape;
    if (!TimeEscape(slowest.mode, size.width, size.height, slowest.medianMs / 2, args.runs, &escape)) return 0;
    printf("Esc %.0f ms into painting screen %d: the window was gone after %.3f ms (median), %.3f ms at worst\n",
           slowest.medianMs / 2, slowest.mode, escape.medianMs, escape.worstMs);
    fflush(stdout);
    AddMachineLine(lines, "bench escape size=%dx%d median_ms=%.3f worst_ms=%.3f", size.width, size.height,
                   escape.medianMs, escape.worstMs);
    return 1;
}

// The motion screens' frames in a real test window: what a frame costs, and how many came late.
int BenchMotion(const BenchSize& size, std::vector<std::string>* lines) {
    MotionFigures figures = {};
    if (!TimeMotion(size.width, size.height, kMotionSeconds, &figures)) {
        fprintf(stderr, "tavro-bench: cannot open a %d x %d test window\n", size.width, size.height);
        return 0;
    }
    printf("\n%d x %d motion screens at %d Hz, %.0f s each: %d frames, a frame's paint median %.3f ms, "
           "99th percentile %.3f ms; %d frames late\n",
           size.width, size.height, figures.hz, kMotionSeconds, figures.frames, figures.medianMs, figures.p99Ms,
           figures.dropped);
    fflush(stdout);
    AddMachineLine(lines, "bench motion size=%dx%d hz=%d frame_ms_median=%.3f frame_ms_p99=%.3f dropped=%d",
                   size.width, size.height, figures.hz, figures.medianMs, figures.p99Ms, figures.dropped);
    return 1;
}

// The FP16 presenter's upload and present of a whole frame, beside a GDI BitBlt of the same size. A
// machine without D3D11 is noted, not counted as a failed measurement.
int BenchPresent(const BenchArgs& args, const BenchSize& size, std::vector<std::string>* lines) {
    PresentFigures figures = {};
    const char* reason = "";
    if (!TimePresent(size.width, size.height, args.runs, &figures, &reason)) {
        printf("\n%d x %d FP16 presenter: not measured (%s)\n", size.width, size.height, reason);
        return 1;
    }
    printf("\n%d x %d FP16 frame, upload and Present(1, 0): median %.3f ms, worst %.3f ms; "
           "GDI BitBlt of the same size: median %.3f ms, worst %.3f ms\n",
           size.width, size.height, figures.uploadPresent.medianMs, figures.uploadPresent.worstMs,
           figures.bitBlt.medianMs, figures.bitBlt.worstMs);
    fflush(stdout);
    AddMachineLine(lines, "bench present size=%dx%d median_ms=%.3f worst_ms=%.3f bitblt_median_ms=%.3f", size.width,
                   size.height, figures.uploadPresent.medianMs, figures.uploadPresent.worstMs,
                   figures.bitBlt.medianMs);
    printf("%d x %d variable-refresh frame (8-bit backdrop copied at an offset, block, text box and frame "
           "number, Present(0)%s): median %.3f ms, worst %.3f ms\n",
           size.width, size.height, figures.tearing ? " with tearing" : "", figures.motionFrame.medianMs,
           figures.motionFrame.worstMs);
    AddMachineLine(lines, "bench vrr size=%dx%d median_ms=%.3f worst_ms=%.3f tearing=%d", size.width, size.height,
                   figures.motionFrame.medianMs, figures.motionFrame.worstMs, figures.tearing);
    return 1;
}

bool WantsHdrScreens(const BenchArgs& args) {
    for (int mode : args.modes) {
        if (IsHdrMode(mode)) return true;
    }
    return false;
}

// Each HDR screen chosen: its frame built on the CPU with its texts, uploaded and presented, beside
// a BitBlt of the same size, and whether building and uploading it fit in one 60 Hz frame. A
// machine without D3D11 is noted, not counted as a failed measurement.
int BenchHdrScreens(const BenchArgs& args, const BenchSize& size, std::vector<std::string>* lines) {
    if (!WantsHdrScreens(args)) return 1;
    std::vector<HdrScreenFigures> screens;
    BenchFigure bitBlt = {};
    const char* reason = "";
    if (!TimeHdrScreens(args.modes, size.width, size.height, args.runs, &screens, &bitBlt, &reason) &&
        screens.empty()) {
        printf("\n%d x %d HDR screens: not measured (%s)\n", size.width, size.height, reason);
        return 1;
    }
    printf("\n%d x %d HDR screens through the FP16 presenter (a GDI BitBlt of the same size: median %.3f ms)\n",
           size.width, size.height, bitBlt.medianMs);
    printf("mode  screen                    build ms  upload ms  present ms  build + upload in %.1f ms\n",
           kFrameAt60HzMs);
    int fitting = 0;
    for (const HdrScreenFigures& f : screens) {
        const bool fits = FitsOneFrameAt60Hz(f);
        fitting += fits;
        printf("%4d  %-24ls %9.3f %10.3f %11.3f  %s\n", f.mode, HdrScreenName(f.mode).c_str(), f.build.medianMs,
               f.upload.medianMs, f.present.medianMs, fits ? "fits" : "misses");
        AddMachineLine(lines,
                       "bench hdr mode=%d size=%dx%d build_ms=%.3f upload_ms=%.3f present_ms=%.3f bitblt_ms=%.3f "
                       "fits_60hz=%d",
                       f.mode, size.width, size.height, f.build.medianMs, f.upload.medianMs, f.present.medianMs,
                       bitBlt.medianMs, fits ? 1 : 0);
    }
    printf("build + upload within one 60 Hz frame for %d of %d HDR screens (medians)\n", fitting,
           static_cast<int>(screens.size()));
    if (screens.size() < static_cast<size_t>(std::count_if(args.modes.begin(), args.modes.end(), IsHdrMode))) {
        printf("the rest not measured (%s)\n", reason);
    }
    fflush(stdout);
    return 1;
}

int BenchSweep(std::vector<std::string>* lines) {
    std::vector<short> samples(static_cast<size_t>(kSweepFrames) * kSweepChannels);
    FillSweepSamples(samples.data());  // untimed: the first touch of the buffer's pages
    std::vector<double> times;
    for (int run = 0; run < kSweepRuns; ++run) {
        const double start = BenchNowMs();
        FillSweepSamples(samples.data());
        times.push_back(BenchNowMs() - start);
    }
    const BenchFigure figure = SummariseTimes(times);
    printf("\nsweep synthesis (FillSweepSamples, the computing part of StartSweep; %d frames): median %.3f ms, "
           "worst %.3f ms\n",
           kSweepFrames, figure.medianMs, figure.worstMs);
    AddMachineLine(lines, "bench sweep median_ms=%.3f", figure.medianMs);
    return 1;
}

// What the first guidance panel, results window or report in a language costs before it shows:
// unpacking that language's texts (testrun/guide_lookup.cpp). Each language's block timed alone;
// the figure is the slowest language's median.
int BenchGuideUnpack(std::vector<std::string>* lines) {
    double slowestMs = 0.0;
    double worstMs = 0.0;
    int slowestLang = 0;
    for (int lang = 0; lang < kLanguageCount; ++lang) {
        const PackedBlock& block = g_guidePackedBlocks[lang];
        std::vector<unsigned char> out(block.unpackedSize);
        std::vector<double> times;
        for (int run = 0; run <= kUnpackRuns; ++run) {
            const double start = BenchNowMs();
            if (!LzUnpack(g_guidePacked + block.offset, block.packedSize, out.data(), out.size())) {
                fprintf(stderr, "tavro-bench: the guidance texts of language %d do not unpack\n", lang);
                return 0;
            }
            if (run > 0) times.push_back(BenchNowMs() - start);  // run 0: the first touch of the pages
        }
        const BenchFigure figure = SummariseTimes(times);
        if (figure.medianMs > slowestMs) {
            slowestMs = figure.medianMs;
            slowestLang = lang;
        }
        worstMs = std::max(worstMs, figure.worstMs);
    }
    printf("\nguidance texts unpacked (LzUnpack of one language's block, the work of its first use): slowest "
           "language %d (%u bytes) median %.3f ms, worst of all %.3f ms\n",
           slowestLang, g_guidePackedBlocks[slowestLang].unpackedSize, slowestMs, worstMs);
    AddMachineLine(lines, "bench guide_unpack median_ms=%.3f worst_ms=%.3f", slowestMs, worstMs);
    return 1;
}

std::wstring DefaultTavroPath() {
    wchar_t own[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, own, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return L"tavro.exe";
    std::wstring path(own, length);
    // build\tools\bench\tavro-bench.exe -> build\tavro.exe
    for (int level = 0; level < 3; ++level) path = path.substr(0, path.find_last_of(L"\\/"));
    return path + L"\\tavro.exe";
}

int BenchStartup(const BenchArgs& args, std::vector<std::string>* lines) {
    const std::wstring exe = args.tavro.empty() ? DefaultTavroPath() : args.tavro;
    std::vector<double> times;
    for (int start = 0; start < args.starts; ++start) {
        double elapsed = 0.0;
        std::wstring error;
        if (!TimeOneStartup(exe, &elapsed, &error)) {
            fprintf(stderr, "tavro-bench: start-up: %ls\n", error.c_str());
            return 0;
        }
        times.push_back(elapsed);
    }
    const BenchFigure figure = SummariseTimes(times);
    printf("\nstart-up to the selection window's first paint (%d starts of %ls): median %.1f ms, worst %.1f ms\n",
           args.starts, exe.c_str(), figure.medianMs, figure.worstMs);
    AddMachineLine(lines, "bench startup median_ms=%.1f", figure.medianMs);
    return 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    BenchArgs args;
    std::wstring error;
    switch (ParseBenchArgs(argc, argv, &args, &error)) {
    case kBenchParseHelp:
        fputs(kBenchUsage, stdout);
        return 0;
    case kBenchParseError:
        fprintf(stderr, "tavro-bench: %ls (--help for usage)\n", error.c_str());
        return kExitBadArguments;
    case kBenchParseOk:
        break;
    }
    std::vector<std::string> lines;
    int ok = 1;
    for (const BenchSize& size : args.sizes) {
        SlowestScreen slowest = {args.modes.front(), 0.0};
        ok = BenchSizeOfScreens(args, size, &lines, &slowest) && ok;
        ok = BenchSizeOfSteps(args, size, slowest, &lines) && ok;
        ok = BenchMotion(size, &lines) && ok;
        ok = BenchPresent(args, size, &lines) && ok;
        ok = BenchHdrScreens(args, size, &lines) && ok;
    }
    ok = BenchSweep(&lines) && ok;
    ok = BenchGuideUnpack(&lines) && ok;
    ok = BenchStartup(args, &lines) && ok;
    printf("\n");
    for (const std::string& line : lines) printf("%s\n", line.c_str());
    return ok ? 0 : kExitFailed;
}
