// The help overlay drawn over the test screens.
#include "testrun/overlay.h"

#include <algorithm>

#include "app/format.h"

#include "app/app_state.h"
#include "app/palette.h"
#include "app/texts.h"
#include "patterns/toolkit.h"
#include "testrun/catalogue.h"

namespace {

constexpr UINT kOverlayMs = 500;
constexpr int kMarginX = 18;
constexpr int kMarginY = 10;
constexpr int kGap = 20;
constexpr int kBottomDistance = 24;
constexpr int kNoticeGap = 8;
constexpr BYTE kPanelAlpha = 180;
constexpr int kLuminanceThreshold = 128;

// Fixed exit labels of the overlay, in the language order of the text catalogue.
const wchar_t* const kExitLabels[kLanguageCount] = {
    L"Esc exit", L"Esc 退出",     L"Esc Ende",    L"Esc quitter", L"Esc salir", L"Esc sair",    L"Esc afsluiten",
    L"Esc avsluta", L"Esc выход", L"Esc wyjście", L"Esc 終了",    L"Esc 종료",  L"Esc esci",
};

int g_overlayShown;

int Luminance(COLORREF color) {
    return (299 * GetRValue(color) + 587 * GetGValue(color) + 114 * GetBValue(color)) / 1000;
}

}  // namespace

const wchar_t* ExitLabel(int lang) {
    return lang >= 0 && lang < kLanguageCount ? kExitLabels[lang] : kExitLabels[0];
}

void ShowOSD(HWND hwnd) {
    g_overlayShown = 1;
    SetTimer(hwnd, kOverlayTimer, kOverlayMs, nullptr);
    InvalidateRect(hwnd, nullptr, FALSE);
}

void HideOSD(HWND hwnd) {
    if (!g_overlayShown) return;
    g_overlayShown = 0;
    InvalidateRect(hwnd, nullptr, FALSE);
}

int OverlayShown() {
    return g_overlayShown;
}

void SetOverlayShown(int shown) {
    g_overlayShown = shown;
}

int RunOverlay(OverlayRun* run) {
    if (!g_overlayShown || g_app.playlistCount <= 0 || g_app.playlist == nullptr) return 0;
    if (g_app.playlistPos < 0 || g_app.playlistPos >= g_app.playlistCount) return 0;
    *run = {g_app.playlist[g_app.playlistPos], g_app.playlistPos, g_app.playlistCount};
    return 1;
}

void FormatOverlayTexts(const OverlayRun* run, OverlayTexts* texts) {
    const int category = ModeCategory(run->mode);
    const wchar_t* categoryName = category >= 0 ? tr(CategoryTextKey(category)) : tr(STR_PRODUCT);
    FormatText(texts->position, 128, L"%ls \x00B7 %d/%d", categoryName, run->position + 1, run->count);
    FormatText(texts->title, 128, L"%ls", ModeTitle(run->mode));
    FormatText(texts->exitLabel, 64, L"%ls", ExitLabel(g_lang));
}

void DrawOSD(HDC hdc, const RECT* rc) {
    OverlayRun run;
    if (RunOverlay(&run)) DrawOverlay(hdc, rc, &run);
}

void DrawOverlay(HDC hdc, const RECT* rc, const OverlayRun* run) {
    const COLORREF sample = GetPixel(hdc, rc->left + (rc->right - rc->left) / 2, rc->top + (rc->bottom - rc->top) / 2);
    DrawOverlaySampled(hdc, rc, run, sample);
}

namespace {

// A panel of one line, centred, its bottom edge at `bottom`; returns the panel.
RECT DrawNoticePanel(HDC hdc, const RECT* rc, const wchar_t* notice, int bottom, bool lightPanel) {
    SIZE size;
    GetTextExtentPoint32W(hdc, notice, lstrlenW(notice), &size);
    const int marginX = ScaleForPanel(kMarginX);
    const int marginY = ScaleForPanel(kMarginY);
    const int width = size.cx + 2 * marginX;
    const int x = rc->left + (rc->right - rc->left - width) / 2;
    const RECT panel = {x, bottom - size.cy - 2 * marginY, x + width, bottom};
    BlendColor(hdc, &panel, lightPanel ? kWhite : kUiDark, kPanelAlpha);
    TextOutW(hdc, x + marginX, panel.top + marginY, notice, lstrlenW(notice));
    return panel;
}

}  // namespace

RECT DrawOverlaySampled(HDC hdc, const RECT* rc, const OverlayRun* run, COLORREF sample, const wchar_t* notice) {
    if (sample == CLR_INVALID) sample = kBlack;
    const bool lightPanel = Luminance(sample) > kLuminanceThreshold;

    OverlayTexts texts;
    FormatOverlayTexts(run, &texts);
    const wchar_t* position = texts.position;
    const wchar_t* title = texts.title;
    const wchar_t* exitLabel = texts.exitLabel;

    HFONT font = CreateFontW(-ScaleForPanel(16), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                             OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                             kUiFace);
    HGDIOBJ oldFont = SelectObject(hdc, font);
    const int marginX = ScaleForPanel(kMarginX);
    const int marginY = ScaleForPanel(kMarginY);
    const int gap = ScaleForPanel(kGap);
    SIZE s1, s2, s3;
    GetTextExtentPoint32W(hdc, position, lstrlenW(position), &s1);
    GetTextExtentPoint32W(hdc, title, lstrlenW(title), &s2);
    GetTextExtentPoint32W(hdc, exitLabel, lstrlenW(exitLabel), &s3);
    const int textHeight = std::max({s1.cy, s2.cy, s3.cy});
    const int width = s1.cx + gap + s2.cx + gap + s3.cx + 2 * marginX;
    const int height = textHeight + 2 * marginY;
    const int x = rc->left + (rc->right - rc->left - width) / 2;
    const int y = rc->bottom - height - ScaleForPanel(kBottomDistance);

    const RECT panel = {x, y, x + width, y + height};
    BlendColor(hdc, &panel, lightPanel ? kWhite : kUiDark, kPanelAlpha);

    SetBkMode(hdc, TRANSPARENT);
    SetTextColor(hdc, lightPanel ? kUiDark : kWhite);
    const int textTop = y + marginY + (height - 2 * marginY - s1.cy) / 2;
    const int x1 = x + marginX;
    const int x2 = x1 + s1.cx + gap;
    const int x3 = x2 + s2.cx + gap;
    TextOutW(hdc, x1, textTop, position, lstrlenW(position));
    TextOutW(hdc, x2, textTop, title, lstrlenW(title));
    TextOutW(hdc, x3, textTop, exitLabel, lstrlenW(exitLabel));
    RECT covered = panel;
    if (notice != nullptr) {
        const RECT noticePanel = DrawNoticePanel(hdc, rc, notice, y - ScaleForPanel(kNoticeGap), lightPanel);
        UnionRect(&covered, &panel, &noticePanel);
    }
    SelectObject(hdc, oldFont);
    DeleteObject(font);
    return covered;
}
