// The full-screen test window: painting, navigation by key, click and timer, and the end of a run.
#include "testrun/test_window.h"

#include "app/app_state.h"
#include "app/format.h"
#include "app/texts.h"
#include "sound/sweep.h"
#include "testrun/catalogue.h"
#include "testrun/display_awake.h"
#include "testrun/idle_pointer.h"
#include "testrun/native_resolution.h"
#include "testrun/overlay.h"
#include "testrun/paint_ahead.h"

const wchar_t kTestWindowClass[] = L"TAVROTestWindow";

namespace {

constexpr UINT_PTR kAutoTimer = 1;
constexpr UINT kAutoMs = 3000;
constexpr UINT kAutoSoundMs = 7000;

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

void OnPaint(HWND hwnd) {
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hwnd, &ps);
    RECT client;
    GetClientRect(hwnd, &client);
    const COLORREF centre = PaintShownScreen(hdc, &client, CurrentMode());
    OverlayRun run;
    if (RunOverlay(&run)) DrawOverlaySampled(hdc, &client, &run, centre);
    EndPaint(hwnd, &ps);
    ScreenPainted();
}

void OnDestroy(HWND hwnd) {
    StopPaintAhead();
    KillTimer(hwnd, kAutoTimer);
    KillTimer(hwnd, kOverlayTimer);
    ShowPointerAfterRun(hwnd);
    LetDisplaySleep();
    StopSweep();
    RestoreOriginalResolution();
    if (g_app.hwndTest == hwnd) g_app.hwndTest = nullptr;
    if (g_app.hwndSelect != nullptr && IsWindow(g_app.hwndSelect)) ShowWindow(g_app.hwndSelect, SW_SHOW);
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

LRESULT OnKeyDown(HWND hwnd, WPARAM key, LPARAM lParam) {
    HideOSD(hwnd);
    if (key == VK_ESCAPE) {
        DestroyWindow(hwnd);
        return 0;
    }
    const int step = KeyStep(key);
    if (step == 0) return DefWindowProcW(hwnd, WM_KEYDOWN, key, lParam);
    AdvanceMode(hwnd, step);
    return 0;
}

}  // namespace

void CreateTestWindow() {
    SwitchToNativeResolution();
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    RegisterTestWindowClass();
    HWND hwnd = CreateWindowExW(WS_EX_TOPMOST, kTestWindowClass, L"TAVRO", WS_POPUP | WS_VISIBLE, 0, 0, width,
                                height, nullptr, nullptr, g_app.hInstance, nullptr);
    g_app.hwndTest = hwnd;
    if (hwnd == nullptr) {
        MessageBoxW(g_app.hwndSelect, L"Failed to create test window.", L"Error", MB_ICONERROR | MB_OK);
        RestoreOriginalResolution();
        ShowWindow(g_app.hwndSelect, SW_SHOW);
        return;
    }
    KeepDisplayOn();
    HidePointerOnScreens();
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
    PrepareAheadAfterStep();
    const bool sound = ModeCategory(g_app.playlist[pos]) == kSoundCategory;
    if (!sound) StopSweep();
    if (g_app.autoMode) SetTimer(hwnd, kAutoTimer, sound ? kAutoSoundMs : kAutoMs, nullptr);
    InvalidateRect(hwnd, nullptr, TRUE);
    UpdateTestTitle(hwnd);
    ShowOSD(hwnd);
    if (sound) {
        // The sweep's samples take tens of milliseconds to compute: show the screen first, then
        // start the sound from its beginning.
        UpdateWindow(hwnd);
        StartSweep();
    }
}

void AdvanceMode(HWND hwnd, int delta) {
    if (g_app.playlistCount <= 0) return;
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
        case WM_SIZE:
            ResizePaintAhead(LOWORD(lParam), HIWORD(lParam));
            return 0;
        case kPictureReadyMessage:
            TakePreparedScreens(hwnd);
            return 0;
        case WM_KEYDOWN:
            return OnKeyDown(hwnd, wParam, lParam);
        case WM_TIMER:
            if (wParam == kOverlayTimer) {
                HideOSD(hwnd);
            } else if (wParam == kPointerTimer) {
                OnPointerStill(hwnd);
            } else {
                AdvanceMode(hwnd, +1);
            }
            return 0;
        case WM_LBUTTONDOWN:
            HideOSD(hwnd);
            AdvanceMode(hwnd, +1);
            return 0;
        case WM_RBUTTONDOWN:
            DestroyWindow(hwnd);
            return 0;
        case WM_MOUSEMOVE:
            OnPointerMove(hwnd, lParam);
            return 0;
        case WM_SETCURSOR:
            if (SetScreenCursor(lParam)) return TRUE;
            return DefWindowProcW(hwnd, msg, wParam, lParam);
        default:
            return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
}
