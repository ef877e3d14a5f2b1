// GDI hygiene of the toolkit and of screens 0-22: no object leaks over thousands of paints, the
// caller's pen, brush, font and bitmap stay selected, and tiny or empty rectangles are safe.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "patterns/patterns.h"
#include "patterns/toolkit.h"
#include "tests/patterns/toolkit_probe.h"

namespace {

constexpr int kFirstMode = 0;
constexpr int kLastMode = 22;
constexpr int kPaints = 2000;

struct Painter {
    std::string name;
    std::function<void(HDC, const RECT*)> paint;
};

std::vector<Painter> Painters() {
    std::vector<Painter> painters;
    for (int mode = kFirstMode; mode <= kLastMode; ++mode) {
        painters.push_back({"mode " + std::to_string(mode), g_drawFuncs[mode]});
    }
    painters.push_back({"FillColor", [](HDC dc, const RECT* r) { FillColor(dc, r, RGB(1, 2, 3)); }});
    painters.push_back({"MakePanelFont", [](HDC, const RECT*) { DeleteObject(MakePanelFont(15, 700)); }});
    painters.push_back({"GradientGray", [](HDC dc, const RECT* r) { GradientGray(dc, r, 1); }});
    painters.push_back({"DrawConvergenceMark", [](HDC dc, const RECT*) { DrawConvergenceMark(dc, 8, 8); }});
    painters.push_back({"DrawSiemensStar", [](HDC dc, const RECT*) { DrawSiemensStar(dc, 10, 10, 9, 12); }});
    return painters;
}

// Slot of the next GDI handle to be handed out. The handle table reuses freed slots first, so
// the slot only moves when objects were created and never deleted in between.
unsigned NextHandleSlot() {
    HBRUSH probe = CreateSolidBrush(RGB(9, 9, 9));
    const unsigned slot = static_cast<unsigned>(reinterpret_cast<UINT_PTR>(probe) & 0xFFFF);
    DeleteObject(probe);
    return slot;
}

TEST(ToolkitGdi, ModesBelow23AreInTheTable) {
    for (int mode = kFirstMode; mode <= kLastMode; ++mode) EXPECT_NE(g_drawFuncs[mode], nullptr) << mode;
}

TEST(ToolkitGdi, ThousandsOfPaintsLeakNoObject) {
    Canvas c(24, 16);
    const RECT client = c.Rect();
    for (const Painter& painter : Painters()) {
        painter.paint(c.dc, &client);  // first use may set up caches of its own
        const unsigned before = NextHandleSlot();
        for (int i = 0; i < kPaints; ++i) painter.paint(c.dc, &client);
        EXPECT_EQ(NextHandleSlot(), before) << painter.name << " leaves GDI objects behind";
    }
}

TEST(ToolkitGdi, PaintingKeepsTheCallersObjectsSelected) {
    Canvas c(64, 48);
    const RECT client = c.Rect();
    HPEN pen = CreatePen(PS_DASH, 1, RGB(1, 2, 3));
    HBRUSH brush = CreateSolidBrush(RGB(4, 5, 6));
    HFONT font = CreateFontW(-11, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                             CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, L"Arial");
    HGDIOBJ oldPen = SelectObject(c.dc, pen);
    HGDIOBJ oldBrush = SelectObject(c.dc, brush);
    HGDIOBJ oldFont = SelectObject(c.dc, font);
    for (const Painter& painter : Painters()) {
        painter.paint(c.dc, &client);
        EXPECT_EQ(GetCurrentObject(c.dc, OBJ_PEN), pen) << painter.name;
        EXPECT_EQ(GetCurrentObject(c.dc, OBJ_BRUSH), brush) << painter.name;
        EXPECT_EQ(GetCurrentObject(c.dc, OBJ_FONT), font) << painter.name;
        EXPECT_EQ(GetCurrentObject(c.dc, OBJ_BITMAP), c.bitmap) << painter.name;
    }
    SelectObject(c.dc, oldFont);
    SelectObject(c.dc, oldBrush);
    SelectObject(c.dc, oldPen);
    DeleteObject(font);
    DeleteObject(brush);
    DeleteObject(pen);
}

TEST(ToolkitGdi, TinyAndEmptyRectanglesAreSafe) {
    const SIZE sizes[] = {{1, 1}, {2, 3}, {8, 8}, {21, 4}, {3, 50}};
    for (int mode = kFirstMode; mode <= kLastMode; ++mode) {
        for (const SIZE& size : sizes) {
            auto c = PaintScreen(g_drawFuncs[mode], size.cx, size.cy);
            EXPECT_NE(c->At(0, 0), CLR_INVALID) << "mode " << mode;
        }
        Canvas c(8, 8);
        const RECT empties[3] = {{0, 0, 0, 0}, {0, 0, 8, 0}, {0, 0, 0, 8}};
        for (const RECT& empty : empties) g_drawFuncs[mode](c.dc, &empty);
    }
}

TEST(ToolkitGdi, SolidAndGridScreensFillTinyRectanglesCompletely) {
    auto white = PaintScreen(DrawWhite, 1, 1);
    EXPECT_PIXEL(*white, 0, 0, RGB(255, 255, 255));
    auto grid = PaintScreen(DrawConvergenceGrid, 8, 8);
    EXPECT_EQ(grid->Count({0, 0, 8, 1}, RGB(255, 255, 255)), 8);
    EXPECT_EQ(grid->Count({0, 1, 8, 8}, RGB(255, 255, 255)), 7);
    auto lines = PaintScreen(DrawFocusLines, 8, 8);  // band of one row
    EXPECT_EQ(lines->Count({0, 0, 8, 1}, RGB(0, 0, 0)), 8);
}

}  // namespace
