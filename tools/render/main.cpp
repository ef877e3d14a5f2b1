// tavro-render: paints one test screen at a given size, as the test window would, into a BMP file,
// or an HDR screen's frame as the FP16 presenter shows it into a PFM file.
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/texts.h"
#include "hdr/hdr_label_paint.h"
#include "hdr/hdr_modes.h"
#include "patterns/display_facts.h"
#include "patterns/motion.h"
#include "testrun/guide_panel.h"
#include "testrun/modes.h"
#include "testrun/screen_paint.h"
#include "tools/common/bmp_file.h"
#include "tools/common/dib_canvas.h"
#include "tools/common/pfm_file.h"
#include "tools/render/render_args.h"

namespace {

constexpr int kExitFailed = 1;
constexpr int kExitBadArguments = 2;
constexpr int kExitNotBuilt = 3;

void PrintError(const std::wstring& message) { fprintf(stderr, "tavro-render: %ls\n", message.c_str()); }

std::wstring SystemMessage(DWORD error) {
    wchar_t* text = nullptr;
    const DWORD length =
        FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring message = length ? std::wstring(text, length) : L"error " + std::to_wstring(error);
    LocalFree(text);
    while (!message.empty() && (message.back() == L'\n' || message.back() == L'\r' || message.back() == L'.')) {
        message.pop_back();
    }
    return message;
}

// Paints screen `mode` (and the overlay and the guidance panel, if asked for) into a fresh canvas
// the way the test window paints it, and writes it to `out`.
int RenderScreen(const RenderArgs& args, const OverlayRun* overlay) {
    const int width = args.width;
    const int height = args.height;
    const int mode = args.mode;
    const std::wstring& out = args.out;
    DibCanvas canvas;
    if (!CreateDibCanvas(width, height, &canvas)) {
        PrintError(L"cannot allocate a " + std::to_wstring(width) + L" x " + std::to_wstring(height) + L" image");
        return kExitFailed;
    }
    const RECT client = {0, 0, width, height};
    if (IsMotionMode(mode)) {
        DrawMotionFrame(canvas.dc, &client, mode, {args.frame, args.hz, 0, 0});
        if (overlay != nullptr) DrawOverlay(canvas.dc, &client, overlay);
    } else {
        PaintTestScreen(canvas.dc, &client, mode, overlay);
    }
    if (args.guide) DrawGuidePanel(canvas.dc, &client, mode);
    GdiFlush();

    DWORD error = 0;
    const int written = WriteBmpFile(out.c_str(), canvas.bits, width, height, &error);
    DeleteDibCanvas(&canvas);
    if (!written) {
        PrintError(L"cannot write " + out + L": " + SystemMessage(error));
        return kExitFailed;
    }
    return 0;
}

// Nonzero where a width x height frame fits in memory twice over: as halves, as the presenter
// uploads it, and as the floats written out. Asked first, so that a frame too large for this
// process is refused with a message rather than ending it.
int HdrFrameFits(int width, int height) {
    const uint64_t bytes = static_cast<uint64_t>(width) * height * 4 * (sizeof(uint16_t) + sizeof(float));
    if (bytes > SIZE_MAX) return 0;
    void* probe = malloc(static_cast<size_t>(bytes));
    free(probe);
    return probe != nullptr;
}

// Builds HDR screen `mode`'s frame as the presenter uploads it (its texts at standard-range
// white, 80 cd/m2) and writes it to `out` as floats.
int RenderHdrFrame(const RenderArgs& args) {
    if (!HdrFrameFits(args.width, args.height)) {
        PrintError(L"cannot allocate a " + std::to_wstring(args.width) + L" x " + std::to_wstring(args.height) +
                   L" frame");
        return kExitFailed;
    }
    const double peak = ScreensClaimedPeak();
    const HdrScreen screen = HdrModeScreen(args.mode, args.width, args.height, peak);
    HdrFrame frame;
    PaintHdrScreen(screen, &frame);
    PaintHdrLabels(&frame, HdrModeLabels(args.mode, screen, peak), kSdrWhiteNits);
    const std::vector<float> rgba = HdrFrameFloats(frame);
    DWORD error = 0;
    if (!WritePfmFile(args.out.c_str(), rgba.data(), args.width, args.height, &error)) {
        PrintError(L"cannot write " + args.out + L": " + SystemMessage(error));
        return kExitFailed;
    }
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    RenderArgs args;
    std::wstring error;
    switch (ParseRenderArgs(argc, argv, &args, &error)) {
    case kRenderParseHelp:
        fputs(kRenderUsage, stdout);
        return 0;
    case kRenderParseError:
        PrintError(error + L" (--help for usage)");
        return kExitBadArguments;
    case kRenderParseOk:
        break;
    }
    if (g_drawFuncs[args.mode] == nullptr) {
        PrintError(L"screen " + std::to_wstring(args.mode) + L" is not implemented in this build");
        return kExitNotBuilt;
    }
    DWORD createError = 0;
    if (!CanCreateFile(args.out.c_str(), &createError)) {
        PrintError(L"cannot write " + args.out + L": " + SystemMessage(createError));
        return kExitBadArguments;
    }
    g_lang = args.lang;
    if (args.pfm) return RenderHdrFrame(args);
    SetDisplayFacts(args.facts);
    // The overlay names this screen at its place in a run of that length.
    const OverlayRun run = {args.mode, args.osdPos - 1, args.osdCount};
    return RenderScreen(args, args.osdPos > 0 ? &run : nullptr);
}
