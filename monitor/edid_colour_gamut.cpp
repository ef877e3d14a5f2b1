// How much of the sRGB, DCI-P3 and BT.2020 gamuts a monitor's primaries cover: the two triangles
// clipped against each other (Sutherland-Hodgman), in CIE 1931 xy and in CIE 1976 u'v'.
#include "monitor/edid_colour.h"

namespace {

struct Point {
    double x, y;
};

// A triangle clipped by three half-planes has at most six corners; each clip adds at most one.
constexpr int kMostCorners = 9;

struct Polygon {
    Point corners[kMostCorners];
    int count;
};

// Red, green, blue of each reference gamut, in GamutReference order.
constexpr Point kReferences[kGamutReferences][3] = {
    {{0.640, 0.330}, {0.300, 0.600}, {0.150, 0.060}},  // sRGB and BT.709
    {{0.680, 0.320}, {0.265, 0.690}, {0.150, 0.060}},  // DCI-P3
    {{0.708, 0.292}, {0.170, 0.797}, {0.131, 0.046}},  // BT.2020
};

Point ToUv(Point xy) {
    const double d = -2.0 * xy.x + 12.0 * xy.y + 3.0;
    return {4.0 * xy.x / d, 9.0 * xy.y / d};
}

// Twice the signed area: positive when the corners run anticlockwise.
double SignedArea2(const Point* p, int count) {
    double sum = 0;
    for (int i = 0; i < count; ++i) {
        const Point& a = p[i];
        const Point& b = p[(i + 1) % count];
        sum += a.x * b.y - b.x * a.y;
    }
    return sum;
}

// Which side of the edge a→b the point lies on: positive left of it.
double Side(Point a, Point b, Point p) {
    return (b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x);
}

Point Crossing(Point a, Point b, Point p, Point q) {
    const double sp = Side(a, b, p);
    const double sq = Side(a, b, q);
    const double t = sp / (sp - sq);
    return {p.x + t * (q.x - p.x), p.y + t * (q.y - p.y)};
}

// Keeps the part of `in` on the left of the edge a→b.
Polygon ClipByEdge(const Polygon& in, Point a, Point b) {
    Polygon out = {};
    for (int i = 0; i < in.count; ++i) {
        const Point p = in.corners[i];
        const Point q = in.corners[(i + 1) % in.count];
        const bool pIn = Side(a, b, p) >= 0;
        const bool qIn = Side(a, b, q) >= 0;
        if (pIn && out.count < kMostCorners) out.corners[out.count++] = p;
        if (pIn != qIn && out.count < kMostCorners) out.corners[out.count++] = Crossing(a, b, p, q);
    }
    return out;
}

// The area of the part of `subject` inside the anticlockwise triangle `clip`.
double OverlapArea(const Point subject[3], const Point clip[3]) {
    Polygon polygon = {{subject[0], subject[1], subject[2]}, 3};
    for (int e = 0; e < 3 && polygon.count > 0; ++e) polygon = ClipByEdge(polygon, clip[e], clip[(e + 1) % 3]);
    if (polygon.count < 3) return 0;
    const double area2 = SignedArea2(polygon.corners, polygon.count);
    return (area2 < 0 ? -area2 : area2) / 2;
}

double Clamp01(double share) {
    if (!(share > 0)) return 0;  // also not-a-number
    return share > 1 ? 1 : share;
}

struct Shares {
    double cover, area;
};

// The triangles in either winding; the reference is turned anticlockwise to clip by.
Shares Compare(Point monitor[3], Point reference[3]) {
    if (SignedArea2(reference, 3) < 0) {
        const Point swap = reference[1];
        reference[1] = reference[2];
        reference[2] = swap;
    }
    const double referenceArea = SignedArea2(reference, 3) / 2;
    double monitorArea = SignedArea2(monitor, 3) / 2;
    if (monitorArea < 0) monitorArea = -monitorArea;
    if (!(monitorArea > 0)) return {0, 0};
    return {Clamp01(OverlapArea(monitor, reference) / referenceArea), monitorArea / referenceArea};
}

}  // namespace

void ComputeGamutCoverage(const ColourPrimaries& primaries, GamutCoverage* coverage) {
    if (coverage == nullptr) return;
    const Point xy[3] = {{primaries.red.x, primaries.red.y},
                         {primaries.green.x, primaries.green.y},
                         {primaries.blue.x, primaries.blue.y}};
    for (int g = 0; g < kGamutReferences; ++g) {
        Point monitor[3] = {xy[0], xy[1], xy[2]};
        Point reference[3] = {kReferences[g][0], kReferences[g][1], kReferences[g][2]};
        const Shares inXy = Compare(monitor, reference);
        Point monitorUv[3] = {ToUv(xy[0]), ToUv(xy[1]), ToUv(xy[2])};
        Point referenceUv[3] = {ToUv(kReferences[g][0]), ToUv(kReferences[g][1]), ToUv(kReferences[g][2])};
        const Shares inUv = Compare(monitorUv, referenceUv);
        coverage->coverXy[g] = inXy.cover;
        coverage->areaXy[g] = inXy.area;
        coverage->coverUv[g] = inUv.cover;
        coverage->areaUv[g] = inUv.area;
    }
}
