// The selection window at every display scale: the 96-DPI layout scaled, every text inside its
// control in every language, laid out anew when Windows says the scale changed, and never larger
// than the monitor's work area.
#include <gtest/gtest.h>

#include <stdlib.h>

#include <string>
#include <vector>

#include "app/app_state.h"
#include "app/display_scale.h"
#include "app/hdr_card_note.h"
#include "app/lifetime.h"
#include "app/owner_draw.h"
#include "app/select_window.h"
#include "app/texts.h"
#include "app/ui_fonts.h"
#include "record/results_window.h"
#include "hdr/hdr_support.h"
#include "hdr/hdr_texts.h"
#include "record/run_record.h"
#include "testrun/catalogue.h"
#include "tests/support/canvas.h"
#include "tests/support/dpi_move.h"
#include "tests/support/results_open.h"
#include "tests/support/window_messages.h"

namespace {

// A child's rectangle in its parent's client coordinates.
RECT PlaceOf(HWND parent, HWND child) {
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

std::vector<HWND> Children(HWND parent) {
    std::vector<HWND> children;
    for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        children.push_back(child);
    }
    return children;
}

int TextWidth(HWND control, HFONT font, const wchar_t* text) {
    HDC dc = GetDC(control);
    HGDIOBJ old = SelectObject(dc, font);
    SIZE size = {};
    GetTextExtentPoint32W(dc, text, lstrlenW(text), &size);
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    return size.cx;
}

// Every text the HDR card's line can say in the current language.
std::vector<std::wstring> HdrNoteTexts() {
    std::vector<std::wstring> texts = {HdrText(HT_HDR_OFF)};
    for (PresenterFailure failure : {kPresenterNoD3d11, kPresenterNoDxgi, kPresenterNoDevice, kPresenterNoFlipModel,
                                     kPresenterNoSwapChain, kPresenterPresentFailed}) {
        texts.push_back(HdrFailureText(failure));
    }
    return texts;
}

// The rectangle `text` takes wrapped into `width` in `font`, as the static control draws it.
RECT WrappedExtent(HWND control, HFONT font, const std::wstring& text, int width) {
    HDC dc = GetDC(control);
    HGDIOBJ old = SelectObject(dc, font);
    RECT r = {0, 0, width, 0};
    DrawTextW(dc, text.c_str(), -1, &r, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX | DT_RIGHT);
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    return r;
}

class SelectScale : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        SetProcessDPIAware();
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
        g_lang = 0;
    }
    void TearDown() override {
        LayOutAt(96);
        g_lang = 0;
        ReloadUiTexts(hwnd);
        PumpMessages();
    }
    // Lays the window out at `dpi`, its client area as large as the layout, as on a monitor large
    // enough at that scale (the frame stays the one this process draws).
    static void LayOutAt(int dpi) {
        LayOutSelectWindow(hwnd, dpi);
        RECT window;
        RECT client;
        GetWindowRect(hwnd, &window);
        GetClientRect(hwnd, &client);
        SetWindowPos(hwnd, nullptr, 0, 0, RectWidth(window) - client.right + ScaleToDpi(kSelectClientWidth, dpi),
                     RectHeight(window) - client.bottom + ScaleToDpi(kSelectClientHeight, dpi),
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
    // Whether this screen can show the window at `dpi` whole: the tests of the larger scales run
    // in tests/scripts/select_scales.sh, on a screen large enough.
    static bool ScreenHolds(int dpi) {
        RECT work;
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
        return FittedSelectDpi(dpi, work) == dpi;
    }
    static HWND hwnd;
};

HWND SelectScale::hwnd = nullptr;

// Every text measured with the font that draws it, against the room its control gives it there.
TEST_F(SelectScale, EveryTextFitsItsControlAtEveryScaleInEveryLanguage) {
    if (!ScreenHolds(288)) GTEST_SKIP() << "needs a screen that holds the window at 300 %";
    for (int dpi : {96, 120, 144, 192, 288}) {
        LayOutAt(dpi);
        RECT client;
        GetClientRect(hwnd, &client);
        EXPECT_EQ(RectWidth(client), ScaleToDpi(kSelectClientWidth, dpi));
        EXPECT_EQ(RectHeight(client), ScaleToDpi(kSelectClientHeight, dpi));
        const auto S = [dpi](int size) { return ScaleToDpi(size, dpi); };
        for (int lang = 0; lang < kLanguageCount; ++lang) {
            g_lang = lang;
            ReloadUiTexts(hwnd);
            SCOPED_TRACE(testing::Message() << "language " << lang << " at " << dpi << " DPI");
            // The HDR card's line, shown or not, holds whatever it may say within its two lines.
            const RECT note = PlaceOf(hwnd, g_hHdrNote);
            const HFONT noteFont = reinterpret_cast<HFONT>(SendMessageW(g_hHdrNote, WM_GETFONT, 0, 0));
            for (const std::wstring& text : HdrNoteTexts()) {
                const RECT r = WrappedExtent(g_hHdrNote, noteFont, text, RectWidth(note));
                EXPECT_LE(RectWidth(r), RectWidth(note)) << std::wstring(text).substr(0, 60);
                EXPECT_LE(RectHeight(r), RectHeight(note)) << std::wstring(text).substr(0, 60);
            }
            for (HWND child : Children(hwnd)) {
                const RECT r = PlaceOf(hwnd, child);
                const int id = GetDlgCtrlID(child);
                wchar_t text[512];
                GetWindowTextW(child, text, 512);
                if (!IsWindowVisible(child)) continue;
                EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= client.right && r.bottom <= client.bottom) << id;
                HFONT font = reinterpret_cast<HFONT>(SendMessageW(child, WM_GETFONT, 0, 0));
                int room = RectWidth(r);
                const bool ownerDrawn = id >= IDC_START && id <= IDC_ABOUT;
                if (id >= IDC_CARD_FIRST && id <= IDC_CARD_LAST) {
                    room -= S(14) + S(28) + S(70);  // check box before the name, count after it
                    wchar_t badge[16];
                    wsprintfW(badge, L"\x00D7%d", g_catCount[id - IDC_CARD_FIRST]);
                    EXPECT_LE(TextWidth(child, g_app.fontMono, badge), S(50)) << id;
                } else if (id == IDC_START) {
                    room = r.right - (r.left + RectWidth(r) / 2 - S(30) + S(14));  // the label after the triangle
                } else if (id == IDC_AUTO) {
                    room = r.right - (r.left + RectWidth(r) / 2 - S(34) + S(16));
                } else if (id >= IDC_SETTINGS && id <= IDC_ABOUT) {
                    room -= 2 * S(4);  // inside the focus mark
                } else if (id == IDC_LANG_COMBO) {
                    for (const wchar_t* name : g_langNames) {
                        EXPECT_LE(TextWidth(child, font, name), room - GetSystemMetrics(SM_CXVSCROLL) - S(8)) << name;
                    }
                    continue;
                } else if (lstrlenW(text) == 0 || id == IDC_HDR_NOTE) {
                    continue;  // the HDR card's line wraps: measured above
                }
                // A card's or button's label in the font that draws it: smaller where a language's
                // word would not fit otherwise.
                HFONT fitted = nullptr;
                if (ownerDrawn || (id >= IDC_CARD_FIRST && id <= IDC_CARD_LAST)) {
                    HDC dc = GetDC(child);
                    fitted = FittingLabelFont(dc, g_app.fontUi, text, room);
                    ReleaseDC(child, dc);
                    font = fitted != nullptr ? fitted : g_app.fontUi;
                }
                EXPECT_LE(TextWidth(child, font, text), room) << "control " << id << ": " << std::wstring(text).substr(0, 60);
                if (fitted != nullptr) DeleteObject(fitted);
            }
        }
    }
}

