#include "network/settings_units.h"

#include <array>
#include <cstddef>

namespace {

struct UnitFactorTables {
    std::array<double, 2> flow{1.0, 0.001};           // m3/s, l/s
    std::array<double, 3> diameter{1.0, 0.01, 0.001};  // m, cm, mm
    std::array<double, 3> roughness{1.0, 0.01, 0.001}; // m, cm, mm
    std::array<double, 2> slope{1.0, 0.001};           // m/m, m/km
};

constinit UnitFactorTables tables;

template <std::size_t N>
double lookup(const std::array<double, N>& table, int code) {
    if (code < 0 || static_cast<std::size_t>(code) >= N) return 1.0;
    return table[static_cast<std::size_t>(code)];
}

}  // namespace

void FillUnitFactorTables() { tables = UnitFactorTables{}; }

double FlowUnitFactor(int flowUnit) { return lookup(tables.flow, flowUnit); }
double DiameterUnitFactor(int diameterUnit) { return lookup(tables.diameter, diameterUnit); }
double RoughnessUnitFactor(int roughnessUnit) { return lookup(tables.roughness, roughnessUnit); }
double SlopeUnitFactor(int slopeUnit) { return lookup(tables.slope, slopeUnit); }
