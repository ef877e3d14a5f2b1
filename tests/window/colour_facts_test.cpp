// What the monitor claims of its colours and what Windows reports of them, where people look: the
// selection window's second monitor line, the guidance panel's notes and the run's record, with
// Windows' answers stood in through the display-state seam and a real HDR monitor's EDID written
// where Wine keeps its monitor's. TAVRO_COLOUR_SHOT=path keeps shots of both for a person to see.
#include <gtest/gtest.h>

#include <stdlib.h>

#include <string>
#include <vector>

#include "app/lifetime.h"
#include "app/monitor_choice.h"
#include "app/select_window.h"
#include "app/select_layout.h"
#include "app/texts.h"
#include "app/ui_fonts.h"
#include "record/run_record.h"
#include "tests/support/canvas.h"
#include "tests/support/display_answers.h"
#include "tests/support/select_window_open.h"
#include "tests/support/test_data.h"
#include "tests/support/window_messages.h"
#include "testrun/guide_panel.h"
#include "tools/common/bmp_file.h"

namespace {

const wchar_t kMonitorParameters[] =
    L"SYSTEM\\CurrentControlSet\\Enum\\DISPLAY\\Default_Monitor\\0000&0000\\Device Parameters";
constexpr COLORREF kBackground = RGB(245, 244, 240);
constexpr COLORREF kNoteColour = RGB(255, 222, 110);
constexpr RECT kSecondLine = {20, 532, 660, 548};
constexpr int kLinePixels = 640 * 16;

// An HDR monitor driven in 10-bit YCbCr 4:2:2 (encoding 2), SDR content brightness 3000 / 1000 x 80 cd/m².
DisplayAnswers HdrAnswers() {
    DisplayAnswers answers = {};
    answers.info2 = {1, kInfo2AdvancedColourSupported | kInfo2AdvancedColourActive | kInfo2HdrSupported |
                            kInfo2HdrUserEnabled, 2, 10, 2};
    answers.sdrWhite = {1, 3000};
    return answers;
}

void SetEdid(const std::vector<unsigned char>* edid) {
    if (edid == nullptr) {
        RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, kMonitorParameters, L"EDID");
        return;
    }
    HKEY key;
    ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, kMonitorParameters, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                              nullptr), ERROR_SUCCESS);
    RegSetValueExW(key, L"EDID", 0, REG_BINARY, edid->data(), static_cast<DWORD>(edid->size()));
    RegCloseKey(key);
}

void KeepShot(const Canvas& canvas, const wchar_t* suffix) {
    const wchar_t* path = _wgetenv(L"TAVRO_COLOUR_SHOT");
    DWORD error = 0;
    if (path != nullptr) WriteBmpFile((std::wstring(path) + suffix).c_str(), canvas.bits, canvas.width, canvas.height, &error);
}

// The guidance panel's colour note on screen `mode` as laid out, its lines joined by spaces.
std::wstring NoteOn(int mode, int lang = 0, SIZE size = {1920, 1080}, int* fits = nullptr) {
    Canvas canvas(size.cx, size.cy);
    const RECT rc = canvas.Rect();
    static GuideLayout layout;
    const int fit = LayOutGuidePanel(canvas.dc, &rc, mode, lang, &layout);
    if (fits != nullptr) *fits = fit;
    std::wstring note;
    for (int k = 0; k < layout.lineCount; ++k) {
        const GuideLine& line = layout.lines[k];
        if (line.part == kGuideParts - 1) note += (note.empty() ? L"" : L" ") + std::wstring(line.text, line.length);
    }
    return note;
}

// Pixels of the note's colour in the panel drawn on black over screen `mode`.
int NotePixels(int mode) {
    Canvas canvas(1920, 1080);
    canvas.Clear(RGB(0, 0, 0));
    const RECT rc = canvas.Rect();
    const RECT panel = DrawGuidePanel(canvas.dc, &rc, mode);
    if (mode == 34) KeepShot(canvas, L"-guide.bmp");
    return canvas.Count(panel, kNoteColour);
}

class ColourFacts : public ::testing::Test {
protected:
    static void SetUpTestSuite() { hwnd = OpenSelectWindowForTests(); }

    static void TearDownTestSuite() { CloseSelectWindowForTests(hwnd); }

    void TearDown() override {
        StopDisplayStandIn();
        SetEdid(nullptr);
        DisplayChanged();
    }

