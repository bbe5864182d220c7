#include "dialogs/materials_grid.h"

#include "afx_grid.h"
#include "analysis/solver/text_format.h"
#include "dialogs/materials_texts.h"
#include "frame/translation.h"
#include "network/settings_units.h"
#include "schema/real_text.h"

#include <iterator>

namespace {

namespace Text = TzRvnMaterialsText;

constexpr int kColumns = 3;

void SetTitles(CGridCtrl& grid, int roughnessUnit) {
    grid.SetItemText(0, 0, L"");
    grid.SetItemText(0, kMaterialNameColumn, TranslateText(Text::kMaterialTitle).c_str());
    const std::wstring roughness =
        TranslateText(Text::kRoughnessTitle) + TranslateText(Text::kRoughnessUnitTitles[roughnessUnit]);
    grid.SetItemText(0, kMaterialRoughnessColumn, roughness.c_str());
}

}  // namespace

int KnownRoughnessUnit(int roughnessUnit) {
    const int known = static_cast<int>(std::size(Text::kRoughnessUnitTitles));
    return roughnessUnit >= 0 && roughnessUnit < known ? roughnessUnit : 0;
}

std::vector<TzRvnMaterialRow> MaterialRowsShown(const std::vector<CMateriale>& materials, int roughnessUnit) {
    std::vector<TzRvnMaterialRow> rows;
    const double factor = RoughnessUnitFactor(roughnessUnit);
    for (const CMateriale& material : materials) {
        rows.push_back({material.name, FormatDrawingReal(material.roughness / factor)});
    }
    return rows;
}

void FillMaterialsGrid(CGridCtrl& grid, const std::vector<TzRvnMaterialRow>& rows, int roughnessUnit, int emptyRows) {
    grid.SetColumnCount(kColumns);
    grid.SetRowCount(static_cast<int>(rows.size()) + 1 + emptyRows);
    grid.SetFixedRowCount(1);
    grid.SetFixedColumnCount(1);
    SetTitles(grid, roughnessUnit);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int row = static_cast<int>(i) + 1;
        grid.SetItemText(row, kMaterialNameColumn, rows[i].name.c_str());
        grid.SetItemText(row, kMaterialRoughnessColumn, rows[i].roughness.c_str());
    }
    NumberMaterialRows(grid, 1);
    grid.AutoSizeColumns();
}

void NumberMaterialRows(CGridCtrl& grid, int row) {
    for (; row < grid.GetRowCount(); ++row) {
        grid.SetItemText(row, 0, FormatText(Text::kNumberTitle, {row}).c_str());
    }
}

std::vector<TzRvnMaterialRow> MaterialRowsTyped(const CGridCtrl& grid) {
    std::vector<TzRvnMaterialRow> rows;
    for (int row = 1; row < grid.GetRowCount(); ++row) {
        rows.push_back({grid.GetItemText(row, kMaterialNameColumn), grid.GetItemText(row, kMaterialRoughnessColumn)});
    }
    return rows;
}
