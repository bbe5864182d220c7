// The three grids of the profile dialog: their shape and titles, and the writing of their cells.
#pragma once

#include <string>

class CGridCtrl;

// 30 rows, a title row and a number column, read-only, on the dialog's grey; the title row one and
// a half rows high. The node list has the columns "N." and "Nn", the branch list "N.", "Np" and
// "Na", the composition grid ten columns titled "Nodo".
void SetUpNodeList(CGridCtrl& grid);
void SetUpBranchList(CGridCtrl& grid);
void SetUpComposition(CGridCtrl& grid);

// Writes a cell, adding numbered rows first so that the row written is never the grid's last.
void SetGridText(CGridCtrl& grid, int row, int col, const std::wstring& text);

// Empties every cell below the title row and right of the number column.
void ClearGridCells(CGridCtrl& grid);

// The number column written again after rows were removed: the corner holds the title, every other
// row its number.
void NumberGridRows(CGridCtrl& grid, const wchar_t* cornerTitle);

// The title row back at one and a half rows high.
void RestoreTitleHeight(CGridCtrl& grid);

// The first column of the row whose cell is empty, from column 0 on; -1 when the row is full.
int FirstEmptyColumn(const CGridCtrl& grid, int row);