    // Windows says the display changed: the window reads the monitors and their colours again.
    static void DisplayChanged() {
        SendMessageW(hwnd, WM_DISPLAYCHANGE, 32, MAKELPARAM(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)));
        RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        PumpMessages();
    }

    // The client area as it is on the glass, into `canvas`.
    static std::vector<uint32_t> Shot(Canvas* canvas) {
        HDC dc = GetDC(hwnd);
        BitBlt(canvas->dc, 0, 0, canvas->width, canvas->height, dc, 0, 0, SRCCOPY);
        ReleaseDC(hwnd, dc);
        return std::vector<uint32_t>(canvas->bits, canvas->bits + canvas->width * canvas->height);
    }

    static std::wstring LineText() {
        wchar_t text[512] = {};
        GetWindowTextW(g_hMonitorColour, text, 512);
        return text;
    }

    static HWND hwnd;
};

HWND ColourFacts::hwnd = nullptr;

// Wine reports nothing and its monitor has no EDID: no second line, no note on any screen. HDR on,
// 10-bit YCbCr 4:2:2, an HDR monitor's EDID: the second line says it all, the levels screens and
// the chroma screen get their notes, the run's record keeps the state; and when Windows goes
// silent again the window is pixel for pixel as it was.
TEST_F(ColourFacts, TheLineAndTheNotesSayWhatIsKnownAndOnlyThat) {
    DisplayChanged();
    EXPECT_FALSE(IsWindowVisible(g_hMonitorColour));
    EXPECT_EQ(LineText(), L"");
    Canvas before(kSelectClientWidth, kSelectClientHeight);
    const std::vector<uint32_t> unknown = Shot(&before);
    EXPECT_EQ(before.Count(kSecondLine, kBackground), kLinePixels);
    for (int mode = 0; mode < 48; ++mode) EXPECT_EQ(NoteOn(mode), L"") << mode;
    EXPECT_EQ(NotePixels(34), 0);

    const std::vector<unsigned char> edid = ReadTestData("edid-corpus/D_Dell_DELA212_C6A72F756C70.bin");
    SetEdid(&edid);
    StandInDisplayAnswers(HdrAnswers());
    DisplayChanged();
    EXPECT_EQ(LineText(), L"HDR \x00B7 10-bit YCbCr 4:2:2 \x00B7 peak 465 cd/m\x00B2 (EDID) \x00B7 99 % DCI-P3 \x00B7 "
                          L"VRR 48\x2013" L"165 Hz");
    EXPECT_TRUE(IsWindowVisible(g_hMonitorColour));
    Canvas shown(kSelectClientWidth, kSelectClientHeight);
    const std::vector<uint32_t> known = Shot(&shown);
    EXPECT_LT(shown.Count(kSecondLine, kBackground), kLinePixels - 200);  // the line's text is drawn there
    KeepShot(shown, L"-select.bmp");

    EXPECT_EQ(NoteOn(34), L"HDR is on: this SDR screen is shown at the SDR white level (240 cd/m\x00B2) through the sRGB "
                          L"curve, so dark steps look lighter than in SDR. For the SDR reading, switch HDR off.");
    EXPECT_EQ(NoteOn(44), L"Windows reports YCbCr 4:2:2 for this monitor.");
    EXPECT_EQ(NoteOn(0), L"");
    EXPECT_GT(NotePixels(34), 0);
    for (int lang = 0; lang < kLanguageCount; ++lang) {  // the notes fit the smallest screen's panel
        for (int mode : {5, 16, 34, 35, 36, 44}) {
            int fits = 0;
            EXPECT_NE(NoteOn(mode, lang, {640, 480}, &fits), L"") << lang << " " << mode;
            EXPECT_TRUE(fits) << "language " << lang << ", screen " << mode;
        }
    }
    BeginRunRecord(hwnd, 0);
    EXPECT_EQ(CurrentRunRecord()->displayState.encoding, kSignalYcbcr422);

    StandInDisplayAnswers(DisplayAnswers{});  // every call fails
    SetEdid(nullptr);
    DisplayChanged();
    EXPECT_FALSE(IsWindowVisible(g_hMonitorColour));
    EXPECT_EQ(NoteOn(34), L"");
    Canvas after(kSelectClientWidth, kSelectClientHeight);
    EXPECT_EQ(Shot(&after), unknown);
    EXPECT_NE(known, unknown);  // the control: the shot does see the line
    BeginRunRecord(hwnd, 0);
    EXPECT_EQ(CurrentRunRecord()->displayState.mode, kColourModeUnknown);
}

}  // namespace
