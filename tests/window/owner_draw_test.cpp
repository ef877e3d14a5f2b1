// Owner-drawn cards and buttons painted into a DIB section from a hand-made draw request.
#include <gtest/gtest.h>

#include "app/app_state.h"
#include "app/owner_draw.h"
#include "app/select_window.h"
#include "app/texts.h"
#include "app/ui_fonts.h"
#include "tests/support/canvas.h"

#include <vector>

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kAccent = RGB(0, 180, 90);
constexpr COLORREF kDark = RGB(18, 24, 31);

class OwnerDraw : public ::testing::Test {
protected:
    void SetUp() override {
        g_lang = 0;
        CreateUiFonts();
        g_app.brushCard = CreateSolidBrush(RGB(255, 255, 255));
        g_app.brushCardChecked = CreateSolidBrush(RGB(242, 251, 246));
        for (int& checked : g_catChecked) checked = 0;
        g_app.hoverCard = -1;
        g_app.hoverButton = -1;
    }
    void TearDown() override {
        for (HGDIOBJ o : {(HGDIOBJ)g_app.fontUi, (HGDIOBJ)g_app.fontSmall, (HGDIOBJ)g_app.fontTitle,
                          (HGDIOBJ)g_app.fontMono, (HGDIOBJ)g_app.brushCard, (HGDIOBJ)g_app.brushCardChecked}) {
            DeleteObject(o);
        }
        g_app = AppState{};
        g_app.hoverCard = -1;
        g_app.hoverButton = -1;
    }

    static DRAWITEMSTRUCT Request(const Canvas& canvas, int id) {
        DRAWITEMSTRUCT item = {};
        item.CtlType = ODT_BUTTON;
        item.CtlID = id;
        item.itemAction = ODA_DRAWENTIRE;
        item.hDC = canvas.dc;
        item.rcItem = canvas.Rect();
        return item;
    }
    static void Card(Canvas& canvas, int index) {
        canvas.Clear(RGB(1, 2, 3));
        const DRAWITEMSTRUCT item = Request(canvas, 2000 + index);
        DrawCatCard(&item);
    }
    static void Button(Canvas& canvas, int id) {
        canvas.Clear(RGB(1, 2, 3));
        const DRAWITEMSTRUCT item = Request(canvas, id);
        DrawPushButton(&item);
    }
};

bool Near(COLORREF a, COLORREF b, int tolerance) {
    return abs(GetRValue(a) - GetRValue(b)) <= tolerance && abs(GetGValue(a) - GetGValue(b)) <= tolerance &&
           abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}

TEST_F(OwnerDraw, UncheckedCardBackgroundOutlineAndEmptyCheckBox) {
    Canvas canvas(330, 48);
    Card(canvas, 2);
    EXPECT_EQ(canvas.At(5, 24), kWhite);                     // background
    EXPECT_EQ(canvas.At(165, 0), RGB(227, 225, 218));        // top edge of the outline
    EXPECT_EQ(canvas.At(165, 47), RGB(227, 225, 218));       // bottom edge: the outline ends inside the item
    EXPECT_EQ(canvas.At(23, 14), RGB(196, 203, 210));        // check box top edge at by = 14
    EXPECT_EQ(canvas.At(23, 23), kWhite);                    // empty check box
    EXPECT_EQ(canvas.Count({14, 14, 33, 33}, kAccent), 0);   // no green anywhere in the box
}

TEST_F(OwnerDraw, CheckedCardIsGreenAndWinsOverHover) {
    Canvas canvas(330, 48);
    g_catChecked[4] = 1;
    Card(canvas, 4);
    EXPECT_EQ(canvas.At(6, 24), RGB(242, 251, 246));
    EXPECT_EQ(canvas.At(165, 0), kAccent);
    EXPECT_EQ(canvas.At(165, 1), RGB(208, 237, 221));        // inner outline over the outer pen's second row
    EXPECT_EQ(canvas.At(29, 28), kAccent);                   // filled check box away from the mark
    EXPECT_GT(canvas.Count({14, 14, 33, 33}, kWhite), 12);   // the white check mark
    std::vector<uint32_t> plain(canvas.bits, canvas.bits + 330 * 48);
    g_app.hoverCard = 4;
    Card(canvas, 4);
    EXPECT_TRUE(std::equal(plain.begin(), plain.end(), canvas.bits));
}

