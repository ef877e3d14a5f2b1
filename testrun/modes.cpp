// The drawing function of each screen.
#include "testrun/modes.h"

#include "patterns/patterns.h"

const DrawFunc g_drawFuncs[kModeCount] = {
    nullptr,  //  0 DrawWhite
    nullptr,  //  1 DrawBlack
    nullptr,  //  2 DrawRed
    nullptr,  //  3 DrawGreen
    nullptr,  //  4 DrawBlue
    nullptr,  //  5 DrawBrightness1
    nullptr,  //  6 DrawBrightness2
    nullptr,  //  7 DrawBrightness3
    nullptr,  //  8 DrawGrayHorizontal
    nullptr,  //  9 DrawGrayVertical
    nullptr,  // 10 DrawGrayDiagonal
    nullptr,  // 11 DrawGeometry1
    nullptr,  // 12 DrawGeometry2
    nullptr,  // 13 DrawGeometry3
    nullptr,  // 14 DrawConvergenceGrid
    nullptr,  // 15 DrawConvergenceDots
    nullptr,  // 16 DrawConvergencePluge
    nullptr,  // 17 DrawFocusLines
    nullptr,  // 18 DrawFocusGrid
    nullptr,  // 19 DrawFocusSiemens
    nullptr,  // 20 DrawMoire1
    nullptr,  // 21 DrawMoire2
    nullptr,  // 22 DrawMoire3
    DrawReadability1,  // 23
    DrawReadability2,  // 24
    DrawReadability3,  // 25
    DrawBurst,  // 26
    DrawWedge,  // 27
    DrawPixelText,  // 28
    DrawColorsSuite,  // 29
    DrawRampRed,  // 30
    DrawRampGreen,  // 31
    DrawRampBlue,  // 32
    DrawSound,  // 33
};
