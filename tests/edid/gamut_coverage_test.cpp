// Gamut coverage: published shares of the reference gamuts, a count of grid points inside both
// triangles for real monitors' primaries and random ones, and properties over thousands of
// generated triangles.
#include <gtest/gtest.h>

#include <math.h>

#include <random>
#include <string>
#include <vector>

#include "monitor/edid_colour.h"
#include "tests/support/test_data.h"

namespace {

const ColourPrimaries kSrgb = {{0.64, 0.33}, {0.30, 0.60}, {0.15, 0.06}, {0.3127, 0.3290}};
const ColourPrimaries kDciP3 = {{0.680, 0.320}, {0.265, 0.690}, {0.150, 0.060}, {0.314, 0.351}};
const ColourPrimaries kBt2020 = {{0.708, 0.292}, {0.170, 0.797}, {0.131, 0.046}, {0.3127, 0.3290}};
const ColourPrimaries* const kReferences[kGamutReferences] = {&kSrgb, &kDciP3, &kBt2020};

GamutCoverage Coverage(const ColourPrimaries& p) {
    GamutCoverage c;
    ComputeGamutCoverage(p, &c);
    return c;
}

// Shares published for the standard gamuts (CIE 1931 xy), to three digits.
TEST(GamutCoverage, PublishedShares) {
    const struct {
        const char* what;
        const ColourPrimaries* primaries;
        int reference;
        double cover, area;
    } cases[] = {
        {"sRGB of itself", &kSrgb, kGamutSrgb, 1, 1},
        {"DCI-P3 of itself", &kDciP3, kGamutDciP3, 1, 1},
        {"BT.2020 of itself", &kBt2020, kGamutBt2020, 1, 1},
        {"BT.2020 holds all of sRGB, 1.89 times its area", &kBt2020, kGamutSrgb, 1, 1.891},
        {"DCI-P3 holds all of sRGB, 1.36 times its area", &kDciP3, kGamutSrgb, 1, 1.357},
        {"DCI-P3 covers 71.7 % of BT.2020", &kDciP3, kGamutBt2020, 0.717, 0.717},
        {"sRGB covers 52.9 % of BT.2020", &kSrgb, kGamutBt2020, 0.529, 0.529},
    };
    for (const auto& k : cases) {
        const GamutCoverage c = Coverage(*k.primaries);
        EXPECT_NEAR(c.coverXy[k.reference], k.cover, 0.0005) << k.what;
        EXPECT_NEAR(c.areaXy[k.reference], k.area, 0.0005) << k.what;
    }
}

struct P {
    double x, y;
};

P ToUv(P xy) {
    const double d = -2 * xy.x + 12 * xy.y + 3;
    return {4 * xy.x / d, 9 * xy.y / d};
}

bool Inside(const P t[3], P p) {
    double s[3];
    for (int i = 0; i < 3; ++i) {
        const P a = t[i], b = t[(i + 1) % 3];
        s[i] = (b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x);
    }
    return (s[0] >= 0 && s[1] >= 0 && s[2] >= 0) || (s[0] <= 0 && s[1] <= 0 && s[2] <= 0);
}

// The share of the reference's grid points, on an n × n grid over its bounding box, that fall
// inside the monitor's triangle too.
double GridCoverage(const ColourPrimaries& monitor, const ColourPrimaries& reference, bool uv, int n) {
    P m[3] = {{monitor.red.x, monitor.red.y}, {monitor.green.x, monitor.green.y}, {monitor.blue.x, monitor.blue.y}};
    P r[3] = {{reference.red.x, reference.red.y}, {reference.green.x, reference.green.y},
              {reference.blue.x, reference.blue.y}};
    for (int i = 0; uv && i < 3; ++i) {
        m[i] = ToUv(m[i]);
        r[i] = ToUv(r[i]);
    }
    const double x0 = fmin(r[0].x, fmin(r[1].x, r[2].x)), x1 = fmax(r[0].x, fmax(r[1].x, r[2].x));
    const double y0 = fmin(r[0].y, fmin(r[1].y, r[2].y)), y1 = fmax(r[0].y, fmax(r[1].y, r[2].y));
    long inReference = 0, inBoth = 0;
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n; ++j) {
            const P p = {x0 + (x1 - x0) * (i + 0.5) / n, y0 + (y1 - y0) * (j + 0.5) / n};
            if (!Inside(r, p)) continue;
            ++inReference;
            if (Inside(m, p)) ++inBoth;
        }
    }
    return static_cast<double>(inBoth) / inReference;
}