TEST_F(SelectScale, At192DpiEveryControlIsTwiceItsPlaceAt96) {
    if (!ScreenHolds(192)) GTEST_SKIP() << "needs a screen that holds the window at 200 %";
    LayOutAt(96);
    std::vector<RECT> at96;
    for (HWND child : Children(hwnd)) at96.push_back(PlaceOf(hwnd, child));
    LayOutAt(192);
    const std::vector<HWND> children = Children(hwnd);
    for (size_t k = 0; k < children.size(); ++k) {
        const RECT r = PlaceOf(hwnd, children[k]);
        const int id = GetDlgCtrlID(children[k]);
        EXPECT_NEAR(r.left, 2 * at96[k].left, 1) << id;
        EXPECT_NEAR(r.top, 2 * at96[k].top, 1) << id;
        EXPECT_NEAR(r.right, 2 * at96[k].right, 1) << id;
        wchar_t cls[16] = {};
        GetClassNameW(children[k], cls, 16);
        if (lstrcmpiW(cls, L"COMBOBOX") != 0) {  // a combo box is as tall as its font makes it
            EXPECT_NEAR(r.bottom, 2 * at96[k].bottom, 1) << id;
        }
    }
    LOGFONTW font = {};
    GetObjectW(g_app.fontUi, sizeof(font), &font);
    EXPECT_EQ(font.lfHeight, -28);
}

