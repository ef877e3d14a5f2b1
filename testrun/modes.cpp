// The drawing function of each screen.
#include "testrun/modes.h"

#include "patterns/patterns.h"

const DrawFunc g_drawFuncs[kModeCount] = {
    DrawWhite,  //  0
    DrawBlack,  //  1
    DrawRed,  //  2
    DrawGreen,  //  3
    DrawBlue,  //  4
    DrawBrightness1,  //  5
    DrawBrightness2,  //  6
    DrawBrightness3,  //  7
    DrawGrayHorizontal,  //  8
    DrawGrayVertical,  //  9
    DrawGrayDiagonal,  // 10
    DrawGeometry1,  // 11
    DrawGeometry2,  // 12
    DrawGeometry3,  // 13
    DrawConvergenceGrid,  // 14
    DrawConvergenceDots,  // 15
    DrawConvergencePluge,  // 16
    DrawFocusLines,  // 17
    DrawFocusGrid,  // 18
    DrawFocusSiemens,  // 19
    DrawMoire1,  // 20
    DrawMoire2,  // 21
    DrawMoire3,  // 22
    nullptr,  // 23 DrawReadability1
    nullptr,  // 24 DrawReadability2
    nullptr,  // 25 DrawReadability3
    nullptr,  // 26 DrawBurst
    nullptr,  // 27 DrawWedge
    nullptr,  // 28 DrawPixelText
    nullptr,  // 29 DrawColorsSuite
    nullptr,  // 30 DrawRampRed
    nullptr,  // 31 DrawRampGreen
    nullptr,  // 32 DrawRampBlue
    nullptr,  // 33 DrawSound
};
