// The full-screen test window: painting, navigation by key, click and timer, and the end of a run.
#include "testrun/test_window.h"

#include <windowsx.h>

#include "app/app_state.h"
#include "app/display_scale.h"
#include "app/format.h"
#include "app/texts.h"
#include "hdr/hdr_modes.h"
#include "hdr/hdr_note.h"
#include "hdr/hdr_support.h"
#include "hdr/hdr_view.h"
#include "patterns/toolkit.h"
#include "record/loupe.h"
#include "record/run_record.h"
#include "sound/sweep.h"
#include "testrun/catalogue.h"
#include "testrun/display_awake.h"
#include "testrun/display_facts_probe.h"
#include "testrun/guide_panel.h"
#include "testrun/idle_pointer.h"
#include "monitor/colour_facts.h"
#include "monitor/monitors.h"
#include "testrun/motion_run.h"
#include "monitor/native_resolution.h"
#include "testrun/overlay.h"
#include "testrun/paint_ahead.h"
#include "testrun/vrr_view.h"

const wchar_t kTestWindowClass[] = L"TAVROTestWindow";

namespace {

constexpr UINT kAutoMs = 3000;
constexpr UINT kAutoSoundMs = 7000;

// While the user has switched to another program: the window is minimized and the display mode
// put back until the user comes back to it.
bool g_runAway;
// AUTO is held while the loupe is open.
bool g_autoPaused;
// The run's window is being closed (Esc, a right click, Alt+F4) or destroyed: the activation it
// loses on the way is no switch to another program, and the resizes of the mode put back start no
// animation.
bool g_closing;

void RegisterTestWindowClass() {
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = TestWndProc;
    wc.hInstance = g_app.hInstance;
    wc.hIcon = LoadIconW(g_app.hInstance, MAKEINTRESOURCEW(1));
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    wc.lpszClassName = kTestWindowClass;
    RegisterClassExW(&wc);  // fails harmlessly from the second run on: the class is already there
}

// The tested monitor's rectangle as it is after the switch; the whole screen where Windows
// cannot tell.
RECT TestedMonitorArea() {
    RECT area = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (SwitchedDevice()[0] != L'\0') MonitorArea(SwitchedDevice(), &area);
    return area;
}

// The line the run's first screen adds to the overlay when Windows turned the native mode down.
const wchar_t* RefusedSwitchNotice() {
    static wchar_t notice[256];
    if (!g_refusedSwitch.refused || g_app.playlistPos != 0) return nullptr;
    FormatText(notice, ARRAYSIZE(notice), tr(STR_SWITCH_REFUSED_FMT), g_refusedSwitch.nativeWidth,
               g_refusedSwitch.nativeHeight, g_refusedSwitch.currentWidth, g_refusedSwitch.currentHeight);
    return notice;
}

RunPlace Place() {
    return {g_app.playlist, g_app.playlistCount, g_app.playlistPos};
}

// The one-to-one screen names the mode Windows sends, its scale and the native mode: where these
// changed during the run, a picture of that screen painted with the old ones is painted again.
void RefreshDisplayFacts(HWND hwnd) {
    if (!UpdateDisplayFacts(hwnd)) return;
    bool shows = false;
    for (int k = 0; k < g_app.playlistCount; ++k) shows = shows || g_app.playlist[k] == kOneToOneMode;
    if (!shows) return;
    ForgetPreparedScreens();
    PrepareAhead(Place());
    InvalidateRect(hwnd, nullptr, FALSE);
}

// The screen and what lies over it (the overlay, the guidance panel, the loupe and the notices)
// on `hdc`; returns how many rectangles of `covered` (room for kMaxCoveredRects + 1) they cover.
int PaintScreenAndPanels(HDC hdc, const RECT* client, int mode, RECT* covered) {
    const COLORREF centre =
        IsMotionMode(mode) ? PaintMotionScreen(hdc, client, mode) : PaintShownScreen(hdc, client, mode);
    for (int k = 0; k <= kMaxCoveredRects; ++k) covered[k] = {};
    OverlayRun run;
    if (RunOverlay(&run)) covered[0] = DrawOverlaySampled(hdc, client, &run, centre, RefusedSwitchNotice());
    if (GuideShown()) covered[1] = DrawGuidePanel(hdc, client, mode);
    const int findings = DrawFindingsLayer(hdc, client, covered + 2);
    SetMotionCovered(covered, 2 + findings);
    const wchar_t* note = IsVrrMode(mode) ? VrrScreenNote(mode) : HdrScreenNote(mode, HdrViewFailure());
    if (note == nullptr) return 2 + findings;
    covered[2 + findings] = DrawHdrNote(hdc, client, note);
    return 3 + findings;
}

// The screen and its panels painted into the canvas under a swap chain's view and copied to the
// window; returns how many rectangles of `covered` the panels cover and sets `bits` to the canvas,
// or -1 where there is no canvas (then they are painted on the window alone).
int PaintThroughCanvas(HDC hdc, const RECT* client, int mode, RECT* covered, uint32_t** bits) {
    const int width = client->right - client->left, height = client->bottom - client->top;
    HDC canvas = HdrCanvas(width, height, bits);
    if (canvas == nullptr) {
        PaintScreenAndPanels(hdc, client, mode, covered);
        return -1;
    }
    const int count = PaintScreenAndPanels(canvas, client, mode, covered);
    GdiFlush();
    BitBlt(hdc, 0, 0, width, height, canvas, 0, 0, SRCCOPY);
    return count;
}

// An HDR screen: its GDI picture goes to the window as any screen's, and into the frames of the
// FP16 view above it, which shows the screen's own light with these panels in it. Where the view
// cannot show it, the GDI picture stays, now with the reason on it.
void PaintHdrScreenAndPanels(HWND hwnd, HDC hdc, const RECT* client, int mode) {
    uint32_t* bits = nullptr;
    RECT covered[kMaxCoveredRects + 1];
    const int count = PaintThroughCanvas(hdc, client, mode, covered, &bits);
    if (count < 0) {
        HideHdrView();  // the frame shown belongs to the screen before
        return;
    }
    const PresenterFailure before = HdrViewFailure();
    const int width = client->right - client->left, height = client->bottom - client->top;
    if (!ShowHdrView(hwnd, mode, bits, width, height, covered, count) && HdrViewFailure() != before) {
        RecordHdrFailure(HdrViewFailure());
        InvalidateRect(hwnd, nullptr, FALSE);  // once more, with the reason written on the screen
    }
}

// A variable-refresh screen while its view runs: the GDI picture goes to the window, and its panels
// into the view's frames (through the canvas the HDR screens use).
void PaintVrrScreenAndPanels(HDC hdc, const RECT* client, int mode) {
    uint32_t* bits = nullptr;
    RECT covered[kMaxCoveredRects + 1];
    const int count = PaintThroughCanvas(hdc, client, mode, covered, &bits);
    if (count >= 0) SetVrrPanels(bits, client->right - client->left, client->bottom - client->top, covered, count);
}

bool PlaylistHasHdrScreen() {
    for (int k = 0; k < g_app.playlistCount; ++k) {
        if (IsHdrMode(g_app.playlist[k])) return true;
    }
    return false;
}

// The HDR screens mark the peak the monitor claims: where what Windows reports of it changed,
// their pictures painted ahead are painted again.
void RefreshClaimedPeak() {
    const double before = ScreensClaimedPeak();
    SetScreensClaimedPeak(ClaimedPeakNits(CurrentColourFacts()));
    if (ScreensClaimedPeak() == before || !PlaylistHasHdrScreen()) return;
    ForgetPreparedScreens();
    PrepareAhead(Place());
}

// An HDR screen is shown, or the display changed under one: the record keeps Windows' HDR state.
void RecordHdrState(int visit) {
    const ColourFacts* facts = CurrentColourFacts();
    RecordHdrVisit(visit, HdrWindowsStateOf(facts), SdrWhiteNitsOf(facts), ScreensClaimedPeak());
}

void OnPaint(HWND hwnd) {
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hwnd, &ps);
    RECT client;
    GetClientRect(hwnd, &client);
    const int mode = CurrentMode();
    if (IsHdrMode(mode)) {
        PaintHdrScreenAndPanels(hwnd, hdc, &client, mode);
    } else if (IsVrrMode(mode) && VrrViewShown()) {
        HideHdrView();
        PaintVrrScreenAndPanels(hdc, &client, mode);
    } else {
        HideHdrView();
        RECT covered[kMaxCoveredRects + 1];
        PaintScreenAndPanels(hdc, &client, mode, covered);
    }
    EndPaint(hwnd, &ps);
    ScreenPainted(Place());
}