// Windows says the scale changed (the window was dragged onto a monitor of 125 %, then back):
// the window takes the rectangle suggested and lays itself out again; back at 96 DPI every pixel
// is as it was.
TEST_F(SelectScale, TakesTheSuggestedRectangleAndComesBackAsItWas) {
    RECT start;
    GetWindowRect(hwnd, &start);
    RECT client;
    GetClientRect(hwnd, &client);
    Canvas before(client.right, client.bottom);
    HDC dc = GetDC(hwnd);
    BitBlt(before.dc, 0, 0, client.right, client.bottom, dc, 0, 0, SRCCOPY);
    const SIZE size = SelectWindowSize(120, 120);
    RECT suggested = {start.left, start.top, start.left + size.cx, start.top + size.cy};
    SendMessageW(hwnd, WM_DPICHANGED, MAKEWPARAM(120, 120), reinterpret_cast<LPARAM>(&suggested));
    RECT now;
    GetWindowRect(hwnd, &now);
    EXPECT_TRUE(EqualRect(&now, &suggested));
    EXPECT_EQ(SelectLayoutDpi(), 120);
    SendMessageW(hwnd, WM_DPICHANGED, MAKEWPARAM(96, 96), reinterpret_cast<LPARAM>(&start));
    GetWindowRect(hwnd, &now);
    EXPECT_TRUE(EqualRect(&now, &start));
    RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PumpMessages();
    Canvas after(client.right, client.bottom);
    BitBlt(after.dc, 0, 0, client.right, client.bottom, dc, 0, 0, SRCCOPY);
    ReleaseDC(hwnd, dc);
    GdiFlush();
    EXPECT_EQ(memcmp(before.bits, after.bits, static_cast<size_t>(client.right) * client.bottom * 4), 0);
}

// 500 % would make the window larger than the work area: it is scaled down to fit, never below
// 100 %, with every control inside it.
TEST_F(SelectScale, TooLargeForTheScreenItIsScaledDownToFit) {
    RECT work;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const SIZE size = SelectWindowSize(480, 480);  // 500 %: larger than any screen the tests run on
    ASSERT_TRUE(size.cx > RectWidth(work) || size.cy > RectHeight(work));
    RECT suggested = {work.left, work.top, work.left + size.cx, work.top + size.cy};
    SendMessageW(hwnd, WM_DPICHANGED, MAKEWPARAM(480, 480), reinterpret_cast<LPARAM>(&suggested));
    const int dpi = SelectLayoutDpi();
    EXPECT_LT(dpi, 480);
    EXPECT_GE(dpi, 96);
    EXPECT_EQ(dpi, FittedSelectDpi(480, work));
    RECT now;
    GetWindowRect(hwnd, &now);
    EXPECT_LE(RectWidth(now), RectWidth(work));
    EXPECT_LE(RectHeight(now), RectHeight(work));
    const SIZE larger = SelectWindowSize(dpi + 1, 480);
    EXPECT_TRUE(larger.cx > RectWidth(work) || larger.cy > RectHeight(work));  // the largest that fits
    RECT client;
    GetClientRect(hwnd, &client);
    for (HWND child : Children(hwnd)) {
        const RECT r = PlaceOf(hwnd, child);
        EXPECT_TRUE(r.right <= client.right && r.bottom <= client.bottom) << GetDlgCtrlID(child);
    }
    const RECT tiny = {0, 0, 640, 480};
    EXPECT_EQ(FittedSelectDpi(192, tiny), 96);  // never below 100 %
}

// Started on a monitor at the scale the environment asks for (tests/scripts/dpi_sweep.sh runs this
// at 192 DPI in a desktop large enough): the window opens at that scale.
TEST_F(SelectScale, OpensAtItsMonitorsScale) {
    const char* wanted = getenv("TAVRO_EXPECT_DPI");
    const int dpi = wanted != nullptr ? atoi(wanted) : 96;
    RECT work;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    ASSERT_EQ(FittedSelectDpi(dpi, work), dpi) << "the desktop (" << RectWidth(work) << " x " << RectHeight(work)
                                                << ") is too small for the window at " << dpi << " DPI";
    EXPECT_EQ(SelectLayoutDpi(), dpi);
    RECT client;
    GetClientRect(hwnd, &client);
    EXPECT_EQ(client.right, ScaleToDpi(kSelectClientWidth, dpi));
    EXPECT_EQ(client.bottom, ScaleToDpi(kSelectClientHeight, dpi));
}

}  // namespace

