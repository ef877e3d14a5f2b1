// Moving blocks and the frame check, frame by frame.
#include "patterns/motion.h"

#include <math.h>

#include "app/format.h"
#include "patterns/patterns.h"
#include "patterns/screen_text.h"
#include "patterns/toolkit.h"
#include "testrun/catalogue.h"

namespace {

// Lanes from dark to light; a light block with dark detail on the darker lanes, the reverse on the light one.
constexpr COLORREF kLaneColors[kMotionLanes] = {RGB(64, 64, 64), RGB(128, 128, 128), RGB(192, 192, 192)};
constexpr COLORREF kBlockColors[kMotionLanes] = {RGB(255, 255, 255), RGB(255, 255, 255), RGB(0, 0, 0)};
constexpr COLORREF kDetailColors[kMotionLanes] = {RGB(0, 0, 0), RGB(0, 0, 0), RGB(255, 255, 255)};
constexpr COLORREF kCellUnlit = RGB(48, 48, 48);
constexpr COLORREF kCellLit = RGB(255, 255, 255);
constexpr COLORREF kFrameCheckText = RGB(160, 160, 160);

// Sizes at 96 DPI.
constexpr int kTextInset = 8;
constexpr int kTextLine = 20;
constexpr int kTextSize = 13;

double ValidHz(double hz) {
    return hz > 0 ? hz : kDefaultRefreshHz;
}

// A count with its thousands set apart, as the status writes it ("3 600").
void FormatCount(long long count, wchar_t* out, int chars) {
    char grouped[32];
    FormatGroupedCount(grouped, sizeof(grouped), count);
    WidenUtf8(grouped, out, chars);
}

int LaneTop(const RECT* rc, int lane) {
    return rc->top + lane * (rc->bottom - rc->top) / kMotionLanes;
}

int BlockSize(const RECT* rc) {
    const int size = (rc->bottom - rc->top) / 12;
    return size > 8 ? size : 8;
}

RECT TextLine(const RECT* rc, int top) {
    const int inset = ScaleForPanel(kTextInset);
    return {rc->left + inset, top + inset, rc->right - inset, top + inset + ScaleForPanel(kTextLine)};
}

void DrawBlock(HDC hdc, const RECT& block, int lane) {
    FillColor(hdc, &block, kBlockColors[lane]);
    const int size = block.right - block.left;
    const int cx = block.left + size / 2;
    const int cy = block.top + size / 2;
    const RECT across = {block.left + 2, cy, block.right - 2, cy + 1};
    const RECT down = {cx, block.top + 2, cx + 1, block.bottom - 2};
    FillColor(hdc, &across, kDetailColors[lane]);
    FillColor(hdc, &down, kDetailColors[lane]);
    const int radius = size / 4;
    HPEN pen = CreatePen(PS_SOLID, 1, kDetailColors[lane]);
    HGDIOBJ oldPen = SelectObject(hdc, pen);
    HGDIOBJ oldBrush = SelectObject(hdc, GetStockObject(HOLLOW_BRUSH));
    Ellipse(hdc, cx - radius, cy - radius, cx + radius + 1, cy + radius + 1);
    SelectObject(hdc, oldBrush);
    SelectObject(hdc, oldPen);
    DeleteObject(pen);
}

void DrawStatus(HDC hdc, const RECT* rc, const MotionFrame& f, COLORREF color) {
    wchar_t text[96];
    if (f.dropped > 0) {
        wchar_t dropped[32];
        wchar_t total[32];
        FormatCount(f.dropped, dropped, 32);
        FormatCount(f.total > f.dropped ? f.total : f.dropped, total, 32);
        FormatText(text, 96, ScreenText(STR_MOTION_DROPPED_FMT), dropped, total);
    } else {
        FormatText(text, 96, L"%ls", ScreenText(STR_MOTION_STEADY));
    }
    RECT box = MotionStatusBox(rc);
    SetTextColor(hdc, color);
    DrawTextW(hdc, text, -1, &box, DT_SINGLELINE | DT_RIGHT | DT_VCENTER);
}

void DrawMovingBlocksFrame(HDC hdc, const RECT* rc, const MotionFrame& f) {
    const double hz = ValidHz(f.hz);
    wchar_t rate[24];
    FormatRefreshRate(hz, rate, 24);
    HFONT font = MakePanelFont(kTextSize, FW_NORMAL);
    HGDIOBJ oldFont = SelectObject(hdc, font);
    SetBkMode(hdc, TRANSPARENT);
    for (int lane = 0; lane < kMotionLanes; ++lane) {
        const RECT band = {rc->left, LaneTop(rc, lane), rc->right, LaneTop(rc, lane + 1)};
        FillColor(hdc, &band, kLaneColors[lane]);
        const RECT block = MovingBlockRect(rc, lane, hz, f.frame);
        DrawBlock(hdc, block, lane);
        wchar_t line[96];
        const int step = LaneStep(lane, hz);
        FormatText(line, 96, ScreenText(STR_MOTION_SPEED_FMT), rate, step, static_cast<int>(lround(step * hz)));
        RECT box = TextLine(rc, band.top);
        SetTextColor(hdc, kBlockColors[lane]);
        DrawTextW(hdc, line, -1, &box, DT_SINGLELINE | DT_LEFT | DT_VCENTER);
    }
    DrawStatus(hdc, rc, f, kBlockColors[kMotionLanes - 1]);
    SelectObject(hdc, oldFont);
    DeleteObject(font);
}

void DrawFrameCheckFrame(HDC hdc, const RECT* rc, const MotionFrame& f) {
    const double hz = ValidHz(f.hz);
    FillColor(hdc, rc, RGB(0, 0, 0));
    const int cells = FrameCells(hz);
    const int lit = LitCell(hz, f.frame);
    for (int cell = 0; cell < cells; ++cell) {
        const RECT r = FrameCellRect(rc, hz, cell);
        FillColor(hdc, &r, cell == lit ? kCellLit : kCellUnlit);
    }

    SetBkMode(hdc, TRANSPARENT);
    RECT numberBox = FrameNumberBox(rc);
    HFONT big = MakePixelFont((numberBox.bottom - numberBox.top) * 3 / 4, FW_BOLD);
    HGDIOBJ oldFont = SelectObject(hdc, big);
    wchar_t number[16];
    FormatText(number, 16, L"%d", lit);
    SetTextColor(hdc, kCellLit);
    DrawTextW(hdc, number, -1, &numberBox, DT_SINGLELINE | DT_CENTER | DT_VCENTER);

    HFONT font = MakePanelFont(kTextSize, FW_NORMAL);
    SelectObject(hdc, font);
    wchar_t rate[24];
    FormatRefreshRate(hz, rate, 24);
    wchar_t line[32];
    FormatText(line, 32, L"%ls Hz", rate);
    RECT box = TextLine(rc, rc->top);
    SetTextColor(hdc, kFrameCheckText);
    DrawTextW(hdc, line, -1, &box, DT_SINGLELINE | DT_LEFT | DT_VCENTER);
    DrawStatus(hdc, rc, f, kFrameCheckText);
    SelectObject(hdc, oldFont);
    DeleteObject(font);
    DeleteObject(big);
}

RECT ClippedTo(const RECT* rc, const RECT& r) {
    RECT clipped;
    if (!IntersectRect(&clipped, rc, &r)) SetRectEmpty(&clipped);
    return clipped;
}

// Adds `r` clipped to `rc` unless nothing of it is left.
void AddChanged(const RECT* rc, const RECT& r, RECT* changed, int* count) {
    const RECT clipped = ClippedTo(rc, r);
    if (!IsRectEmpty(&clipped)) changed[(*count)++] = clipped;
}

}  // namespace

