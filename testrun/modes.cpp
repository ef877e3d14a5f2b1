// The drawing function of each screen, in mode order.
#include "testrun/modes.h"

#include "hdr/hdr_stand_in.h"
#include "patterns/patterns.h"
#include "testrun/vrr_picture.h"

const DrawFunc g_drawFuncs[kModeCount] = {
    DrawWhite,  // 0
    DrawBlack,  // 1
    DrawRed,  // 2
    DrawGreen,  // 3
    DrawBlue,  // 4
    DrawBrightness1,  // 5
    DrawBrightness2,  // 6
    DrawBrightness3,  // 7
    DrawGrayHorizontal,  // 8
    DrawGrayVertical,  // 9
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
    DrawNearBlack,  // 34
    DrawNearWhite,  // 35
    DrawGamma,  // 36
    DrawUniformity5,  // 37
    DrawUniformity10,  // 38
    DrawUniformity25,  // 39
    DrawUniformity50,  // 40
    DrawFlicker,  // 41
    DrawMovingBlocks,  // 42
    DrawFrameCheck,  // 43
    DrawChroma,  // 44
    DrawSubpixelOrder,  // 45
    DrawEdges,  // 46
    DrawOneToOne,  // 47
    DrawHdrPeakWindow1,  // 48
    DrawHdrPeakWindow2,  // 49
    DrawHdrPeakWindow5,  // 50
    DrawHdrPeakWindow10,  // 51
    DrawHdrPeakWindow25,  // 52
    DrawHdrPeakWindow50,  // 53
    DrawHdrPeakWindow100,  // 54
    DrawHdrClipping,  // 55
    DrawHdrNearBlack,  // 56
    DrawHdrBlooming,  // 57
    DrawHdrTenBitSteps,  // 58
    DrawHdrWideGamut,  // 59
    DrawVrrSweep,  // 60
    DrawVrrFlicker,  // 61
};
