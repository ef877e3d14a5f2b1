// The facts the one-to-one screen shows, held for the painter thread, and their wording.
#include "patterns/display_facts.h"

#include <atomic>

#include "app/bounded_format.h"

namespace {

// The test run writes on its own thread while the painter reads on another. Each holds the lock
// for one copy of a few numbers only, so a spin is all it needs (and the Windows build's runtime
// may have no std::mutex).
std::atomic_flag g_factsBusy = ATOMIC_FLAG_INIT;
DisplayFacts g_facts = {};

void HoldFacts() {
    while (g_factsBusy.test_and_set(std::memory_order_acquire)) {
    }
}

void ReleaseFacts() { g_factsBusy.clear(std::memory_order_release); }

int SizeKnown(int known, int width, int height) {
    return known && width > 0 && height > 0 && width <= kFactMaxSide && height <= kFactMaxSide;
}

}  // namespace

void SetDisplayFacts(const DisplayFacts& facts) {
    DisplayFacts checked = facts;
    checked.desktopKnown = SizeKnown(facts.desktopKnown, facts.desktopWidth, facts.desktopHeight);
    checked.nativeKnown = SizeKnown(facts.nativeKnown, facts.nativeWidth, facts.nativeHeight);
    checked.scaleKnown = facts.scaleKnown && facts.scalePercent > 0 && facts.scalePercent <= kFactMaxScale;
    HoldFacts();
    g_facts = checked;
    ReleaseFacts();
}

DisplayFacts CurrentDisplayFacts() {
    HoldFacts();
    const DisplayFacts facts = g_facts;
    ReleaseFacts();
    return facts;
}

int DesktopIsScaled(const DisplayFacts& facts) {
    return facts.desktopKnown && facts.nativeKnown &&
           (facts.desktopWidth != facts.nativeWidth || facts.desktopHeight != facts.nativeHeight);
}

int FactLines(const DisplayFacts& facts, FactText text, wchar_t lines[kFactLines][kFactLineChars], int* verdict) {
    int count = 0;
    *verdict = -1;
    if (facts.desktopKnown) {
        FormatText(lines[count++], kFactLineChars, text(STR_FACT_DESKTOP_FMT), facts.desktopWidth, facts.desktopHeight);
    }
    if (facts.scaleKnown) FormatText(lines[count++], kFactLineChars, text(STR_FACT_SCALE_FMT), facts.scalePercent);
    if (facts.nativeKnown) {
        FormatText(lines[count++], kFactLineChars, text(STR_FACT_NATIVE_FMT), facts.nativeWidth, facts.nativeHeight);
    }
    if (facts.desktopKnown && facts.nativeKnown) {
        *verdict = count;
        if (DesktopIsScaled(facts)) {
            FormatText(lines[count++], kFactLineChars, text(STR_FACT_SCALED_FMT), facts.desktopWidth,
                       facts.desktopHeight, facts.nativeWidth, facts.nativeHeight);
        } else {
            FormatText(lines[count++], kFactLineChars, text(STR_FACT_NOT_SCALED));
        }
    }
    return count;
}