int LaneStep(int lane, double hz) {
    const long long slowest = llround(kMotionFullSpeed / 4 / ValidHz(hz));  // whole pixels per refresh
    return static_cast<int>(slowest > 0 ? slowest : 1) << lane;
}

void FormatRefreshRate(double hz, wchar_t* out, int chars) {
    const long long hundredths = llround(ValidHz(hz) * 100);
    if (hundredths % 100 == 0) {
        FormatText(out, chars, L"%lld", hundredths / 100);
    } else {
        FormatText(out, chars, L"%lld.%02lld", hundredths / 100, hundredths % 100);
    }
}

RECT MovingBlockRect(const RECT* rc, int lane, double hz, long long frame) {
    const int size = BlockSize(rc);
    const long long period = (rc->right - rc->left) + size;  // off the right edge, back in at the left
    long long travelled = (frame * LaneStep(lane, hz) + size) % period;  // frame 0 at the left edge
    if (travelled < 0) travelled += period;
    const int left = rc->left + static_cast<int>(travelled) - size;
    const int top = LaneTop(rc, lane) + (LaneTop(rc, lane + 1) - LaneTop(rc, lane) - size) / 2;
    return {left, top, left + size, top + size};
}

int FrameCells(double hz) {
    const long long cells = llround(ValidHz(hz));
    return cells < kMaxFrameCells ? static_cast<int>(cells) : kMaxFrameCells;
}

