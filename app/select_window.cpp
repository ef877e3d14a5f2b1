// The test-selection window procedure and its message handlers.
#include "app/select_window.h"

#include <shellapi.h>
#include <initializer_list>
#include <stdio.h>

#include "app/app_state.h"
#include "app/display_scale.h"
#include "app/focus_cues.h"
#include "app/format.h"
#include "app/hdr_card_note.h"
#include "app/monitor_choice.h"
#include "app/owner_draw.h"
#include "app/palette.h"
#include "app/select_keyboard.h"
#include "app/texts.h"
#include "app/ui_fonts.h"
#include "record/results_window.h"
#include "testrun/catalogue.h"
#include "testrun/start_tests.h"
#include "testrun/window_ids.h"

namespace {

constexpr int kCardCount = ARRAYSIZE(g_hCatChecks);
constexpr int kCardHeight = 48;
constexpr int kCardColumnPitch = kSelectCardWidth + kSelectCardGap;
constexpr int kCardRowPitch = kCardHeight + 10;
constexpr int kCardRows = (kCardCount + kSelectCardColumns - 1) / kSelectCardColumns;
static_assert(kSelectMargin + (kSelectCardColumns - 1) * kCardColumnPitch + kSelectCardWidth + kSelectMargin ==
                  kSelectClientWidth,
              "the right column of cards ends one margin inside the client area");
static_assert(kCardCount == kCategoryCount, "one card per category");
static_assert(kSelectCardsBottom == kSelectCardsTop + (kCardRows - 1) * kCardRowPitch + kCardHeight,
              "the HDR card's line and the command buttons follow the last row of cards");

// The BUTTON class procedure the cards and command buttons pass their messages on to.
WNDPROC g_buttonProc;
// True while the hover was set by a control under the pointer rather than by the window itself.
bool g_hoverFromControl;

// One child control of the window, in creation order.
struct ControlSpec {
    HWND* handle;
    const wchar_t* className;
    int textKey;  // -1: no text
    DWORD addedStyle;
    int x, y, width, height;
    int id;
};

constexpr ControlSpec kHeaderControls[] = {
    {&g_hHdrTitle, L"STATIC", STR_HEADER_TITLE, 0, 20, 14, 400, 26, IDC_HDR_TITLE},
    {&g_hHdrSub, L"STATIC", -1, 0, 20, 42, 400, 18, IDC_HDR_SUB},
    {&g_hLangCombo, L"COMBOBOX", -1, WS_VSCROLL | CBS_DROPDOWNLIST, kSelectBoxLeft, 16, 180, 220, IDC_LANG_COMBO},
};

constexpr int kFooter = kSelectFooterTop;
constexpr ControlSpec kFooterControls[] = {
    {&g_hBtnStart, L"BUTTON", STR_START, BS_OWNERDRAW, 20, kFooter, 200, 40, IDC_START},
    {&g_hBtnAuto, L"BUTTON", STR_AUTO, BS_OWNERDRAW, 230, kFooter, 160, 40, IDC_AUTO},
    {&g_hBtnSettings, L"BUTTON", STR_DISPLAY_SETTINGS, BS_OWNERDRAW, 400, kFooter, 110, 40, IDC_SETTINGS},
    {&g_hBtnAbout, L"BUTTON", STR_ABOUT, BS_OWNERDRAW, 520, kFooter, 110, 40, IDC_ABOUT},
    {&g_hHint1, L"STATIC", STR_HINT1, SS_CENTER, 20, kFooter + 52, 640, 18, IDC_HINT1},
    {&g_hHint2, L"STATIC", STR_HINT2, SS_CENTER, 20, kFooter + 74, 640, 18, IDC_HINT2},
    {&g_hCopyright, L"STATIC", STR_PRODUCT, 0, 20, kFooter + 96, 280, 16, IDC_COPYRIGHT},
};

HWND* const kCommandButtons[] = {&g_hBtnStart, &g_hBtnAuto, &g_hBtnSettings, &g_hBtnAbout};

HWND CreateControl(HWND parent, HINSTANCE instance, const wchar_t* className, const wchar_t* text,
                   DWORD addedStyle, int x, int y, int width, int height, int id) {
    HWND control = CreateWindowExW(0, className, text, WS_CHILD | WS_VISIBLE | addedStyle, x, y, width, height,
                                   parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
    PlaceSelectControl(control, x, y, width, height);
    return control;
}

void CreateControls(HWND parent, HINSTANCE instance, const ControlSpec* specs, int count) {
    for (int i = 0; i < count; ++i) {
        const ControlSpec& s = specs[i];
        const wchar_t* text = s.textKey >= 0 ? tr(static_cast<Str>(s.textKey)) : L"";
        *s.handle = CreateControl(parent, instance, s.className, text, s.addedStyle, s.x, s.y, s.width, s.height, s.id);
    }
}

void FillLanguageCombo() {
    for (const wchar_t* name : g_langNames) {
        SendMessageW(g_hLangCombo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
    }
    SendMessageW(g_hLangCombo, CB_SETCURSEL, g_lang, 0);
}

// The subtitle names the number of screens there are to choose from.
void SetHeaderSubtitle() {
    wchar_t subtitle[128];
    FormatText(subtitle, ARRAYSIZE(subtitle), tr(STR_HEADER_SUB), kModeCount);
    SetWindowTextW(g_hHdrSub, subtitle);
}

void CreateCards(HWND parent, HINSTANCE instance) {
    for (int i = 0; i < kCardCount; ++i) {
        const int x = kSelectMargin + (i % kSelectCardColumns) * kCardColumnPitch;
        const int y = kSelectCardsTop + (i / kSelectCardColumns) * kCardRowPitch;
        g_hCatChecks[i] = CreateControl(parent, instance, L"BUTTON", tr(CategoryTextKey(i)),
                                        BS_OWNERDRAW, x, y, kSelectCardWidth, kCardHeight, IDC_CARD_FIRST + i);
    }
}

void HookControlHover(HWND control);

// Dragged onto a monitor of another scale: the window goes where Windows suggests, at the size of
// its layout there. Windows' suggested size is the current one scaled, and would scale a window
// that was scaled down to fit its old monitor: too small for its layout on a monitor where it fits.
LRESULT OnDpiChanged(HWND hwnd, int dpi, const RECT* suggested) {
    const int layout = FittedSelectDpi(dpi, WorkAreaOf(*suggested));
    const SIZE size = SelectWindowSize(layout, dpi);
    SetWindowPos(hwnd, nullptr, suggested->left, suggested->top, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    LayOutSelectWindow(hwnd, layout);
    return 0;
}

// Before the move to a monitor of another scale, Windows asks for the size there: the layout's,
// so that the window keeps its place under the pointer while it is dragged.
LRESULT OnGetDpiScaledSize(HWND hwnd, int dpi, SIZE* size) {
    *size = SelectWindowSize(FittedSelectDpi(dpi, WorkAreaAtDpi(hwnd, dpi)), dpi);
    return TRUE;
}

LRESULT OnCreate(HWND hwnd, const CREATESTRUCTW* create) {
    g_app.hwndSelect = hwnd;
    BeginSelectLayout(create->lpCreateParams != nullptr ? *static_cast<const int*>(create->lpCreateParams) : kBaseDpi);
    HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(hwnd, GWLP_HINSTANCE));
    g_app.brushBackground = CreateSolidBrush(kUiBackground);
    g_app.brushCard = CreateSolidBrush(kWhite);
    g_app.brushCardChecked = CreateSolidBrush(kUiCardChecked);
    g_app.brushDark = CreateSolidBrush(kUiDark);
    g_app.brushAccent = CreateSolidBrush(kUiAccent);

    CreateControls(hwnd, instance, kHeaderControls, ARRAYSIZE(kHeaderControls));
    FillLanguageCombo();
    SetHeaderSubtitle();
    CreateCards(hwnd, instance);
    CreateHdrCardNote(hwnd, instance);
    CreateControls(hwnd, instance, kFooterControls, ARRAYSIZE(kFooterControls));
    CreateMonitorChoice(hwnd, instance);
    for (HWND card : g_hCatChecks) HookControlHover(card);
    for (HWND* button : kCommandButtons) HookControlHover(*button);

    g_catChecked[0] = 1;
    g_catChecked[1] = 1;
    LayOutSelectWindow(hwnd, SelectLayoutDpi());
    return 0;
}

LRESULT OnEraseBackground(HWND hwnd, HDC hdc) {
    RECT client;
    GetClientRect(hwnd, &client);
    FillRect(hdc, &client, g_app.brushBackground);
    return 1;
}

LRESULT OnControlColor(HDC hdc, COLORREF textColor) {
    SetTextColor(hdc, textColor);
    SetBkColor(hdc, kUiBackground);
    return reinterpret_cast<LRESULT>(g_app.brushBackground);
}

void AppendDrawItemTrace(const DRAWITEMSTRUCT* item) {
    FILE* file = fopen("drawitem.txt", "a");
    if (file == nullptr) return;
    fprintf(file, "WM_DRAWITEM: CtlID=%d, CtlType=%d\n", static_cast<int>(item->CtlID),
            static_cast<int>(item->CtlType));
    fclose(file);
}

LRESULT OnDrawItem(const DRAWITEMSTRUCT* request) {
    AppendDrawItemTrace(request);
    DRAWITEMSTRUCT item = *request;
    item.itemState = ApplyFocusCueRule(item.itemState);
    const int id = static_cast<int>(item.CtlID);
    if (id >= IDC_CARD_FIRST && id <= IDC_CARD_LAST) {
        DrawCatCard(&item);
        return TRUE;
    }
    if (id >= IDC_START && id <= IDC_ABOUT) {
        DrawPushButton(&item);
        return TRUE;
    }
    return FALSE;
}

void InvalidateCard(int index) {
    InvalidateRect(g_hCatChecks[index], nullptr, TRUE);
}

void InvalidateCommandButtons() {
    for (HWND* button : kCommandButtons) InvalidateRect(*button, nullptr, TRUE);
}

void OnLanguageChange(HWND hwnd) {
    const LRESULT selected = SendMessageW(g_hLangCombo, CB_GETCURSEL, 0, 0);
    if (selected < 0 || selected >= kLanguageCount) return;
    g_lang = static_cast<int>(selected);
    ReloadUiTexts(hwnd);
}

void ShowAbout(HWND hwnd) {
    MessageBoxW(hwnd, tr(STR_ABOUT_TEXT), tr(STR_WINDOW_TITLE), MB_ICONINFORMATION | MB_OK);
}

LRESULT OnCommand(HWND hwnd, int id, int notification) {
    if (id == IDC_LANG_COMBO) {
        if (notification == CBN_SELCHANGE) OnLanguageChange(hwnd);
    } else if (id == IDC_MONITOR_COMBO) {
        if (notification == CBN_SELCHANGE) OnMonitorPicked();
        if (notification == CBN_DROPDOWN) RefreshMonitorChoice();  // the list as it is when opened
    } else if (id >= IDC_CARD_FIRST && id <= IDC_CARD_LAST) {
        const int card = id - IDC_CARD_FIRST;
        g_catChecked[card] = !g_catChecked[card];
        InvalidateCard(card);
    } else if (id == IDC_START || id == IDC_AUTO) {
        StartSelectedTests(hwnd, id == IDC_AUTO ? 1 : 0);
    } else if (id == IDC_SETTINGS) {
        OpenDisplaySettings(hwnd);
    } else if (id == IDC_ABOUT) {
        ShowAbout(hwnd);
    }
    return 0;
}

// True when `point` (client coordinates of `hwnd`) lies on the child window `child`.
bool PointOnChild(HWND hwnd, HWND child, POINT point) {
    RECT rect;
    GetWindowRect(child, &rect);
    MapWindowPoints(HWND_DESKTOP, hwnd, reinterpret_cast<POINT*>(&rect), 2);
    return PtInRect(&rect, point) != FALSE;
}

int CardUnderPoint(HWND hwnd, POINT point) {
    for (int i = 0; i < kCardCount; ++i) {
        if (PointOnChild(hwnd, g_hCatChecks[i], point)) return i;
    }
    return -1;
}

int ButtonUnderPoint(HWND hwnd, POINT point) {
    for (int i = 0; i < static_cast<int>(ARRAYSIZE(kCommandButtons)); ++i) {
        if (PointOnChild(hwnd, *kCommandButtons[i], point)) return IDC_START + i;
    }
    return -1;
}

// Makes `card` and `button` the hovered ones, repainting what changes.
void SetHover(int card, int button) {
    const int oldCard = g_app.hoverCard;
    g_app.hoverCard = card;
    if (card != oldCard) {
        if (card >= 0) InvalidateCard(card);
        if (oldCard >= 0) InvalidateCard(oldCard);
    }
    const int oldButton = g_app.hoverButton;
    g_app.hoverButton = button;
    if (button != oldButton) InvalidateCommandButtons();
}

LRESULT OnMouseMove(HWND hwnd, LPARAM lParam) {
    TrackMouseEventStruct(hwnd);
    const POINT point = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    g_hoverFromControl = false;
    SetHover(CardUnderPoint(hwnd, point), ButtonUnderPoint(hwnd, point));
    return 0;
}

LRESULT OnMouseLeave() {
    // Moving onto a card or button takes the pointer off the window itself, and that leave may
    // arrive after the control has claimed the hover; the control's own leave clears it.
    if (g_hoverFromControl) return 0;
    if (g_app.hoverCard == -1 && g_app.hoverButton == -1) return 0;
    const int oldCard = g_app.hoverCard;
    g_app.hoverCard = -1;
    g_app.hoverButton = -1;
    if (oldCard != -1) InvalidateCard(oldCard);
    InvalidateCommandButtons();
    return 0;
}

// A card or button gets the mouse messages over its own area, so the window never sees the
// pointer there: each control reports its own hover and its own leave.
LRESULT CALLBACK HoverButtonProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    const int id = GetDlgCtrlID(control);
    const int card = id >= IDC_CARD_FIRST && id <= IDC_CARD_LAST ? id - IDC_CARD_FIRST : -1;
    const int button = id >= IDC_START && id <= IDC_ABOUT ? id : -1;
    if (message == WM_MOUSEMOVE) {
        TrackMouseEventStruct(control);
        g_hoverFromControl = true;
        SetHover(card, button);
    } else if (message == WM_MOUSELEAVE && g_app.hoverCard == card && g_app.hoverButton == button) {
        g_hoverFromControl = false;
        SetHover(-1, -1);
    }
    return CallWindowProcW(g_buttonProc, control, message, wParam, lParam);
}

void HookControlHover(HWND control) {
    const LONG_PTR previous =
        SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(HoverButtonProc));
    g_buttonProc = reinterpret_cast<WNDPROC>(previous);
}

}  // namespace

