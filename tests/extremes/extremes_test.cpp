// Every screen, card, button and the overlay painted into rectangles from 0 x 0 to 16384 x 16384,
// tall and thin, wide and flat, at the DPI this process runs with: no crash, the caller's objects
// still selected, no GDI object left behind. tests/scripts/dpi_sweep.sh runs it at 120, 144, 192.
// Where a rectangle is smaller than a screen's fixed-size marks or text, the screen draws past it:
// a window's paint DC clips to the client area, so that is not checked here.
#include <gtest/gtest.h>

#include <stdlib.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "app/owner_draw.h"
#include "app/select_window.h"
#include "app/texts.h"
#include "app/ui_fonts.h"
#include "patterns/toolkit.h"
#include "tests/support/canvas.h"
#include "testrun/modes.h"
#include "testrun/overlay.h"
#include "testrun/screen_paint.h"

namespace {

constexpr int kMargin = 3;  // the rectangle sits off the canvas origin, as a child window's would

struct Painter {
    std::string name;
    std::function<void(HDC, const RECT*)> paint;
};

// A canvas and the rectangle painted on it.
struct Shape {
    std::string name;
    std::unique_ptr<Canvas> canvas;
    RECT rect;
};

void PaintItem(void (*draw)(const DRAWITEMSTRUCT*), int id, HDC dc, const RECT* rect) {
    DRAWITEMSTRUCT item = {};
    item.CtlType = ODT_BUTTON;
    item.CtlID = id;
    item.itemAction = ODA_DRAWENTIRE;
    item.hDC = dc;
    item.rcItem = *rect;
    draw(&item);
}

std::vector<Painter> Painters() {
    std::vector<Painter> painters;
    for (int mode = 0; mode < kModeCount; ++mode) {
        painters.push_back({"mode " + std::to_string(mode),
                            [mode](HDC dc, const RECT* r) { PaintTestScreen(dc, r, mode, nullptr); }});
    }
    for (int id = 2000; id <= 2013; ++id) {
        painters.push_back({"card " + std::to_string(id),
                            [id](HDC dc, const RECT* r) { PaintItem(DrawCatCard, id, dc, r); }});
    }
    for (int id = 1001; id <= 1004; ++id) {
        painters.push_back({"button " + std::to_string(id),
                            [id](HDC dc, const RECT* r) { PaintItem(DrawPushButton, id, dc, r); }});
    }
    painters.push_back({"overlay", DrawOSD});
    return painters;
}

void AddFitted(std::vector<Shape>* shapes, const char* name, int width, int height) {
    Shape shape{name, std::make_unique<Canvas>(width + 2 * kMargin, height + 2 * kMargin),
                {kMargin, kMargin, kMargin + width, kMargin + height}};
    shapes->push_back(std::move(shape));
}

void AddClipped(std::vector<Shape>* shapes, const char* name, int canvasWidth, int canvasHeight, RECT rect) {
    shapes->push_back({name, std::make_unique<Canvas>(canvasWidth, canvasHeight), rect});
}

// Rectangles that fit their canvas are painted for real; the largest ones reach past a smaller
// canvas (a 16384 x 16384 DIB would be a gigabyte), so their geometry runs in full and GDI clips.
std::vector<Shape> Shapes() {
    std::vector<Shape> shapes;
    AddFitted(&shapes, "0x0", 0, 0);
    AddFitted(&shapes, "1x1", 1, 1);
    AddFitted(&shapes, "2x3", 2, 3);
    AddFitted(&shapes, "0x300", 0, 300);
    AddFitted(&shapes, "300x0", 300, 0);
    AddFitted(&shapes, "1x16384", 1, 16384);
    AddFitted(&shapes, "16384x1", 16384, 1);
    AddFitted(&shapes, "5x9000", 5, 9000);
    AddFitted(&shapes, "9000x5", 9000, 5);
    AddFitted(&shapes, "40x16384", 40, 16384);
    AddFitted(&shapes, "16384x40", 16384, 40);
    AddFitted(&shapes, "1920x1080", 1920, 1080);
    AddFitted(&shapes, "2560x1600", 2560, 1600);
    AddClipped(&shapes, "16384x16384 on 64x64", 64, 64, {0, 0, 16384, 16384});
    AddClipped(&shapes, "16384x16384 on 16384x32", 16384, 32, {0, 0, 16384, 16384});
    AddClipped(&shapes, "16384x16384 on 32x16384", 32, 16384, {0, 0, 16384, 16384});
    AddClipped(&shapes, "16384x16384 seen at its far corner", 64, 64, {-16320, -16320, 64, 64});
    AddClipped(&shapes, "inverted", 64, 64, {60, 50, 4, 2});
    return shapes;
}

// Slot of the next GDI handle to be handed out. The handle table reuses freed slots first, so
// the slot only moves when objects were created and never deleted in between.
unsigned NextHandleSlot() {
    HBRUSH probe = CreateSolidBrush(RGB(9, 9, 9));
    const unsigned slot = static_cast<unsigned>(reinterpret_cast<UINT_PTR>(probe) & 0xFFFF);
    DeleteObject(probe);
    return slot;
}

class Extremes : public ::testing::Test {
protected:
    void SetUp() override {
        g_lang = 0;
        CreateUiFonts();
        g_app.brushCard = CreateSolidBrush(RGB(255, 255, 255));
        g_app.brushCardChecked = CreateSolidBrush(RGB(242, 251, 246));
        for (int& checked : g_catChecked) checked = 0;
        g_catChecked[3] = 1;
        g_app.hoverCard = 5;
        g_app.hoverButton = 1002;
        playlist.resize(kModeCount);
        for (int m = 0; m < kModeCount; ++m) playlist[m] = m;
        g_app.playlist = playlist.data();
        g_app.playlistCount = kModeCount;
        g_app.playlistPos = kModeCount - 1;
        SetOverlayShown(1);
    }
    void TearDown() override {
        for (HGDIOBJ o : {(HGDIOBJ)g_app.fontUi, (HGDIOBJ)g_app.fontSmall, (HGDIOBJ)g_app.fontTitle,
                          (HGDIOBJ)g_app.fontMono, (HGDIOBJ)g_app.brushCard, (HGDIOBJ)g_app.brushCardChecked}) {
            DeleteObject(o);
        }
        g_app = AppState{};
        g_app.hoverCard = -1;
        g_app.hoverButton = -1;
        SetOverlayShown(0);
        for (int& checked : g_catChecked) checked = 0;
    }

