// The monitor box and the information line of the selection window.
#include "app/monitor_choice.h"

#include <initializer_list>

#include "app/app_state.h"
#include "app/display_scale.h"
#include "app/format.h"
#include "app/hdr_card_note.h"
#include "app/select_layout.h"
#include "app/texts.h"
#include "monitor/colour_facts.h"
#include "monitor/colour_summary.h"
#include "monitor/monitors.h"

HWND g_hMonitorCombo;
HWND g_hMonitorInfo;
HWND g_hMonitorColour;

namespace {

constexpr int kItemChars = 160;
constexpr int kDropMargin = 48;  // room for the list's borders, padding and scroll bar
constexpr int kColourLineTop = kSelectMonitorLineTop + 18;
constexpr int kColourLineChars = 512;

// The monitors as the box lists them, in the same order.
MonitorEntry g_listed[kMaxMonitors];
int g_listedCount;

void FormatMonitorItem(const MonitorEntry& monitor, int number, wchar_t* item) {
    wchar_t name[kMonitorNameChars + 2];
    FormatText(name, ARRAYSIZE(name), monitor.name[0] != L'\0' ? L"%ls, " : L"", monitor.name);
    if (monitor.hasNative) {
        FormatText(item, kItemChars, tr(STR_MONITOR_ITEM_FMT), number, name, monitor.currentWidth,
                   monitor.currentHeight, monitor.nativeWidth, monitor.nativeHeight);
    } else {
        FormatText(item, kItemChars, tr(STR_MONITOR_ITEM_NO_EDID_FMT), number, name, monitor.currentWidth,
                   monitor.currentHeight);
    }
}

int TextWidth(HWND control, const wchar_t* text) {
    HDC hdc = GetDC(control);
    const HGDIOBJ oldFont = SelectObject(hdc, reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0)));
    SIZE size = {};
    GetTextExtentPoint32W(hdc, text, lstrlenW(text), &size);
    SelectObject(hdc, oldFont);
    ReleaseDC(control, hdc);
    return size.cx;
}

// The listed monitor a run will test, or -1 when Windows lists none.
int TestedIndex() {
    wchar_t device[kDeviceNameChars];
    TestedDevice(device);
    for (int i = 0; i < g_listedCount; ++i) {
        if (lstrcmpW(g_listed[i].device, device) == 0) return i;
    }
    return -1;
}

void FillMonitorCombo(int tested) {
    SendMessageW(g_hMonitorCombo, CB_RESETCONTENT, 0, 0);
    int widest = 0;
    for (int i = 0; i < g_listedCount; ++i) {
        wchar_t item[kItemChars];
        FormatMonitorItem(g_listed[i], i + 1, item);
        SendMessageW(g_hMonitorCombo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
        const int width = TextWidth(g_hMonitorCombo, item);
        if (width > widest) widest = width;
    }
    SendMessageW(g_hMonitorCombo, CB_SETCURSEL, tested, 0);
    SendMessageW(g_hMonitorCombo, CB_SETDROPPEDWIDTH, widest + ScaleToDpi(kDropMargin, SelectLayoutDpi()), 0);
    ShowWindow(g_hMonitorCombo, g_listedCount > 1 ? SW_SHOW : SW_HIDE);
}

void ShowTestedMonitorLine(int tested) {
    wchar_t line[kItemChars] = L"";
    if (tested >= 0) {
        const MonitorEntry& monitor = g_listed[tested];
        if (monitor.hasNative) {
            FormatText(line, kItemChars, tr(STR_MONITOR_NATIVE_FMT), monitor.nativeWidth, monitor.nativeHeight,
                       monitor.currentWidth, monitor.currentHeight);
        } else {
            FormatText(line, kItemChars, tr(STR_MONITOR_NO_EDID_FMT), monitor.currentWidth, monitor.currentHeight);
        }
    }
    SetWindowTextW(g_hMonitorInfo, line);
}

// The second line: what Windows and the EDID say of the tested monitor's colours, read afresh.
// With nothing known it stays hidden and empty, and the window looks as it did without it.
void ShowTestedColourLine(int tested) {
    RefreshColourFacts(tested >= 0 ? g_listed[tested].device : L"");
    const ColourFacts* facts = CurrentColourFacts();
    char utf8[kColourLineChars];
    ColourSummaryLine(g_lang, facts->hasClaims ? &facts->claims : nullptr, facts->state, utf8, sizeof(utf8));
    wchar_t line[kColourLineChars] = L"";
    if (utf8[0] != '\0' && MultiByteToWideChar(CP_UTF8, 0, utf8, -1, line, kColourLineChars) == 0) line[0] = L'\0';
    SetWindowTextW(g_hMonitorColour, line);
    ShowWindow(g_hMonitorColour, line[0] != L'\0' ? SW_SHOWNA : SW_HIDE);
    RefreshHdrCardNote();  // it too follows the facts just read
}

}  // namespace

void CreateMonitorChoice(HWND parent, HINSTANCE instance) {
    g_hMonitorCombo = CreateWindowExW(0, L"COMBOBOX", L"", WS_CHILD | WS_VSCROLL | CBS_DROPDOWNLIST, kSelectBoxLeft,
                                      42, 180, 220, parent,
                                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_MONITOR_COMBO)), instance, nullptr);
    g_hMonitorInfo = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 20, kSelectMonitorLineTop, 640, 16, parent,
                                     reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_MONITOR_INFO)), instance,
                                     nullptr);
    g_hMonitorColour = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | SS_ENDELLIPSIS, 20, kColourLineTop, 640, 16,
                                       parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_MONITOR_COLOUR)),
                                       instance, nullptr);
    PlaceSelectControl(g_hMonitorCombo, kSelectBoxLeft, 42, 180, 220);
    PlaceSelectControl(g_hMonitorInfo, 20, kSelectMonitorLineTop, 640, 16);
    PlaceSelectControl(g_hMonitorColour, 20, kColourLineTop, 640, 16);
    ApplyMonitorChoiceFont();
    RefreshMonitorChoice();
}

void ApplyMonitorChoiceFont() {
    const WPARAM font = reinterpret_cast<WPARAM>(g_app.fontSmall);
    for (HWND control : {g_hMonitorCombo, g_hMonitorInfo, g_hMonitorColour}) {
        if (control != nullptr) SendMessageW(control, WM_SETFONT, font, TRUE);
    }
}

void RefreshMonitorChoice() {
    if (g_hMonitorCombo == nullptr) return;
    g_listedCount = ListMonitors(g_listed, kMaxMonitors);
    const int tested = TestedIndex();
    FillMonitorCombo(tested);
    ShowTestedMonitorLine(tested);
    ShowTestedColourLine(tested);
}

void OnMonitorPicked() {
    const LRESULT picked = SendMessageW(g_hMonitorCombo, CB_GETCURSEL, 0, 0);
    if (picked < 0 || picked >= g_listedCount) return;
    ChooseMonitor(g_listed[picked].device);
    ShowTestedMonitorLine(static_cast<int>(picked));
    ShowTestedColourLine(static_cast<int>(picked));
}
