// What the record keeps of the HDR screens' visits, judged over generated runs, and how the
// report and its JSON state it.
#include <gtest/gtest.h>

#include <stdio.h>

#include <random>
#include <string>

#include "record/findings.h"
#include "record/report_html.h"
#include "record/report_json.h"
#include "tests/support/written_report.h"

namespace {

Findings g_findings;  // large: kept out of the stack

TEST(HdrRecord, VisitsAndStatesOverGeneratedRuns) {
    std::mt19937 random(37);
    for (int run = 0; run < 5000; ++run) {
        ClearFindings(&g_findings, 1920, 1080);
        const int events = static_cast<int>(random() % 12);
        int visits = 0;
        bool sawOn = false, sawOff = false, failed = false;
        int firstFailure = 0;
        for (int k = 0; k < events; ++k) {
            const bool visit = random() % 3 != 0;
            const int state = static_cast<int>(random() % 3) - 1;  // unknown, off, on
            if (random() % 7 == 0) {
                const int failure = 1 + static_cast<int>(random() % 11);
                AddHdrFailure(&g_findings, failure);
                if (!failed) firstFailure = failure;
                failed = true;
            }
            AddHdrVisit(&g_findings, visit, state, 80.0 + k, 1000.0);
            // A change while no HDR screen was shown yet is no visit and says nothing.
            if (visit) ++visits;
            if (visits > 0) {
                sawOn = sawOn || state == kHdrStateOn;
                sawOff = sawOff || state == kHdrStateOff;
            }
        }
        const HdrFigures& h = g_findings.hdr;
        ASSERT_EQ(visits, h.shown) << run;
        const int expected = sawOn && sawOff ? kHdrStateSwitched : sawOn ? kHdrStateOn : sawOff ? kHdrStateOff
                                                                                          : kHdrStateUnknown;
        ASSERT_EQ(expected, h.windowsState) << run;
        ASSERT_EQ(firstFailure, h.presenterFailure) << run;
    }
}

TEST(HdrRecord, ReportAndJsonStateWhatTheScreensWereShownWith) {
    const struct {
        HdrFigures hdr;
        const char* json;
        const char* html;
    } kCases[] = {
        {{0, kHdrStateUnknown, 0, 0, 0}, "\"hdr_screens\": null", nullptr},
        {{3, kHdrStateOn, 0, 240, 1015.4},
         "\"hdr_screens\": {\n    \"visits\": 3,\n    \"windows_hdr\": \"on\",\n    \"presented\": true,\n"
         "    \"presenter_failure\": null,\n    \"sdr_white_nits\": 240.00,\n    \"claimed_peak_nits\": 1015.40\n  }",
         "<th>HDR screens</th><td>shown in HDR; SDR white 240 cd/m\xC2\xB2, claimed peak 1\xC2\xA0" "015 cd/m\xC2\xB2</td>"},
        {{1, kHdrStateOff, 1, 80, 0},
         "\"windows_hdr\": \"off\",\n    \"presented\": false,\n    \"presenter_failure\": \"no_d3d11\"",
         "HDR was off in Windows: everything above SDR white was clipped; not shown through Direct3D 11 on this "
         "computer: standard range only; SDR white 80 cd/m\xC2\xB2, claimed peak unknown"},
        {{2, kHdrStateSwitched, 0, 80, 400}, "\"windows_hdr\": \"switched\"",
         "HDR was switched on or off while they were shown"},
        {{2, kHdrStateUnknown, 99, -1, 1e300}, "\"windows_hdr\": null,\n    \"presented\": false,\n"
                                               "    \"presenter_failure\": null,\n    \"sdr_white_nits\": null",
         "Windows did not say whether HDR was on"},
    };
    for (const auto& c : kCases) {
        ClearFindings(&g_findings, 1920, 1080);
        g_findings.hdr = c.hdr;
        const ReportInput input = {0, "2026-12-10 11:00", "TAVRO 1.0.0", "Windows 10.0", nullptr, 0, 1920, 1080, 60,
                                   &g_findings, nullptr};
        const std::string json = WrittenReport(WriteReportJson, input);
        EXPECT_NE(json.find(c.json), std::string::npos) << c.json << "\n" << json;
        const std::string html = WrittenReport(WriteReportHtml, input);
        if (c.html != nullptr) {
            EXPECT_NE(html.find(c.html), std::string::npos) << c.html;
        } else {
            EXPECT_EQ(html.find("HDR screens"), std::string::npos);
        }
    }
}

}  // namespace
