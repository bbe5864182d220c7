#include "gespline.h"

namespace rvnhost {

namespace {

// de Boor's algorithm: the point at parameter t of the spline of that degree with those knots,
// t lying in the span [knots[span], knots[span + 1]).
AcGePoint3d deBoor(const std::vector<AcGePoint3d>& control, const std::vector<double>& knots, int degree, int span,
                   double t) {
    std::vector<AcGePoint3d> d(control.begin() + (span - degree), control.begin() + span + 1);
    for (int r = 1; r <= degree; ++r) {
        for (int j = degree; j >= r; --j) {
            const int i = span - degree + j;
            const double denominator = knots[i + degree - r + 1] - knots[i];
            const double alpha = denominator == 0.0 ? 0.0 : (t - knots[i]) / denominator;
            d[j] = d[j - 1] + (d[j] - d[j - 1]) * alpha;
        }
    }
    return d[degree];
}

// Clamped knots: degree + 1 zeros, 1 ... n - degree, degree + 1 copies of the last.
std::vector<double> clampedKnots(int count, int degree) {
    std::vector<double> knots;
    const int spans = count - degree;
    for (int i = 0; i <= degree; ++i) knots.push_back(0.0);
    for (int i = 1; i < spans; ++i) knots.push_back(i);
    for (int i = 0; i <= degree; ++i) knots.push_back(spans);
    return knots;
}

}  // namespace

std::vector<AcGePoint3d> sampleBSpline(const std::vector<AcGePoint3d>& control, int degree, bool closed,
                                       int segmentsPerSpan) {
    if (static_cast<int>(control.size()) <= degree || degree < 1 || segmentsPerSpan < 1) {
        std::vector<AcGePoint3d> polygon = control;
        if (closed && !control.empty()) polygon.push_back(control.front());
        return polygon;
    }
    std::vector<AcGePoint3d> points = control;
    std::vector<double> knots;
    int firstSpan = degree;
    if (closed) {
        points.insert(points.end(), control.begin(), control.begin() + degree);
        for (int i = 0; i < static_cast<int>(points.size()) + degree + 1; ++i) knots.push_back(i);
    } else {
        knots = clampedKnots(static_cast<int>(points.size()), degree);
    }
    const int lastSpan = static_cast<int>(points.size()) - 1;
    std::vector<AcGePoint3d> curve;
    for (int span = firstSpan; span <= lastSpan; ++span) {
        for (int s = 0; s < segmentsPerSpan; ++s) {
            const double t = knots[span] + (knots[span + 1] - knots[span]) * s / segmentsPerSpan;
            curve.push_back(deBoor(points, knots, degree, span, t));
        }
    }
    curve.push_back(closed ? curve.front() : control.back());
    return curve;
}

}  // namespace rvnhost
