#include "dialogs/roughness_dialog.h"

#include "afx_grid.h"
#include "dialogs/dialog_icon.h"
#include "dialogs/dialog_settings.h"
#include "dialogs/materials_grid.h"
#include "dialogs/materials_texts.h"
#include "frame/translation.h"

namespace {

namespace Text = TzRvnMaterialsText;

constexpr int kTemplate = 9066;

}  // namespace

TzRvnScabrezzaDlg::TzRvnScabrezzaDlg(CWnd* parent, std::wstring programFolder, AcDbObjectId network)
    : CDialog(kTemplate, parent), programFolder_(std::move(programFolder)), network_(network) {}

// Without the settings there is no unit to show the roughness in: the dialog says so and closes.
BOOL TzRvnScabrezzaDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    TranslateDialog(this);
    SetRivantaDialogIcon(*this);
    TzRvnSettings settings;
    const TzRvnSettingsLoad load = LoadDialogSettings(programFolder_, network_, settings);
    if (!load.loaded()) {
        const wchar_t* caption =
            load.failure == TzRvnSettingsFailure::network ? Text::kSettingsCaption : Text::kDatabaseCaption;
        MessageBoxW(m_hWnd, load.message.c_str(), TranslateText(caption).c_str(), MB_OK | MB_ICONERROR);
        EndDialog(IDCANCEL);
        return TRUE;
    }
    auto& grid = *static_cast<CGridCtrl*>(GetDlgItem(kMaterialsGridId));
    const int unit = KnownRoughnessUnit(settings.roughnessUnit);
    FillMaterialsGrid(grid, MaterialRowsShown(MaterialList(), unit), unit, 0);
    grid.SetEditable(FALSE);
    return TRUE;
}

void RunRoughnessDialog(CWnd* parent, const std::wstring& programFolder, AcDbObjectId network) {
    TzRvnScabrezzaDlg dialog(parent, programFolder, network);
    dialog.DoModal();
}