void ApplyFonts(HWND) {
    const auto setFont = [](HWND control, HFONT font) {
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    };
    for (HWND card : g_hCatChecks) setFont(card, g_app.fontUi);
    for (HWND* button : kCommandButtons) setFont(*button, g_app.fontUi);
    for (HWND control : {g_hLangCombo, g_hHint1, g_hHint2, g_hCopyright, g_hHdrNote}) setFont(control, g_app.fontSmall);
    setFont(g_hHdrTitle, g_app.fontTitle);
    setFont(g_hHdrSub, g_app.fontSmall);
    ApplyMonitorChoiceFont();
}

SIZE SelectWindowSize(int layoutDpi, int frameDpi) {
    return ScaledWindowSize(kSelectClientWidth, kSelectClientHeight, kSelectStyle, layoutDpi, frameDpi);
}

int FittedSelectDpi(int dpi, const RECT& work) {
    return FittedLayoutDpi(kSelectClientWidth, kSelectClientHeight, kSelectStyle, dpi, work);
}

void LayOutSelectWindow(HWND hwnd, int dpi) {
    CreateUiFonts(dpi);
    MoveSelectControls(dpi);
    ApplyFonts(hwnd);
    RefreshMonitorChoice();  // the dropped list's width follows the font
    InvalidateRect(hwnd, nullptr, TRUE);
}

