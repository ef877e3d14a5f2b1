// What the monitor claims of its colours and what Windows reports of them, where people look: the
// selection window's second monitor line, the guidance panel's notes and the run's record, with
// Windows' answers stood in through the display-state seam and a real HDR monitor's EDID written
// where Wine keeps its monitor's.
#include <gtest/gtest.h>

#include <stdio.h>
#include <stdlib.h>

#include <string>
#include <vector>

#include "app/app_state.h"
#include "app/lifetime.h"
#include "app/monitor_choice.h"
#include "app/select_window.h"
#include "app/texts.h"
#include "monitor/colour_facts.h"
#include "monitor/display_state_query.h"
#include "record/report_file.h"
#include "record/run_record.h"
#include "tests/support/canvas.h"
#include "tools/common/bmp_file.h"
#include "tests/support/test_data.h"
#include "tests/support/window_messages.h"
#include "testrun/guide_panel.h"

namespace {

const wchar_t kMonitorParameters[] =
    L"SYSTEM\\CurrentControlSet\\Enum\\DISPLAY\\Default_Monitor\\0000&0000\\Device Parameters";
constexpr COLORREF kBackground = RGB(245, 244, 240);
constexpr COLORREF kNoteColour = RGB(255, 222, 110);
constexpr RECT kSecondLine = {20, 618, 660, 634};

// An HDR monitor driven in 10-bit YCbCr 4:2:2, its SDR content brightness at 240 cd/m² (3000/1000 x 80).
int HdrInfo2(ColourInfo2Answer* a) {
    a->flags = kInfo2AdvancedColourSupported | kInfo2AdvancedColourActive | kInfo2HdrSupported | kInfo2HdrUserEnabled;
    a->encoding = 2;  // DISPLAYCONFIG_COLOR_ENCODING_YCBCR422
    a->bitsPerChannel = 10;
    a->activeMode = 2;  // HDR
    return 1;
}
int HdrWhite(SdrWhiteAnswer* a) {
    a->level = 3000;
    return 1;
}
const DisplayStateSeam kHdrSeam = {HdrInfo2, nullptr, HdrWhite, nullptr};
const DisplayStateSeam kSilentSeam = {nullptr, nullptr, nullptr, nullptr};  // every call fails

void WriteEdid(const std::vector<unsigned char>& edid) {
    HKEY key;
    ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, kMonitorParameters, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                              nullptr), ERROR_SUCCESS);
    RegSetValueExW(key, L"EDID", 0, REG_BINARY, edid.data(), static_cast<DWORD>(edid.size()));
    RegCloseKey(key);
}

void DeleteEdid() {
    RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, kMonitorParameters, L"EDID");
}

std::wstring TextOf(HWND hwnd) {
    wchar_t text[512] = {};
    GetWindowTextW(hwnd, text, 512);
    return text;
}

// The guidance panel's colour note on screen `mode` as laid out, its lines joined by spaces.
std::wstring NoteOn(int mode, int lang = 0, const SIZE& size = {1920, 1080}, int* fits = nullptr) {
    Canvas canvas(size.cx, size.cy);
    const RECT rc = canvas.Rect();
    static GuideLayout layout;
    const int fit = LayOutGuidePanel(canvas.dc, &rc, mode, lang, &layout);
    if (fits != nullptr) *fits = fit;
    std::wstring note;
    for (int k = 0; k < layout.lineCount; ++k) {
        if (layout.lines[k].part != kGuideParts - 1) continue;
        note += (note.empty() ? L"" : L" ") + std::wstring(layout.lines[k].text, layout.lines[k].length);
    }
    return note;
}

// With TAVRO_COLOUR_SHOT set, `canvas` goes to that path with `suffix` added, for a person to look at.
void KeepShot(const Canvas& canvas, const wchar_t* suffix) {
    const wchar_t* path = _wgetenv(L"TAVRO_COLOUR_SHOT");
    if (path == nullptr) return;
    DWORD error = 0;
    WriteBmpFile((std::wstring(path) + suffix).c_str(), canvas.bits, canvas.width, canvas.height, &error);
}

int NotePixels(int mode) {
    Canvas canvas(1920, 1080);
    canvas.Clear(RGB(0, 0, 0));
    const RECT rc = canvas.Rect();
    const RECT panel = DrawGuidePanel(canvas.dc, &rc, mode);
    if (mode == 34) KeepShot(canvas, L"-guide.bmp");
    return canvas.Count(panel, kNoteColour);
}

std::string ReadFile(const std::wstring& path) {
    std::string text;
    FILE* file = _wfopen(path.c_str(), L"rb");
    if (file == nullptr) return text;
    char buffer[4096];
    for (size_t n; (n = fread(buffer, 1, sizeof(buffer), file)) > 0;) text.append(buffer, n);
    fclose(file);
    return text;
}

