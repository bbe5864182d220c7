// The profile dialog "Crea Profili" (template 9071), opened by ProfRet: the nodes of the profiles'
// network, the branches at the last node of the profile being composed, and the profiles composed
// so far, one a row. A double click on a node starts a profile there, one on a branch extends the
// current profile across it; a click on a profile's row number makes it the current one; "Resetta
// cella" takes its last node off. "Seleziona profilo <" closes the dialog while the user picks a
// profile in the drawing and opens a new one afterwards; "Disegna cartigli" closes it and draws
// every profile. The fields show the current profile's length and its highest and lowest elevation.
#pragma once

#include "afx_dialog.h"
#include "network/network_data.h"

#include <string>

class CGridCtrl;

class TzRvnCreaProfiliDlg : public CDialog {
public:
    explicit TzRvnCreaProfiliDlg(CWnd* parent = nullptr);

protected:
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;

private:
    enum class AddMode { first, next, refresh };

    CGridCtrl& Grid(int id) const;
    // Opening (profile_dialog.cpp).
    void PlaceGrids();
    void FillNodeList(const TzRvnNetworkData& network);
    void ListSavedProfiles(const TzRvnNetworkData& network);
    // The composition of a profile (profile_dialog_compose.cpp).
    void AddNode(const TzRvnNetworkData& network, const std::wstring& name, AddMode mode);
    void ListBranchesAt(const TzRvnNetworkData& network, const std::wstring& name);
    void ShowFigures(const TzRvnNetworkData& network);
    void OnNodeDoubleClick(int row);
    void OnBranchDoubleClick(int row);
    void OnProfileNumberClick(int row);
    void OnReset();
    void RemoveProfileRow(int row);
    // Leaving the dialog (profile_dialog.cpp).
    void OnPick();
    void OnDraw();

    int currentRow_ = 0;     // of the composition grid
    int currentColumn_ = 0;
    int profileCount_ = 0;   // profiles listed
    int profileRow_ = 0;     // the row of the profile being extended
    std::wstring lastNode_;  // the last node of that profile, whose branches are listed
};

// Shows the dialog modal.
void RunProfileDialog();
