// The readability, resolution, colour, sound, level and motion screens and the four after them (chroma, subpixel
// order, edges, one to one) as a group: table entries, GDI hygiene over thousands of paints, and sizes from
// nothing to 8K.
#include <gtest/gtest.h>

#include "app/texts.h"
#include "patterns/patterns.h"
#include "testrun/modes.h"
#include "tests/support/canvas.h"

namespace {

struct Screen {
    int mode;
    DrawFunc draw;
    const char* name;
};

const Screen kScreens[] = {
    {23, DrawReadability1, "Readability1"}, {24, DrawReadability2, "Readability2"},
    {25, DrawReadability3, "Readability3"}, {26, DrawBurst, "Burst"},
    {27, DrawWedge, "Wedge"},               {28, DrawPixelText, "PixelText"},
    {29, DrawColorsSuite, "ColorsSuite"},   {30, DrawRampRed, "RampRed"},
    {31, DrawRampGreen, "RampGreen"},       {32, DrawRampBlue, "RampBlue"},
    {33, DrawSound, "Sound"},               {34, DrawNearBlack, "NearBlack"},
    {35, DrawNearWhite, "NearWhite"},       {36, DrawGamma, "Gamma"},
    {37, DrawUniformity5, "Uniformity5"},   {38, DrawUniformity10, "Uniformity10"},
    {39, DrawUniformity25, "Uniformity25"}, {40, DrawUniformity50, "Uniformity50"},
    {41, DrawFlicker, "Flicker"},           {42, DrawMovingBlocks, "MovingBlocks"},
    {43, DrawFrameCheck, "FrameCheck"},        {44, DrawChroma, "Chroma"},
    {45, DrawSubpixelOrder, "SubpixelOrder"}, {46, DrawEdges, "Edges"},
    {47, DrawOneToOne, "OneToOne"},
};

// Slot of a GDI handle in the process's handle table (the high word only counts reuses).
unsigned HandleSlot(HGDIOBJ object) { return static_cast<unsigned>(reinterpret_cast<UINT_PTR>(object)) & 0xFFFF; }

// Slot a brand-new object gets now: it climbs when objects are created and never deleted.
unsigned FreshSlot() {
    HBRUSH probe = CreateSolidBrush(RGB(1, 2, 3));
    const unsigned slot = HandleSlot(probe);
    DeleteObject(probe);
    return slot;
}

TEST(Screens23To43, TableHoldsEachScreenAtItsMode) {
    for (const Screen& s : kScreens) EXPECT_EQ(g_drawFuncs[s.mode], s.draw) << s.name;
}

TEST(Screens23To43, CallersPenBrushAndFontComeBack) {
    Canvas c(640, 480);
    HPEN pen = CreatePen(PS_DASH, 1, RGB(10, 20, 30));
    HBRUSH brush = CreateHatchBrush(HS_CROSS, RGB(40, 50, 60));
    HFONT font = CreateFontW(-9, 0, 0, 0, FW_BOLD, TRUE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0, 0, 0, L"Arial");
    SelectObject(c.dc, pen);
    SelectObject(c.dc, brush);
    SelectObject(c.dc, font);
    const RECT r = c.Rect();
    for (const Screen& s : kScreens) {
        s.draw(c.dc, &r);
        EXPECT_EQ(GetCurrentObject(c.dc, OBJ_PEN), pen) << s.name;
        EXPECT_EQ(GetCurrentObject(c.dc, OBJ_BRUSH), brush) << s.name;
        EXPECT_EQ(GetCurrentObject(c.dc, OBJ_FONT), font) << s.name;
    }
    SelectObject(c.dc, GetStockObject(BLACK_PEN));
    SelectObject(c.dc, GetStockObject(WHITE_BRUSH));
    SelectObject(c.dc, GetStockObject(SYSTEM_FONT));
    EXPECT_TRUE(DeleteObject(pen));
    EXPECT_TRUE(DeleteObject(brush));
    EXPECT_TRUE(DeleteObject(font));
}

TEST(Screens23To43, ThousandsOfPaintsLeakNoGdiObjects) {
    // Each paint creates and deletes dozens of brushes, pens and fonts; one object kept per paint
    // would push the next free slot up by hundreds over this loop.
    Canvas c(320, 240);
    const RECT r = c.Rect();
    for (const Screen& s : kScreens) s.draw(c.dc, &r);  // settle any one-time allocations
    const unsigned before = FreshSlot();
    unsigned highest = before;
    for (int round = 0; round < 200; ++round) {
        g_lang = round % kLanguageCount;
        for (const Screen& s : kScreens) s.draw(c.dc, &r);
        const unsigned slot = FreshSlot();
        if (slot > highest) highest = slot;
    }
    g_lang = 0;
    EXPECT_LT(highest, before + 64);
}

TEST(Screens23To43, TinyAndEmptyRectanglesDrawWithoutTrouble) {
    const SIZE sizes[] = {{0, 0}, {1, 1}, {0, 50}, {50, 0}, {2, 3}, {7, 5}, {13, 97}, {97, 13}, {120, 90}};
    for (const SIZE& size : sizes) {
        Canvas c(size.cx > 0 ? size.cx : 1, size.cy > 0 ? size.cy : 1);
        const RECT r = {0, 0, size.cx, size.cy};
        for (const Screen& s : kScreens) s.draw(c.dc, &r);
    }
    // An inverted rectangle must not make the text fill ask for an absurd amount of text.
    Canvas c(16, 16);
    const RECT inverted = {16, 16, 0, 0};
    for (const Screen& s : kScreens) s.draw(c.dc, &inverted);
}

TEST(Screens23To43, EightKScreensPaintEveryPixel) {
    Canvas c(7680, 4320);
    const RECT r = c.Rect();
    for (const Screen& s : kScreens) {
        c.Clear(RGB(1, 2, 3));
        s.draw(c.dc, &r);
        EXPECT_EQ(c.Count(r, RGB(1, 2, 3)), 0) << s.name;
    }
}

}  // namespace
