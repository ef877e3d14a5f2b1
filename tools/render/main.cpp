// tavro-render: paints one test screen at a given size, as the test window would, into a BMP file.
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include <vector>

#include "app/app_state.h"
#include "app/texts.h"
#include "testrun/modes.h"
#include "testrun/overlay.h"
#include "tools/render/bmp_file.h"
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

// Paints `draw` into a fresh top-down 32-bit DIB section the way the test window's paint does:
// a DC like the screen's, the client rectangle at (0, 0), the black window background first.
int RenderScreen(DrawFunc draw, int width, int height, const std::wstring& out) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    HDC dc = CreateCompatibleDC(nullptr);
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap == nullptr) {
        PrintError(L"cannot allocate a " + std::to_wstring(width) + L" x " + std::to_wstring(height) + L" image");
        DeleteDC(dc);
        return kExitFailed;
    }
    HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
    const RECT client = {0, 0, width, height};
    FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    draw(dc, &client);
    DrawOSD(dc, &client);  // paints nothing unless an overlay was asked for
    GdiFlush();

    DWORD error = 0;
    const int written = WriteBmpFile(out.c_str(), static_cast<const uint32_t*>(bits), width, height, &error);
    SelectObject(dc, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(dc);
    if (!written) {
        PrintError(L"cannot write " + out + L": " + SystemMessage(error));
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
    const DrawFunc draw = g_drawFuncs[args.mode];
    if (draw == nullptr) {
        PrintError(L"screen " + std::to_wstring(args.mode) + L" is not implemented in this build");
        return kExitNotBuilt;
    }
    DWORD createError = 0;
    if (!CanCreateFile(args.out.c_str(), &createError)) {
        PrintError(L"cannot write " + args.out + L": " + SystemMessage(createError));
        return kExitBadArguments;
    }
    g_lang = args.lang;
    // The overlay reads the run from the play list: this screen at its place in a run of that length.
    std::vector<int> playlist(args.osdCount > 0 ? args.osdCount : 1, args.mode);
    if (args.osdPos > 0) {
        g_app.playlist = playlist.data();
        g_app.playlistCount = args.osdCount;
        g_app.playlistPos = args.osdPos - 1;
        g_app.osdVisible = 1;
    }
    const int status = RenderScreen(draw, args.width, args.height, args.out);
    g_app.playlist = nullptr;
    return status;
}