void OnDestroy(HWND hwnd) {
    g_runAway = false;
    g_closing = true;  // also where the window is destroyed without CloseRun
    StopMotion();
    StopVrrView();
    StopPaintAhead();
    StopHdrView();
    CloseLoupe(nullptr);
    KillTimer(hwnd, kAutoTimer);
    KillTimer(hwnd, kOverlayTimer);
    KillTimer(hwnd, kMarkRingTimer);
    KillTimer(hwnd, kNoticeTimer);
    HideGuide(nullptr);
    ShowPointerAfterRun(hwnd);
    LetDisplaySleep();
    StopSweep();
    RestoreOriginalResolution();
    if (g_app.hwndTest == hwnd) g_app.hwndTest = nullptr;
    if (g_app.hwndSelect != nullptr && IsWindow(g_app.hwndSelect)) {
        ShowWindow(g_app.hwndSelect, SW_SHOW);
        PostMessageW(g_app.hwndSelect, kRunEndedMessage, 0, 0);  // the results, if the run recorded any
    }
}

// Step of a navigation key: +1, -1, or 0 for a key that does not navigate.
int KeyStep(WPARAM key) {
    switch (key) {
        case VK_SPACE:
        case VK_RIGHT:
        case VK_RETURN:
        case VK_NEXT:
        case VK_DOWN:
            return +1;
        case VK_LEFT:
        case VK_PRIOR:
        case VK_UP:
            return -1;
        default:
            return 0;
    }
}

