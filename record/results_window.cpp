// The results window and the saving of reports.
#include "record/results_window.h"

#include <commdlg.h>
#include <stdio.h>
#include <string.h>
#include <wchar.h>

#include "app/app_state.h"
#include "app/console.h"
#include "app/display_scale.h"
#include "app/bounded_format.h"
#include "app/format.h"
#include "app/texts.h"
#include "app/ui_fonts.h"
#include "record/motion_line.h"
#include "record/report_file.h"
#include "record/report_html.h"
#include "record/report_path.h"
#include "record/report_texts.h"
#include "record/run_record.h"
#include "testrun/guide_texts.h"

HWND g_hResults;

namespace {

const wchar_t kResultsClass[] = L"TAVROResultsWindow";
constexpr int kResultsChars = 65536;  // a full list of marks fits; a longer text says where it is cut
constexpr int kClientWidth = 560;  // at 96 DPI; the window grows with its monitor's scale
constexpr int kClientHeight = 400;
constexpr DWORD kResultsStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
enum : int { IDC_RESULTS_TEXT = 4001, IDC_SAVE_REPORT = 4002, IDC_CLOSE_RESULTS = 4003 };

wchar_t g_reportPath[kReportPatternChars];
RunRecord* g_shownRecord;  // the results window's own copy of the run it shows
HFONT g_resultsFont;       // its text at its monitor's DPI

// Where each control sits at 96 DPI.
struct ControlPlace {
    int id;
    int x, y, width, height;
};
constexpr ControlPlace kControlPlaces[] = {
    {IDC_RESULTS_TEXT, 12, 12, kClientWidth - 24, kClientHeight - 72},
    {IDC_SAVE_REPORT, kClientWidth - 12 - 150 - 10 - 110, kClientHeight - 48, 150, 34},
    {IDC_CLOSE_RESULTS, kClientWidth - 12 - 110, kClientHeight - 48, 110, 34},
};
int g_reportsOutcome = kNoReportAsked;  // a ReportOutcome

// Appends to a bounded wide buffer: whole pieces only; a piece that does not fit is left out and
// the text is marked as cut.
struct Appender {
    wchar_t* text;
    int chars;
    int length;
    bool cut;
};

void Append(Appender* a, const wchar_t* piece) {
    const int length = lstrlenW(piece);
    if (a->cut || a->length + length >= a->chars) {
        a->cut = true;
        return;
    }
    memcpy(a->text + a->length, piece, (length + 1) * sizeof(wchar_t));
    a->length += length;
}

void AppendUtf8(Appender* a, const char* piece) {
    wchar_t wide[kReportSentenceBytes];  // a UTF-8 text never takes more UTF-16 units than bytes
    WidenUtf8(piece, wide, kReportSentenceBytes);
    Append(a, wide);
}

void ShowSaveFailure(HWND owner, const wchar_t* path, const wchar_t* reason) {
    const ReportTexts& t = *ReportTextsOf(g_lang);
    char pathUtf8[MAX_PATH * 3];
    char reasonUtf8[512];
    WideToUtf8(path, pathUtf8, sizeof(pathUtf8));
    WideToUtf8(reason, reasonUtf8, sizeof(reasonUtf8));
    char message[MAX_PATH * 3 + 600];
    FormatUtf8(message, sizeof(message), t[RT_SAVE_FAILED], pathUtf8, reasonUtf8);
    wchar_t wide[MAX_PATH + 600];
    wchar_t caption[128];
    WidenUtf8(message, wide, ARRAYSIZE(wide));
    WidenUtf8(t[RT_RESULTS_TITLE], caption, 128);
    MessageBoxW(owner, wide, caption, MB_ICONWARNING | MB_OK);
}

// The standard save dialog, then the report; a failure is said and the window stays for another try.
void AskAndSave(HWND hwnd) {
    wchar_t path[MAX_PATH] = L"tavro-report.html";
    OPENFILENAMEW dialog = {};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = hwnd;
    dialog.lpstrFilter = L"HTML (*.html)\0*.html\0";
    dialog.lpstrFile = path;
    dialog.nMaxFile = MAX_PATH;
    dialog.lpstrDefExt = L"html";
    dialog.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR;
    if (!GetSaveFileNameW(&dialog)) return;
    wchar_t reason[256];
    if (!SaveShownReport(path, reason, 256)) ShowSaveFailure(hwnd, path, reason);
}

HWND AddControl(HWND parent, const wchar_t* cls, const wchar_t* text, DWORD style, int id) {
    return CreateWindowExW(0, cls, text, WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), g_app.hInstance, nullptr);
}

