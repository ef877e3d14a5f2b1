// The guidance panel: on H or F1 a compact box at the top left names the shown screen and says
// what a good monitor shows and what a fault looks like. It is drawn over the picture on the
// glass only, so hiding it repaints the prepared picture unchanged.
#pragma once
#include <windows.h>

constexpr int kGuideMaxLines = 48;
constexpr int kGuideParts = 7;        // name, good heading, good text, fault heading, fault text, keys, colour note
constexpr int kGuidePartChars = 640;  // room for the longest text of a part, terminator included

// One line of the panel: a run of a text, drawn in the font and colour of its part.
struct GuideLine {
    const wchar_t* text;
    int length;
    int part;  // 0 name, 1 good heading, 2 good text, 3 fault heading, 4 fault text, 5 the keys M and N,
               // 6 the colour note (testrun/colour_guide.h), where the screen has one
    int top;   // y of the line's top
};

struct GuideLayout {
    wchar_t text[kGuideParts][kGuidePartChars];  // the parts' texts; the lines point into them
    RECT panel;  // the box, border included
    int textLeft;
    int lineCount;
    GuideLine lines[kGuideMaxLines];
};

// Nonzero while the panel is shown.
int GuideShown();

// Shows the panel if it is hidden, hides it if it is shown.
void ToggleGuide(HWND hwnd);

// Hides the panel if it is shown; `hwnd` (may be null) is repainted then.
void HideGuide(HWND hwnd);

// The panel's colour note comes from the tested monitor's kept colour facts (monitor/colour_facts.h).
// Lays out the panel of screen `mode` in language `lang` for a window `rc` on `hdc`. Returns
// nonzero when every word fits a line and the box fits inside `rc`; zero also for a number that
// is no screen (`layout` is empty then).
int LayOutGuidePanel(HDC hdc, const RECT* rc, int mode, int lang, GuideLayout* layout);

// Draws the panel of screen `mode` in the current language over what is on `hdc`; returns the box.
RECT DrawGuidePanel(HDC hdc, const RECT* rc, int mode);
