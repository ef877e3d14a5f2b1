// Clusters of pixel faults: a chain counts the 5 x 5 blocks it needs, and no added fault ever makes
// the count smaller or the class better, over thousands of generated fault sets.
#include <gtest/gtest.h>

#include <random>

#include "record/findings.h"

namespace {

Findings g_before;  // large: kept out of the stack
Findings g_after;

void Put(Findings* f, int x, int y, int type) {
    Mark& m = f->marks[f->markCount++];
    m = {};
    m.mode = 0;
    m.x = x;
    m.y = y;
    m.type = type;
}

// A class that is better: a lower number, or any class where there was none.
bool Better(int isoClass, int than) {
    return isoClass != 0 && (than == 0 || isoClass < than);
}

TEST(FaultClusters, AChainCountsTheBlocksThatCoverIt) {
    const struct {
        int step, count, blocks;  // faults in a row, `step` pixels apart
    } rows[] = {
        {4, 250, 125}, {4, kMaxMarks, 500}, {1, kMaxMarks, 200}, {1, 5, 1}, {1, 6, 2}, {2, 3, 1}, {2, 4, 2}, {3, 2, 1}, {4, 2, 1}, {4, 3, 2}, {5, 2, 0},
    };
    for (const auto& row : rows) {
        ClearFindings(&g_before, 7680, 4320);
        for (int k = 0; k < row.count; ++k) Put(&g_before, 10 + k * row.step, 500, kDefectDark);
        EXPECT_EQ(JudgePixelFaults(&g_before, 0, 0).clusters[0], row.blocks) << row.step << " x " << row.count;
    }
    // A square of 10 x 10 faults needs four blocks; a diagonal of (0,0), (4,4), (8,8) two.
    ClearFindings(&g_before, 1920, 1080);
    for (int k = 0; k < 100; ++k) Put(&g_before, 100 + k % 10, 100 + k / 10, kDefectSubpixel);
    for (int k = 0; k < 3; ++k) Put(&g_before, 300 + 4 * k, 300 + 4 * k, kDefectLit);
    const ClassVerdict v = JudgePixelFaults(&g_before, 0, 0);
    EXPECT_EQ(v.clusters[1], 4);
    EXPECT_EQ(v.clusters[0], 2);
}

// Eleven separate pairs of dark pixels on 1920 x 1080 meet no class; a fault placed between two
// pairs joins them and must not earn one.
TEST(FaultClusters, AFaultThatJoinsTwoPairsDoesNotEarnAClass) {
    ClearFindings(&g_before, 1920, 1080);
    for (int k = 0; k < 11; ++k) {
        Put(&g_before, 100 + 8 * k, 200, kDefectDark);
        Put(&g_before, 100 + 8 * k + 1, 200, kDefectDark);
    }
    const ClassVerdict before = JudgePixelFaults(&g_before, 0, 0);
    EXPECT_EQ(before.clusters[0], 11);
    EXPECT_EQ(before.isoClass, 0);
    g_after = g_before;
    Put(&g_after, 105, 200, kDefectDark);  // 4 from (101, 200) and 3 from (108, 200)
    const ClassVerdict after = JudgePixelFaults(&g_after, 0, 0);
    EXPECT_GE(after.clusters[0], 11);
    EXPECT_EQ(after.isoClass, 0);
}

TEST(FaultClusters, AnAddedFaultNeverLowersTheCountOrBettersTheClass) {
    std::mt19937 random(20261210);
    for (int round = 0; round < 4000; ++round) {
        // A small area makes chains of every shape; a small screen makes the cluster limits bite.
        const int area = 6 + static_cast<int>(random() % 30);
        const int count = static_cast<int>(random() % 40);
        ClearFindings(&g_before, 800, 600);
        for (int k = 0; k < count; ++k) {
            Put(&g_before, static_cast<int>(random() % area), static_cast<int>(random() % area),
                1 + static_cast<int>(random() % 4));
        }
        g_after = g_before;
        Put(&g_after, static_cast<int>(random() % area), static_cast<int>(random() % area),
            1 + static_cast<int>(random() % 3));
        const ClassVerdict before = JudgePixelFaults(&g_before, 0, 0);
        const ClassVerdict after = JudgePixelFaults(&g_after, 0, 0);
        ASSERT_GE(after.clusters[0], before.clusters[0]) << "round " << round;
        ASSERT_GE(after.clusters[1], before.clusters[1]) << "round " << round;
        ASSERT_FALSE(Better(after.isoClass, before.isoClass)) << "round " << round;
    }
}

}  // namespace