// Scaled down to fit a monitor too small for it at its scale (175 % on 1920 x 1080), then dragged
// to a monitor at 100 %: the whole layout there, nothing cut at the right or the bottom.
TEST_F(SelectScale, DraggedWhileScaledDownItTakesItsWholeLayout) {
    RECT work;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    int high = 0;
    for (int dpi : {168, 240, 336, 480}) {
        if (FittedSelectDpi(dpi, work) < dpi) {
            high = dpi;
            break;
        }
    }
    ASSERT_NE(high, 0);
    MoveToScale(hwnd, 96, high);
    ASSERT_LT(SelectLayoutDpi(), high) << "scaled down to fit at " << high << " DPI";
    MoveToScale(hwnd, high, 96);
    EXPECT_EQ(SelectLayoutDpi(), 96);
    RECT client;
    GetClientRect(hwnd, &client);
    EXPECT_EQ(client.right, kSelectClientWidth);
    EXPECT_EQ(client.bottom, kSelectClientHeight);
    for (HWND child : Children(hwnd)) {
        if (!IsWindowVisible(child)) continue;
        const RECT r = PlaceOf(hwnd, child);
        EXPECT_TRUE(r.right <= client.right && r.bottom <= client.bottom) << GetDlgCtrlID(child);
    }
}

namespace {

bool Inside(const RECT& r, const RECT& area) {
    return r.left >= area.left && r.top >= area.top && r.right <= area.right && r.bottom <= area.bottom;
}

RECT PrimaryWorkArea() {
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY), &monitor);
    return monitor.rcWork;
}

}  // namespace

// The selection window opens inside its monitor's work area, and the results window over it too,
// scaled down to fit where its monitor's scale would make it larger: tests/scripts/select_scales.sh
// runs this at 200 % on 1366 x 768 with a taskbar along the top.
TEST(WorkArea, BothWindowsOpenWholeInsideIt) {
    const RECT work = PrimaryWorkArea();
    g_app.hInstance = GetModuleHandleW(nullptr);
    RegisterSelectWindowClass(g_app.hInstance);
    HWND select = CreateSelectWindow(g_app.hInstance);
    ASSERT_NE(select, nullptr);
    ShowWindow(select, SW_SHOW);
    PumpMessages();
    RECT r;
    GetWindowRect(select, &r);
    EXPECT_TRUE(Inside(r, work)) << "selection window (" << r.left << ", " << r.top << ")-(" << r.right << ", "
                                 << r.bottom << "), work area (" << work.left << ", " << work.top << ")-("
                                 << work.right << ", " << work.bottom << ")";
    // At its own size where it fits (100 % on a 1366 x 768 laptop): every card and button whole in it.
    if (WindowDpi(select) == kBaseDpi) {
        EXPECT_EQ(SelectLayoutDpi(), kBaseDpi);
    }
    RECT client;
    GetClientRect(select, &client);
    std::vector<HWND> shown(g_hCatChecks, g_hCatChecks + kCategoryCount);
    shown.insert(shown.end(), {g_hBtnStart, g_hBtnAuto, g_hBtnSettings, g_hBtnAbout});
    for (HWND control : shown) {
        EXPECT_TRUE(IsWindowVisible(control) && Inside(PlaceOf(select, control), client)) << GetDlgCtrlID(control);
    }
    OpenResultsWithOneMark(select);
    ASSERT_NE(g_hResults, nullptr);
    GetWindowRect(g_hResults, &r);
    EXPECT_TRUE(Inside(r, work)) << "results window (" << r.left << ", " << r.top << ")-(" << r.right << ", "
                                 << r.bottom << ")";
    for (int id : {4002, 4003}) {  // Save report…, Close
        GetWindowRect(GetDlgItem(g_hResults, id), &r);
        EXPECT_TRUE(Inside(r, work)) << id;
    }
    // Scaled down only as far as it must: its text larger than at 100 % where the scale is.
    LOGFONTW font = {};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(GetDlgItem(g_hResults, 4002), WM_GETFONT, 0, 0)), sizeof(font),
               &font);
    if (WindowDpi(select) > kBaseDpi) {
        EXPECT_LT(font.lfHeight, -14);
    }
    DestroyWindow(g_hResults);
    DestroyWindow(select);
    PumpMessages();
    ReleaseGlobalResources();
}
