#include "plane_intersect.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

namespace rvnhost {

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;
// Lengths closer than this share of the drawing's scale count as equal; directions whose sine is
// below kParallelSine as parallel.
constexpr double kRelativeTolerance = 1e-9;
constexpr double kParallelSine = 1e-12;
// A bulge this small rises less than a billionth of its chord off it: the segment is straight,
// and taking it as an arc would put a centre at an enormous distance and lose all precision.
constexpr double kStraightBulge = 1e-9;

struct Vec {
    double x = 0.0, y = 0.0;
};
Vec operator-(const Vec& a, const Vec& b) { return {a.x - b.x, a.y - b.y}; }
Vec operator+(const Vec& a, const Vec& b) { return {a.x + b.x, a.y + b.y}; }
Vec operator*(double k, const Vec& a) { return {k * a.x, k * a.y}; }
double dot(const Vec& a, const Vec& b) { return a.x * b.x + a.y * b.y; }
double cross(const Vec& a, const Vec& b) { return a.x * b.y - a.y * b.x; }
double norm(const Vec& a) { return std::hypot(a.x, a.y); }
Vec flat(const AcGePoint3d& p) { return {p.x, p.y}; }

// A piece as the geometry it lies on (a line through origin along direction, or a circle), with
// how far along it the piece may go.
struct Carrier {
    bool arc = false;
    Vec origin;      // line: the piece's start
    Vec direction;   // line: end - start
    Vec centre;      // circle
    double radius = 0.0;
    double startAngle = 0.0;
    double sweep = 0.0;
    bool before = false;  // may go on backwards beyond its start
    bool after = false;   // may go on forwards beyond its end
    const PathPiece* piece = nullptr;
};

Carrier carrierOf(const PathPiece& piece, bool before, bool after) {
    Carrier carrier;
    carrier.piece = &piece;
    carrier.before = before;
    carrier.after = after;
    const Vec a = flat(piece.start);
    const Vec b = flat(piece.end);
    if (piece.sweep == 0.0) {
        carrier.origin = a;
        carrier.direction = b - a;
        return carrier;
    }
    // The centre lies off the chord's midpoint, along its left normal, by half the chord times
    // the cotangent of half the sweep.
    const Vec chord = b - a;
    const double half = norm(chord) / 2.0;
    const Vec left{-chord.y / (2.0 * half), chord.x / (2.0 * half)};
    const double offset = half / std::tan(piece.sweep / 2.0);
    carrier.arc = true;
    carrier.centre = 0.5 * (a + b) + offset * left;
    carrier.radius = std::hypot(half, offset);
    carrier.startAngle = std::atan2(a.y - carrier.centre.y, a.x - carrier.centre.x);
    carrier.sweep = piece.sweep;
    return carrier;
}

// Where point lies along the carrier: 0 at the piece's start, 1 at its end, below 0 or above 1 on
// the extensions it may take; nullopt when the point is beyond what the carrier may reach.
std::optional<double> positionOn(const Carrier& c, const Vec& point, double tolerance) {
    if (!c.arc) {
        const double lengthSquared = dot(c.direction, c.direction);
        const double t = dot(point - c.origin, c.direction) / lengthSquared;
        const double slack = tolerance / std::sqrt(lengthSquared);
        if ((t < -slack && !c.before) || (t > 1.0 + slack && !c.after)) return std::nullopt;
        return (t > -slack && t < 1.0 + slack) ? std::clamp(t, 0.0, 1.0) : t;
    }
    const double turn = std::abs(c.sweep);
    const double sense = c.sweep > 0.0 ? 1.0 : -1.0;
    const double slack = tolerance / c.radius;
    double u = std::remainder(sense * (std::atan2(point.y - c.centre.y, point.x - c.centre.x) - c.startAngle), kTwoPi);
    if (u < -slack) u += kTwoPi;
    if (u <= turn + slack) return std::clamp(u, 0.0, turn) / turn;
    const double pastEnd = u - turn;
    const double beforeStart = kTwoPi - u;
    if (c.after && (!c.before || pastEnd <= beforeStart)) return u / turn;
    if (c.before) return (u - kTwoPi) / turn;
    return std::nullopt;
}

// The point of the carrier nearest to point (the point itself for a line's candidates).
Vec snapOnto(const Carrier& c, const Vec& point) {
    if (!c.arc) return point;
    const Vec away = point - c.centre;
    const double distance = norm(away);
    return distance == 0.0 ? point : c.centre + (c.radius / distance) * away;
}

void lineLine(const Carrier& p, const Carrier& q, std::vector<Vec>& found) {
    const double denominator = cross(p.direction, q.direction);
    if (std::abs(denominator) <= kParallelSine * norm(p.direction) * norm(q.direction)) return;
    const double t = cross(q.origin - p.origin, q.direction) / denominator;
    found.push_back(p.origin + t * p.direction);
}

void lineCircle(const Carrier& line, const Carrier& circle, double tolerance, std::vector<Vec>& found) {
    const double lengthSquared = dot(line.direction, line.direction);
    const double t = dot(circle.centre - line.origin, line.direction) / lengthSquared;
    const Vec foot = line.origin + t * line.direction;
    const double distance = norm(circle.centre - foot);
    if (distance > circle.radius + tolerance) return;
    if (distance >= circle.radius - tolerance) {
        found.push_back(foot);  // tangent
        return;
    }
    const double halfChord = std::sqrt((circle.radius - distance) * (circle.radius + distance));
    const Vec along = (halfChord / std::sqrt(lengthSquared)) * line.direction;
    found.push_back(foot - along);
    found.push_back(foot + along);
}

void circleCircle(const Carrier& p, const Carrier& q, double tolerance, std::vector<Vec>& found) {
    const Vec between = q.centre - p.centre;
    const double distance = norm(between);
    if (distance <= tolerance) return;  // concentric: none, or the same circle
    if (distance > p.radius + q.radius + tolerance || distance < std::abs(p.radius - q.radius) - tolerance) return;
    const double along = (distance * distance + p.radius * p.radius - q.radius * q.radius) / (2.0 * distance);
    const Vec unit = (1.0 / distance) * between;
    const Vec base = p.centre + along * unit;
    const double heightSquared = p.radius * p.radius - along * along;
    if (heightSquared <= (2.0 * p.radius + tolerance) * tolerance) {
        found.push_back(base);  // tangent
        return;
    }
    const double height = std::sqrt(heightSquared);
    const Vec across{-unit.y * height, unit.x * height};
    found.push_back(base - across);
    found.push_back(base + across);
}

void candidates(const Carrier& p, const Carrier& q, double tolerance, std::vector<Vec>& found) {
    if (!p.arc && !q.arc) return lineLine(p, q, found);
    if (!p.arc) return lineCircle(p, q, tolerance, found);
    if (!q.arc) return lineCircle(q, p, tolerance, found);
    circleCircle(p, q, tolerance, found);
}

std::vector<Carrier> carriersOf(const PlanePath& path) {
    std::vector<Carrier> carriers;
    const std::size_t last = path.pieces.size() - 1;
    for (std::size_t i = 0; i < path.pieces.size(); ++i) {
        carriers.push_back(carrierOf(path.pieces[i], i == 0 && path.extendStart, i == last && path.extendEnd));
    }
    return carriers;
}

double scaleOf(const PlanePath& first, const PlanePath& second) {
    double scale = 1.0;
    for (const PlanePath* path : {&first, &second}) {
        for (const PathPiece& piece : path->pieces) {
            scale = std::max({scale, std::abs(piece.start.x), std::abs(piece.start.y), std::abs(piece.end.x),
                              std::abs(piece.end.y)});
        }
    }
    return scale;
}

struct Hit {
    double key = 0.0;  // piece index + position along the piece
    AcGePoint3d point;
};

AcGePoint3d withHeight(const Vec& point, const PathPiece& piece, double t) {
    return {point.x, point.y, piece.start.z + (piece.end.z - piece.start.z) * t};
}

}  // namespace

