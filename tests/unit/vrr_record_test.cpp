// What the record keeps of the variable-refresh screens' visits, judged over generated loops, and
// how the report and its JSON state it.
#include <gtest/gtest.h>

#include <math.h>
#include <stdio.h>

#include <random>
#include <string>

#include "record/findings.h"
#include "record/report_html.h"
#include "record/report_json.h"
#include "testrun/catalogue.h"
#include "testrun/vrr_schedule.h"
#include "tests/support/written_report.h"

namespace {

Findings g_findings;  // large: kept out of the stack

// A loop on a clock of its own: each wait ends a random jitter after its deadline, and the loop
// ends after `frames` presents. `draw` notes what the frame asked for and what was measured.
struct World {
    std::mt19937* random;
    long long clock;
    long long frames;
    long long presents;
    int keyEvery;
    double lowestTarget, highestTarget, lowestPresented, highestPresented;
};

long long Now(void* c) { return static_cast<World*>(c)->clock; }

int Wait(void* c, long long deadline) {
    World* w = static_cast<World*>(c);
    const long long jitter = static_cast<long long>((*w->random)() % 4000);  // up to 4 ms in microseconds
    if (deadline > w->clock) w->clock = deadline;
    w->clock += jitter;
    return 1;
}

VrrKey Key(void* c) {
    World* w = static_cast<World*>(c);
    // The loop takes keys until none is left: every key is followed by a pause at least.
    if (w->keyEvery < 2 || (*w->random)() % w->keyEvery != 0) return kVrrKeyNone;
    return static_cast<VrrKey>(1 + (*w->random)() % 3);
}

void Note(double hz, double* low, double* high) {
    if (!(hz > 0)) return;
    if (*low == 0 || hz < *low) *low = hz;
    if (hz > *high) *high = hz;
}

int Draw(void* c, const VrrFrame* frame) {
    World* w = static_cast<World*>(c);
    Note(frame->targetHz, &w->lowestTarget, &w->highestTarget);
    Note(frame->presentedHz, &w->lowestPresented, &w->highestPresented);
    return w->presents < w->frames;
}

int Present(void* c) {
    ++static_cast<World*>(c)->presents;
    return 1;
}

TEST(VrrRecord, ExtremesBoundEveryRateAndFramesAddUpOverGeneratedVisits) {
    std::mt19937 random(61);
    for (int run = 0; run < 5000; ++run) {
        ClearFindings(&g_findings, 1920, 1080);
        const int visits = 1 + static_cast<int>(random() % 4);
        long long frames[kVrrScreens] = {};
        int shown[kVrrScreens] = {};
        bool allTearing[kVrrScreens] = {true, true};
        World seen[kVrrScreens] = {};
        for (int visit = 0; visit < visits; ++visit) {
            const int screen = static_cast<int>(random() % kVrrScreens);
            const RefreshRange claimed = {static_cast<int>(random() % 2), 30.0 + random() % 40, 100.0 + random() % 200};
            VrrSchedule schedule;
            StartVrrSchedule(&schedule, static_cast<VrrScreen>(screen), VrrRangeFor(claimed, 60.0 + random() % 200));
            World w = {&random, 0, static_cast<long long>(random() % 120), 0, static_cast<int>(random() % 8), 0, 0, 0, 0};
            const VrrSeam seam = {&w, Now, Wait, Key, Draw, Present};
            VrrRecord record;
            RunVrrLoop(&seam, &schedule, 1000000, &record);
            const int tearing = static_cast<int>(random() % 5 != 0);
            AddVrrFigures(&g_findings, kVrrSweepMode + screen, tearing && record.frames > 0, record.frames, record.late,
                          record.sweptLowHz, record.sweptHighHz, record.meter.lowestHz, record.meter.highestHz);
            frames[screen] += w.presents;
            ++shown[screen];
            allTearing[screen] = allTearing[screen] && tearing && w.presents > 0;
            Note(w.lowestTarget, &seen[screen].lowestTarget, &seen[screen].highestTarget);
            Note(w.highestTarget, &seen[screen].lowestTarget, &seen[screen].highestTarget);
            Note(w.lowestPresented, &seen[screen].lowestPresented, &seen[screen].highestPresented);
            Note(w.highestPresented, &seen[screen].lowestPresented, &seen[screen].highestPresented);
        }
        for (int screen = 0; screen < kVrrScreens; ++screen) {
            const VrrFigures& v = g_findings.vrr[screen];
            ASSERT_EQ(shown[screen], v.visits) << run;
            ASSERT_EQ(frames[screen], v.frames) << run;
            ASSERT_LE(v.late, v.frames) << run;
            ASSERT_EQ(shown[screen] > 0 && allTearing[screen], v.variableRefresh != 0) << run;
            // Every rate a frame asked for lies within the swept extremes, and they are rates asked for.
            if (seen[screen].highestTarget > 0) {
                ASSERT_LE(v.sweptLowHz, seen[screen].lowestTarget) << run;
                ASSERT_GE(v.sweptHighHz, seen[screen].highestTarget) << run;
                ASSERT_GT(v.sweptLowHz, 0) << run;
            }
            // Every presented rate a frame was told lies within the presented extremes.
            if (seen[screen].highestPresented > 0) {
                ASSERT_LE(v.presentedLowHz, seen[screen].lowestPresented) << run;
                ASSERT_GE(v.presentedHighHz, seen[screen].highestPresented) << run;
            }
            ASSERT_LE(v.presentedLowHz, v.presentedHighHz) << run;
        }
    }
    AddVrrFigures(&g_findings, kVrrSweepMode - 1, 1, 5, 0, 48, 60, 48, 60);  // no such screen: nothing kept
    AddVrrFigures(&g_findings, kVrrFlickerMode + 1, 1, 5, 0, 48, 60, 48, 60);
    EXPECT_EQ(ModeCategory(kVrrFlickerMode + 1), -1);
}

TEST(VrrRecord, ReportAndJsonStateTheRatesOfEachScreen) {
    const struct {
        int screen;
        VrrFigures vrr;
        const char* json;
        const char* html;  // null: no line for the screen
    } kCases[] = {
        {0, {0, 0, 0, 0, 0, 0, 0, 0}, "\"vrr\": []", nullptr},
        {0, {2, 1, 5310, 3, 48, 144, 47.91, 143.8},
         "{\"mode\": 60, \"name\": \"Frame-rate sweep (VRR)\", \"visits\": 2, \"variable_refresh\": true, \"frames\": "
         "5310, \"late\": 3, \"swept_low_hz\": 48.00, \"swept_high_hz\": 144.00, \"presented_low_hz\": 47.91, "
         "\"presented_high_hz\": 143.80}",
         "<li data-mode=\"60\" data-frames=\"5310\" data-late=\"3\" data-vrr=\"1\">Frame-rate sweep (VRR): rates "
         "asked 48\xE2\x80\x93" "144 Hz, presented 47.91\xE2\x80\x93" "143.8 Hz, 5\xC2\xA0" "310 frames</li>"},
        {1, {1, 0, 600, 0, 48, 60, 59.5, 60},
         "\"mode\": 61, \"name\": \"VRR flicker\", \"visits\": 1, \"variable_refresh\": false",
         "class=\"fault\">VRR flicker: rates asked 48\xE2\x80\x93" "60 Hz, presented 59.5\xE2\x80\x93" "60 Hz, 600 "
         "frames; variable refresh could not be used on this computer</li>"},
        {1, {1, 0, 0, 0, 0, 0, NAN, INFINITY},  // Direct3D could not show it: no rate at all
         "\"frames\": 0, \"late\": 0, \"swept_low_hz\": null, \"swept_high_hz\": null, \"presented_low_hz\": null, "
         "\"presented_high_hz\": null}",
         "VRR flicker: rates asked unknown\xE2\x80\x93unknown Hz, presented unknown\xE2\x80\x93unknown Hz, 0 frames"},
    };
    for (const auto& c : kCases) {
        ClearFindings(&g_findings, 1920, 1080);
        g_findings.vrr[c.screen] = c.vrr;
        const ReportInput input = {0, "2026-12-10 11:00", "TAVRO 1.0.0", "Windows 10.0", nullptr, 0, 1920, 1080, 60,
                                   &g_findings, nullptr};
        const std::string json = WrittenReport(WriteReportJson, input);
        EXPECT_NE(json.find(c.json), std::string::npos) << c.json << "\n" << json;
        const std::string html = WrittenReport(WriteReportHtml, input);
        if (c.html != nullptr) {
            EXPECT_NE(html.find(c.html), std::string::npos) << c.html << "\n" << html;
        } else {
            EXPECT_EQ(html.find("data-mode=\"6"), std::string::npos);
        }
    }
}

}  // namespace