// Places the controls and sets their font for `dpi`: the 96-DPI layout scaled.
void LayOutResults(HWND hwnd, int dpi) {
    HFONT font = CreateUiTextFont(14, FW_NORMAL, dpi);
    for (const ControlPlace& place : kControlPlaces) {
        HWND control = GetDlgItem(hwnd, place.id);
        MoveWindow(control, ScaleToDpi(place.x, dpi), ScaleToDpi(place.y, dpi), ScaleToDpi(place.width, dpi),
                   ScaleToDpi(place.height, dpi), TRUE);
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    }
    if (g_resultsFont != nullptr) DeleteObject(g_resultsFont);
    g_resultsFont = font;
}

void CreateResultsControls(HWND hwnd, int layoutDpi) {
    const ReportTexts& t = *ReportTextsOf(g_lang);
    static wchar_t results[kResultsChars];
    FormatRunResults(g_shownRecord, results, kResultsChars);
    AddControl(hwnd, L"EDIT", results, WS_BORDER | WS_VSCROLL | ES_MULTILINE | ES_READONLY | WS_TABSTOP,
               IDC_RESULTS_TEXT);
    wchar_t label[64];
    WidenUtf8(t[RT_SAVE_REPORT], label, 64);
    AddControl(hwnd, L"BUTTON", label, BS_DEFPUSHBUTTON | WS_TABSTOP, IDC_SAVE_REPORT);
    WidenUtf8(t[RT_CLOSE], label, 64);
    AddControl(hwnd, L"BUTTON", label, BS_PUSHBUTTON | WS_TABSTOP, IDC_CLOSE_RESULTS);
    LayOutResults(hwnd, layoutDpi);
}

// The window's size on a monitor of `dpi` with the work area `work`, laid out at `*layoutDpi`: the
// monitor's scale, or less where the window would not fit there.
SIZE FittedResultsSize(int dpi, const RECT& work, int* layoutDpi) {
    *layoutDpi = FittedLayoutDpi(kClientWidth, kClientHeight, kResultsStyle, dpi, work);
    return ScaledWindowSize(kClientWidth, kClientHeight, kResultsStyle, *layoutDpi, dpi);
}

// Dragged onto a monitor of another scale: where Windows suggests, at the size of the layout there
// (Windows' suggestion scales the current size, which may have been scaled down to fit).
void OnResultsDpiChanged(HWND hwnd, WPARAM wParam, const RECT* suggested) {
    int layout = kBaseDpi;
    const SIZE size = FittedResultsSize(HIWORD(wParam), WorkAreaOf(*suggested), &layout);
    SetWindowPos(hwnd, nullptr, suggested->left, suggested->top, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    LayOutResults(hwnd, layout);
}

LRESULT CALLBACK ResultsWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            CreateResultsControls(hwnd, *static_cast<const int*>(reinterpret_cast<const CREATESTRUCTW*>(lParam)->lpCreateParams));
            return 0;
        case WM_COMMAND:
            if (LOWORD(wParam) == IDC_SAVE_REPORT) AskAndSave(hwnd);
            if (LOWORD(wParam) == IDC_CLOSE_RESULTS || LOWORD(wParam) == IDCANCEL) DestroyWindow(hwnd);
            return 0;
        case WM_CLOSE:
            DestroyWindow(hwnd);
            return 0;
        case WM_DPICHANGED:
            OnResultsDpiChanged(hwnd, wParam, reinterpret_cast<const RECT*>(lParam));
            return 0;
        case kGetDpiScaledSizeMessage: {
            int layout = kBaseDpi;
            const int dpi = static_cast<int>(wParam);
            *reinterpret_cast<SIZE*>(lParam) = FittedResultsSize(dpi, WorkAreaAtDpi(hwnd, dpi), &layout);
            return TRUE;
        }
        case WM_DESTROY:
            if (g_hResults == hwnd) g_hResults = nullptr;
            FreeRunRecordCopy(g_shownRecord);
            g_shownRecord = nullptr;
            return 0;
        case WM_NCDESTROY:
            if (g_resultsFont != nullptr) DeleteObject(g_resultsFont);
            g_resultsFont = nullptr;
            return 0;
        default:
            return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

void OpenResultsWindow(HWND owner) {
    if (g_hResults != nullptr) DestroyWindow(g_hResults);
    g_shownRecord = CopyRunRecord();
    if (g_shownRecord == nullptr) return;
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = ResultsWndProc;
    wc.hInstance = g_app.hInstance;
    wc.hIcon = LoadIconW(g_app.hInstance, MAKEINTRESOURCEW(1));
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kResultsClass;
    RegisterClassExW(&wc);  // fails harmlessly from the second time on
    // On the selection window's monitor, centred on it, inside the work area and scaled down where
    // the monitor's scale would make it larger than that.
    RECT around;
    GetWindowRect(owner, &around);
    const RECT work = WorkAreaOf(around);
    int layout = kBaseDpi;
    const SIZE size = FittedResultsSize(WindowDpi(owner), work, &layout);
    const int left = (around.left + around.right - size.cx) / 2;
    const int top = (around.top + around.bottom - size.cy) / 2;
    const RECT placed = KeptInWorkArea({left, top, left + size.cx, top + size.cy}, work);
    wchar_t caption[128];
    WidenUtf8((*ReportTextsOf(g_lang))[RT_RESULTS_TITLE], caption, 128);
    g_hResults = CreateWindowExW(0, kResultsClass, caption, kResultsStyle, placed.left, placed.top, size.cx, size.cy,
                                 owner, nullptr, g_app.hInstance, &layout);
    if (g_hResults == nullptr) {
        FreeRunRecordCopy(g_shownRecord);
        g_shownRecord = nullptr;
        return;
    }
    ShowWindow(g_hResults, SW_SHOWNORMAL);
    SetForegroundWindow(g_hResults);
    UpdateWindow(g_hResults);
    SetFocus(GetDlgItem(g_hResults, IDC_SAVE_REPORT));
}

}  // namespace

