// The units of EPANET input files. The flow unit of [OPTIONS] UNITS decides the whole system: the
// SI flow units give lengths and heads in m, diameters and Darcy-Weisbach roughness in mm; the US
// ones give ft, inches and millifeet. Every factor here turns a file value into SI.
#pragma once

#include <optional>
#include <string_view>

struct TzRvnInpUnits {
    std::wstring_view flowName;  // as [OPTIONS] UNITS writes it: "LPS", "GPM", ...
    bool si = true;              // false for the US customary system
    double flow = 1.0;           // m3/s per file flow unit
    double length = 1.0;         // m per file length (lengths, elevations, heads)
    double diameter = 1.0;       // m per file diameter unit
    double roughness = 1.0;      // m per file Darcy-Weisbach roughness unit
};

// The units of a flow unit keyword (case-insensitive): CFS, GPM, MGD, IMGD, AFD, LPS, LPM, MLD,
// CMH, CMD or CMS; nothing for another word.
std::optional<TzRvnInpUnits> InpUnitsFor(std::wstring_view flowKeyword);

// EPANET's reference kinematic viscosity, 1.1e-5 ft2/s (water at 20 degrees C), in m2/s.
double InpReferenceViscosity();

// The kinematic viscosity (m2/s) that a VISCOSITY value of [OPTIONS] stands for, read as EPANET
// 2.2 reads it: above 1e-3 a multiple of the reference viscosity, else an absolute value in ft2/s
// (US units) or m2/s (SI units).
double InpViscosity(double value, const TzRvnInpUnits& units);

// The VISCOSITY value that stands for a kinematic viscosity (m2/s) in those units: the absolute
// value when it reads back as one, else the multiple of the reference viscosity.
double InpViscosityValue(double viscosity, const TzRvnInpUnits& units);
