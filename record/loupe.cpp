// The loupe, the marks and the notes of a run.
#include "record/loupe.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <initializer_list>

#include "app/bounded_format.h"
#include "app/format.h"
#include "app/palette.h"
#include "app/texts.h"
#include "patterns/toolkit.h"
#include "record/report_texts.h"
#include "testrun/catalogue.h"
#include "monitor/monitors.h"
#include "testrun/motion_run.h"
#include "testrun/paint_ahead.h"
#include "testrun/screen_paint.h"

namespace {

constexpr UINT kRingMs = 1000;
constexpr UINT kNoticeMs = 1000;
constexpr int kPanelInset = 8;     // at 96 DPI
constexpr int kPointerGap = 24;    // between the pointer and the panel
constexpr int kRingRadius = 10;
constexpr COLORREF kMarkColour = RGB(255, 0, 255);
constexpr COLORREF kOffScreenGround = RGB(40, 40, 40);  // beyond the screen's edge in the loupe
constexpr COLORREF kOffScreenHatch = RGB(150, 150, 150);

// The screen as it was when the loupe opened, to read its own pixels from.
struct Snapshot {
    HDC dc;
    HBITMAP bitmap;
    HGDIOBJ oldBitmap;
    const DWORD* bits;  // top-down 0x00RRGGBB
    int width, height;
};

struct Loupe {
    bool open;
    int mode;
    POINT mark;     // client pixels
    POINT pointer;  // where the pointer was last seen: the mark follows it when it moves
    int type;
    int typeOrigin;  // a MarkTypeOrigin: the screen's type until 1-3 picks one
    RECT panel;  // where it was last drawn
    Snapshot snapshot;
};

Loupe g_loupe;
POINT g_ringAt;
bool g_ringShown;
const char* g_notice;  // UTF-8, shown while non-null
char g_noticeText[192];  // a notice made for the moment, which g_notice then points to

bool TakeSnapshot(HWND hwnd, int mode, Snapshot* s) {
    RECT rc;
    GetClientRect(hwnd, &rc);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = rc.right;
    info.bmiHeader.biHeight = -rc.bottom;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HDC screen = GetDC(hwnd);
    s->dc = CreateCompatibleDC(screen);
    s->bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    ReleaseDC(hwnd, screen);
    if (s->dc == nullptr || s->bitmap == nullptr) {
        if (s->dc != nullptr) DeleteDC(s->dc);
        if (s->bitmap != nullptr) DeleteObject(s->bitmap);
        *s = Snapshot{};
        return false;
    }
    s->oldBitmap = SelectObject(s->dc, s->bitmap);
    if (IsMotionMode(mode)) {
        PaintMotionScreen(s->dc, &rc, mode);
    } else if (ScreenShowable(mode)) {
        PaintShownScreen(s->dc, &rc, mode);
    } else {
        PaintTestScreen(s->dc, &rc, mode, nullptr);  // not prepared yet: its pattern, not the black in its place
    }
    GdiFlush();
    s->bits = static_cast<const DWORD*>(bits);
    s->width = rc.right;
    s->height = rc.bottom;
    return true;
}

void FreeSnapshot(Snapshot* s) {
    if (s->dc == nullptr) return;
    SelectObject(s->dc, s->oldBitmap);
    DeleteObject(s->bitmap);
    DeleteDC(s->dc);
    *s = Snapshot{};
}

// The screen's pixel at (x, y) as 0xRRGGBB; kOffScreen beyond its edges.
unsigned long PixelAt(const Snapshot& s, int x, int y) {
    if (s.bits == nullptr || x < 0 || y < 0 || x >= s.width || y >= s.height) return kOffScreen;
    return s.bits[static_cast<size_t>(y) * s.width + x] & 0xFFFFFF;
}

COLORREF AsColorref(unsigned long rgb) {
    return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

// A cell of the loupe: the pixel's colour, or grey hatching where it lies beyond the screen, so
// that the edge never looks like a row of dark pixels.
void DrawLoupeCell(HDC hdc, const RECT* cell, unsigned long pixel) {
    if (pixel != kOffScreen) {
        FillColor(hdc, cell, AsColorref(pixel));
        return;
    }
    FillColor(hdc, cell, kOffScreenGround);
    HBRUSH hatch = CreateHatchBrush(HS_BDIAGONAL, kOffScreenHatch);
    const int oldMode = SetBkMode(hdc, TRANSPARENT);
    FillRect(hdc, cell, hatch);
    SetBkMode(hdc, oldMode);
    DeleteObject(hatch);
}

// `point` moved onto the screen of `width` x `height` pixels.
POINT OnScreen(POINT point, int width, int height) {
    if (point.x >= width) point.x = width - 1;
    if (point.y >= height) point.y = height - 1;
    if (point.x < 0) point.x = 0;
    if (point.y < 0) point.y = 0;
    return point;
}

// The panel beside the pointer: the loupe's square, then the type and the keys below it. It goes to
// the other side of the pointer where it would leave the screen.
// The loupe's sizes at the panel DPI: each screen pixel's square, and the side of them all.
int LoupeZoom() {
    return ScaleForPanel(kLoupeZoom);
}

int LoupeSide() {
    return kLoupeSource * LoupeZoom();
}

RECT PanelFor(const RECT* rc, POINT mark, int textHeight) {
    const int inset = ScaleForPanel(kPanelInset);
    const int gap = ScaleForPanel(kPointerGap);
    const int width = LoupeSide() + 2 * inset;
    const int height = LoupeSide() + 3 * inset + textHeight;
    int left = mark.x + gap;
    int top = mark.y + gap;
    if (left + width > rc->right) left = mark.x - gap - width;
    if (top + height > rc->bottom) top = mark.y - gap - height;
    if (left + width > rc->right) left = rc->right - width;
    if (top + height > rc->bottom) top = rc->bottom - height;
    if (left < rc->left) left = rc->left;
    if (top < rc->top) top = rc->top;
    return {left, top, left + width, top + height};
}

void DrawLoupe(HDC hdc, const RECT* rc) {
    const ReportTexts& t = *ReportTextsOf(g_lang);
    wchar_t typeLine[96];
    wchar_t hint[256];
    WidenUtf8(t[RT_TYPE_LIT + g_loupe.type - 1], typeLine, 96);
    WidenUtf8(t[RT_LOUPE_HINT], hint, 256);
    HFONT font = MakePanelFont(12, FW_NORMAL);
    HFONT bold = MakePanelFont(13, FW_BOLD);
    HGDIOBJ oldFont = SelectObject(hdc, font);
    const int zoom = LoupeZoom();
    const int side = LoupeSide();
    RECT measure = {0, 0, side, 0};
    DrawTextW(hdc, hint, -1, &measure, DT_WORDBREAK | DT_CALCRECT);
    const int lineHeight = ScaleForPanel(20);
    const RECT panel = PanelFor(rc, g_loupe.mark, lineHeight + measure.bottom);
    g_loupe.panel = panel;
    FillColor(hdc, &panel, kUiDark);
    const int inset = ScaleForPanel(kPanelInset);
    const int left = panel.left + inset;
    const int top = panel.top + inset;
    for (int row = 0; row < kLoupeSource; ++row) {
        for (int column = 0; column < kLoupeSource; ++column) {
            const int x = g_loupe.mark.x - kLoupeSource / 2 + column;
            const int y = g_loupe.mark.y - kLoupeSource / 2 + row;
            const RECT cell = {left + column * zoom, top + row * zoom, left + (column + 1) * zoom, top + (row + 1) * zoom};
            DrawLoupeCell(hdc, &cell, PixelAt(g_loupe.snapshot, x, y));
        }
    }
    // The centre pixel framed in black and white, readable on any colour.
    const int c = kLoupeSource / 2;
    const int line = ScaleForPanel(1);
    RECT frame = {left + c * zoom - 2 * line, top + c * zoom - 2 * line, left + (c + 1) * zoom + 2 * line,
                  top + (c + 1) * zoom + 2 * line};
    for (COLORREF colour : {RGB(0, 0, 0), RGB(255, 255, 255)}) {
        HBRUSH brush = CreateSolidBrush(colour);
        for (int k = 0; k < line; ++k) {
            FrameRect(hdc, &frame, brush);
            InflateRect(&frame, -1, -1);
        }
        DeleteObject(brush);
    }
    SetBkMode(hdc, TRANSPARENT);
    SetTextColor(hdc, kUiAccent);
    SelectObject(hdc, bold);
    RECT typeBox = {left, top + side + inset, left + side, top + side + inset + lineHeight};
    DrawTextW(hdc, typeLine, -1, &typeBox, DT_SINGLELINE | DT_LEFT | DT_VCENTER);
    SelectObject(hdc, font);
    SetTextColor(hdc, RGB(255, 255, 255));
    RECT hintBox = {left, typeBox.bottom, left + side, panel.bottom - inset};
    DrawTextW(hdc, hint, -1, &hintBox, DT_WORDBREAK);
    SelectObject(hdc, oldFont);
    DeleteObject(font);
    DeleteObject(bold);
}

RECT RingRect() {
    const int r = ScaleForPanel(kRingRadius);
    const int pen = ScaleForPanel(2);
    return {g_ringAt.x - r - pen, g_ringAt.y - r - pen, g_ringAt.x + r + pen + 1, g_ringAt.y + r + pen + 1};
}

RECT DrawRing(HDC hdc) {
    const int r = ScaleForPanel(kRingRadius);
    HPEN pen = CreatePen(PS_SOLID, ScaleForPanel(2), kMarkColour);
    HGDIOBJ oldPen = SelectObject(hdc, pen);
    HGDIOBJ oldBrush = SelectObject(hdc, GetStockObject(HOLLOW_BRUSH));
    Ellipse(hdc, g_ringAt.x - r, g_ringAt.y - r, g_ringAt.x + r + 1, g_ringAt.y + r + 1);
    SelectObject(hdc, oldBrush);
    SelectObject(hdc, oldPen);
    DeleteObject(pen);
    return RingRect();
}

RECT NoticeRect(HDC hdc, const RECT* rc, const wchar_t* text, HFONT font) {
    HGDIOBJ old = SelectObject(hdc, font);
    SIZE size;
    GetTextExtentPoint32W(hdc, text, lstrlenW(text), &size);
    SelectObject(hdc, old);
    const int inset = ScaleForPanel(kPanelInset);
    const int width = size.cx + 2 * inset;
    const int left = rc->left + (rc->right - rc->left - width) / 2;
    const int top = rc->top + ScaleForPanel(16);
    return {left, top, left + width, top + size.cy + 2 * inset};
}

RECT DrawNotice(HDC hdc, const RECT* rc) {
    wchar_t text[192];
    WidenUtf8(g_notice, text, ARRAYSIZE(text));
    HFONT font = MakePanelFont(15, FW_NORMAL);
    RECT box = NoticeRect(hdc, rc, text, font);
    FillColor(hdc, &box, kUiDark);
    HGDIOBJ old = SelectObject(hdc, font);
    SetBkMode(hdc, TRANSPARENT);
    SetTextColor(hdc, RGB(255, 255, 255));
    DrawTextW(hdc, text, -1, &box, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
    SelectObject(hdc, old);
    DeleteObject(font);
    return box;
}

// A line at the top of the screen for a second.
void ShowNotice(HWND hwnd, const char* text) {
    g_notice = text;
    InvalidateRect(hwnd, nullptr, FALSE);
    SetTimer(hwnd, kNoticeTimer, kNoticeMs, nullptr);
}

void InvalidatePanel(HWND hwnd) {
    if (hwnd != nullptr && !IsRectEmpty(&g_loupe.panel)) InvalidateRect(hwnd, &g_loupe.panel, FALSE);
}

}  // namespace

void ResetFindingsLayer() {
    g_ringShown = false;
    g_notice = nullptr;
}

int LoupeOpen() {
    return g_loupe.open;
}

void ToggleLoupe(HWND hwnd, int mode) {
    if (g_loupe.open) {
        CloseLoupe(hwnd);
        return;
    }
    if (ModeCategory(mode) < 0 || !TakeSnapshot(hwnd, mode, &g_loupe.snapshot)) return;
    // The pointer may be on another monitor than the one under test: the mark starts at the
    // nearest pixel of the tested screen.
    POINT pointer;
    GetCursorPos(&pointer);
    ScreenToClient(hwnd, &pointer);
    g_loupe.open = true;
    g_loupe.mode = mode;
    g_loupe.mark = OnScreen(pointer, g_loupe.snapshot.width, g_loupe.snapshot.height);
    g_loupe.pointer = pointer;
    g_loupe.type = DefaultDefectType(mode);
    g_loupe.typeOrigin = kTypeOfScreen;
    SetRectEmpty(&g_loupe.panel);
    InvalidateRect(hwnd, nullptr, FALSE);
}

void CloseLoupe(HWND hwnd) {
    if (!g_loupe.open) return;
    g_loupe.open = false;
    FreeSnapshot(&g_loupe.snapshot);
    InvalidatePanel(hwnd);
    SetRectEmpty(&g_loupe.panel);
}

namespace {

void MoveMark(HWND hwnd, POINT to) {
    g_loupe.mark = to;
    InvalidateRect(hwnd, nullptr, FALSE);
}

}  // namespace

void LoupeFollowPointer(HWND hwnd, POINT point) {
    // Windows and X repeat a move message where the pointer stands still: that keeps the mark
    // where the arrow keys put it.
    if (!g_loupe.open || (point.x == g_loupe.pointer.x && point.y == g_loupe.pointer.y)) return;
    g_loupe.pointer = point;
    MoveMark(hwnd, OnScreen(point, g_loupe.snapshot.width, g_loupe.snapshot.height));
}

int LoupeKey(HWND hwnd, WPARAM key) {
    if (!g_loupe.open) return 0;
    POINT moved = g_loupe.mark;
    switch (key) {
        case VK_LEFT: --moved.x; break;
        case VK_RIGHT: ++moved.x; break;
        case VK_UP: --moved.y; break;
        case VK_DOWN: ++moved.y; break;
        case '1': case '2': case '3':
            g_loupe.type = static_cast<int>(key - '0');
            g_loupe.typeOrigin = kTypePicked;
            InvalidatePanel(hwnd);
            return 1;
        case VK_RETURN:
            RecordLoupeMark(hwnd);
            return 1;
        case VK_ESCAPE:
        case 'M':
            CloseLoupe(hwnd);
            return 1;
        default:
            return 1;  // the loupe keeps every key while it is open
    }
    const RECT rc = {0, 0, g_loupe.snapshot.width, g_loupe.snapshot.height};
    if (moved.x < rc.left || moved.y < rc.top || moved.x >= rc.right || moved.y >= rc.bottom) return 1;
    MoveMark(hwnd, moved);
    return 1;
}

void RecordLoupeMark(HWND hwnd) {
    if (!g_loupe.open) return;
    Mark mark = {};
    mark.mode = g_loupe.mode;
    mark.x = g_loupe.mark.x;
    mark.y = g_loupe.mark.y;
    mark.type = g_loupe.type;
    for (int k = 0; k < kPatchSide * kPatchSide; ++k) {
        mark.patch[k] = PixelAt(g_loupe.snapshot, mark.x - kPatchRadius + k % kPatchSide,
                                mark.y - kPatchRadius + k / kPatchSide);
    }
    int previousType = 0;
    const int kept = RecordMark(mark, &previousType, g_loupe.typeOrigin);
    CloseLoupe(hwnd);
    const ReportTexts& t = *ReportTextsOf(g_lang);
    if (kept == kMarksFull) {
        FormatUtf8(g_noticeText, sizeof(g_noticeText), ReportText(g_lang, RT_MARKS_FULL), kMaxMarks);
        ShowNotice(hwnd, g_noticeText);
        return;
    }
    if (kept < 0) return;
    if (previousType != 0) {  // the same pixel again: one defect, of the type it has now
        const int now = CurrentRunRecord()->findings.marks[kept].type;
        FormatUtf8(g_noticeText, sizeof(g_noticeText), ReportText(g_lang, RT_MARKED_AGAIN), t[RT_TYPE_LIT + now - 1]);
        ShowNotice(hwnd, g_noticeText);
    }
    g_ringAt = {mark.x, mark.y};
    g_ringShown = true;
    InvalidateRect(hwnd, nullptr, FALSE);
    SetTimer(hwnd, kMarkRingTimer, kRingMs, nullptr);
}

void ToggleScreenNote(HWND hwnd, int mode) {
    if (ModeCategory(mode) < 0) return;
    const ReportTexts& t = *ReportTextsOf(g_lang);
    ShowNotice(hwnd, RecordScreenNote(mode) ? t[RT_NOTE_ADDED] : t[RT_NOTE_REMOVED]);
}

void OnFindingsTimer(HWND hwnd, UINT_PTR timer) {
    KillTimer(hwnd, timer);
    if (timer == kMarkRingTimer) g_ringShown = false;
    if (timer == kNoticeTimer) g_notice = nullptr;
    InvalidateRect(hwnd, nullptr, FALSE);
}

int DrawFindingsLayer(HDC hdc, const RECT* rc, RECT covered[3]) {
    int count = 0;
    if (g_ringShown) covered[count++] = DrawRing(hdc);
    if (g_notice != nullptr) covered[count++] = DrawNotice(hdc, rc);
    if (g_loupe.open) {
        DrawLoupe(hdc, rc);
        covered[count++] = g_loupe.panel;
    }
    return count;
}

const char* FindingsNotice() {
    return g_notice;
}

int LoupePixels(unsigned long pixels[kLoupeSource * kLoupeSource], RECT* shownAt) {
    if (!g_loupe.open) return 0;
    for (int k = 0; k < kLoupeSource * kLoupeSource; ++k) {
        pixels[k] = PixelAt(g_loupe.snapshot, g_loupe.mark.x - kLoupeSource / 2 + k % kLoupeSource,
                            g_loupe.mark.y - kLoupeSource / 2 + k / kLoupeSource);
    }
    *shownAt = g_loupe.panel;
    return 1;
}
