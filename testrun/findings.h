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

struct Mark {
    int mode;  // the screen it was seen on
    int x, y;  // in the screen's pixels
    int type;  // a DefectType
    unsigned long patch[kPatchSide * kPatchSide];  // 0xRRGGBB of the pixels around, row by row
};

struct Findings {
    int width, height;               // the tested screen's size
    unsigned char seen[kModeCount];  // screens shown during the run
    unsigned char noted[kModeCount]; // screens noted as faulty as a whole
    int markCount;
    Mark marks[kMaxMarks];
};

// Empties `findings` for a run on a screen of `width` x `height`.
void ClearFindings(Findings* findings, int width, int height);

// Nonzero when the run recorded anything: a mark or a note.
int FindingsRecorded(const Findings* findings);

// Turns the note of screen `mode` on or off; returns the new state.
int ToggleNote(Findings* findings, int mode);

// Adds a mark; returns its index, or -1 when the list is full or `mode` is no screen.
int AddMark(Findings* findings, const Mark& mark);

// Marks on screen `mode`, for listing them.
int MarksOnScreen(const Findings* findings, int mode);

// The type a mark on screen `mode` starts with: always lit on black, always dark on white, a stuck
// subpixel on red, green or blue, another fault elsewhere.
int DefaultDefectType(int mode);

// ISO 13406-2's classes by the three pixel-fault types, in faults per million pixels.
constexpr int kIsoClasses = 4;
extern const double g_isoLimits[kIsoClasses][3];

struct ClassVerdict {
    int counts[3];         // always lit, always dark, stuck subpixel
    double perMillion[3];
    int isoClass;          // 1..4, the best class whose limits all three meet; 0 when none
};

ClassVerdict JudgePixelFaults(const Findings* findings);
