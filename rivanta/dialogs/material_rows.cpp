#include "dialogs/material_rows.h"

#include "acedads.h"
#include "adscodes.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

// The roughness typed, in the display unit; none when it is no number greater than 0.
std::optional<double> TypedRoughness(const std::wstring& text) {
    ads_real value = 0.0;
    if (acdbDisToF(text.c_str(), -1, &value) != RTNORM || !std::isfinite(value) || !(value > 0.0)) return std::nullopt;
    return value;
}

}  // namespace

std::vector<TzRvnRowMaterial> MaterialsOfRows(std::span<const TzRvnMaterialRow> rows, double factor,
                                              std::span<const TzRvnMaterialRow> shown,
                                              std::span<const CMateriale> materials) {
    std::vector<TzRvnRowMaterial> kept;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const TzRvnMaterialRow& row = rows[i];
        if (row.name.empty() || row.roughness.empty()) continue;
        const int number = static_cast<int>(i) + 1;
        const auto unchanged = std::find(shown.begin(), shown.end(), row);
        const auto index = static_cast<std::size_t>(unchanged - shown.begin());
        if (unchanged != shown.end() && index < materials.size() && materials[index].roughness > 0.0) {
            kept.push_back({number, materials[index]});
            continue;
        }
        if (const std::optional<double> typed = TypedRoughness(row.roughness)) {
            kept.push_back({number, {row.name, *typed * factor}});
        }
    }
    return kept;
}