void ReloadUiTexts(HWND hwnd) {
    SetWindowTextW(hwnd, tr(STR_WINDOW_TITLE));
    for (int i = 0; i < kCardCount; ++i) SetWindowTextW(g_hCatChecks[i], tr(CategoryTextKey(i)));
    SetWindowTextW(g_hBtnStart, tr(STR_START));
    SetWindowTextW(g_hBtnAuto, tr(STR_AUTO));
    SetWindowTextW(g_hBtnSettings, tr(STR_DISPLAY_SETTINGS));
    SetWindowTextW(g_hBtnAbout, tr(STR_ABOUT));
    SetWindowTextW(g_hHint1, tr(STR_HINT1));
    SetWindowTextW(g_hHint2, tr(STR_HINT2));
    SetWindowTextW(g_hCopyright, tr(STR_PRODUCT));
    SetWindowTextW(g_hHdrTitle, tr(STR_HEADER_TITLE));
    SetHeaderSubtitle();
    RefreshMonitorChoice();  // and with it the HDR card's line
}

void OpenDisplaySettings(HWND hwndOwner) {
    const HINSTANCE result = ShellExecuteW(nullptr, L"open", L"rundll32.exe",
                                           L"shell32.dll,Control_RunDLL desk.cpl,,0", nullptr, SW_SHOWNORMAL);
    if (reinterpret_cast<INT_PTR>(result) > 32) return;
    MessageBoxW(hwndOwner, tr(STR_SETTINGS_FAILED), tr(STR_WINDOW_TITLE), MB_ICONWARNING | MB_OK);
}