void SaveReportsTo(const wchar_t* path) {
    lstrcpynW(g_reportPath, path != nullptr ? path : L"", kReportPatternChars);
}

int SaveShownReport(const wchar_t* path, wchar_t* reason, int reasonChars) {
    if (g_shownRecord == nullptr) {
        lstrcpynW(reason, L"no results window", reasonChars);
        return 0;
    }
    return SaveRunReport(g_shownRecord, path, reason, reasonChars);
}

void CloseResultsWindow() {
    if (g_hResults != nullptr) DestroyWindow(g_hResults);
}

void OnRunEnded(HWND owner) {
    const RunRecord* record = CurrentRunRecord();
    int unsaved = 0;  // a report /report asked for that is not saved: the results window offers it
    if (g_reportPath[0] != L'\0') {
        wchar_t reason[256];
        wchar_t path[MAX_PATH];
        const int saved = SaveCommandLineReport(record, g_reportPath, path, MAX_PATH, reason, 256);
        if (!saved) g_reportsOutcome = kReportFailed;
        if (saved && g_reportsOutcome == kNoReportAsked) g_reportsOutcome = kReportSaved;
        const ClassVerdict v = JudgeRecordedFaults(&record->findings, record->edid, record->edidLength);
        char verdict[160];
        ClassVerdictLine(g_lang, v.isoClass, verdict, sizeof(verdict));
        SayRunOutcome(saved, path, verdict, reason);
        if (!saved) ShowSaveFailure(owner, path, reason);
        unsaved = !saved;
    }
    if (unsaved || FindingsRecorded(&record->findings)) OpenResultsWindow(owner);
}

int ReportsOutcome() {
    return g_reportsOutcome;
}

