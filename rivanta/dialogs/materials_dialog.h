// The materials dialog "Materiali" (template 9067): the materials archive edited in a grid, one row
// per material and an empty row at the end for a new one, the roughness in the unit chosen in the
// parent settings dialog's list (9018). Its context menu inserts a row, cuts, copies, pastes and
// prints. OK saves: the rows with a name and a roughness greater than 0 are written as the archive
// of the program folder and become the material list; when that cannot be done the dialog says why
// and stays open with every row as typed. Annulla leaves the archive and the list as they were.
#pragma once

#include "afx_dialog.h"
#include "dbid.h"
#include "dialogs/material_rows.h"
#include "network/materials.h"
#include "network/settings.h"

#include <string>
#include <vector>

class CGridCtrl;

class TzRvnMaterialiDlg : public CDialog {
public:
    // The settings of network when there is one, else those of the settings file in programFolder
    // (which ends with its separator), where the archive lies.
    TzRvnMaterialiDlg(CWnd* parent, std::wstring programFolder, AcDbObjectId network = AcDbObjectId::kNull);

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

    CGridCtrl& Grid() const;

private:
    bool LoadSettingsOrSay(TzRvnSettings& settings) const;
    int RoughnessUnit(const TzRvnSettings& settings) const;
    void ShowMenu();
    void InsertRow();
    bool CheckOrSay(const std::vector<TzRvnRowMaterial>& materials) const;
    bool WriteOrSay(const std::vector<CMateriale>& materials) const;
    void SayError(const std::wstring& message, const wchar_t* caption) const;

    CWnd* parent_;  // the settings dialog, whose unit list the grid follows
    std::wstring programFolder_;
    AcDbObjectId network_;
    std::vector<CMateriale> materials_;     // the material list as the dialog opened
    std::vector<TzRvnMaterialRow> shown_;  // their rows as shown then
    int shownUnit_ = 0;                     // in this roughness unit
    int menuRow_ = -1;                      // the row the context menu was opened on
};

// Runs the dialog modal over parent.
void RunMaterialsDialog(CWnd* parent, const std::wstring& programFolder, AcDbObjectId network);