// The first 15 real monitors' primaries and 15 random triangles, against a 400 × 400 grid: a
// point's share of the grid is 1/160 000 of the box, so the edges leave about 1 % of doubt.
TEST(GamutCoverage, MatchesAGridCount) {
    std::vector<ColourPrimaries> cases;
    for (const std::vector<std::string>& row : ReadTestTable("edid/expected.tsv")) {
        const std::vector<unsigned char> edid = ReadTestData("edid/" + row[0]);
        MonitorClaims claims;
        ColourPrimaries p;
        if (DecodeMonitorClaims(edid.data(), static_cast<unsigned long>(edid.size()), &claims) &&
            ClaimedPrimaries(claims, &p)) {
            cases.push_back(p);
        }
    }
    ASSERT_GE(cases.size(), 14u) << "real EDIDs not found in " << TestDataPath("edid");
    std::mt19937 random(2024);
    std::uniform_real_distribution<double> x(0.0, 0.75), y(0.0, 0.85);
    for (int i = 0; i < 15; ++i) cases.push_back({{x(random), y(random)}, {x(random), y(random)}, {x(random), y(random)}, {}});
    for (const ColourPrimaries& p : cases) {
        const GamutCoverage c = Coverage(p);
        for (int g = 0; g < kGamutReferences; ++g) {
            EXPECT_NEAR(c.coverXy[g], GridCoverage(p, *kReferences[g], false, 400), 0.01) << p.red.x << " ref " << g;
            EXPECT_NEAR(c.coverUv[g], GridCoverage(p, *kReferences[g], true, 400), 0.01) << p.red.x << " ref " << g;
        }
    }
}

// `t` moved towards (s < 1) or away from (s > 1) its centroid.
ColourPrimaries Scaled(const ColourPrimaries& t, double s) {
    const double cx = (t.red.x + t.green.x + t.blue.x) / 3, cy = (t.red.y + t.green.y + t.blue.y) / 3;
    auto move = [&](Chromaticity c) { return Chromaticity{cx + s * (c.x - cx), cy + s * (c.y - cy)}; };
    return {move(t.red), move(t.green), move(t.blue), t.white};
}

TEST(GamutCoverage, PropertiesOverGeneratedTriangles) {
    std::mt19937 random(7);
    std::uniform_real_distribution<double> x(0.0, 0.8), y(0.0, 0.9), share(0.05, 1.0), growth(1.0, 3.0);
    for (int i = 0; i < 5000; ++i) {
        const ColourPrimaries t = {{x(random), y(random)}, {x(random), y(random)}, {x(random), y(random)}, {}};
        const GamutCoverage c = Coverage(t);
        const GamutCoverage swapped = Coverage({t.red, t.blue, t.green, t.white});
        const GamutCoverage shrunk = Coverage(Scaled(t, share(random)));
        for (int g = 0; g < kGamutReferences; ++g) {
            for (const double* cover : {&c.coverXy[g], &c.coverUv[g]}) {
                ASSERT_TRUE(*cover >= 0 && *cover <= 1) << i;  // never more than the whole, never NaN
            }
            ASSERT_LE(c.coverXy[g], c.areaXy[g] + 1e-12) << i;  // the overlap is no larger than the triangle
            ASSERT_LE(c.coverUv[g], c.areaUv[g] + 1e-12) << i;
            ASSERT_NEAR(swapped.coverXy[g], c.coverXy[g], 1e-12) << i;  // either winding
            ASSERT_NEAR(swapped.areaUv[g], c.areaUv[g], 1e-12) << i;
            ASSERT_LE(shrunk.coverXy[g], c.coverXy[g] + 1e-12) << i;  // shrinking never raises coverage
            ASSERT_LE(shrunk.coverUv[g], c.coverUv[g] + 1e-12) << i;
        }
        // A reference's own triangle shrunk by s covers s² of it, and grown covers all of it.
        const int g = i % kGamutReferences;
        const double s = share(random);
        const GamutCoverage inner = Coverage(Scaled(*kReferences[g], s));
        ASSERT_NEAR(inner.coverXy[g], s * s, 1e-9) << i;
        ASSERT_NEAR(inner.areaXy[g], s * s, 1e-9) << i;
        ASSERT_NEAR(inner.coverUv[g], inner.areaUv[g], 1e-9) << i;  // inside in u'v' too
        const GamutCoverage outer = Coverage(Scaled(*kReferences[g], growth(random)));
        ASSERT_NEAR(outer.coverXy[g], 1, 1e-9) << i;
    }
}

TEST(GamutCoverage, DegenerateTrianglesCoverNothing) {
    const ColourPrimaries point = {{0.3, 0.3}, {0.3, 0.3}, {0.3, 0.3}, {0.3, 0.3}};
    const ColourPrimaries line = {{0.1, 0.1}, {0.3, 0.3}, {0.6, 0.6}, {0.3, 0.3}};
    const ColourPrimaries zero = {};
    for (const ColourPrimaries* p : {&point, &line, &zero}) {
        const GamutCoverage c = Coverage(*p);
        for (int g = 0; g < kGamutReferences; ++g) {
            EXPECT_EQ(c.coverXy[g], 0);
            EXPECT_EQ(c.coverUv[g], 0);
            EXPECT_EQ(c.areaXy[g], 0);
        }
    }
}

}  // namespace
