// The one-to-one screen's facts under ThreadSanitizer: the run setting them while a painter reads
// them, every reading one whole set, never half of one and half of the other.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "patterns/display_facts.h"

namespace {

TEST(DisplayFactsThreads, APainterReadsWholeSetsWhileTheRunSetsThem) {
    const DisplayFacts sets[2] = {{1, 1920, 1080, 1, 150, 1, 3840, 2160}, {1, 3840, 2160, 1, 100, 1, 3840, 2160}};
    std::atomic<bool> done(false);
    std::thread run([&] {
        for (int n = 0; n < 100000; ++n) SetDisplayFacts(sets[n % 2]);
        done = true;
    });
    int torn = 0;
    while (!done) {
        const DisplayFacts f = CurrentDisplayFacts();
        const bool first = f.desktopWidth == 1920 && f.desktopHeight == 1080 && f.scalePercent == 150;
        const bool second = f.desktopWidth == 3840 && f.desktopHeight == 2160 && f.scalePercent == 100;
        torn += f.desktopKnown && !first && !second;
    }
    run.join();
    EXPECT_EQ(torn, 0);
}

}  // namespace
