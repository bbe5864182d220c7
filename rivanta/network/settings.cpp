#include "network/settings.h"

#include "network/settings_units.h"

double TzRvnSettings::minBranchFlowIn(int flowUnitCode) const {
    return minBranchFlow / FlowUnitFactor(flowUnitCode);
}

double TzRvnSettings::flowToleranceIn(int flowUnitCode) const {
    return flowTolerance / FlowUnitFactor(flowUnitCode);
}

void TzRvnSettings::setMinBranchFlow(double displayValue) {
    minBranchFlow = displayValue * FlowUnitFactor(flowUnit);
}

void TzRvnSettings::setFlowTolerance(double displayValue) {
    flowTolerance = displayValue * FlowUnitFactor(flowUnit);
}

void TzRvnSettings::setMaterial(int index, double displayRoughness) {
    materialIndex = index;
    defaultRoughness = displayRoughness * RoughnessUnitFactor(roughnessUnit);
}

void TzRvnSettings::setFluid(int index, double kinematicViscosity) {
    fluidIndex = index;
    viscosity = kinematicViscosity;
}
