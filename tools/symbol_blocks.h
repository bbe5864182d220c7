// The node and tank symbols of the program folder, drawn into the model space of a new drawing.
#pragma once

#include "dbmain.h"

// A small circle with a cross, and the attribute definitions NODE_00 to NODE_04 beside it.
Acad::ErrorStatus DrawNodeSymbol(AcDbDatabase& database);
// A trapezoid basin with its water line, and the attribute definitions TANK_00 to TANK_02.
Acad::ErrorStatus DrawTankSymbol(AcDbDatabase& database);