// Alt+Tab, Win+Tab or a click on another program: the window gets out of its way, as full-screen
// games do, and the monitor goes back to the user's mode; the run stays where it was.
void OnSwitchAway(HWND hwnd) {
    if (g_runAway || g_closing) return;
    g_runAway = true;
    StopMotion();
    StopVrrView();
    CloseLoupe(hwnd);
    KillTimer(hwnd, kAutoTimer);
    HideGuide(hwnd);
    StopSweep();
    LetDisplaySleep();
    // Minimized first: the mode change then resizes no window, so the prepared pictures stay.
    ShowWindow(hwnd, SW_SHOWMINNOACTIVE);
    RestoreOriginalResolution();
}

// Back to the run: the native mode again, the whole monitor, and the same screen afresh, with its
// overlay, its AUTO time and its sound from the start.
void OnComeBack(HWND hwnd) {
    if (!g_runAway) return;
    SwitchToNativeResolution();
    if (IsIconic(hwnd)) ShowWindow(hwnd, SW_RESTORE);
    const RECT area = TestedMonitorArea();
    SetWindowPos(hwnd, HWND_TOPMOST, area.left, area.top, area.right - area.left, area.bottom - area.top,
                 SWP_NOACTIVATE);
    KeepDisplayOn();
    RefreshDisplayFacts(hwnd);
    g_runAway = false;  // only now, so that the resizes above start no animation: GotoMode starts it once
    GotoMode(hwnd, g_app.playlistPos);
}

// Esc, a right click or Alt+F4: the run ends. The painter is told first: DestroyWindow hides the
// window before WM_DESTROY, and hiding a full-screen window waits on other processes (the desktop,
// the X server under Wine), which a painter drawing on meanwhile would only slow down.
void CloseRun(HWND hwnd) {
    g_closing = true;
    StopPaintAhead();
    DestroyWindow(hwnd);
}

void ArmAutoTimer(HWND hwnd) {
    const bool sound = ModeCategory(CurrentMode()) == kSoundCategory;
    if (g_app.autoMode) SetTimer(hwnd, kAutoTimer, sound ? kAutoSoundMs : kAutoMs, nullptr);
}

// AUTO waits while the loupe is open, so that no step closes it, and gives the screen its whole
// time again once it is closed.
void PauseAutoWhileLoupeOpen(HWND hwnd) {
    if (!g_app.autoMode) return;
    if (LoupeOpen()) {
        KillTimer(hwnd, kAutoTimer);
        g_autoPaused = true;
    } else if (g_autoPaused) {
        g_autoPaused = false;
        ArmAutoTimer(hwnd);
    }
}

LRESULT OnKeyDown(HWND hwnd, WPARAM key, LPARAM lParam) {
    HideOSD(hwnd);
    if (LoupeKey(hwnd, key)) {  // while it is open the loupe has the keys, Esc included
        PauseAutoWhileLoupeOpen(hwnd);
        return 0;
    }
    if (key == 'M') {
        ToggleLoupe(hwnd, CurrentMode());
        PauseAutoWhileLoupeOpen(hwnd);
        return 0;
    }
    if (key == 'N') {
        ToggleScreenNote(hwnd, CurrentMode());
        return 0;
    }
    if (key == VK_ESCAPE) {
        CloseRun(hwnd);
        return 0;
    }
    if (key == 'H' || key == VK_F1) {
        ToggleGuide(hwnd);
        return 0;
    }
    // + and - steer the sweep; Space sweeps again there instead of stepping on.
    if (IsVrrMode(CurrentMode()) && VrrViewKey(key)) return 0;
    const int step = KeyStep(key);
    if (step == 0) return DefWindowProcW(hwnd, WM_KEYDOWN, key, lParam);
    AdvanceMode(hwnd, step);
    return 0;
}

}  // namespace

