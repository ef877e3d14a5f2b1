// The sound test's picture: left and right channel circles, an arrow between them and the explanation.
#include <windows.h>

#include "app/palette.h"
#include "patterns/patterns.h"
#include "patterns/screen_text.h"
#include "patterns/toolkit.h"

namespace {


struct SoundLayout {
    int cy, r, lx, rx, xs, xt, a;
};

SoundLayout LayOutSound(const RECT* rc) {
    const int W = rc->right - rc->left;
    const int H = rc->bottom - rc->top;
    SoundLayout l;
    l.cy = rc->top + H / 3;
    l.r = (W < H ? W : H) / 10;
    l.lx = rc->left + W / 4;
    l.rx = rc->right - W / 4;
    const int gap = W / 20;
    l.xs = l.lx + l.r + gap;
    l.xt = l.rx - l.r - gap;
    l.a = l.r / 3;
    return l;
}

void DrawCirclesAndArrow(HDC hdc, const SoundLayout& l) {
    HPEN pen = CreatePen(PS_SOLID, 3, kWhite);
    HGDIOBJ oldBrush = SelectObject(hdc, GetStockObject(NULL_BRUSH));
    HGDIOBJ oldPen = SelectObject(hdc, pen);
    Ellipse(hdc, l.lx - l.r, l.cy - l.r, l.lx + l.r, l.cy + l.r);
    Ellipse(hdc, l.rx - l.r, l.cy - l.r, l.rx + l.r, l.cy + l.r);
    MoveToEx(hdc, l.xs, l.cy, nullptr);
    LineTo(hdc, l.xt, l.cy);
    SelectObject(hdc, GetStockObject(WHITE_BRUSH));
    const POINT head[3] = {{l.xt, l.cy}, {l.xt - l.a, l.cy - l.a}, {l.xt - l.a, l.cy + l.a}};
    Polygon(hdc, head, 3);
    SelectObject(hdc, oldBrush);
    SelectObject(hdc, oldPen);
    DeleteObject(pen);
}

void DrawChannelLetters(HDC hdc, const SoundLayout& l) {
    HFONT font = MakePixelFont(l.r / 2 > 20 ? l.r / 2 : 20, FW_BOLD);
    HGDIOBJ oldFont = SelectObject(hdc, font);
    SetTextColor(hdc, kWhite);
    SetBkMode(hdc, TRANSPARENT);
    RECT left = {l.lx - l.r, l.cy - l.r, l.lx + l.r, l.cy + l.r};
    RECT right = {l.rx - l.r, l.cy - l.r, l.rx + l.r, l.cy + l.r};
    DrawTextW(hdc, L"L", -1, &left, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
    DrawTextW(hdc, L"R", -1, &right, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
    SelectObject(hdc, oldFont);
    DeleteObject(font);
}

}  // namespace

void DrawSound(HDC hdc, const RECT* rc) {
    const int W = rc->right - rc->left;
    const int H = rc->bottom - rc->top;
    FillColor(hdc, rc, kBlack);
    const SoundLayout layout = LayOutSound(rc);
    DrawCirclesAndArrow(hdc, layout);
    DrawChannelLetters(hdc, layout);

    HFONT font = MakePixelFont(18, FW_NORMAL);
    HGDIOBJ oldFont = SelectObject(hdc, font);
    // DT_VCENTER does nothing for wrapped text, so the explanation starts at the box's top edge.
    RECT box = {rc->left + W / 8, rc->top + (H * 55) / 100, rc->right - W / 8, rc->bottom - H / 10};
    DrawTextW(hdc, ScreenText(STR_SOUND_HELP), -1, &box, DT_WORDBREAK | DT_VCENTER | DT_CENTER);
    SelectObject(hdc, oldFont);
    DeleteObject(font);
}
