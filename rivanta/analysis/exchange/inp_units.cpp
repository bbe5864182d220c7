#include "analysis/exchange/inp_units.h"

#include <array>
#include <cwctype>

namespace {

// Exact definitions of the customary units.
constexpr double kFoot = 0.3048;                      // m
constexpr double kInch = 0.0254;                      // m
constexpr double kCubicFoot = kFoot * kFoot * kFoot;  // m3
constexpr double kUsGallon = 3.785411784e-3;          // m3
constexpr double kImperialGallon = 4.54609e-3;        // m3
constexpr double kAcreFoot = 43560.0 * kCubicFoot;    // m3
constexpr double kLitre = 1e-3;                       // m3
constexpr double kMinute = 60.0;                      // s
constexpr double kHour = 3600.0;                      // s
constexpr double kDay = 86400.0;                      // s
// Above it a VISCOSITY value is a multiple of the reference viscosity (EPANET 2.2, input1.c).
constexpr double kRelativeViscosityAbove = 1e-3;
constexpr double kReferenceViscosityFt2 = 1.1e-5;  // ft2/s

struct FlowUnit {
    std::wstring_view name;
    bool si;
    double cubicMetresPerSecond;
};

constexpr std::array<FlowUnit, 11> kFlowUnits = {{
    {L"CFS", false, kCubicFoot},
    {L"GPM", false, kUsGallon / kMinute},
    {L"MGD", false, 1e6 * kUsGallon / kDay},
    {L"IMGD", false, 1e6 * kImperialGallon / kDay},
    {L"AFD", false, kAcreFoot / kDay},
    {L"LPS", true, kLitre},
    {L"LPM", true, kLitre / kMinute},
    {L"MLD", true, 1e6 * kLitre / kDay},
    {L"CMH", true, 1.0 / kHour},
    {L"CMD", true, 1.0 / kDay},
    {L"CMS", true, 1.0},
}};

bool sameWord(std::wstring_view a, std::wstring_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::towupper(static_cast<wint_t>(a[i])) != static_cast<wint_t>(b[i])) return false;
    }
    return true;
}

double squareFootToSi(const TzRvnInpUnits& units) { return units.si ? 1.0 : kFoot * kFoot; }

}  // namespace

std::optional<TzRvnInpUnits> InpUnitsFor(std::wstring_view flowKeyword) {
    for (const FlowUnit& unit : kFlowUnits) {
        if (!sameWord(flowKeyword, unit.name)) continue;
        if (unit.si) return TzRvnInpUnits{unit.name, true, unit.cubicMetresPerSecond, 1.0, 1e-3, 1e-3};
        return TzRvnInpUnits{unit.name, false, unit.cubicMetresPerSecond, kFoot, kInch, kFoot * 1e-3};
    }
    return std::nullopt;
}

double InpReferenceViscosity() { return kReferenceViscosityFt2 * kFoot * kFoot; }

double InpViscosity(double value, const TzRvnInpUnits& units) {
    if (value > kRelativeViscosityAbove) return value * InpReferenceViscosity();
    return value * squareFootToSi(units);
}

double InpViscosityValue(double viscosity, const TzRvnInpUnits& units) {
    const double absolute = viscosity / squareFootToSi(units);
    return absolute > kRelativeViscosityAbove ? viscosity / InpReferenceViscosity() : absolute;
}