PathPiece PieceFromBulge(const AcGePoint3d& a, const AcGePoint3d& b, double bulge) {
    return {a, b, std::abs(bulge) < kStraightBulge ? 0.0 : 4.0 * std::atan(bulge)};
}

void AppendPiece(PlanePath& path, const PathPiece& piece) {
    const double scale = std::max({1.0, std::abs(piece.start.x), std::abs(piece.start.y)});
    if (std::hypot(piece.end.x - piece.start.x, piece.end.y - piece.start.y) <= kRelativeTolerance * scale) return;
    path.pieces.push_back(piece);
}

std::vector<AcGePoint3d> IntersectPaths(const PlanePath& first, const PlanePath& second) {
    if (first.pieces.empty() || second.pieces.empty()) return {};
    const double tolerance = kRelativeTolerance * scaleOf(first, second);
    const std::vector<Carrier> ours = carriersOf(first);
    const std::vector<Carrier> theirs = carriersOf(second);
    std::vector<Hit> hits;
    for (std::size_t i = 0; i < ours.size(); ++i) {
        for (const Carrier& other : theirs) {
            std::vector<Vec> found;
            candidates(ours[i], other, tolerance, found);
            for (const Vec& candidate : found) {
                const Vec point = snapOnto(ours[i], candidate);
                const std::optional<double> t = positionOn(ours[i], point, tolerance);
                if (!t || !positionOn(other, point, tolerance)) continue;
                hits.push_back({static_cast<double>(i) + *t, withHeight(point, *ours[i].piece, *t)});
            }
        }
    }
    std::stable_sort(hits.begin(), hits.end(), [](const Hit& a, const Hit& b) { return a.key < b.key; });
    std::vector<AcGePoint3d> points;
    for (const Hit& hit : hits) {
        const bool seen = std::any_of(points.begin(), points.end(), [&](const AcGePoint3d& kept) {
            return std::hypot(kept.x - hit.point.x, kept.y - hit.point.y) <= 10.0 * tolerance;
        });
        if (!seen) points.push_back(hit.point);
    }
    return points;
}

}  // namespace rvnhost