void CreateTestWindow() {
    g_runAway = false;
    g_closing = false;
    wchar_t device[kDeviceNameChars];
    TestedDevice(device);
    RecordTestedMonitor(device);
    SwitchToNativeResolution();
    RefreshTestedColourFacts();  // in the run's mode: the switch may change the signal
    SetScreensClaimedPeak(ClaimedPeakNits(CurrentColourFacts()));
    const RECT area = TestedMonitorArea();
    RegisterTestWindowClass();
    HWND hwnd = CreateWindowExW(WS_EX_TOPMOST, kTestWindowClass, L"TAVRO", WS_POPUP | WS_VISIBLE, area.left,
                                area.top, area.right - area.left, area.bottom - area.top, nullptr, nullptr,
                                g_app.hInstance, nullptr);
    g_app.hwndTest = hwnd;
    if (hwnd == nullptr) {
        MessageBoxW(g_app.hwndSelect, L"Failed to create test window.", L"Error", MB_ICONERROR | MB_OK);
        RestoreOriginalResolution();
        ShowWindow(g_app.hwndSelect, SW_SHOW);
        return;
    }
    SetPanelDpi(WindowDpi(hwnd));  // the panels follow the tested monitor's scale; the patterns never do
    UpdateDisplayFacts(hwnd);      // before the painter starts painting the one-to-one screen with them
    KeepDisplayOn();
    HidePointerOnScreens();
    BeginRunRecord(hwnd, KnownRefreshRate(hwnd));
    ResetFindingsLayer();
    StartPaintAhead(hwnd);
    ShowWindow(hwnd, SW_SHOWMAXIMIZED);
    UpdateWindow(hwnd);
    SetForegroundWindow(hwnd);
    SetFocus(hwnd);
    GotoMode(hwnd, 0);
}

int CurrentMode() {
    if (g_app.playlist == nullptr || g_app.playlistPos < 0 || g_app.playlistPos >= g_app.playlistCount) return -1;
    return g_app.playlist[g_app.playlistPos];
}

void GotoMode(HWND hwnd, int pos) {
    if (pos < 0 || pos >= g_app.playlistCount) return;
    g_app.playlistPos = pos;
    StopMotion();
    StopVrrView();
    CloseLoupe(hwnd);
    NoteScreenSeen(g_app.playlist[pos]);
    if (IsHdrMode(g_app.playlist[pos])) RecordHdrState(1);
    HideGuide(hwnd);  // the panel speaks of the screen it was opened on
    PrepareAheadAfterStep(Place());
    const bool sound = ModeCategory(g_app.playlist[pos]) == kSoundCategory;
    if (!sound) StopSweep();
    g_autoPaused = false;
    ArmAutoTimer(hwnd);
    InvalidateRect(hwnd, nullptr, TRUE);
    UpdateTestTitle(hwnd);
    ShowOSD(hwnd);
    if (IsMotionMode(g_app.playlist[pos])) StartMotion(hwnd, g_app.playlist[pos]);
    if (IsVrrMode(g_app.playlist[pos])) StartVrrView(hwnd, g_app.playlist[pos]);
    if (sound) {
        // The sweep's samples take tens of milliseconds to compute: show the screen first, then
        // start the sound from its beginning.
        UpdateWindow(hwnd);
        StartSweep();
    }
}

void AdvanceMode(HWND hwnd, int delta) {
    if (g_app.playlistCount <= 0) return;
    g_refusedSwitch.refused = 0;  // said on the run's first screen only
    int pos = (g_app.playlistPos + delta) % g_app.playlistCount;
    if (pos < 0) pos += g_app.playlistCount;
    GotoMode(hwnd, pos);
}

void UpdateTestTitle(HWND hwnd) {
    wchar_t title[512];
    FormatText(title, 512, tr(STR_TEST_TITLE_FMT), ModeTitle(CurrentMode()), g_app.playlistPos + 1,
               g_app.playlistCount, g_app.autoMode ? tr(STR_AUTO_SUFFIX) : L"");
    SetWindowTextW(hwnd, title);
}

