// A window that owns a grid as the plug-in's grid dialogs do: it numbers the rows, makes the
// result column read-only, and answers the grid's notifications (refusing a negative elevation).
#pragma once

#include "afx_grid.h"
#include "afx_wnd.h"

#include <gtest/gtest.h>

#include <cwchar>
#include <string>
#include <vector>

namespace rvntest {

// Row numbers in the fixed column, as an owner keeps them after inserting or deleting rows.
inline void numberRows(CGridCtrl& grid) {
    for (int row = 1; row < grid.GetRowCount(); ++row) grid.SetItemText(row, 0, std::to_wstring(row).c_str());
}

// The node grid of the plug-in's grid dialogs: numbered rows under a title row, the result column
// read-only.
inline void makeNodeGrid(CGridCtrl& grid) {
    grid.SetColumnCount(5);
    grid.SetRowCount(6);
    grid.SetFixedRowCount(1);
    grid.SetFixedColumnCount(1);
    grid.SetRowHeight(0, grid.GetRowHeight(1) * 3 / 2);
    const wchar_t* titles[] = {L"N.", L"Nn", L"Z [ m ]", L"H [ m ]", L"Note"};
    for (int col = 0; col < 5; ++col) grid.SetItemText(0, col, titles[col]);
    grid.SetColumnReadOnly(3);
    numberRows(grid);
}

struct GridEvent {
    UINT code;
    int row;
    int col;
    std::wstring text;  // the cell's text as the owner reads it when told
};

class GridOwner : public CWnd {
public:
    static constexpr int kGridId = 9038;
    static constexpr int kElevationColumn = 2;
    static constexpr int kResultColumn = 3;

    GridOwner() {
        CWnd::Create(L"#32770", L"Nodi", WS_POPUP, RECT{0, 0, 400, 300}, nullptr, 0);
        grid.Create(RECT{0, 0, 400, 300}, this, kGridId);
        makeNodeGrid(grid);
    }

    BOOL OnNotify(WPARAM, LPARAM lParam, LRESULT* result) override {
        const auto* view = reinterpret_cast<const NM_GRIDVIEW*>(lParam);
        events.push_back({view->hdr.code, view->iRow, view->iColumn, grid.GetItemText(view->iRow, view->iColumn)});
        if (view->hdr.code == GVN_BEGINLABELEDIT && view->iRow == lockedRow) *result = -1;
        if (view->hdr.code == GVN_ENDLABELEDIT && view->iColumn == kElevationColumn) {
            const std::wstring text = grid.GetItemText(view->iRow, view->iColumn);
            if (std::wcstod(text.c_str(), nullptr) < 0) *result = -1;
        }
        return TRUE;
    }

    std::vector<UINT> codes() const {
        std::vector<UINT> seen;
        for (const GridEvent& event : events) seen.push_back(event.code);
        return seen;
    }

    CGridCtrl grid;
    std::vector<GridEvent> events;
    int lockedRow = -1;  // a row whose cells the owner keeps from editing
};

// A test with its own owner and grid.
class GridTest : public ::testing::Test {
protected:
    GridOwner owner;
    CGridCtrl& grid = owner.grid;
};

}  // namespace rvntest