    std::vector<int> playlist;
};

TEST_F(Extremes, ProcessRunsAtTheDpiTheSweepAskedFor) {
    const char* wanted = getenv("TAVRO_EXPECT_DPI");
    const int dpi = wanted != nullptr ? atoi(wanted) : 96;
    Canvas c(4, 4);
    EXPECT_EQ(GetDeviceCaps(c.dc, LOGPIXELSX), dpi);
    EXPECT_EQ(GetDeviceCaps(c.dc, LOGPIXELSY), dpi);

    // Panel text sizes are in 1/96 inch at the monitor's DPI: size 15 and 12 scale with MulDiv's
    // rounding, 15 -> 15, 19, 23, 30 and 12 -> 12, 15, 18, 24 pixels at 96, 120, 144 and 192 DPI.
    // The patterns' own text is in pixels and stays as it is at every DPI.
    struct Scaled {
        int dpi, size, pixels;
    };
    const Scaled table[] = {{96, 15, 15},  {120, 15, 19}, {144, 15, 23}, {192, 15, 30},
                            {96, 12, 12},  {120, 12, 15}, {144, 12, 18}, {192, 12, 24}};
    for (const Scaled& row : table) {
        if (row.dpi != dpi) continue;
        SetPanelDpi(dpi);
        HFONT font = MakePanelFont(row.size, FW_NORMAL);
        HFONT pattern = MakePixelFont(row.size, FW_NORMAL);
        SetPanelDpi(96);
        LOGFONTW lf = {};
        GetObjectW(font, sizeof(lf), &lf);
        EXPECT_EQ(lf.lfHeight, -row.pixels) << "size " << row.size;
        GetObjectW(pattern, sizeof(lf), &lf);
        EXPECT_EQ(lf.lfHeight, -row.size) << "size " << row.size;
        DeleteObject(font);
        DeleteObject(pattern);
    }
}

TEST_F(Extremes, EveryPainterOnEveryShapeKeepsTheDcAndLeaksNothing) {
    std::vector<Shape> shapes = Shapes();
    HPEN pen = CreatePen(PS_DASH, 1, RGB(1, 2, 3));
    HBRUSH brush = CreateSolidBrush(RGB(4, 5, 6));
    HFONT font = CreateFontW(-11, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                             CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, L"Arial");
    for (Shape& shape : shapes) {
        SelectObject(shape.canvas->dc, pen);
        SelectObject(shape.canvas->dc, brush);
        SelectObject(shape.canvas->dc, font);
    }
    for (const Painter& painter : Painters()) {
        painter.paint(shapes[2].canvas->dc, &shapes[2].rect);  // first use may set up caches of its own
        const unsigned before = NextHandleSlot();
        for (Shape& shape : shapes) {
            const HDC dc = shape.canvas->dc;
            painter.paint(dc, &shape.rect);
            const bool kept = GetCurrentObject(dc, OBJ_BITMAP) == shape.canvas->bitmap &&
                              GetCurrentObject(dc, OBJ_PEN) == pen && GetCurrentObject(dc, OBJ_BRUSH) == brush &&
                              GetCurrentObject(dc, OBJ_FONT) == font;
            EXPECT_TRUE(kept) << painter.name << " on " << shape.name << " leaves its own objects selected";
        }
        EXPECT_EQ(NextHandleSlot(), before) << painter.name << " leaves GDI objects behind";
    }
    for (Shape& shape : shapes) {
        SelectObject(shape.canvas->dc, GetStockObject(BLACK_PEN));
        SelectObject(shape.canvas->dc, GetStockObject(WHITE_BRUSH));
        SelectObject(shape.canvas->dc, GetStockObject(SYSTEM_FONT));
    }
    DeleteObject(font);
    DeleteObject(brush);
    DeleteObject(pen);
}

}  // namespace
