// The HDR screens' texts, rendered by GDI: straight onto a picture, or into a coverage mask that
// the frame takes at the luminance the text is to have.
#include "hdr/hdr_label_paint.h"

#include <algorithm>

#include "hdr/hdr_screens.h"
#include "patterns/offscreen.h"
#include "patterns/toolkit.h"

namespace {

RECT ToRect(const HdrRect& rect) { return {rect.left, rect.top, rect.right, rect.bottom}; }

void DrawLabel(HDC hdc, const HdrLabel& label, const RECT& rect) {
    RECT box = rect;
    const UINT format = (label.centred ? DT_CENTER : DT_LEFT) | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS;
    DrawTextW(hdc, label.text, -1, &box, format);
}

// White text of one label on black, in a 32-bit top-down DIB the size of its rectangle; the
// green channel is the coverage.
void PaintOneLabel(HdrFrame* frame, HFONT font, const HdrLabel& label, const HdrColour& colour) {
    const int width = label.rect.right - label.rect.left, height = label.rect.bottom - label.rect.top;
    Offscreen off;
    if (width <= 0 || height <= 0 || !CreateOffscreen(width, height, &off)) return;
    HGDIOBJ oldFont = SelectObject(off.dc, font);
    SetBkMode(off.dc, TRANSPARENT);
    SetTextColor(off.dc, RGB(255, 255, 255));
    const RECT whole = {0, 0, width, height};
    FillRect(off.dc, &whole, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    DrawLabel(off.dc, label, whole);
    GdiFlush();
    std::vector<uint8_t> coverage(static_cast<size_t>(width) * height);
    for (size_t k = 0; k < coverage.size(); ++k) coverage[k] = static_cast<uint8_t>(off.bits[k] >> 8);
    PaintCoverage(frame, label.rect, coverage.data(), width, colour);
    SelectObject(off.dc, oldFont);
    DeleteOffscreen(&off);
}

}  // namespace

int HdrLabelFontHeight(int height) { return std::max(12, HdrLabelHeight(height) * 3 / 4); }

void DrawHdrLabels(HDC hdc, const std::vector<HdrLabel>& labels, int height) {
    HFONT font = MakePixelFont(HdrLabelFontHeight(height), FW_NORMAL);
    HGDIOBJ oldFont = SelectObject(hdc, font);
    const int oldMode = SetBkMode(hdc, TRANSPARENT);
    const COLORREF oldColour = SetTextColor(hdc, RGB(255, 255, 255));
    for (const HdrLabel& label : labels) DrawLabel(hdc, label, ToRect(label.rect));
    SetTextColor(hdc, oldColour);
    SetBkMode(hdc, oldMode);
    SelectObject(hdc, oldFont);
    DeleteObject(font);
}

void PaintHdrLabels(HdrFrame* frame, const std::vector<HdrLabel>& labels, double sdrWhiteNits) {
    if (labels.empty()) return;
    HFONT font = MakePixelFont(HdrLabelFontHeight(frame->height), FW_NORMAL);
    for (const HdrLabel& label : labels)
        PaintOneLabel(frame, font, label, Grey(label.fullSignal ? kFullSignalNits : sdrWhiteNits));
    DeleteObject(font);
}
