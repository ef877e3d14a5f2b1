// The selection window's controls as its parts share them: their IDs and handles, the checked
// cards, the measures of the 96-DPI layout, and the scale the layout is shown at with every control's
// place in it. The window itself is app/select_window's; its parts include this alone.
#pragma once
#include <windows.h>

// Control IDs.
enum : int {
    IDC_START = 1001,
    IDC_AUTO = 1002,
    IDC_SETTINGS = 1003,
    IDC_ABOUT = 1004,
    IDC_LANG_COMBO = 1005,
    IDC_CARD_FIRST = 2000,  // cards 2000..2014, one per category
    IDC_CARD_LAST = 2014,
    IDC_HINT1 = 3001,
    IDC_HINT2 = 3002,
    IDC_COPYRIGHT = 3003,
    IDC_HDR_TITLE = 3005,
    IDC_HDR_SUB = 3006,
};

// The client area holds the layout with the same margin on either side of the widest row, the
// three columns of cards, whatever the width of the frame around it. Five rows of cards, the HDR
// card's line under them, then the command buttons with the hints, the product line and the monitor
// lines at fixed distances below them, as they have always been.
constexpr int kSelectMargin = 20;
constexpr int kSelectCardColumns = 3;
constexpr int kSelectCardWidth = 330;
constexpr int kSelectCardGap = 12;
constexpr int kSelectClientWidth =
    kSelectMargin + kSelectCardColumns * kSelectCardWidth + (kSelectCardColumns - 1) * kSelectCardGap + kSelectMargin;
constexpr int kSelectCardsTop = 68;
constexpr int kSelectCardsBottom = kSelectCardsTop + 5 * 58 - 10;  // five rows of 48 px, 10 px apart
// The HDR card's line: two lines of the small font across the width of the cards, right under them.
constexpr int kSelectHdrNoteTop = kSelectCardsBottom + 4;
constexpr int kSelectHdrNoteHeight = 32;
// The top of the command buttons below the cards; the hints, the product line and the monitor line
// follow them at fixed distances.
constexpr int kSelectFooterTop = kSelectHdrNoteTop + kSelectHdrNoteHeight + 12;
constexpr int kSelectMonitorLineTop = kSelectFooterTop + 118;
constexpr int kSelectClientHeight = kSelectFooterTop + 169;
// The language box and the monitor box end at the right margin.
constexpr int kSelectBoxLeft = kSelectClientWidth - kSelectMargin - 180;

extern HWND g_hHdrTitle;
extern HWND g_hHdrSub;
extern HWND g_hLangCombo;
extern HWND g_hCatChecks[15];
extern HWND g_hBtnStart;
extern HWND g_hBtnAuto;
extern HWND g_hBtnSettings;
extern HWND g_hBtnAbout;
extern HWND g_hHint1;
extern HWND g_hHint2;
extern HWND g_hCopyright;
extern int g_catChecked[15];

// The layout is made at 96 DPI and scaled to the DPI of the monitor the window is on: every place,
// size, font, line and mark. Where the scaled window would not fit that monitor's work area, it is
// scaled down to fit, never below 96 DPI. The DPI the window is laid out at now:
int SelectLayoutDpi();

// A child control created at its 96-DPI place (`x`, `y`, `width`, `height`): it is moved with
// every layout from now on.
void PlaceSelectControl(HWND control, int x, int y, int width, int height);

// A new window: no control placed yet, the layout at `dpi`.
void BeginSelectLayout(int dpi);

// Moves every placed control to its place at `dpi`, the layout's DPI from now on.
void MoveSelectControls(int dpi);
