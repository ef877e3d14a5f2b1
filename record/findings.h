// What a person found during a run: defects marked to the pixel, faults noted per screen, and the
// verdict the marks give against the pixel-fault classes of ISO 13406-2. Plain standard C++.
#pragma once

#include "testrun/catalogue.h"

enum DefectType {
    kDefectLit = 1,       // always lit (type 1)
    kDefectDark = 2,      // always dark (type 2)
    kDefectSubpixel = 3,  // a stuck subpixel (type 3)
    kDefectOther = 4,     // a fault of another kind; not counted in the class verdict
};

constexpr int kMaxMarks = 1000;
constexpr int kPatchRadius = 3;  // a mark keeps the screen's pixels this far around it
constexpr int kPatchSide = 2 * kPatchRadius + 1;

// A pixel of a mark's surroundings that lies beyond the screen's edge (no colour has this bit).
constexpr unsigned long kOffScreen = 0x1000000;

struct Mark {
    int mode;  // the screen it was seen on
    int x, y;  // in the screen's pixels
    int type;  // a DefectType
    unsigned long patch[kPatchSide * kPatchSide];  // 0xRRGGBB of the pixels around, row by row, or kOffScreen
};

// What a motion screen counted while it was shown, over all its visits in the run.
constexpr int kMotionScreens = 2;  // the moving blocks and the frame check, in mode order
struct MotionFigures {
    double hz;          // the refresh rate it was paced at; 0 when the screen was not shown
    long long frames;   // refreshes counted while it was shown
    long long dropped;  // refreshes among them that passed without a frame
};

// What the HDR screens were shown with, over all their visits in the run.
enum HdrWindowsState { kHdrStateUnknown = -1, kHdrStateOff = 0, kHdrStateOn = 1, kHdrStateSwitched = 2 };
struct HdrFigures {
    int shown;             // visits of HDR screens; 0: none was shown
    int windowsState;      // an HdrWindowsState: what Windows said of HDR while they were shown
    int presenterFailure;  // 0 where their frames reached the FP16 presenter, else why not (its failure number)
    double sdrWhiteNits;   // the SDR white level the panels were drawn at, last visit
    double claimedPeakNits;  // the peak the clipping steps marked; 0 unknown
};

// What a variable-refresh screen counted, over all its visits in the run.
constexpr int kVrrScreens = 2;  // the frame-rate sweep and the flicker screen, in mode order
struct VrrFigures {
    int visits;              // 0: the screen was not shown
    int variableRefresh;     // nonzero while every visit presented with tearing allowed (VRR usable)
    long long frames;        // frames presented
    long long late;          // frames presented more than a tenth of their period late
    double sweptLowHz;       // the extremes of the rates asked for; 0 before any frame
    double sweptHighHz;
    double presentedLowHz;   // the extremes of the rates measured from the present times; 0 none measured
    double presentedHighHz;
};

struct Findings {
    int width, height;               // the tested screen's size
    unsigned char seen[kModeCount];  // screens shown during the run
    unsigned char noted[kModeCount]; // screens noted as faulty as a whole
    MotionFigures motion[kMotionScreens];  // by mode from kMovingBlocksMode
    HdrFigures hdr;
    VrrFigures vrr[kVrrScreens];  // by mode from kVrrSweepMode
    int markCount;
    Mark marks[kMaxMarks];
};

// Empties `findings` for a run on a screen of `width` x `height`.
void ClearFindings(Findings* findings, int width, int height);

// Nonzero when the run recorded anything: a mark, a note, or frames a motion screen dropped.
int FindingsRecorded(const Findings* findings);

// Turns the note of screen `mode` on or off; returns the new state.
int ToggleNote(Findings* findings, int mode);

// What AddMark returns when it keeps nothing.
constexpr int kNoScreen = -1;   // `mode` is no screen
constexpr int kMarksFull = -2;  // the list already holds kMaxMarks positions

// How a mark got its type: from the screen it was made on (DefaultDefectType), or picked by the person.
enum MarkTypeOrigin {
    kTypeOfScreen,
    kTypePicked,
};