int LitCell(double hz, long long frame) {
    const int cells = FrameCells(hz);
    const int cell = static_cast<int>(frame % cells);
    return cell < 0 ? cell + cells : cell;
}

RECT FrameCellRect(const RECT* rc, double hz, int cell) {
    const int width = rc->right - rc->left;
    const int height = rc->bottom - rc->top;
    const int cells = FrameCells(hz);
    const int room = width - 2 * (width / 32);
    int columns = room / 3;  // cells at least 3 pixels wide; more rows where the row would be narrower
    if (columns < 1) columns = 1;
    if (columns > cells) columns = cells;
    const int cellWidth = room / columns;
    const int cellHeight = height / 12 > 4 ? height / 12 : 4;
    const int gap = cellWidth >= 4 ? 1 : 0;
    const int left = rc->left + (width - columns * cellWidth) / 2 + (cell % columns) * cellWidth;
    const int top = rc->top + height * 9 / 16 + (cell / columns) * cellHeight;
    return {left, top, left + cellWidth - gap, top + cellHeight - gap};
}

RECT FrameNumberBox(const RECT* rc) {
    const int width = rc->right - rc->left;
    const int height = rc->bottom - rc->top;
    return {rc->left + width / 4, rc->top + height / 8, rc->right - width / 4, rc->top + height / 2};
}

RECT MotionStatusBox(const RECT* rc) {
    const int inset = ScaleForPanel(kTextInset);
    const int line = ScaleForPanel(kTextLine);
    return {rc->right - (rc->right - rc->left) / 3, rc->bottom - inset - line, rc->right - inset, rc->bottom - inset};
}

void DrawMotionFrame(HDC hdc, const RECT* rc, int mode, const MotionFrame& f) {
    // Blocks and texts keep a least size, so on a tiny window they would reach past it.
    const int saved = SaveDC(hdc);
    IntersectClipRect(hdc, rc->left, rc->top, rc->right, rc->bottom);
    if (mode == kMovingBlocksMode) DrawMovingBlocksFrame(hdc, rc, f);
    if (mode == kFrameCheckMode) DrawFrameCheckFrame(hdc, rc, f);
    RestoreDC(hdc, saved);
}

int MotionChangedRects(const RECT* rc, int mode, double hz, long long from, long long to,
                       RECT changed[kMaxChangedRects]) {
    int count = 0;
    if (from == to) return 0;
    if (mode == kMovingBlocksMode) {
        for (int lane = 0; lane < kMotionLanes; ++lane) {
            const RECT before = MovingBlockRect(rc, lane, hz, from);
            const RECT after = MovingBlockRect(rc, lane, hz, to);
            RECT both;
            UnionRect(&both, &before, &after);
            // One rectangle over both places while that costs no more than twice the block.
            if (both.right - both.left <= 2 * (before.right - before.left)) {
                AddChanged(rc, both, changed, &count);
            } else {
                AddChanged(rc, before, changed, &count);
                AddChanged(rc, after, changed, &count);
            }
        }
    } else if (mode == kFrameCheckMode) {
        if (LitCell(hz, from) == LitCell(hz, to)) return 0;
        AddChanged(rc, FrameCellRect(rc, hz, LitCell(hz, from)), changed, &count);
        AddChanged(rc, FrameCellRect(rc, hz, LitCell(hz, to)), changed, &count);
        AddChanged(rc, FrameNumberBox(rc), changed, &count);
    }
    return count;
}

void DrawMovingBlocks(HDC hdc, const RECT* rect) {
    DrawMotionFrame(hdc, rect, kMovingBlocksMode, {0, kDefaultRefreshHz, 0, 0});
}

void DrawFrameCheck(HDC hdc, const RECT* rect) {
    DrawMotionFrame(hdc, rect, kFrameCheckMode, {0, kDefaultRefreshHz, 0, 0});
}