class ColourFacts : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        SetProcessDPIAware();
        SetCursorPos(0, 0);
        g_lang = 0;
        CreateUiFonts();
        RegisterSelectWindowClass(GetModuleHandleW(nullptr));
        hwnd = CreateSelectWindow(GetModuleHandleW(nullptr));
        ShowWindow(hwnd, SW_SHOW);
        UpdateWindow(hwnd);
        PumpMessages();
    }

    static void TearDownTestSuite() {
        DestroyWindow(hwnd);
        PumpMessages();
        ReleaseGlobalResources();
    }

    void TearDown() override {
        SetDisplayStateSeam(nullptr);
        DeleteEdid();
        DisplayChanged();
    }

    // Windows says the display changed: the window reads the monitors and their colours again.
    static void DisplayChanged() {
        SendMessageW(hwnd, WM_DISPLAYCHANGE, 32, MAKELPARAM(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)));
        RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        PumpMessages();
    }

    // The client area as it is on the glass.
    static std::vector<COLORREF> Shot(Canvas* canvas) {
        HDC dc = GetDC(hwnd);
        BitBlt(canvas->dc, 0, 0, canvas->width, canvas->height, dc, 0, 0, SRCCOPY);
        ReleaseDC(hwnd, dc);
        std::vector<COLORREF> pixels;
        for (int y = 0; y < canvas->height; ++y) {
            for (int x = 0; x < canvas->width; ++x) pixels.push_back(canvas->At(x, y));
        }
        return pixels;
    }

    static int BackgroundInSecondLine(const Canvas& canvas) {
        return canvas.Count(kSecondLine, kBackground);
    }

    static HWND hwnd;
};

HWND ColourFacts::hwnd = nullptr;

constexpr int kLinePixels = (kSecondLine.right - kSecondLine.left) * (kSecondLine.bottom - kSecondLine.top);

// Wine reports nothing and its monitor has no EDID: no second line, no note on any screen, and the
// run records nothing of the colours.
TEST_F(ColourFacts, NothingKnownShowsNothingNew) {
    DisplayChanged();
    EXPECT_FALSE(IsWindowVisible(g_hMonitorColour));
    EXPECT_EQ(TextOf(g_hMonitorColour), L"");
    Canvas canvas(kSelectClientWidth, kSelectClientHeight);
    Shot(&canvas);
    EXPECT_EQ(BackgroundInSecondLine(canvas), kLinePixels);
    for (int mode = 0; mode < 48; ++mode) EXPECT_EQ(NoteOn(mode), L"") << mode;
    EXPECT_EQ(NotePixels(34), 0);
}

// HDR on, 10-bit YCbCr 4:2:2, an HDR monitor's EDID: the second line says it all, the levels
// screens and the chroma screen get their notes, the run's record and report keep the state; and
// when Windows goes silent again the window is pixel for pixel as before.
TEST_F(ColourFacts, HdrWithYcbcr422ShowsTheLineTheNotesAndTheRecord) {
    DisplayChanged();
    Canvas before(kSelectClientWidth, kSelectClientHeight);
    const std::vector<COLORREF> unknown = Shot(&before);

    WriteEdid(ReadTestData("edid-corpus/D_Dell_DELA212_C6A72F756C70.bin"));
    SetDisplayStateSeam(&kHdrSeam);
    DisplayChanged();
    EXPECT_EQ(TextOf(g_hMonitorColour),
              L"HDR \x00B7 10-bit YCbCr 4:2:2 \x00B7 peak 465 cd/m\x00B2 (EDID) \x00B7 99 % DCI-P3 \x00B7 VRR 48\x2013" L"165 Hz");
    EXPECT_TRUE(IsWindowVisible(g_hMonitorColour));
    Canvas shown(kSelectClientWidth, kSelectClientHeight);
    const std::vector<COLORREF> known = Shot(&shown);
    EXPECT_LT(BackgroundInSecondLine(shown), kLinePixels - 200);  // the line's text is drawn there
    KeepShot(shown, L"-select.bmp");

    EXPECT_EQ(NoteOn(34), L"HDR is on: this SDR screen is shown at the SDR white level (240 cd/m\x00B2) through the sRGB "
                          L"curve, so dark steps look lighter than in SDR. For the SDR reading, switch HDR off.");
    EXPECT_EQ(NoteOn(44), L"Windows reports YCbCr 4:2:2 for this monitor.");
    EXPECT_EQ(NoteOn(0), L"");
    EXPECT_GT(NotePixels(34), 0);
    // The notes fit their panel on the smallest screen in every language.
    for (int lang = 0; lang < kLanguageCount; ++lang) {
        for (int mode : {5, 16, 34, 35, 36, 44}) {
            int fits = 0;
            EXPECT_NE(NoteOn(mode, lang, {640, 480}, &fits), L"") << lang << " " << mode;
            EXPECT_TRUE(fits) << "language " << lang << ", screen " << mode;
        }
    }

    BeginRunRecord(hwnd);
    EXPECT_EQ(CurrentRunRecord()->displayState.mode, kColourModeHdr);
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::wstring path = std::wstring(temp) + L"tavro-colour-" + std::to_wstring(GetCurrentProcessId()) + L".json";
    wchar_t reason[256];
    ASSERT_TRUE(SaveRunReport(CurrentRunRecord(), path.c_str(), reason, 256)) << reason;
    const std::string json = ReadFile(path);
    DeleteFileW(path.c_str());
    EXPECT_NE(json.find("\"display_state\": {\n    \"colour_mode\": \"hdr\""), std::string::npos) << json;
    EXPECT_NE(json.find("\"encoding\": \"ycbcr422\""), std::string::npos);

    SetDisplayStateSeam(&kSilentSeam);
    DeleteEdid();
    DisplayChanged();
    EXPECT_FALSE(IsWindowVisible(g_hMonitorColour));
    EXPECT_EQ(NoteOn(34), L"");
    Canvas after(kSelectClientWidth, kSelectClientHeight);
    EXPECT_EQ(Shot(&after), unknown);
    EXPECT_NE(known, unknown);  // the control: the shot does see the line
    BeginRunRecord(hwnd);
    EXPECT_EQ(CurrentRunRecord()->displayState.mode, kColourModeUnknown);
}

}  // namespace