// Adds a mark and returns its index. One position is one defect: a mark where one already is takes
// its place (its type, screen and pixels) and `previousType` gets the old type; it gets 0 for a new
// position. A counted fault (types 1 to 3) stays as it is, though, unless the new type was picked:
// marking the pixel again on another screen does not undo it. Returns kNoScreen or kMarksFull when
// nothing was kept.
int AddMark(Findings* findings, const Mark& mark, int* previousType, int typeOrigin = kTypePicked);

// Adds a visit of motion screen `mode` to its figures; other modes are ignored.
void AddMotionFigures(Findings* findings, int mode, double hz, long long frames, long long dropped);

// What one visit of variable-refresh screen `mode` counted (`frames` may be 0: Direct3D could not
// show it); `variableRefresh` nonzero where its frames were presented with tearing allowed. The
// extremes widen over the visits; rates of 0 stand for none measured. Other modes are ignored.
void AddVrrFigures(Findings* findings, int mode, int variableRefresh, long long frames, long long late,
                   double sweptLowHz, double sweptHighHz, double presentedLowHz, double presentedHighHz);

// An HDR screen is shown (`visit` nonzero), or Windows' HDR state changed while one is: the state
// now (an HdrWindowsState, not kHdrStateSwitched) and the levels used. A known state unlike an
// earlier known one makes it kHdrStateSwitched.
void AddHdrVisit(Findings* findings, int visit, int windowsState, double sdrWhiteNits, double claimedPeakNits);

// The presenter could not show the HDR screens' frames: `failure` (nonzero) is kept, the first one met.
void AddHdrFailure(Findings* findings, int failure);

// Whether `hz` is a rate the record can state: a thousandth of a hertz or more, below a million;
// zero, negative, infinite and NaN stand for a rate nobody knows.
bool RefreshRateKnown(double hz);

// A refresh rate as the record writes it: whole hertz ("144"), else with up to three decimals
// ("59.94", "143.856"); written to `out` (room for `size` bytes). An unknown rate writes nothing
// and returns 0; a known one returns 1.
int RefreshRateText(double hz, char* out, int size);

// Marks on screen `mode`, for listing them.
int MarksOnScreen(const Findings* findings, int mode);

// The type a mark on screen `mode` starts with: always lit on black, always dark on white, a stuck
// subpixel on red, green or blue, another fault elsewhere.
int DefaultDefectType(int mode);

// ISO 13406-2's classes, in faults per million pixels: the three pixel-fault types, then clusters
// (two or more faults within a 5 x 5 pixel block) of always lit or dark pixels, and of stuck
// subpixels. Faults of a kind each within a block of another form a chain, which counts one cluster
// for each 5 x 5 block needed to cover it: a fault added anywhere never lowers the count.
constexpr int kIsoClasses = 4;
constexpr int kClusterBlock = 5;
extern const int g_isoLimits[kIsoClasses][3];
extern const int g_isoClusterLimits[kIsoClasses][2];

struct ClassVerdict {
    int counts[3];         // always lit, always dark, stuck subpixel
    int clusters[2];       // of always lit or dark pixels, of stuck subpixels
    double perMillion[3];  // for showing; the class is decided in whole numbers
    int anyLit;            // nonzero when an always-lit pixel was marked (many makers replace for one)
    int pixelsWide, pixelsHigh;  // the pixel count the rates rest on: the tested screen's, where the marks are
    int onNative;          // nonzero when the tested screen is in the native mode
    int nativeWide, nativeHigh;  // the native mode where it is known, else 0
    int isoClass;          // 1..4, the best class whose limits the counts and clusters all meet; 0 when none
};

// The verdict on the tested screen's pixels, the grid the marks and clusters were found on.
// `nativeWidth` x `nativeHeight` is the panel's own mode where it is known (both above 0): the
// verdict says whether the run was in it.
ClassVerdict JudgePixelFaults(const Findings* findings, int nativeWidth, int nativeHeight);

// Whether `verdict` should say that the run was not in the native mode: it is known and another.
inline bool VerdictOffNative(const ClassVerdict& verdict) {
    return verdict.nativeWide > 0 && verdict.nativeHigh > 0 && !verdict.onNative;
}

// The verdict on the native mode that `edid` names, where it names one.
ClassVerdict JudgeRecordedFaults(const Findings* findings, const unsigned char* edid, unsigned long edidLength);
