// The fonts of the program's own windows.
#include "app/ui_fonts.h"

#include <initializer_list>

#include "app/app_state.h"
#include "app/display_scale.h"
#include "app/palette.h"

namespace {

HFONT CreateUiFont(int height, int weight, BYTE pitchAndFamily, const wchar_t* face) {
    return CreateFontW(height, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, pitchAndFamily, face);
}

}  // namespace

void DeleteUiFonts() {
    for (HFONT* font : {&g_app.fontUi, &g_app.fontSmall, &g_app.fontTitle, &g_app.fontMono}) {
        if (*font != nullptr) DeleteObject(*font);
        *font = nullptr;
    }
}

void CreateUiFonts(int dpi) {
    DeleteUiFonts();
    g_app.fontUi = CreateUiTextFont(14, FW_NORMAL, dpi);
    g_app.fontSmall = CreateUiTextFont(12, FW_NORMAL, dpi);
    g_app.fontTitle = CreateUiTextFont(20, FW_BOLD, dpi);
    g_app.fontMono = CreateUiFont(-ScaleToDpi(12, dpi), FW_NORMAL, FIXED_PITCH | FF_MODERN, L"Consolas");
}

HFONT CreateUiTextFont(int height, int weight, int dpi) {
    return CreateUiFont(-ScaleToDpi(height, dpi), weight, 0, kUiFace);
}
