#include "dialogs/materials_dialog.h"

#include "afx_grid.h"
#include "afx_menu.h"
#include "dialogs/dialog_icon.h"
#include "dialogs/dialog_settings.h"
#include "dialogs/grid_menu_commands.h"
#include "dialogs/materials_grid.h"
#include "dialogs/materials_texts.h"
#include "frame/translation.h"
#include "host/output_files.h"
#include "network/settings_units.h"

#include <algorithm>
#include <span>
#include <string_view>

namespace {

namespace Text = TzRvnMaterialsText;

constexpr int kTemplate = 9067;
constexpr int kSettingsRoughnessUnit = 9018;
constexpr UINT kMenu = 9077;
using namespace TzRvnGridMenu;

std::vector<CMateriale> MaterialsOf(const std::vector<TzRvnRowMaterial>& rows) {
    std::vector<CMateriale> materials;
    for (const TzRvnRowMaterial& row : rows) materials.push_back(row.material);
    return materials;
}

}  // namespace

TzRvnMaterialiDlg::TzRvnMaterialiDlg(CWnd* parent, std::wstring programFolder, AcDbObjectId network)
    : CDialog(kTemplate, parent), parent_(parent), programFolder_(std::move(programFolder)), network_(network) {}

CGridCtrl& TzRvnMaterialiDlg::Grid() const { return *static_cast<CGridCtrl*>(GetDlgItem(kMaterialsGridId)); }

BOOL TzRvnMaterialiDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    TranslateDialog(this);
    SetRivantaDialogIcon(*this);
    TzRvnSettings settings;
    if (!LoadSettingsOrSay(settings)) {
        EndDialog(IDCANCEL);
        return TRUE;
    }
    shownUnit_ = RoughnessUnit(settings);
    materials_ = MaterialList();
    shown_ = MaterialRowsShown(materials_, shownUnit_);
    FillMaterialsGrid(Grid(), shown_, shownUnit_, 1);
    return TRUE;
}

// The settings of the dialog's source; false, with the message said, when they cannot be had.
bool TzRvnMaterialiDlg::LoadSettingsOrSay(TzRvnSettings& settings) const {
    const TzRvnSettingsLoad load = LoadDialogSettings(programFolder_, network_, settings);
    if (load.loaded()) return true;
    SayError(load.message,
             load.failure == TzRvnSettingsFailure::network ? Text::kArchiveCaption : Text::kSettingsCaption);
    return false;
}

// The unit chosen in the parent settings dialog; the settings' own without a choice there.
int TzRvnMaterialiDlg::RoughnessUnit(const TzRvnSettings& settings) const {
    const auto* list = parent_ ? dynamic_cast<const CComboBox*>(parent_->GetDlgItem(kSettingsRoughnessUnit)) : nullptr;
    const int chosen = list ? list->GetCurSel() : -1;
    return KnownRoughnessUnit(chosen >= 0 ? chosen : settings.roughnessUnit);
}

BOOL TzRvnMaterialiDlg::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) {
    const auto* view = reinterpret_cast<const NM_GRIDVIEW*>(lParam);
    if (view->hdr.idFrom != static_cast<UINT_PTR>(kMaterialsGridId) || view->hdr.code != NM_RCLICK) {
        return CDialog::OnNotify(wParam, lParam, result);
    }
    menuRow_ = view->iRow;
    ShowMenu();
    return TRUE;
}

void TzRvnMaterialiDlg::ShowMenu() {
    CMenu menu;
    if (!menu.LoadMenu(kMenu)) return;
    TranslateMenu(&menu);
    menu.GetSubMenu(0)->TrackPopupMenu(TPM_RIGHTBUTTON, 0, 0, this);
}

BOOL TzRvnMaterialiDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    CGridCtrl& grid = Grid();
    switch (LOWORD(wParam)) {
        case kInsertRow: return InsertRow(), TRUE;
        case kCut: return grid.OnEditCut(), TRUE;
        case kCopy: return grid.OnEditCopy(), TRUE;
        case kPaste: return grid.OnEditPaste(), TRUE;
        case kPrint: return grid.Print(), TRUE;
        default: return CDialog::OnCommand(wParam, lParam);
    }
}

// An empty row where the menu was opened (the first one when opened on the titles); the rows from
// it down are numbered again.
void TzRvnMaterialiDlg::InsertRow() {
    const int row = std::max(menuRow_, 1);
    if (Grid().InsertRow(L"", row) < 0) return;
    NumberMaterialRows(Grid(), row);
}

// The close request: the rows become the archive and the material list, or the dialog stays open.
void TzRvnMaterialiDlg::OnOK() {
    TzRvnSettings settings;
    if (!Grid().EndEditing() || !LoadSettingsOrSay(settings)) return;
    const int unit = RoughnessUnit(settings);
    const std::vector<TzRvnMaterialRow> typed = MaterialRowsTyped(Grid());
    const std::span<const TzRvnMaterialRow> shown = unit == shownUnit_ ? std::span(shown_) : std::span<TzRvnMaterialRow>();
    const std::vector<TzRvnRowMaterial> rows = MaterialsOfRows(typed, RoughnessUnitFactor(unit), shown, materials_);
    if (!CheckOrSay(rows)) return;
    const std::vector<CMateriale> materials = MaterialsOf(rows);
    if (!WriteOrSay(materials)) return;
    MaterialList() = materials;
    EndDialog(IDOK);
}

// An archive without materials would not be read again, nor one holding a row it cannot hold.
bool TzRvnMaterialiDlg::CheckOrSay(const std::vector<TzRvnRowMaterial>& rows) const {
    if (rows.empty()) return SayError(TranslateText(Text::kNoMaterial), Text::kArchiveCaption), false;
    for (const TzRvnRowMaterial& row : rows) {
        if (IsWritableMaterial(row.material)) continue;
        SayError(FormatTranslated(Text::kRowNotWritable, {row.row, std::wstring_view(row.material.name)}),
                 Text::kArchiveCaption);
        return false;
    }
    return true;
}

bool TzRvnMaterialiDlg::WriteOrSay(const std::vector<CMateriale>& materials) const {
    const std::wstring path = programFolder_ + kMaterialsFileName;
    std::wstring reason;
    if (programFolder_.empty()) return SayError(TranslateText(Text::kArchiveNotWritten), Text::kArchiveCaption), false;
    if (SaveMaterials(path, materials, reason)) return true;
    SayError(TranslateText(Text::kArchiveNotWritten) +
                 FormatTranslated(Text::kArchiveAt, {std::wstring_view(path), std::wstring_view(reason)}),
             Text::kArchiveCaption);
    return false;
}

void TzRvnMaterialiDlg::SayError(const std::wstring& message, const wchar_t* caption) const {
    MessageBoxW(m_hWnd, message.c_str(), TranslateText(caption).c_str(), MB_OK | MB_ICONERROR);
}

void RunMaterialsDialog(CWnd* parent, const std::wstring& programFolder, AcDbObjectId network) {
    TzRvnMaterialiDlg dialog(parent, programFolder, network);
    dialog.DoModal();
}
