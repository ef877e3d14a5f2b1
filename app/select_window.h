// The test-selection window: header, language combo box, twelve category cards, command buttons, hints.
#pragma once
#include <windows.h>

// Control IDs.
enum : int {
    IDC_START = 1001,
    IDC_AUTO = 1002,
    IDC_SETTINGS = 1003,
    IDC_ABOUT = 1004,
    IDC_LANG_COMBO = 1005,
    IDC_CARD_FIRST = 2000,  // cards 2000..2011, one per category
    IDC_CARD_LAST = 2011,
    IDC_HINT1 = 3001,
    IDC_HINT2 = 3002,
    IDC_COPYRIGHT = 3003,
    IDC_HDR_TITLE = 3005,
    IDC_HDR_SUB = 3006,
};

// The client area holds the layout with the same margin on either side of the widest row, the two
// columns of cards, whatever the width of the frame around it; it is as tall as Wine showed it before.
constexpr int kSelectMargin = 20;
constexpr int kSelectClientWidth = kSelectMargin + 330 + 12 + 330 + kSelectMargin;
constexpr int kSelectClientHeight = 593;

extern HWND g_hHdrTitle;
extern HWND g_hHdrSub;
extern HWND g_hLangCombo;
extern HWND g_hCatChecks[12];
extern HWND g_hBtnStart;
extern HWND g_hBtnAuto;
extern HWND g_hBtnSettings;
extern HWND g_hBtnAbout;
extern HWND g_hHint1;
extern HWND g_hHint2;
extern HWND g_hCopyright;
extern int g_catChecked[12];

LRESULT CALLBACK SelectWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// Sends the UI fonts to the controls.
void ApplyFonts(HWND hwnd);

// Sets every text of the window from the catalogue in the current language.
void ReloadUiTexts(HWND hwnd);

// Starts the Windows display control panel; tells the user when it cannot be started.
void OpenDisplaySettings(HWND hwndOwner);

// Asks Windows for one WM_MOUSELEAVE when the pointer leaves `hwnd`.
void TrackMouseEventStruct(HWND hwnd);