void TrackMouseEventStruct(HWND hwnd) {
    TRACKMOUSEEVENT track = {};
    track.cbSize = sizeof(track);
    track.dwFlags = TME_LEAVE;
    track.hwndTrack = hwnd;
    TrackMouseEvent(&track);
}

LRESULT CALLBACK SelectWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            return OnCreate(hwnd, reinterpret_cast<const CREATESTRUCTW*>(lParam));
        case WM_DPICHANGED:
            return OnDpiChanged(hwnd, HIWORD(wParam), reinterpret_cast<const RECT*>(lParam));
        case kGetDpiScaledSizeMessage:
            return OnGetDpiScaledSize(hwnd, static_cast<int>(wParam), reinterpret_cast<SIZE*>(lParam));
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        case WM_ERASEBKGND:
            return OnEraseBackground(hwnd, reinterpret_cast<HDC>(wParam));
        case WM_CTLCOLORSTATIC:
            return OnControlColor(reinterpret_cast<HDC>(wParam),
                                  reinterpret_cast<HWND>(lParam) == g_hHdrTitle ? kUiDark : kUiText);
        case WM_CTLCOLORBTN:
            return OnControlColor(reinterpret_cast<HDC>(wParam), kUiDark);
        case WM_DRAWITEM:
            return OnDrawItem(reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        case WM_COMMAND:
            return OnCommand(hwnd, LOWORD(wParam), HIWORD(wParam));
        case WM_MOUSEMOVE:
            return OnMouseMove(hwnd, lParam);
        case WM_MOUSELEAVE:
            return OnMouseLeave();
        case WM_DISPLAYCHANGE:
            RefreshMonitorChoice();
            return 0;
        case kRunEndedMessage:
            OnRunEnded(hwnd);
            RefreshHdrCardNote();  // the run may have found that the HDR screens cannot be shown
            return 0;
        case WM_ACTIVATE:
            return OnSelectActivate(hwnd, wParam, lParam);
        case WM_CHANGEUISTATE:
            return OnChangeUiState(hwnd, wParam);
        case WM_UPDATEUISTATE:
            return OnUpdateUiState(hwnd, wParam);
        default:
            return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}
