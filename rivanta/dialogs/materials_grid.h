// The grid of the materials and roughness dialogs: a title row and a column of row numbers, then
// one row per material with its name and its roughness in a display unit, as the drawing's
// current linear format shows a length.
#pragma once

#include "dialogs/material_rows.h"
#include "network/materials.h"

#include <vector>

class CGridCtrl;

inline constexpr int kMaterialsGridId = 9041;
inline constexpr int kMaterialNameColumn = 1;
inline constexpr int kMaterialRoughnessColumn = 2;

// The roughness unit code when the titles have it (0 m, 1 cm, 2 mm), else 0: a code outside the
// table leaves values in metres, the unit they are stored in.
int KnownRoughnessUnit(int roughnessUnit);

// The rows materials show in roughnessUnit (a known code), in their order.
std::vector<TzRvnMaterialRow> MaterialRowsShown(const std::vector<CMateriale>& materials, int roughnessUnit);

// Lays grid out with the titles of roughnessUnit, rows and, below them, emptyRows empty rows; every
// row numbered.
void FillMaterialsGrid(CGridCtrl& grid, const std::vector<TzRvnMaterialRow>& rows, int roughnessUnit, int emptyRows);

// Numbers the rows of grid from row down.
void NumberMaterialRows(CGridCtrl& grid, int row);

// The rows of grid below its title row, as typed.
std::vector<TzRvnMaterialRow> MaterialRowsTyped(const CGridCtrl& grid);