LRESULT CALLBACK TestWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_DESTROY:
            OnDestroy(hwnd);
            return 0;
        case WM_PAINT:
            OnPaint(hwnd);
            return 0;
        case WM_CONTEXTMENU:
            return 0;
        case WM_ERASEBKGND:
            return 1;  // OnPaint covers the whole window
        case WM_SIZE:
            // Minimized, the window is 0 x 0 for a while: the screens around stay prepared, and
            // nothing animates behind it.
            if (wParam == SIZE_MINIMIZED) {
                StopMotion();
                StopVrrView();
            } else {
                ResizePaintAhead(LOWORD(lParam), HIWORD(lParam), Place());
                const bool animate = IsMotionMode(CurrentMode()) && !MotionNow().running && !g_runAway && !g_closing;
                if (animate) StartMotion(hwnd, CurrentMode());
                // The variable-refresh view of the screen shown follows a new size of the window.
                const int mode = CurrentMode();
                const bool vrr = IsVrrMode(mode) && VrrViewVisiting(mode) && !g_runAway && !g_closing;
                if (vrr && !VrrViewMatches(mode, LOWORD(lParam), HIWORD(lParam))) StartVrrView(hwnd, mode);
            }
            return 0;
        case kVrrLoopEndedMessage:
            EndFailedVrrView();
            return 0;
        case WM_ACTIVATEAPP:
            if (wParam) {
                OnComeBack(hwnd);
            } else {
                OnSwitchAway(hwnd);
            }
            return 0;
        case WM_DPICHANGED:
            // The tested monitor's scale changed during the run: the window keeps covering the monitor
            // (no suggested rectangle), and the panels are drawn at the new scale.
            SetPanelDpi(HIWORD(wParam));
            InvalidateRect(hwnd, nullptr, FALSE);
            RefreshDisplayFacts(hwnd);
            return 0;
        case WM_DISPLAYCHANGE:
            // HDR switched on or off, or another signal: the guidance notes follow what Windows says now.
            RefreshTestedColourFacts();
            RefreshClaimedPeak();
            if (IsHdrMode(CurrentMode()) && !g_runAway) RecordHdrState(0);
            if (GuideShown() || IsHdrMode(CurrentMode())) InvalidateRect(hwnd, nullptr, FALSE);
            if (!g_runAway) RefreshDisplayFacts(hwnd);  // away, the mode put back is not the run's
            return 0;
        case WM_ENDSESSION:
            if (wParam) RestoreOriginalResolution();  // Windows is ending: no WM_DESTROY may come
            return 0;
        case WM_SYSCOMMAND:
            // Neither the screen saver nor the monitor's power saving may cover a screen under test.
            if ((wParam & 0xFFF0) == SC_SCREENSAVE || (wParam & 0xFFF0) == SC_MONITORPOWER) return 0;
            return DefWindowProcW(hwnd, msg, wParam, lParam);
        case kPictureReadyMessage:
            TakePreparedScreens(hwnd, Place());
            return 0;
        case kMotionFrameMessage:
            OnMotionFrame(hwnd, wParam, lParam);
            return 0;
        case WM_KEYDOWN:
            return OnKeyDown(hwnd, wParam, lParam);
        case WM_TIMER:
            if (wParam == kOverlayTimer) {
                HideOSD(hwnd);
            } else if (wParam == kMarkRingTimer || wParam == kNoticeTimer) {
                OnFindingsTimer(hwnd, wParam);
            } else if (wParam == kPointerTimer) {
                OnPointerStill(hwnd);
            } else {
                AdvanceMode(hwnd, +1);
            }
            return 0;
        case WM_LBUTTONDOWN:
            HideOSD(hwnd);
            if (LoupeOpen()) {
                RecordLoupeMark(hwnd);  // a click marks the pixel under the loupe's frame
                PauseAutoWhileLoupeOpen(hwnd);
            } else {
                AdvanceMode(hwnd, +1);
            }
            return 0;
        case WM_RBUTTONDOWN:
            CloseRun(hwnd);
            return 0;
        case WM_CLOSE:
            CloseRun(hwnd);
            return 0;
        case WM_MOUSEMOVE:
            OnPointerMove(hwnd, lParam);
            LoupeFollowPointer(hwnd, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
            return 0;
        case WM_SETCURSOR:
            if (SetScreenCursor(lParam)) return TRUE;
            return DefWindowProcW(hwnd, msg, wParam, lParam);
        default:
            return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
}