TEST_F(OwnerDraw, HoveredCardLightensAndDarkensItsOutline) {
    Canvas canvas(330, 48);
    g_app.hoverCard = 7;
    Card(canvas, 7);
    EXPECT_EQ(canvas.At(5, 24), RGB(250, 250, 248));
    EXPECT_EQ(canvas.At(165, 0), RGB(185, 194, 202));
    Card(canvas, 6);  // another card is not hovered
    EXPECT_EQ(canvas.At(5, 24), kWhite);
}

TEST_F(OwnerDraw, TitleStopsShortOfTheBadgeAndBadgeIsRightAligned) {
    Canvas canvas(330, 48);
    Card(canvas, 1);  // "Brightness and contrast", badge "x6"
    EXPECT_GT(canvas.Count({42, 0, 260, 48}, kDark), 20);
    EXPECT_EQ(canvas.Count({260, 0, 330, 48}, kDark), 0);
    const RECT badge = {270, 0, 320, 48};
    EXPECT_GT(canvas.Count(badge, RGB(154, 163, 171)) + canvas.Count({270, 10, 320, 40}, RGB(154, 163, 171)), 5);
    EXPECT_EQ(canvas.Count({320, 3, 330, 45}, RGB(154, 163, 171)), 0);
    // A long name is clipped at right - 70 instead of running into the badge.
    g_lang = 2;  // "Helligkeit und Kontrast" is long in German too; force a longer one through a narrow card
    Canvas narrow(150, 48);
    Card(narrow, 1);
    EXPECT_EQ(narrow.Count({80, 0, 150, 48}, kDark), 0);
}

TEST_F(OwnerDraw, StartButtonTriangleAndLabelPosition) {
    Canvas canvas(200, 40);
    Button(canvas, 1001);
    EXPECT_EQ(canvas.At(3, 3), kDark);
    EXPECT_EQ(canvas.At(72, 20), kWhite);  // inside the triangle (70,14)-(70,26)-(79,20)
    EXPECT_EQ(canvas.At(70, 14), kWhite);
    EXPECT_EQ(canvas.At(69, 20), kDark);
    EXPECT_EQ(canvas.At(78, 15), kDark);   // outside the slanted edge
    EXPECT_EQ(canvas.Count({81, 0, 84, 40}, kWhite), 0);   // gap between icon and label
    EXPECT_GT(canvas.Count({84, 0, 200, 40}, kWhite), 20); // the label "START"
}

TEST_F(OwnerDraw, AutoButtonBoltAndLabelPosition) {
    Canvas canvas(160, 40);
    Button(canvas, 1002);
    EXPECT_EQ(canvas.At(3, 3), kAccent);
    EXPECT_EQ(canvas.At(49, 20), kWhite);  // on the bolt's middle stroke (46,20)-(51,20)
    EXPECT_EQ(canvas.At(40, 20), kAccent);
    EXPECT_EQ(canvas.Count({55, 0, 62, 40}, kWhite), 0);
    EXPECT_GT(canvas.Count({62, 0, 160, 40}, kWhite), 20);
}

TEST_F(OwnerDraw, HoverBlendsWhiteOverStartAndAuto) {
    Canvas canvas(200, 40);
    g_app.hoverButton = 1001;
    Button(canvas, 1001);
    EXPECT_TRUE(Near(canvas.At(3, 3), RGB(46, 51, 57), 1)) << std::hex << canvas.At(3, 3);
    g_app.hoverButton = 1002;
    Button(canvas, 1002);
    // (0,180,90) lightened by white at 30/255
    EXPECT_TRUE(Near(canvas.At(3, 3), RGB(30, 189, 109), 1)) << std::hex << canvas.At(3, 3);
    Button(canvas, 1001);  // START is not hovered any more
    EXPECT_EQ(canvas.At(3, 3), kDark);
}