namespace {

// What the motion screens counted, where they were shown.
void AppendMotion(Appender* a, const Findings& f) {
    bool any = false;
    for (int screen = 0; screen < kMotionScreens; ++screen) {
        char line[kReportSentenceBytes];
        MotionFiguresLine(g_lang, screen, f.motion[screen], line, sizeof(line));
        if (line[0] == '\0') continue;
        if (!any) {
            AppendUtf8(a, ReportText(g_lang, RT_MOTION_HEADING));
            Append(a, L":\r\n");
        }
        Append(a, L"  ");
        AppendUtf8(a, line);
        Append(a, L"\r\n");
        any = true;
    }
    if (any) Append(a, L"\r\n");
}

// The screens seen, the faults noted and every marked defect.
void AppendFindings(Appender* a, const Findings& f) {
    const ReportTexts& t = *ReportTextsOf(g_lang);
    int seen = 0;
    for (unsigned char s : f.seen) seen += s != 0;
    wchar_t line[256];
    AppendUtf8(a, t[RT_SCREENS_SEEN]);
    FormatText(line, 256, L": %d\r\n\r\n", seen);
    Append(a, line);
    AppendUtf8(a, t[RT_FAULTS_NOTED]);
    Append(a, L":");
    bool any = false;
    for (int mode = 0; mode < kModeCount; ++mode) {
        if (!f.noted[mode]) continue;
        Append(a, any ? L", " : L" ");
        AppendUtf8(a, GuideTextOf(g_lang, mode)->name);
        any = true;
    }
    if (!any) {
        Append(a, L" ");
        AppendUtf8(a, t[RT_NONE]);
    }
    Append(a, L"\r\n\r\n");
    AppendMotion(a, f);
    AppendUtf8(a, t[RT_DEFECTS]);
    Append(a, L":\r\n");
    for (int type = kDefectLit; type <= kDefectOther; ++type) {
        Append(a, L"  ");
        AppendUtf8(a, t[RT_TYPE_LIT + type - 1]);
        Append(a, L":");
        int count = 0;
        for (int k = 0; k < f.markCount; ++k) {
            const Mark& m = f.marks[k];
            if (m.type != type) continue;
            FormatText(line, 256, L"%ls (%d, %d) ", count == 0 ? L"" : L";", m.x, m.y);
            Append(a, line);
            AppendUtf8(a, GuideTextOf(g_lang, m.mode)->name);
            ++count;
        }
        if (count == 0) Append(a, L" 0");
        Append(a, L"\r\n");
    }
}

// The verdict and what it rests on: the rates, the class, the clusters, whether an always-lit pixel
// was marked, and the pixel count.
void AppendVerdict(Appender* a, const RunRecord* record) {
    const int lang = g_lang;
    const ClassVerdict v = JudgeRecordedFaults(&record->findings, record->edid, record->edidLength);
    wchar_t line[256];
    char text[kReportSentenceBytes];
    Append(a, L"\r\n");
    AppendUtf8(a, ReportText(lang, RT_VERDICT));
    if (v.pixelsWide > 0 && v.pixelsHigh > 0) {
        FormatText(line, 256, L": %.2f / %.2f / %.2f ", v.perMillion[0], v.perMillion[1], v.perMillion[2]);
        Append(a, line);
        AppendUtf8(a, ReportText(lang, RT_PER_MILLION));
    } else {
        Append(a, L": ");
        AppendUtf8(a, ReportText(lang, RT_UNKNOWN));  // no screen size: no rate
    }
    Append(a, L"\r\n");
    ClassVerdictLine(lang, v.isoClass, text, sizeof(text));
    AppendUtf8(a, text);
    Append(a, L"\r\n");
    AppendUtf8(a, ReportText(lang, RT_CLUSTERS));
    Append(a, L": ");
    FormatUtf8(text, sizeof(text), ReportText(lang, RT_CLUSTERS_FORMAT), v.clusters[0], v.clusters[1]);
    AppendUtf8(a, text);
    Append(a, L"\r\n");
    AppendUtf8(a, ReportText(lang, RT_ANY_LIT));
    Append(a, L": ");
    AppendUtf8(a, ReportText(lang, v.anyLit ? RT_YES : RT_NO));
    Append(a, L"\r\n");
    VerdictBasisLine(lang, v, text, sizeof(text));
    AppendUtf8(a, text);
}

}  // namespace

void FormatRunResults(const RunRecord* record, wchar_t* text, int chars) {
    if (chars <= 0) return;
    text[0] = L'\0';
    // The verdict is never cut: it is made first and the list gets the room that is left.
    static wchar_t verdict[2048];
    Appender v = {verdict, ARRAYSIZE(verdict), 0, false};
    verdict[0] = L'\0';
    AppendVerdict(&v, record);
    wchar_t cutLine[256] = L"\r\n";
    WidenUtf8(ReportText(g_lang, RT_LIST_CUT), cutLine + 2, ARRAYSIZE(cutLine) - 4);
    lstrcatW(cutLine, L"\r\n");
    Appender a = {text, chars - v.length - lstrlenW(cutLine), 0, false};
    if (a.chars > 0) AppendFindings(&a, record->findings);
    const bool cut = a.cut;
    a.chars = chars;
    a.cut = false;
    if (cut) Append(&a, cutLine);
    Append(&a, verdict);
}
