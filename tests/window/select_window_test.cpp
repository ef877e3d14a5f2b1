// The selection window driven through its messages, under a real window manager-less X display.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "app/lifetime.h"
#include "app/monitor_choice.h"
#include "app/select_keyboard.h"
#include "app/select_window.h"
#include "app/texts.h"
#include "app/ui_fonts.h"
#include "tests/support/message_box.h"
#include "testrun/catalogue.h"

namespace {

std::wstring TextOf(HWND hwnd) {
    wchar_t text[512] = {};
    GetWindowTextW(hwnd, text, 512);
    return text;
}

std::wstring ClassOf(HWND hwnd) {
    wchar_t name[64] = {};
    GetClassNameW(hwnd, name, 64);
    for (wchar_t& c : name) c = towupper(c);
    return name;
}

RECT ClientRectOf(HWND parent, HWND child) {
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

std::vector<std::string> ReadLines(const char* path) {
    std::vector<std::string> lines;
    std::ifstream in(path);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// The program's own message loop: the selection window's keys first.
void Pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (SelectWindowKey(&msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

// One window for the whole suite: under Wine without a window manager every top-level window
// costs about two seconds to show and destroy, so the tests share it and reset its state instead.
class SelectWindow : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        SetProcessDPIAware();
        // The cards and buttons follow the real pointer too: keep it off the window, so only the
        // moves the tests send count.
        SetCursorPos(0, 0);
        g_lang = 0;
        CreateUiFonts();
        RegisterSelectWindowClass(GetModuleHandleW(nullptr));
        hwnd = CreateSelectWindow(GetModuleHandleW(nullptr));
        std::copy(g_catChecked, g_catChecked + kCategoryCount, checksAtCreation);
        ShowWindow(hwnd, SW_SHOW);
        UpdateWindow(hwnd);
        Pump();
    }

    static void TearDownTestSuite() {
        DestroyWindow(hwnd);
        Pump();  // takes the quit message posted by WM_DESTROY off the queue
        ReleaseGlobalResources();
    }

    void SetUp() override {
        ASSERT_NE(hwnd, nullptr);
        if (g_lang != 0) {
            g_lang = 0;
            SendMessageW(g_hLangCombo, CB_SETCURSEL, 0, 0);
            ReloadUiTexts(hwnd);
        }
        for (int i = 0; i < kCategoryCount; ++i) g_catChecked[i] = i < 2;
        // Nothing hovered, even where X's pointer started over a card (the middle of the screen).
        SetCursorPos(0, 0);
        if (g_app.hoverCard >= 0) SendMessageW(g_hCatChecks[g_app.hoverCard], WM_MOUSELEAVE, 0, 0);
        SendMessageW(hwnd, WM_MOUSELEAVE, 0, 0);
        // As after the start: no control focused, focus marks hidden until the keyboard moves the focus.
        SetFocus(hwnd);
        SendMessageW(hwnd, WM_CHANGEUISTATE, MAKEWPARAM(UIS_SET, UISF_HIDEFOCUS), 0);
        Settle();
    }

    // Paints everything that is pending, so the next update region starts empty; twice, for what
    // X exposes a moment after a message box over the cards has gone.
    static void Settle() {
        for (int round = 0; round < 2; ++round) {
            if (round > 0) Sleep(30);
            RedrawWindow(hwnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
            Pump();
        }
    }

    static bool PendingPaint(HWND control) { return GetUpdateRect(control, nullptr, FALSE) != FALSE; }

    std::vector<int> CardsPendingPaint() const {
        std::vector<int> cards;
        for (int i = 0; i < kCategoryCount; ++i) {
            if (PendingPaint(g_hCatChecks[i])) cards.push_back(i);
        }
        return cards;
    }

    int ButtonsPendingPaint() const {
        int count = 0;
        for (HWND b : {g_hBtnStart, g_hBtnAuto, g_hBtnSettings, g_hBtnAbout}) count += PendingPaint(b);
        return count;
    }

    void MoveTo(int x, int y) { SendMessageW(hwnd, WM_MOUSEMOVE, 0, MAKELPARAM(x, y)); }

    static HWND hwnd;
    static int checksAtCreation[kCategoryCount];
};

HWND SelectWindow::hwnd = nullptr;
int SelectWindow::checksAtCreation[kCategoryCount];

TEST_F(SelectWindow, FixedSizeCentredWindowWithItsCaption) {
    RECT r;
    GetWindowRect(hwnd, &r);
    RECT client;
    GetClientRect(hwnd, &client);
    EXPECT_EQ(client.right, 1054);
    EXPECT_EQ(client.bottom, 565);
    RECT frame = {0, 0, 1054, 565};
    AdjustWindowRectEx(&frame, GetWindowLongW(hwnd, GWL_STYLE), FALSE, 0);
    EXPECT_EQ(r.right - r.left, frame.right - frame.left);
    EXPECT_EQ(r.bottom - r.top, frame.bottom - frame.top);
    EXPECT_EQ(r.left, (GetSystemMetrics(SM_CXSCREEN) - (r.right - r.left)) / 2);
    EXPECT_EQ(r.top, (GetSystemMetrics(SM_CYSCREEN) - (r.bottom - r.top)) / 2);
    EXPECT_EQ(TextOf(hwnd), L"TAVRO - Select Tests");
    const LONG style = GetWindowLongW(hwnd, GWL_STYLE);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(style & WS_THICKFRAME);
    EXPECT_EQ(g_app.hwndSelect, hwnd);
    EXPECT_EQ(std::vector<int>(checksAtCreation, checksAtCreation + kCategoryCount),
              (std::vector<int>{1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));  // Solid Colors and Brightness start ticked
}

TEST_F(SelectWindow, CentringTruncatesTowardZero) {
    EXPECT_EQ(CentredOrigin(1920, 700), 610);
    EXPECT_EQ(CentredOrigin(699, 700), 0);   // -1 / 2
    EXPECT_EQ(CentredOrigin(698, 700), -1);
    EXPECT_EQ(CentredOrigin(600, 700), -50);
}

TEST_F(SelectWindow, ControlsHaveTheirClassTextPlaceSizeAndStyle) {
    struct Expected {
        int id;
        const wchar_t* cls;
        const wchar_t* text;
        int x, y, w, h;
        DWORD style;
    };
    const Expected table[] = {
        {3005, L"STATIC", L"Select Tests", 20, 14, 400, 26, 0},
        {3006, L"STATIC", L"Check categories to test \x00B7 multi-select \x00B7 62 screens", 20, 42, 400, 18, 0},
        {1005, L"COMBOBOX", nullptr, 854, 16, 180, -1, CBS_DROPDOWNLIST},  // the combo hands WS_VSCROLL to its list
        {2000, L"BUTTON", L"Solid Colors", 20, 68, 330, 48, BS_OWNERDRAW},
        {2001, L"BUTTON", L"Brightness and contrast", 362, 68, 330, 48, BS_OWNERDRAW},
        {2002, L"BUTTON", L"Geometry", 704, 68, 330, 48, BS_OWNERDRAW},
        {2004, L"BUTTON", L"Focus", 362, 126, 330, 48, BS_OWNERDRAW},
        {2009, L"BUTTON", L"Sound", 20, 242, 330, 48, BS_OWNERDRAW},
        {2010, L"BUTTON", L"Levels and gamma", 362, 242, 330, 48, BS_OWNERDRAW},
        {2011, L"BUTTON", L"Motion", 704, 242, 330, 48, BS_OWNERDRAW},
        {2012, L"BUTTON", L"Chroma and text", 20, 300, 330, 48, BS_OWNERDRAW},
        {2013, L"BUTTON", L"Edges and scaling", 362, 300, 330, 48, BS_OWNERDRAW},
        {2014, L"BUTTON", L"HDR", 704, 300, 330, 48, BS_OWNERDRAW},
        {1001, L"BUTTON", L"START", 20, 396, 200, 40, BS_OWNERDRAW},
        {1002, L"BUTTON", L"AUTO", 230, 396, 160, 40, BS_OWNERDRAW},
        {1003, L"BUTTON", L"Display Settings", 400, 396, 110, 40, BS_OWNERDRAW},
        {1004, L"BUTTON", L"About TAVRO", 520, 396, 110, 40, BS_OWNERDRAW},
        {3001, L"STATIC", g_texts[0][STR_HINT1], 20, 448, 640, 18, SS_CENTER},
        {3002, L"STATIC", g_texts[0][STR_HINT2], 20, 470, 640, 18, SS_CENTER},
        {3003, L"STATIC", L"TAVRO", 20, 492, 280, 16, 0},
        {3007, L"STATIC", nullptr, 20, 514, 640, 16, 0},
    };
    for (const Expected& e : table) {
        SCOPED_TRACE(e.id);
        HWND control = GetDlgItem(hwnd, e.id);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(ClassOf(control), e.cls);
        if (e.text != nullptr) {
            EXPECT_EQ(TextOf(control), e.text);
        }
        const RECT r = ClientRectOf(hwnd, control);
        EXPECT_EQ(r.left, e.x);
        EXPECT_EQ(r.top, e.y);
        EXPECT_EQ(r.right - r.left, e.w);
        if (e.h > 0) {
            EXPECT_EQ(r.bottom - r.top, e.h);
        }
        const DWORD style = GetWindowLongW(control, GWL_STYLE);
        EXPECT_EQ(style & (WS_CHILD | WS_VISIBLE), static_cast<DWORD>(WS_CHILD | WS_VISIBLE));
        if (e.style == BS_OWNERDRAW) {
            EXPECT_EQ(style & BS_TYPEMASK, static_cast<DWORD>(BS_OWNERDRAW));
        } else if (e.cls == std::wstring(L"STATIC")) {
            EXPECT_EQ(style & SS_TYPEMASK, e.style);
        } else {
            EXPECT_EQ(style & e.style, e.style);
        }
        EXPECT_EQ(GetWindowLongW(control, GWL_EXSTYLE) & ~WS_EX_NOPARENTNOTIFY & ~WS_EX_CLIENTEDGE, 0);
    }
    EXPECT_EQ(GetDlgItem(hwnd, 3004), nullptr);
}

TEST_F(SelectWindow, FontsGoToTheirControls) {
    auto fontOf = [](HWND c) { return reinterpret_cast<HFONT>(SendMessageW(c, WM_GETFONT, 0, 0)); };
    for (HWND card : g_hCatChecks) EXPECT_EQ(fontOf(card), g_app.fontUi);
    for (HWND b : {g_hBtnStart, g_hBtnAuto, g_hBtnSettings, g_hBtnAbout}) EXPECT_EQ(fontOf(b), g_app.fontUi);
    for (HWND c : {g_hLangCombo, g_hHint1, g_hHint2, g_hCopyright, g_hHdrSub, g_hMonitorCombo, g_hMonitorInfo}) {
        EXPECT_EQ(fontOf(c), g_app.fontSmall);
    }
    EXPECT_EQ(fontOf(g_hHdrTitle), g_app.fontTitle);
}

// Xvfb is one monitor without an EDID: no choice of monitor, and a line that says so.
TEST_F(SelectWindow, OneMonitorGetsNoMonitorBoxAndALineOnItsMode) {
    EXPECT_FALSE(IsWindowVisible(g_hMonitorCombo));
    EXPECT_EQ(SendMessageW(g_hMonitorCombo, CB_GETCOUNT, 0, 0), 1);
    const std::wstring size = std::to_wstring(GetSystemMetrics(SM_CXSCREEN)) + L" \x00D7 " +
                              std::to_wstring(GetSystemMetrics(SM_CYSCREEN));
    EXPECT_EQ(TextOf(g_hMonitorInfo), L"No EDID: screens use the current " + size);
    g_lang = 2;
    SendMessageW(g_hLangCombo, CB_SETCURSEL, 2, 0);
    ReloadUiTexts(hwnd);
    EXPECT_EQ(TextOf(g_hMonitorInfo), L"Keine EDID: Testbilder nutzen die aktuellen " + size);
    SendMessageW(hwnd, WM_DISPLAYCHANGE, 32, MAKELPARAM(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)));
    EXPECT_FALSE(IsWindowVisible(g_hMonitorCombo));
    EXPECT_EQ(SendMessageW(g_hMonitorCombo, CB_GETCOUNT, 0, 0), 1);
}

TEST_F(SelectWindow, ComboListsTheThirteenLanguagesWithTheCurrentOneSelected) {
    ASSERT_EQ(SendMessageW(g_hLangCombo, CB_GETCOUNT, 0, 0), 13);
    for (int i = 0; i < 13; ++i) {
        wchar_t name[64] = {};
        SendMessageW(g_hLangCombo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(name));
        EXPECT_STREQ(name, g_langNames[i]);
    }
    EXPECT_EQ(SendMessageW(g_hLangCombo, CB_GETCURSEL, 0, 0), 0);
}

TEST_F(SelectWindow, ChoosingGermanRelabelsEverythingAndTheAboutBox) {
    SendMessageW(g_hLangCombo, CB_SETCURSEL, 2, 0);
    SendMessageW(hwnd, WM_COMMAND, MAKEWPARAM(IDC_LANG_COMBO, CBN_SELCHANGE), reinterpret_cast<LPARAM>(g_hLangCombo));
    EXPECT_EQ(g_lang, 2);
    EXPECT_EQ(TextOf(hwnd), L"TAVRO - Tests ausw\x00E4hlen");
    EXPECT_EQ(TextOf(g_hCatChecks[0]), L"Grundfarben");
    EXPECT_EQ(TextOf(g_hBtnStart), L"START");
    EXPECT_EQ(TextOf(g_hBtnSettings), L"Anzeige");
    EXPECT_EQ(TextOf(g_hHdrTitle), L"Tests ausw\x00E4hlen");

    MessageBoxWatch watch;
    WatchForMessageBox(&watch);
    SendMessageW(hwnd, WM_COMMAND, MAKEWPARAM(IDC_ABOUT, BN_CLICKED), reinterpret_cast<LPARAM>(g_hBtnAbout));
    ASSERT_TRUE(FinishWatch(&watch));
    EXPECT_EQ(watch.caption, L"TAVRO - Tests ausw\x00E4hlen");
    EXPECT_EQ(watch.text, g_texts[2][STR_ABOUT_TEXT]);

    // A notification other than a selection change, or no selection, changes nothing.
    SendMessageW(g_hLangCombo, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    SendMessageW(hwnd, WM_COMMAND, MAKEWPARAM(IDC_LANG_COMBO, CBN_SELCHANGE), reinterpret_cast<LPARAM>(g_hLangCombo));
    SendMessageW(g_hLangCombo, CB_SETCURSEL, 3, 0);
    SendMessageW(hwnd, WM_COMMAND, MAKEWPARAM(IDC_LANG_COMBO, CBN_DROPDOWN), reinterpret_cast<LPARAM>(g_hLangCombo));
    EXPECT_EQ(g_lang, 2);
}

TEST_F(SelectWindow, CardClickFlipsItsCategoryAndRepaintsThatCardOnly) {
    for (int card : {3, kHdrCategory}) {  // the last card too
        SCOPED_TRACE(card);
        const int id = IDC_CARD_FIRST + card;
        remove("drawitem.txt");
        SendMessageW(hwnd, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(g_hCatChecks[card]));
        EXPECT_EQ(g_catChecked[card], 1);
        EXPECT_EQ(CardsPendingPaint(), std::vector<int>{card});
        EXPECT_EQ(ButtonsPendingPaint(), 0);
        Settle();
        EXPECT_EQ(ReadLines("drawitem.txt"),
                  std::vector<std::string>{"WM_DRAWITEM: CtlID=" + std::to_string(id) + ", CtlType=4"});
        SendMessageW(hwnd, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(g_hCatChecks[card]));
        EXPECT_EQ(g_catChecked[card], 0);
        Settle();
    }
}

TEST_F(SelectWindow, DrawItemTraceGrowsByOneLinePerRepaint) {
    Settle();
    remove("drawitem.txt");
    InvalidateRect(g_hBtnAuto, nullptr, TRUE);
    InvalidateRect(g_hCatChecks[9], nullptr, TRUE);
    Settle();
    std::vector<std::string> lines = ReadLines("drawitem.txt");
    std::sort(lines.begin(), lines.end());
    EXPECT_EQ(lines, (std::vector<std::string>{"WM_DRAWITEM: CtlID=1002, CtlType=4",
                                               "WM_DRAWITEM: CtlID=2009, CtlType=4"}));
}

TEST_F(SelectWindow, HoverRepaintsExactlyTheCardsAndButtonsItMustRepaint) {
    Settle();
    MoveTo(25, 73);  // card 0
    EXPECT_EQ(g_app.hoverCard, 0);
    EXPECT_EQ(g_app.hoverButton, -1);
    EXPECT_EQ(CardsPendingPaint(), std::vector<int>{0});
    EXPECT_EQ(ButtonsPendingPaint(), 0);
    Settle();

    MoveTo(25, 80);  // still card 0: nothing to repaint
    EXPECT_TRUE(CardsPendingPaint().empty());
    MoveTo(362 + 329, 68 + 47);  // the last pixel of card 1
    EXPECT_EQ(g_app.hoverCard, 1);
    EXPECT_EQ(CardsPendingPaint(), (std::vector<int>{0, 1}));
    Settle();

    MoveTo(362 + 330, 68);  // right edge is outside the card
    EXPECT_EQ(g_app.hoverCard, -1);
    Settle();

    MoveTo(21, 397);  // START
    EXPECT_EQ(g_app.hoverButton, IDC_START);
    EXPECT_TRUE(CardsPendingPaint().empty());
    EXPECT_EQ(ButtonsPendingPaint(), 4);
    Settle();
    MoveTo(600, 410);  // About
    EXPECT_EQ(g_app.hoverButton, IDC_ABOUT);
    Settle();

    MoveTo(704 + 1, 126 + 1);  // card 5, while About loses the hover
    EXPECT_EQ(g_app.hoverCard, 5);
    EXPECT_EQ(g_app.hoverButton, -1);
    EXPECT_EQ(ButtonsPendingPaint(), 4);
    Settle();

    SendMessageW(hwnd, WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(g_app.hoverCard, -1);
    EXPECT_EQ(g_app.hoverButton, -1);
    EXPECT_EQ(CardsPendingPaint(), std::vector<int>{5});
    EXPECT_EQ(ButtonsPendingPaint(), 4);
    Settle();
    SendMessageW(hwnd, WM_MOUSELEAVE, 0, 0);  // nothing hovered: nothing repainted
    EXPECT_TRUE(CardsPendingPaint().empty());
    EXPECT_EQ(ButtonsPendingPaint(), 0);
}

TEST_F(SelectWindow, StartWithNothingCheckedAsksForATestAndStaysShown) {
    for (int& checked : g_catChecked) checked = 0;
    for (int id : {IDC_START, IDC_AUTO}) {
        MessageBoxWatch watch;
        WatchForMessageBox(&watch);
        SendMessageW(hwnd, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
        ASSERT_TRUE(FinishWatch(&watch));
        EXPECT_EQ(watch.text, L"Please select at least one test.");
        EXPECT_EQ(watch.caption, L"TAVRO - Select Tests");
        EXPECT_TRUE(IsWindowVisible(hwnd));
    }
    EXPECT_EQ(g_app.playlist, nullptr);
}

TEST_F(SelectWindow, BackgroundAndStaticColours) {
    HDC dc = GetDC(hwnd);
    SendMessageW(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    EXPECT_EQ(GetPixel(dc, 5, 5), RGB(245, 244, 240));
    EXPECT_EQ(SendMessageW(hwnd, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(g_hHdrTitle)),
              reinterpret_cast<LRESULT>(g_app.brushBackground));
    EXPECT_EQ(GetTextColor(dc), RGB(18, 24, 31));
    SendMessageW(hwnd, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(g_hHint1));
    EXPECT_EQ(GetTextColor(dc), RGB(58, 70, 82));
    EXPECT_EQ(GetBkColor(dc), RGB(245, 244, 240));
    ReleaseDC(hwnd, dc);
}

}  // namespace

namespace {

// Over a card or button the control, not the window, gets the mouse messages; the hover look
// must follow the pointer there all the same.
TEST_F(SelectWindow, HoverFollowsThePointerOverTheControlsThemselves) {
    POINT start = {362 + 10, 68 + 10};  // inside card 1
    ClientToScreen(hwnd, &start);
    SetCursorPos(start.x, start.y);
    SendMessageW(g_hCatChecks[1], WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
    EXPECT_EQ(g_app.hoverCard, 1);
    EXPECT_EQ(CardsPendingPaint(), std::vector<int>{1});
    Settle();

    POINT overStart = {20 + 30, 396 + 20};
    ClientToScreen(hwnd, &overStart);
    SetCursorPos(overStart.x, overStart.y);
    SendMessageW(g_hBtnStart, WM_MOUSEMOVE, 0, MAKELPARAM(30, 20));
    EXPECT_EQ(g_app.hoverCard, -1);
    EXPECT_EQ(g_app.hoverButton, IDC_START);
    EXPECT_EQ(ButtonsPendingPaint(), 4);
    Settle();

    SetCursorPos(0, 0);  // off the window: leaving the button clears the hover
    SendMessageW(g_hBtnStart, WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(g_app.hoverButton, -1);
    EXPECT_EQ(ButtonsPendingPaint(), 4);
}

}  // namespace

namespace {

// A key as the program's message loop meets it: posted to the focused control, Shift held or not.
void PressKey(WPARAM key, bool shift = false) {
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_SHIFT] = shift ? 0x80 : 0;
    SetKeyboardState(keys);
    HWND target = GetFocus() != nullptr ? GetFocus() : g_app.hwndSelect;
    PostMessageW(target, WM_KEYDOWN, key, 1);
    PostMessageW(target, WM_KEYUP, key, 0xC0000001);
    Pump();
    keys[VK_SHIFT] = 0;
    SetKeyboardState(keys);
}

TEST_F(SelectWindow, TabWalksTheLanguageBoxEveryCardAndTheButtonsBothWaysRound) {
    std::vector<HWND> order = {g_hLangCombo};
    order.insert(order.end(), g_hCatChecks, g_hCatChecks + kCategoryCount);
    order.insert(order.end(), {g_hBtnStart, g_hBtnAuto, g_hBtnSettings, g_hBtnAbout});
    for (HWND expected : order) {
        PressKey(VK_TAB);
        EXPECT_EQ(GetFocus(), expected) << GetDlgCtrlID(expected);
    }
    PressKey(VK_TAB);
    EXPECT_EQ(GetFocus(), g_hLangCombo);
    for (auto it = order.rbegin(); it != order.rend(); ++it) {
        PressKey(VK_TAB, true);
        EXPECT_EQ(GetFocus(), *it) << GetDlgCtrlID(*it);
    }
    SetFocus(hwnd);
    PressKey(VK_TAB, true);  // from the window itself Shift+Tab starts at the end
    EXPECT_EQ(GetFocus(), g_hBtnAbout);
}

TEST_F(SelectWindow, ArrowsMoveAcrossTheGridOfCardsAndStopAtItsEdges) {
    struct Move {
        int from;
        WPARAM key;
        int to;
    };
    const Move moves[] = {
        {0, VK_RIGHT, 1},   {1, VK_RIGHT, 2},   {2, VK_RIGHT, 2},   {2, VK_LEFT, 1},    {0, VK_LEFT, 0},
        {0, VK_UP, 0},      {0, VK_DOWN, 3},    {7, VK_DOWN, 10},   {10, VK_DOWN, 13},  {13, VK_UP, 10},
        {3, VK_RIGHT, 4},   {5, VK_LEFT, 4},    {11, VK_DOWN, 14},  {13, VK_RIGHT, 14}, {14, VK_LEFT, 13},
        {14, VK_UP, 11},    {14, VK_DOWN, 14},  {14, VK_RIGHT, 14}, {12, VK_DOWN, 12},  {12, VK_LEFT, 12},
        {13, VK_DOWN, 13},
    };
    for (const Move& m : moves) {
        SetFocus(g_hCatChecks[m.from]);
        PressKey(m.key);
        EXPECT_EQ(GetFocus(), g_hCatChecks[m.to]) << m.from << " key " << m.key;
    }
    SetFocus(g_hBtnAuto);  // the arrows belong to the grid only
    PressKey(VK_LEFT);
    EXPECT_EQ(GetFocus(), g_hBtnAuto);
}

TEST_F(SelectWindow, SpaceTogglesTheCardEnterPressesTheButtonOrStartEscChangesNothing) {
    SetFocus(g_hCatChecks[3]);
    PressKey(VK_SPACE);
    EXPECT_EQ(g_catChecked[3], 1);
    PressKey(VK_ESCAPE);
    EXPECT_TRUE(IsWindowVisible(hwnd));
    EXPECT_EQ(GetFocus(), g_hCatChecks[3]);
    EXPECT_EQ(std::vector<int>(g_catChecked, g_catChecked + 10), (std::vector<int>{1, 1, 0, 1, 0, 0, 0, 0, 0, 0}));

    // Enter on a card is START: with nothing ticked START asks for a test.
    for (int& checked : g_catChecked) checked = 0;
    struct Press {
        HWND focus;
        std::wstring text;
    };
    const Press presses[] = {
        {g_hCatChecks[3], L"Please select at least one test."},
        {g_hBtnAbout, g_texts[0][STR_ABOUT_TEXT]},
    };
    for (const Press& p : presses) {
        SetFocus(p.focus);
        MessageBoxWatch watch;
        WatchForMessageBox(&watch);
        PressKey(VK_RETURN);
        ASSERT_TRUE(FinishWatch(&watch)) << GetDlgCtrlID(p.focus);
        EXPECT_EQ(watch.text, p.text);
    }
    SetFocus(g_hLangCombo);  // the language box keeps Enter for itself
    PressKey(VK_RETURN);
    EXPECT_TRUE(IsWindowVisible(hwnd));
    EXPECT_EQ(g_lang, 0);
}

// Every control lies in the client area, the widest row 20 px in from either side.
void ExpectLayoutFits(HWND window) {
    RECT client;
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, 1054);
    EXPECT_EQ(client.bottom, 565);
    LONG left = client.right;
    LONG right = 0;
    for (HWND c = GetWindow(window, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
        const RECT r = ClientRectOf(window, c);
        left = std::min(left, r.left);
        right = std::max(right, r.right);
        EXPECT_LE(r.bottom, client.bottom) << GetDlgCtrlID(c);
    }
    EXPECT_EQ(left, 20);
    EXPECT_EQ(client.right - right, 20);
}

TEST_F(SelectWindow, ClientAreaHoldsEveryControlWithEqualSideMargins) {
    ExpectLayoutFits(hwnd);
}

// Windows 10 and 11 draw wider frames than Wine: a window made under a frame with a taller caption
// and wider borders has the same client area and layout, and is centred by its outside.
TEST(SelectWindowFrame, ClientAreaHoldsTheLayoutUnderAnotherFrame) {
    NONCLIENTMETRICSW saved = {};
    saved.cbSize = sizeof(saved);
    ASSERT_TRUE(SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(saved), &saved, 0));
    const DWORD style = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    RECT usual = {0, 0, 1054, 565};
    AdjustWindowRectEx(&usual, style, FALSE, 0);

    NONCLIENTMETRICSW wide = saved;
    wide.iCaptionHeight += 13;
    wide.iBorderWidth += 7;
    wide.iPaddedBorderWidth += 8;
    SystemParametersInfoW(SPI_SETNONCLIENTMETRICS, sizeof(wide), &wide, 0);
    CreateUiFonts();
    RegisterSelectWindowClass(GetModuleHandleW(nullptr));
    HWND window = CreateSelectWindow(GetModuleHandleW(nullptr));
    RECT outside = {};
    GetWindowRect(window, &outside);
    POINT origin = {0, 0};
    ClientToScreen(window, &origin);
    ExpectLayoutFits(window);
    // Under this frame, larger than Windows 10's and 11's at 100 %, the window still fits a
    // 1366 x 768 laptop's work area above a 40 px taskbar at its own size, frame included.
    const SIZE size = SelectWindowSize(96, 96);
    EXPECT_LE(size.cx, 1366);
    EXPECT_LE(size.cy, 728);
    EXPECT_EQ(FittedSelectDpi(96, RECT{0, 0, 1366, 728}), 96);
    EXPECT_GT(size.cy - 565, usual.bottom - usual.top - 565);
    DestroyWindow(window);
    Pump();
    ReleaseGlobalResources();
    SystemParametersInfoW(SPI_SETNONCLIENTMETRICS, sizeof(saved), &saved, 0);  // the server keeps it otherwise

    EXPECT_GT(origin.y - outside.top, -usual.top);  // the frame really is another one
    EXPECT_EQ(outside.left, (GetSystemMetrics(SM_CXSCREEN) - (outside.right - outside.left)) / 2);
    EXPECT_EQ(outside.top, (GetSystemMetrics(SM_CYSCREEN) - (outside.bottom - outside.top)) / 2);
}

}  // namespace