TEST_F(OwnerDraw, PlainButtonsShowHoverThroughTheirOutline) {
    Canvas canvas(110, 40);
    Button(canvas, 1003);
    EXPECT_EQ(canvas.At(55, 0), RGB(207, 204, 195));
    EXPECT_EQ(canvas.At(2, 20), kWhite);
    EXPECT_GT(canvas.Count(canvas.Rect(), RGB(58, 70, 82)), 10);
    g_app.hoverButton = 1004;
    Button(canvas, 1004);
    EXPECT_EQ(canvas.At(55, 0), RGB(154, 163, 171));
    EXPECT_EQ(canvas.At(2, 20), kWhite);  // no blend on plain buttons
}

TEST_F(OwnerDraw, DrawingRestoresTheFontAndLeaksNothing) {
    Canvas canvas(330, 48);
    HGDIOBJ before = GetCurrentObject(canvas.dc, OBJ_FONT);
    g_catChecked[0] = 1;
    g_app.hoverButton = 1001;
    HBRUSH probe = CreateSolidBrush(RGB(9, 9, 9));
    DeleteObject(probe);
    for (int i = 0; i < 3000; ++i) {
        const DRAWITEMSTRUCT card = Request(canvas, 2000 + i % 10);
        DrawCatCard(&card);
        const DRAWITEMSTRUCT button = Request(canvas, 1001 + i % 4);
        DrawPushButton(&button);
    }
    EXPECT_EQ(GetCurrentObject(canvas.dc, OBJ_FONT), before);
    EXPECT_EQ(GetCurrentObject(canvas.dc, OBJ_PEN), GetStockObject(BLACK_PEN));
    EXPECT_EQ(GetCurrentObject(canvas.dc, OBJ_BRUSH), GetStockObject(WHITE_BRUSH));
    // GetGuiResources answers 0 under Wine; a leak shows as handle slots that are never reused.
    HBRUSH after = CreateSolidBrush(RGB(9, 9, 9));
    EXPECT_EQ(LOWORD(reinterpret_cast<UINT_PTR>(after)), LOWORD(reinterpret_cast<UINT_PTR>(probe)));
    DeleteObject(after);
}

// The focus mark comes only with ODS_FOCUS and without ODS_NOFOCUSRECT; otherwise every pixel is
// the plain drawing's, whatever else is set.
TEST_F(OwnerDraw, FocusMarkOnlyWhereFocusCuesAreShown) {
    struct Case {
        UINT state;
        bool marked;
    };
    const Case cases[] = {
        {ODS_FOCUS, true},
        {ODS_FOCUS | ODS_NOFOCUSRECT, false},
        {ODS_FOCUS | ODS_SELECTED | ODS_NOFOCUSRECT, false},
        {ODS_NOFOCUSRECT, false},
    };
    g_catChecked[0] = 1;
    for (int id : {2000, 2001, 1001, 1002, 1003}) {
        Canvas canvas(id < 2000 ? 160 : 330, id < 2000 ? 40 : 48);
        canvas.Clear(RGB(1, 2, 3));
        DRAWITEMSTRUCT item = Request(canvas, id);
        id < 2000 ? DrawPushButton(&item) : DrawCatCard(&item);
        const std::vector<uint32_t> plain(canvas.bits, canvas.bits + canvas.width * canvas.height);
        for (const Case& c : cases) {
            canvas.Clear(RGB(1, 2, 3));
            item.itemState = c.state;
            id < 2000 ? DrawPushButton(&item) : DrawCatCard(&item);
            int changed = 0;
            int outsideMark = 0;
            for (int y = 0; y < canvas.height; ++y) {
                for (int x = 0; x < canvas.width; ++x) {
                    if (canvas.bits[y * canvas.width + x] == plain[y * canvas.width + x]) continue;
                    ++changed;
                    const bool onMark = (x == 4 || x == canvas.width - 5) || (y == 4 || y == canvas.height - 5);
                    outsideMark += !onMark;
                }
            }
            SCOPED_TRACE(testing::Message() << id << " state " << c.state);
            EXPECT_EQ(changed > 0, c.marked);
            EXPECT_EQ(outsideMark, 0);  // the dotted rectangle 4 px inside the item, nothing else
        }
    }
}

}  // namespace
