// The cells of a grid and the sizes of its rows and columns, without any behaviour of the control:
// rows and columns are inserted and deleted with their cells, and each cell keeps its text, format,
// colours and state.
#pragma once

#include "grid_defs.h"

#include <string>
#include <vector>

namespace rvnhost {

struct GridCell {
    std::wstring text;
    UINT format = DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX;
    COLORREF textColour = CLR_DEFAULT;
    COLORREF backColour = CLR_DEFAULT;
    UINT state = 0;
};

class GridTable {
public:
    static constexpr int kDefaultRowHeight = 20;  // pixels
    static constexpr int kDefaultColumnWidth = 80;

    int rowCount() const { return static_cast<int>(rows_.size()); }
    int columnCount() const { return static_cast<int>(widths_.size()); }
    bool isValid(int row, int col) const { return row >= 0 && col >= 0 && row < rowCount() && col < columnCount(); }

    GridCell& cell(int row, int col) { return rows_[static_cast<std::size_t>(row)].cells[static_cast<std::size_t>(col)]; }
    const GridCell& cell(int row, int col) const {
        return rows_[static_cast<std::size_t>(row)].cells[static_cast<std::size_t>(col)];
    }

    // Rows added at the end take the formats of the last row there was.
    void setRowCount(int count);
    void setColumnCount(int count);
    // A row inserted at row (the end for rowCount()) takes the formats of the row it pushes down,
    // or of the last row when it is added at the end; its cells are otherwise empty.
    void insertRow(int row);
    void deleteRow(int row);
    void insertColumn(int col, UINT format);
    void deleteColumn(int col);

    int rowHeight(int row) const { return rows_[static_cast<std::size_t>(row)].height; }
    void setRowHeight(int row, int height) { rows_[static_cast<std::size_t>(row)].height = height; }
    int columnWidth(int col) const { return widths_[static_cast<std::size_t>(col)]; }
    void setColumnWidth(int col, int width) { widths_[static_cast<std::size_t>(col)] = width; }
    bool columnReadOnly(int col) const { return readOnlyColumns_[static_cast<std::size_t>(col)]; }
    void setColumnReadOnly(int col, bool readOnly) { readOnlyColumns_[static_cast<std::size_t>(col)] = readOnly; }

private:
    struct Row {
        std::vector<GridCell> cells;
        int height = kDefaultRowHeight;
    };

    Row emptyRowLike(const Row* pattern) const;

    std::vector<Row> rows_;
    std::vector<int> widths_;
    std::vector<bool> readOnlyColumns_;
};

}  // namespace rvnhost
