// Blocks of cells as the tab-separated text spreadsheets put on the clipboard: cells separated by
// tabs, each row ended by a line end, a cell holding a tab, a line end or a leading quotation mark
// written in quotation marks (a quotation mark inside doubled).
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace rvnhost {

using CellBlock = std::vector<std::vector<std::wstring>>;

std::wstring tabTextOf(const CellBlock& block);
// Reads "\r\n", "\n" and "\r" line ends; the line end after the last row makes no further row.
// Rows may have different numbers of cells.
CellBlock parseTabText(std::wstring_view text);

}  // namespace rvnhost
