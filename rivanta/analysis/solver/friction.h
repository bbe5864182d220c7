// Branch resistance: Darcy-Weisbach head loss with the Colebrook-White friction factor and a
// local-loss coefficient, dh = R * Q * |Q|.
#pragma once

#include "network/elements.h"

// 1/sqrt(f) of the Colebrook-White equation for a pipe of diameter and absolute roughness (m) at
// the Reynolds number: ten fixed-point steps x = -2 log10(2.51 x / Re + eps / (3.71 D)) from
// x = 6, with no convergence test. Where the steps do not end on a finite positive x (below a
// Reynolds number of about 15 the argument of the logarithm turns negative: a branch at the flow
// floor is laminar), the laminar law's value.
double ColebrookInverseRootFactor(double reynolds, double roughness, double diameter);

// 1/sqrt(f) of the laminar law f = 64 / Re, sqrt(Re / 64); 0 (an infinite factor) at Re = 0.
double LaminarInverseRootFactor(double reynolds);

// R = 0.08263 (L / (D^5 x^2) + Csi / D^4) of the branch, x from ColebrookInverseRootFactor.
double BranchResistance(const TzRvnEdge& edge, double reynolds);

// Reynolds number of a velocity (m/s) in a pipe of diameter D (m) for kinematic viscosity nu.
double ReynoldsOfVelocity(double velocity, double diameter, double viscosity);

// Reynolds number of a flow (m3/s) in a pipe of diameter D (m) for kinematic viscosity nu.
double ReynoldsOfFlow(double flow, double diameter, double viscosity);

// Cross-section area of a pipe of diameter D, 0.7854 D^2 (0.7854 for pi/4, as the system has it).
double PipeArea(double diameter);
