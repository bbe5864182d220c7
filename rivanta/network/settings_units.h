// The unit factor tables: a value shown to the user is the SI value divided by the factor of its
// unit code, a value typed by the user is multiplied by it.
#pragma once

// Display unit codes, as the settings record stores them.
enum TzRvnFlowUnit { kFlowCubicMetresPerSecond = 0, kFlowLitresPerSecond = 1 };
enum TzRvnLengthUnit { kLengthMetres = 0, kLengthCentimetres = 1, kLengthMillimetres = 2 };
enum TzRvnSlopeUnit { kSlopeMetresPerMetre = 0, kSlopeMetresPerKilometre = 1 };

// Fills the four tables; the plug-in calls it once at load. The tables hold the right factors
// from the start of the process, so a lookup made before is as good as one made after.
void FillUnitFactorTables();

// Factor of a unit code; a code outside its table gives 1.0, the SI unit, so that a damaged
// settings record shows stored values as they are.
double FlowUnitFactor(int flowUnit);
double DiameterUnitFactor(int diameterUnit);
double RoughnessUnitFactor(int roughnessUnit);
double SlopeUnitFactor(int slopeUnit);
