// The composition of the profiles in the dialog: the node and branch lists' double clicks, the
// choice of the current profile, the reset of its last node, and the figures of the current profile.
#include "profiles/profile_dialog.h"

#include "afx_grid.h"
#include "profiles/profile_dialog_ids.h"
#include "profiles/profile_figures.h"
#include "profiles/profile_grids.h"
#include "profiles/profile_list.h"
#include "profiles/profile_run_network.h"
#include "profiles/profile_texts.h"
#include "frame/translation.h"

#include <vector>

using namespace TzRvnProfileDialog;
namespace Text = TzRvnProfileText;

// Lists the branches at the node, writes the node where the mode puts it (first: column 1 of the
// newest profile's row; next: the column after the current one, the grid growing a column when
// that is its last) and shows the figures of the current profile.
void TzRvnCreaProfiliDlg::AddNode(const TzRvnNetworkData& network, const std::wstring& name, AddMode mode) {
    ListBranchesAt(network, name);
    CGridCtrl& grid = Grid(kComposition);
    if (mode == AddMode::first) {
        currentRow_ = profileCount_;
        currentColumn_ = 1;
        grid.SetFocusCell(currentRow_, currentColumn_);
    } else if (mode == AddMode::next && ++currentColumn_ == grid.GetColumnCount() - 1) {
        grid.InsertColumn(TranslateText(Text::kAddedColumnTitle).c_str());
    }
    if (mode != AddMode::refresh) SetGridText(grid, currentRow_, currentColumn_, name);
    ShowFigures(network);
}

void TzRvnCreaProfiliDlg::ListBranchesAt(const TzRvnNetworkData& network, const std::wstring& name) {
    CGridCtrl& grid = Grid(kBranchList);
    ClearGridCells(grid);
    int row = 1;
    for (const TzRvnEdge& edge : network.edges()) {
        if (!BranchTouches(edge, name)) continue;
        SetGridText(grid, row, 1, edge.startNode.str());
        SetGridText(grid, row++, 2, edge.endNode.str());
    }
}

void TzRvnCreaProfiliDlg::ShowFigures(const TzRvnNetworkData& network) {
    const CGridCtrl& grid = Grid(kComposition);
    std::vector<std::wstring> names;
    if (profileRow_ >= 1 && profileRow_ < grid.GetRowCount()) {
        for (int col = 1; col < grid.GetColumnCount(); ++col) names.push_back(grid.GetItemText(profileRow_, col));
    }
    const TzRvnProfileFigures figures = ComputeProfileFigures(network, names);
    SetDlgItemText(kLengthField, ProfileFigureText(figures.length).c_str());
    SetDlgItemText(kMaximumField, ProfileFigureText(figures.maximum).c_str());
    SetDlgItemText(kMinimumField, ProfileFigureText(figures.minimum).c_str());
}

// A node's row starts a new profile of that node.
void TzRvnCreaProfiliDlg::OnNodeDoubleClick(int row) {
    const CGridCtrl& nodes = Grid(kNodeList);
    if (row < 1 || row >= nodes.GetRowCount()) return;
    const std::wstring name = nodes.GetItemText(row, 1);
    if (name.empty()) return;
    ProfileList().push_back({name});
    profileRow_ = ++profileCount_;
    lastNode_ = name;
    AddNode(ProfileNetworkData(), name, AddMode::first);
}

// A branch's row extends the current profile to the branch's other end, when the branch starts or
// ends at the profile's last node.
void TzRvnCreaProfiliDlg::OnBranchDoubleClick(int row) {
    const CGridCtrl& branches = Grid(kBranchList);
    if (row < 1 || row >= branches.GetRowCount()) return;
    if (profileRow_ < 1 || profileRow_ > static_cast<int>(ProfileList().size())) return;
    const std::wstring start = branches.GetItemText(row, 1);
    const std::wstring end = branches.GetItemText(row, 2);
    if (start.empty() || end.empty()) return;
    std::wstring next;
    if (lastNode_ == start) next = end;
    else if (lastNode_ == end) next = start;
    else return;
    ProfileList()[static_cast<std::size_t>(profileRow_ - 1)].push_back(next);
    lastNode_ = next;
    AddNode(ProfileNetworkData(), next, AddMode::next);
}

// A profile's row number makes it the current profile, extended from its last node; a row filled
// to its last column, or one without a profile, is left alone.
void TzRvnCreaProfiliDlg::OnProfileNumberClick(int row) {
    if (row < 1 || row > static_cast<int>(ProfileList().size())) return;
    const CGridCtrl& grid = Grid(kComposition);
    const int empty = FirstEmptyColumn(grid, row);
    if (empty < 0) return;
    profileRow_ = currentRow_ = row;
    currentColumn_ = empty - 1;
    lastNode_ = grid.GetItemText(row, currentColumn_);
    AddNode(ProfileNetworkData(), lastNode_, AddMode::refresh);
}

// Takes the last node off the current profile; its only node takes the profile away with its row.
void TzRvnCreaProfiliDlg::OnReset() {
    const int row = profileRow_;
    if (currentColumn_ < 1 || row < 1 || row > static_cast<int>(ProfileList().size())) return;
    CGridCtrl& grid = Grid(kComposition);
    const TzRvnNetworkData network = ProfileNetworkData();
    grid.SetItemText(row, currentColumn_, L"");
    if (currentColumn_ == 1) {
        ProfileList().erase(ProfileList().begin() + (row - 1));
        lastNode_.clear();
        AddNode(network, lastNode_, AddMode::refresh);
        RemoveProfileRow(row);
        return;
    }
    ProfileList()[static_cast<std::size_t>(row - 1)].pop_back();
    lastNode_ = grid.GetItemText(row, --currentColumn_);
    AddNode(network, lastNode_, AddMode::refresh);
}

void TzRvnCreaProfiliDlg::RemoveProfileRow(int row) {
    CGridCtrl& grid = Grid(kComposition);
    grid.DeleteRow(row);
    profileRow_ = currentRow_ = --profileCount_;
    --currentColumn_;
    NumberGridRows(grid, Text::kCompositionTitle);
    RestoreTitleHeight(grid);
}
