#include "grid_table.h"

namespace rvnhost {

GridTable::Row GridTable::emptyRowLike(const Row* pattern) const {
    Row row;
    row.cells.resize(widths_.size());
    if (!pattern) return row;
    for (std::size_t col = 0; col < row.cells.size(); ++col) row.cells[col].format = pattern->cells[col].format;
    return row;
}

void GridTable::setRowCount(int count) {
    if (count < 0) return;
    while (rowCount() > count) rows_.pop_back();
    while (rowCount() < count) rows_.push_back(emptyRowLike(rows_.empty() ? nullptr : &rows_.back()));
}

void GridTable::setColumnCount(int count) {
    if (count < 0) return;
    widths_.resize(static_cast<std::size_t>(count), kDefaultColumnWidth);
    readOnlyColumns_.resize(static_cast<std::size_t>(count), false);
    for (Row& row : rows_) row.cells.resize(static_cast<std::size_t>(count));
}

void GridTable::insertRow(int row) {
    if (row < 0 || row > rowCount()) return;
    const Row* pattern = row < rowCount() ? &rows_[static_cast<std::size_t>(row)] : (rows_.empty() ? nullptr : &rows_.back());
    Row made = emptyRowLike(pattern);
    rows_.insert(rows_.begin() + row, std::move(made));
}

void GridTable::deleteRow(int row) {
    if (row >= 0 && row < rowCount()) rows_.erase(rows_.begin() + row);
}

void GridTable::insertColumn(int col, UINT format) {
    if (col < 0 || col > columnCount()) return;
    widths_.insert(widths_.begin() + col, kDefaultColumnWidth);
    readOnlyColumns_.insert(readOnlyColumns_.begin() + col, false);
    GridCell made;
    made.format = format;
    for (Row& row : rows_) row.cells.insert(row.cells.begin() + col, made);
}

void GridTable::deleteColumn(int col) {
    if (col < 0 || col >= columnCount()) return;
    widths_.erase(widths_.begin() + col);
    readOnlyColumns_.erase(readOnlyColumns_.begin() + col);
    for (Row& row : rows_) row.cells.erase(row.cells.begin() + col);
}

}  // namespace rvnhost
