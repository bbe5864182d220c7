// The rows of the materials dialog's grid turned into the materials its archive holds.
#pragma once

#include "network/materials.h"

#include <span>
#include <string>
#include <vector>

// A row of the grid: the name and the roughness as typed, in the dialog's roughness unit.
struct TzRvnMaterialRow {
    std::wstring name;
    std::wstring roughness;

    bool operator==(const TzRvnMaterialRow&) const = default;
};

// A material and the grid row (counted from 1) it comes from.
struct TzRvnRowMaterial {
    int row = 0;
    CMateriale material;
};

// The materials of rows in order. A row is left out when its name or its roughness is empty, or
// when the drawing's current units (acdbDisToF) do not read its roughness as a number greater than
// 0; otherwise its roughness is the value read times factor, in metres. A row that still shows a
// material exactly as the dialog showed it (shown[i], the text of materials[i]) keeps that
// material's roughness: the text shown is rounded to the drawing's precision and would lose digits.
std::vector<TzRvnRowMaterial> MaterialsOfRows(std::span<const TzRvnMaterialRow> rows, double factor,
                                              std::span<const TzRvnMaterialRow> shown,
                                              std::span<const CMateriale> materials);
