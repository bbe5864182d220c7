#include "analysis/solver/friction.h"

#include <cmath>

namespace {

constexpr double kQuarterPi = 0.7854;
constexpr double kColebrookStart = 6.0;
constexpr int kColebrookSteps = 10;
constexpr double kColebrookReynoldsTerm = 2.51;
constexpr double kColebrookRoughnessTerm = 3.71;
// Hagen-Poiseuille: f = 64 / Re in laminar flow.
constexpr double kLaminarFactorTimesReynolds = 64.0;
// 8 / (g pi^2): Darcy-Weisbach in terms of flow, dh = 0.08263 f L Q^2 / D^5.
constexpr double kDarcyFlowConstant = 0.08263;

}  // namespace

double PipeArea(double diameter) { return (kQuarterPi * diameter) * diameter; }

double ColebrookInverseRootFactor(double reynolds, double roughness, double diameter) {
    double x = kColebrookStart;
    for (int step = 0; step < kColebrookSteps; ++step) {
        x = -2.0 * std::log10((x * kColebrookReynoldsTerm) / reynolds + roughness / (kColebrookRoughnessTerm * diameter));
    }
    if (std::isfinite(x) && x > 0.0) return x;
    return LaminarInverseRootFactor(reynolds);
}

double LaminarInverseRootFactor(double reynolds) { return std::sqrt(reynolds / kLaminarFactorTimesReynolds); }

double BranchResistance(const TzRvnEdge& edge, double reynolds) {
    const double x = ColebrookInverseRootFactor(reynolds, edge.roughness, edge.diameter);
    const double D = edge.diameter;
    return kDarcyFlowConstant * (edge.length / (std::pow(D, 5) * (x * x)) + edge.csi / std::pow(D, 4));
}

double ReynoldsOfVelocity(double velocity, double diameter, double viscosity) {
    return velocity * diameter / viscosity;
}

double ReynoldsOfFlow(double flow, double diameter, double viscosity) {
    return (std::fabs(flow) / PipeArea(diameter)) * diameter / viscosity;
}
