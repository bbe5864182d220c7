// The settings of a network: display units, fluid, controls of the calculation, chosen material
// and the thresholds and colours of results. Values are SI; the unit codes only govern displays.
#pragma once

#include <cstdint>

struct TzRvnSettings {
    std::int32_t flowUnit = 0;       // TzRvnFlowUnit
    std::int32_t diameterUnit = 0;   // TzRvnLengthUnit
    std::int32_t roughnessUnit = 0;  // TzRvnLengthUnit
    std::int32_t slopeUnit = 0;      // TzRvnSlopeUnit
    std::int32_t fluidIndex = -1;    // position in the fluid list, -1 = none
    double viscosity = 0.0;          // m2/s, kinematic
    double initialVelocity = 0.0;    // m/s
    std::int32_t maxIterations = 0;
    double minBranchFlow = 0.0;      // m3/s
    double headTolerance = 0.0;      // m
    double flowTolerance = 0.0;      // m3/s
    std::int32_t materialIndex = -1; // position in the material list, -1 = none
    double defaultRoughness = 0.0;   // m
    double minPressureHead = 0.0;    // m
    double maxPressureHead = 0.0;    // m
    double minVelocity = 0.0;        // m/s
    double maxVelocity = 0.0;        // m/s
    std::uint32_t colourLowHead = 0;       // RGB value, as a COLORREF
    std::uint32_t colourHighHead = 0;
    std::uint32_t colourLowVelocity = 0;
    std::uint32_t colourHighVelocity = 0;

    // minBranchFlow and flowTolerance in the flow unit of the given code.
    double minBranchFlowIn(int flowUnitCode) const;
    double flowToleranceIn(int flowUnitCode) const;
    // Set from a value in this record's display flow unit.
    void setMinBranchFlow(double displayValue);
    void setFlowTolerance(double displayValue);
    // Chooses a material; its roughness is given in this record's display roughness unit.
    void setMaterial(int index, double displayRoughness);
    // Chooses a fluid with its kinematic viscosity in m2/s.
    void setFluid(int index, double kinematicViscosity);

    bool operator==(const TzRvnSettings&) const = default;
};
